// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/frmMain.h"

#include "BuildConfig.h"
#include "artwork/Artwork.h"
#include "artwork/Twips.h"
#include "mainwindow/ProgressDisplay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <limits>

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kLightYellow(255, 255, 128);
const QColor kCaptionRed(255, 0, 0);
const QSize kClientArea(422, 440); // 6330 × 6600 twips

// "MS Sans Serif" is not on a Linux desktop; Liberation Sans has Arial's
// metrics, which keep the captions inside their boxes as designed.
QFont sansBold(qreal points)
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// The text boxes keep the desktop's own font, not the frame's bold one.
QFont plainFont()
{
    QFont font = QApplication::font();
    font.setBold(false);
    font.setPointSizeF(font.pointSizeF()); // marks the size as set, so nothing is inherited
    return font;
}

QLabel *stepLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *label = place(new QLabel(caption, parent), name, geometry);
    label->setFont(sansBold(9.75));
    // The frame's red is for its caption only.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    label->setPalette(palette);
    return label;
}

QPushButton *button(
    QWidget *parent, const char *name, const QString &caption, qreal points, const QRect &geometry)
{
    auto *push = place(new QPushButton(caption, parent), name, geometry);
    push->setFont(sansBold(points));
    push->setAutoDefault(false); // no button answers Enter on the window's behalf
    return push;
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    // The version as the caption has always shown it: the revision runs on
    // after the minor number ("v1.20" for 1.2.0).
    setWindowTitle(QStringLiteral("%1  v%2.%3%4")
                       .arg(QLatin1String(kApplicationTitle))
                       .arg(kVersionMajor)
                       .arg(kVersionMinor)
                       .arg(kVersionRevision));
    setWindowIcon(Artwork::icon());
    buildControls();
    buildMenus();
    resize(kClientArea.width(), kClientArea.height() + menuBar()->sizeHint().height());
    if (const QScreen *display = screen())
        move(display->availableGeometry().center() - rect().center());
    txtInput->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kPaleYellow);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    Picture1 = place(new QLabel(client), "Picture1", fromTwips(0, 0, 6330, 930));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setPixmap(Artwork::banner());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);

    Frame1 = place(new QGroupBox(QStringLiteral("4 Easy steps: "), client), "Frame1",
        fromTwips(278, 1200, 5775, 4215));
    Frame1->setFont(sansBold(9.75));
    palette = Frame1->palette();
    palette.setColor(QPalette::WindowText, kCaptionRed);
    Frame1->setPalette(palette);

    lblInput = stepLabel(Frame1, "lblInput", QStringLiteral("(1) Type the jumbled letters here:"),
        fromTwips(360, 480, 3495, 255));
    txtInput = place(new QLineEdit(Frame1), "txtInput", fromTwips(3840, 480, 1575, 285));
    txtInput->setFont(plainFont());
    txtInput->setMaxLength(std::numeric_limits<int>::max());
    txtInput->installEventFilter(this);

    lblStep2 = stepLabel(
        Frame1, "lblStep2", QStringLiteral("(2) Click Here:"), fromTwips(360, 1080, 3255, 255));
    // Created after lblStep2, so it is drawn above the label's right end.
    cmdGo = button(
        Frame1, "cmdGo", QStringLiteral("Analyze letters"), 9.75, fromTwips(1920, 960, 3495, 375));

    lblSearching = stepLabel(Frame1, "lblSearching", QStringLiteral("(3) Wait for analysis:"),
        fromTwips(360, 1680, 2295, 255));
    cmdCancel = button(Frame1, "cmdCancel", QStringLiteral("cancel analysis"), 9.75,
        fromTwips(3480, 1560, 1935, 375));
    cmdCancel->hide();
    ProgressBar1
        = place(new ProgressDisplay(Frame1), "ProgressBar1", fromTwips(360, 2040, 5055, 255));

    lblResults = stepLabel(Frame1, "lblResults", QStringLiteral("(4) Read results below here:"),
        fromTwips(360, 2520, 3135, 255));
    txtResults = place(new QPlainTextEdit(Frame1), "txtResults", fromTwips(360, 2880, 5055, 975));
    txtResults->setFont(plainFont());
    txtResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResults->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Only the program writes the results; the user may select and copy them.
    txtResults->setReadOnly(true);
    txtResults->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtResults->setFocusPolicy(Qt::StrongFocus);
    txtResults->setTabChangesFocus(true);

    for (QWidget *box : { static_cast<QWidget *>(txtInput), static_cast<QWidget *>(txtResults) }) {
        palette = box->palette();
        palette.setColor(QPalette::Base, kLightYellow);
        palette.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
        palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
        box->setPalette(palette);
    }

    cmdHelp = button(client, "cmdHelp", QStringLiteral("Help"), 12, fromTwips(240, 5880, 975, 495));
    cmdExit
        = button(client, "cmdExit", QStringLiteral("Exit"), 12, fromTwips(5160, 5880, 855, 495));

    setTabOrder(txtInput, cmdGo);
    setTabOrder(cmdGo, cmdHelp);
    setTabOrder(cmdHelp, cmdExit);
    setTabOrder(cmdExit, txtResults);
    setTabOrder(txtResults, cmdCancel);
    setTabOrder(cmdCancel, Picture1);

    connect(cmdGo, &QPushButton::clicked, this, &frmMain::analysisRequested);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cancelRequested);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::exitRequested);
    // cmdHelp is shown but has no action: the help command lives in the Help menu.
}

void frmMain::buildMenus()
{
    mnu_file = menuBar()->addMenu(QStringLiteral("&File"));
    mnu_file->setObjectName(QStringLiteral("mnu_file"));
    mnu_exit = mnu_file->addAction(QStringLiteral("E&xit"), this, &frmMain::exitRequested);
    mnu_exit->setObjectName(QStringLiteral("mnu_exit"));

    mnu_help = menuBar()->addMenu(QStringLiteral("&Help"));
    mnu_help->setObjectName(QStringLiteral("mnu_help"));
    mnu_qvhelp
        = mnu_help->addAction(QStringLiteral("Quorvel H&elp"), this, &frmMain::helpRequested);
    mnu_qvhelp->setObjectName(QStringLiteral("mnu_qvhelp"));
    mnu_about = mnu_help->addAction(QStringLiteral("&About"), this, &frmMain::aboutRequested);
    mnu_about->setObjectName(QStringLiteral("mnu_about"));
}

void frmMain::txtInput_KeyUp(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter)
        emit analysisRequested();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtInput
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (event->type() == QEvent::KeyPress) {
            // Remember whose Enter it is: the press that closed a message box
            // must not have its release start the same request again.
            m_enterPressedHere = enter || m_enterPressedHere;
        } else if (!key->isAutoRepeat() && (!enter || m_enterPressedHere)) {
            if (enter)
                m_enterPressedHere = false;
            txtInput_KeyUp(key->key(), key->modifiers());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The banner strip alone follows the width; nothing else is laid out again.
    Picture1->resize(centralWidget()->width(), Picture1->height());
}

void frmMain::closeEvent(QCloseEvent *event)
{
    emit closeRequested();
    event->accept();
}

void frmMain::setProgressRange(float minimum, float maximum)
{
    ProgressBar1->setRange(minimum, maximum);
}

void frmMain::setProgressValue(float value)
{
    ProgressBar1->setValue(value);
}

void frmMain::setProgressVisible(bool visible)
{
    ProgressBar1->setVisible(visible);
}

void frmMain::repaintProgress()
{
    ProgressBar1->repaint();
}

void frmMain::setSearchingVisible(bool visible)
{
    lblSearching->setVisible(visible);
}

void frmMain::setResultsColor(RgbColor color)
{
    QPalette palette = txtResults->palette();
    palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
    txtResults->setPalette(palette);
}

void frmMain::setResultsText(const QString &text)
{
    txtResults->setPlainText(text);
}

QString frmMain::inputText() const
{
    return txtInput->text();
}

void frmMain::setCancelVisible(bool visible)
{
    cmdCancel->setVisible(visible);
}
