// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/frmMain.h"

#include "BuildConfig.h"
#include "artwork/Artwork.h"
#include "artwork/Twips.h"
#include "mainwindow/Controls.h"
#include "mainwindow/ProgressDisplay.h"
#include "mainwindow/ResultsBox.h"
#include "mainwindow/ScreenPlace.h"
#include "mainwindow/TextRoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QWindow>
#include <limits>
#include <utility>

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kLightYellow(255, 255, 128);
const QColor kCaptionRed(255, 0, 0);
// On the fixed yellows the text is fixed too, or a dark desktop scheme would
// draw white letters on pale yellow. The selection is the classic navy.
const QColor kText(0, 0, 0);
const QColor kSelection(0, 0, 128);
const QColor kSelectedText(255, 255, 255);

// "MS Sans Serif" is not on a Linux desktop; Liberation Sans has Arial's
// metrics, which keep the captions inside their boxes as designed. Every
// control has its size in points, so the desktop's default font size, which
// the twip layout knows nothing of, cannot push a text out of its box.
QFont designFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The text boxes have the platform's default control font: 8 points.
constexpr qreal kTextBoxPoints = 8.25;
constexpr qreal kStepPoints = 9.75;
constexpr qreal kLowerButtonPoints = 12;

void fixColors(QWidget *widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> roles)
{
    QPalette palette = widget->palette();
    for (const auto &[role, color] : roles)
        palette.setColor(role, color);
    widget->setPalette(palette);
}

QLabel *stepLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *label = place(new QLabel(caption, parent), name, geometry);
    label->setFont(designFont(kStepPoints, true));
    fixColors(label, { { QPalette::Window, kPaleYellow }, { QPalette::WindowText, kText } });
    return label;
}

PushButton *button(
    QWidget *parent, const char *name, const QString &caption, qreal points, const QRect &geometry)
{
    auto *push = place(new PushButton(caption, parent), name, geometry);
    push->setFont(designFont(points, true));
    push->setAutoDefault(false); // no button answers Enter on the window's behalf
    return push;
}

void describe(QWidget *widget, const QString &description)
{
    widget->setAccessibleDescription(description);
}

} // namespace

frmMain::frmMain(QScreen *display)
{
    if (display)
        setScreen(display);
    setObjectName(QStringLiteral("frmMain"));
    // The version as the caption has always shown it: the revision runs on
    // after the minor number ("v1.20" for 1.2.0).
    setWindowTitle(QStringLiteral("%1  v%2.%3%4")
                       .arg(QLatin1String(kApplicationTitle))
                       .arg(kVersionMajor)
                       .arg(kVersionMinor)
                       .arg(kVersionRevision));
    setWindowIcon(Artwork::icon());
    m_openOn = screen();
    const qreal dpi = layoutDpi(m_openOn);
    buildControls(dpi);
    // A translation longer than the designed text widens the window rather
    // than being cut off.
    const int wider = makeRoomForTexts({ Frame1,
        { { lblInput, txtInput }, { lblStep2, cmdGo }, { lblSearching, cmdCancel },
            { lblResults, nullptr } },
        ProgressBar1, txtResults, cmdHelp, cmdExit });
    m_client->setMinimumWidth(m_client->minimumWidth() + wider);
    buildMenus();
    buildKeys();
    m_designedSize = QSize(pixelsFromTwips(6330, dpi) + wider,
        pixelsFromTwips(6600, dpi) + menuBar()->sizeHint().height());
    resize(m_designedSize);
    txtInput->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::buildControls(qreal dpi)
{
    const auto twips = [dpi](int left, int top, int width, int height) {
        return fromTwips(left, top, width, height, dpi);
    };
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    fixColors(client, { { QPalette::Window, kPaleYellow } });
    client->setAutoFillBackground(true);
    // On a screen too small for the designed window (a high scale factor on
    // a small display) the window takes the room there is, and what does
    // not fit can be scrolled to rather than being out of reach.
    client->setMinimumSize(pixelsFromTwips(6330, dpi), pixelsFromTwips(6600, dpi));
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("clientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control as designed; the scroller follows.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(client);
    setCentralWidget(scroller);
    m_client = client;
    client->installEventFilter(this);

    Picture1 = place(new PictureBox(client), "Picture1", twips(0, 0, 6330, 930));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(qMax(1, pixelsFromTwips(30, dpi)));
    m_bannerScale = dpi / kBaseDpi;
    drawBanner();
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture1->setAccessibleName(QLatin1String(kApplicationTitle));
    describe(Picture1, tr("The program's banner"));

    Frame1 = place(new StepFrame(tr("4 Easy steps: "), kCaptionRed, client), "Frame1",
        twips(278, 1200, 5775, 4215));
    Frame1->setFont(designFont(kStepPoints, true));
    // Only the caption is red: the colour stays with the frame's own drawing
    // instead of passing on to the controls inside it.
    fixColors(Frame1, { { QPalette::Window, kPaleYellow } });
    Frame1->setAutoFillBackground(true);
    describe(Frame1, tr("Type the letters, analyze them, wait, then read the words found"));

    lblInput = stepLabel(
        Frame1, "lblInput", tr("(1) Type the jumbled letters here:"), twips(360, 480, 3495, 255));
    txtInput = place(new QLineEdit(Frame1), "txtInput", twips(3840, 480, 1575, 285));
    txtInput->setMaxLength(std::numeric_limits<int>::max());
    txtInput->installEventFilter(this);
    lblInput->setBuddy(txtInput);
    describe(txtInput, tr("Letters A to Z only; Enter starts the analysis"));

    lblStep2 = stepLabel(Frame1, "lblStep2", tr("(2) Click Here:"), twips(360, 1080, 3255, 255));
    // Created after lblStep2, so it is drawn above the label's right end.
    cmdGo
        = button(Frame1, "cmdGo", tr("Analyze letters"), kStepPoints, twips(1920, 960, 3495, 375));
    lblStep2->setBuddy(cmdGo);
    describe(cmdGo, tr("Finds every word made of all the letters typed"));

    lblSearching = stepLabel(
        Frame1, "lblSearching", tr("(3) Wait for analysis:"), twips(360, 1680, 2295, 255));
    cmdCancel = button(
        Frame1, "cmdCancel", tr("cancel analysis"), kStepPoints, twips(3480, 1560, 1935, 375));
    cmdCancel->hide();
    lblSearching->setBuddy(cmdCancel);
    describe(cmdCancel, tr("Stops the analysis under way"));
    ProgressBar1 = place(new ProgressDisplay(Frame1), "ProgressBar1", twips(360, 2040, 5055, 255));
    ProgressBar1->setAccessibleName(lblSearching->text());
    ProgressBar1->endRun();

    lblResults = stepLabel(
        Frame1, "lblResults", tr("(4) Read results below here:"), twips(360, 2520, 3135, 255));
    txtResults = place(new ResultsBox(Frame1), "txtResults", twips(360, 2880, 5055, 975));
    // The platform's sunken two-line border: the style's one-line frame is
    // lost at a device pixel ratio of 1.5.
    txtResults->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    txtResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResults->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Only the program writes the results; the user may select and copy them.
    txtResults->setReadOnly(true);
    txtResults->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtResults->setFocusPolicy(Qt::StrongFocus);
    txtResults->setTabChangesFocus(true);
    lblResults->setBuddy(txtResults);
    setResultsText(QString());

    for (QWidget *box : { static_cast<QWidget *>(txtInput), static_cast<QWidget *>(txtResults) }) {
        box->setFont(designFont(kTextBoxPoints, false));
        // The caret is drawn in the text colour.
        fixColors(box,
            { { QPalette::Base, kLightYellow }, { QPalette::Text, kText },
                { QPalette::Highlight, kSelection },
                { QPalette::HighlightedText, kSelectedText } });
    }

    cmdHelp = button(client, "cmdHelp", tr("Help"), kLowerButtonPoints, twips(240, 5880, 975, 495));
    describe(cmdHelp, tr("Opens the help, as Help > Quorvel Help does"));
    cmdExit
        = button(client, "cmdExit", tr("Exit"), kLowerButtonPoints, twips(5160, 5880, 855, 495));
    describe(cmdExit, tr("Ends the program"));

    setTabOrder(txtInput, cmdGo);
    setTabOrder(cmdGo, cmdHelp);
    setTabOrder(cmdHelp, cmdExit);
    setTabOrder(cmdExit, txtResults);
    setTabOrder(txtResults, cmdCancel);
    setTabOrder(cmdCancel, Picture1);

    connect(cmdGo, &QPushButton::clicked, this, &frmMain::requestAnalysis);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cancelRequested);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::exitRequested);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::helpRequested);
}

void frmMain::drawBanner()
{
    const int width = Picture1->contentsRect().width();
    const QPixmap shown = Picture1->pixmap();
    if (!shown.isNull() && qRound(shown.deviceIndependentSize().width()) == width
        && shown.devicePixelRatio() == devicePixelRatioF())
        return; // a height change, or the same width again
    Picture1->setPixmap(Artwork::banner(m_bannerScale, devicePixelRatioF(), width));
}

void frmMain::buildMenus()
{
    mnu_file = menuBar()->addMenu(tr("&File"));
    mnu_file->setObjectName(QStringLiteral("mnu_file"));
    mnu_exit = mnu_file->addAction(tr("E&xit"), this, &frmMain::exitRequested);
    mnu_exit->setObjectName(QStringLiteral("mnu_exit"));

    mnu_options = menuBar()->addMenu(tr("&Options"));
    mnu_options->setObjectName(QStringLiteral("mnu_options"));
    mnu_loose = mnu_options->addAction(tr("Match Letters &Loosely"));
    mnu_loose->setObjectName(QStringLiteral("mnu_loose"));
    mnu_loose->setCheckable(true);
    connect(mnu_loose, &QAction::triggered, this, &frmMain::looseMatchingChosen);

    mnu_help = menuBar()->addMenu(tr("&Help"));
    mnu_help->setObjectName(QStringLiteral("mnu_help"));
    mnu_qvhelp = mnu_help->addAction(tr("Quorvel H&elp"), this, &frmMain::helpRequested);
    mnu_qvhelp->setObjectName(QStringLiteral("mnu_qvhelp"));
    mnu_about = mnu_help->addAction(tr("&About"), this, &frmMain::aboutRequested);
    mnu_about->setObjectName(QStringLiteral("mnu_about"));
}

void frmMain::buildKeys()
{
    // Keys of the whole window rather than of the menu items, whose captions
    // stay as designed, without shortcuts beside them.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
        &frmMain::helpRequested);
    // Escape cancels a run as the button does; at rest it stays the
    // controls' own key, and the window does nothing with it.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &frmMain::cancelRequested);
}

void frmMain::txtInput_KeyUp(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter)
        requestAnalysis();
}

void frmMain::requestAnalysis()
{
    // Escape cancels a request from the moment it is made, as the button
    // will: the word index may search for a while before the busy bar and
    // Cancel show. The request is answered before the signal returns.
    ++m_requestsUnderWay;
    m_escape->setEnabled(true);
    emit analysisRequested();
    --m_requestsUnderWay;
    m_escape->setEnabled(m_requestsUnderWay > 0 || !cmdCancel->isHidden());
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle()
        && (event->type() == QEvent::Expose || event->type() == QEvent::Move)) {
        // On the screen at last, and framed by the window manager: the frame
        // the first place guessed at is known now. A busy window manager
        // frames the window only after it is first shown.
        // Mended a few times at most: a window manager that will not have it
        // is not fought.
        if (placeAgainOnceFramed(*this, m_designedSize, m_askedPlace)
            || (frameKnown(*this) && ++m_placings > 3))
            windowHandle()->removeEventFilter(this);
    } else if (watched == m_client && event->type() == QEvent::Resize) {
        // The banner strip alone follows the width; nothing else is laid out again.
        Picture1->resize(m_client->width(), Picture1->height());
        drawBanner();
    } else if (watched == txtInput
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (event->type() == QEvent::KeyPress) {
            // Remember whose Enter it is: the press that closed a message box
            // must not have its release start the same request again, nor
            // may the repeats of an Enter held down there.
            if (enter && !key->isAutoRepeat())
                m_enterPressedHere = true;
        } else if (!key->isAutoRepeat() && (!enter || m_enterPressedHere)) {
            if (enter)
                m_enterPressedHere = false;
            txtInput_KeyUp(key->key(), key->modifiers());
        }
    } else if (watched == txtInput && event->type() == QEvent::FocusOut) {
        m_enterPressedHere = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showEvent(QShowEvent *event)
{
    // Placed when it first opens, on the screen it was laid out for.
    if (const QPointer<QScreen> display = std::exchange(m_openOn, nullptr)) {
        m_askedPlace = placeOnScreen(*this, *display, m_designedSize);
        if (QWindow *handle = windowHandle())
            handle->installEventFilter(this);
    }
    QMainWindow::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    emit closeRequested();
    event->accept();
}
