// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmAbout.h"

#include "BuildConfig.h"
#include "about/SysInfo.h"
#include "artwork/Artwork.h"
#include "artwork/Twips.h"
#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr char kDescription[] = QT_TRANSLATE_NOOP("frmAbout",
    "This application takes a jumbled set of letters and lists all valid words that can be made "
    "from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in "
    "part of the analysis.");
constexpr char kCopyright[] = "Copyright \u00A9 2026 Kelmstar Software";

// The labels stand on the desktop's button face, so their text is the
// desktop's button text: black under a light scheme, as the dialog was drawn,
// and still readable under a dark one.
QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *text = place(new QLabel(parent), name, geometry);
    text->setForegroundRole(QPalette::ButtonText);
    return text;
}

} // namespace

frmAbout::frmAbout(Services services)
    : m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_dpi = layoutDpi(screen());
    const auto twips = [this](int left, int top, int width, int height) {
        return fromTwips(left, top, width, height, m_dpi);
    };
    setFixedSize(pixelsFromTwips(5730, m_dpi), pixelsFromTwips(3555, m_dpi));
    setWindowIcon(Artwork::icon());
    setBackgroundRole(QPalette::Button);
    // The dialog font of the desktop the dialog was drawn for was 8 points
    // of a narrow sans; Liberation Sans keeps the texts inside their boxes.
    QFont dialogFont;
    dialogFont.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arial") });
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);
    setAutoFillBackground(true);

    // Created in tab order: OK, the icon, System Info, then the labels.
    cmdOK = place(new QPushButton(tr("OK"), this), "cmdOK", twips(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    picIcon = place(new QLabel(this), "picIcon", twips(240, 240, 540, 540));
    // The icon is 32 pixels at 96 DPI and grows with the layout.
    picIcon->setPixmap(Artwork::iconImage(pixelsFromTwips(480, m_dpi), devicePixelRatioF()));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdSysInfo = place(
        new QPushButton(tr("&System Info..."), this), "cmdSysInfo", twips(4260, 3075, 1245, 345));

    lblDescription = label(this, "lblDescription", twips(1050, 1125, 3885, 1170));
    lblDescription->setText(tr(kDescription));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer = label(this, "lblDisclaimer", twips(240, 2640, 870, 225));
    lblDisclaimer->setText(tr("Visit us at: "));
    lblDisclaimer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTitle = label(this, "lblTitle", twips(1050, 240, 3885, 480));
    lblVersion = place(new QLabel(this), "lblVersion", twips(1050, 780, 3885, 225));
    lblVersion->setForegroundRole(QPalette::ButtonText);
    Label1 = label(this, "Label1", twips(240, 3240, 3870, 225));
    Label1->setText(QString::fromUtf8(kCopyright));

    vbhHome = place(new QLabel(this), "vbhHome", twips(1200, 2640, 2595, 240));
    QFont linkFont;
    linkFont.setFamilies({ QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans") });
    linkFont.setPointSizeF(9.75);
    vbhHome->setFont(linkFont);
    const QColor menuText = QApplication::palette("QMenu").color(QPalette::WindowText);
    vbhHome->setText(
        QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:underline\">%1</a>")
            .arg(QLatin1String(kHomePage), menuText.name()));
    vbhHome->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    vbhHome->setCursor(Qt::PointingHandCursor);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { m_services.sysInfo.StartSysInfo(); });
    connect(vbhHome, &QLabel::linkActivated, this, &frmAbout::openHomePage);

    Form_Load();
    makeRoomForTexts();
}

void frmAbout::makeRoomForTexts()
{
    // A translation longer than the designed text widens the dialog rather
    // than being cut off; the designed texts leave it as it is. Each row
    // keeps the room the design leaves between its text and its button.
    const auto end = [](const QWidget *text) { return text->x() + text->sizeHint().width(); };
    const int linkRoom = cmdOK->x() - end(vbhHome);
    const int copyrightRoom = cmdSysInfo->x() - end(Label1);
    const int label = qMax(0, lblDisclaimer->sizeHint().width() - lblDisclaimer->width());
    lblDisclaimer->resize(lblDisclaimer->width() + label, lblDisclaimer->height());
    vbhHome->move(vbhHome->x() + label, vbhHome->y());
    // A caption longer than its button grows both to the left, as wide as
    // each other.
    const int needed = qMax(cmdOK->sizeHint().width(), cmdSysInfo->sizeHint().width());
    if (needed > cmdOK->width() || needed > cmdSysInfo->width()) {
        const int buttons = qMax(needed, cmdOK->width());
        for (QPushButton *button : { cmdOK, cmdSysInfo })
            button->setGeometry(button->geometry().adjusted(button->width() - buttons, 0, 0, 0));
    }
    int extra
        = qMax(end(vbhHome) + linkRoom - cmdOK->x(), end(Label1) + copyrightRoom - cmdSysInfo->x());
    // The description wraps; where its lines do not fit its height, it widens.
    const int step = pixelsFromTwips(150, m_dpi);
    int wider = 0;
    while (
        lblDescription->heightForWidth(lblDescription->width() + wider) > lblDescription->height())
        wider += step;
    extra = qMax(extra, wider);
    if (extra <= 0)
        return;
    for (QLabel *text : { lblDescription, lblTitle, lblVersion })
        text->resize(text->width() + extra, text->height());
    for (QPushButton *button : { cmdOK, cmdSysInfo })
        button->move(button->x() + extra, button->y());
    setFixedSize(width() + extra, height());
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromLatin1(kApplicationTitle);
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    lblTitle->setText(title);
}

void frmAbout::openHomePage(const QString &address)
{
    if (m_services.browser.openUrl(address))
        return;
    // Where no browser can be started the click would go nowhere: the
    // address, shown, can still be typed or copied into one.
    (void)m_services.messageBox.show(
        { tr("The home page could not be opened in a web browser.\n\nIts address is %1")
                .arg(address),
            QString::fromLatin1(kApplicationTitle), MessageButtons::Ok, MessageIcon::Exclamation });
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cmdOK->setFocus();
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched rule between the description and the link row: a grey line
    // with a white double line one pixel below and to the right.
    QPainter painter(this);
    const auto x = [this](int twips) { return pixelsFromTwips(twips, m_dpi); };
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    const int end = width() - x(5730 - 5654); // the dialog may have widened
    painter.drawLine(x(90), x(2445), end, x(2445));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(x(105), x(2460) + 1, end, x(2460) + 1);
}

AboutCommand::AboutCommand(frmAbout::Services services)
    : m_services(services)
{
}

AboutCommand::~AboutCommand()
{
    delete m_dialog.data();
}

void AboutCommand::mnu_about_Click()
{
    if (!m_dialog)
        m_dialog = new frmAbout(m_services); // no owner: it stands on its own
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
