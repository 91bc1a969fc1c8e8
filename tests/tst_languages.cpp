// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in the language CTest names in LANGUAGE, as a user of that
// language sees them: every text whole in its control at every scale, the
// window as designed and only as much wider as the texts need, each menu's
// keys distinct.
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "artwork/Twips.h"
#include "tests/support/CountingRegistry.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/WindowTexts.h"
#include "translations/Language.h"

#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTranslator>

using Program = MainWindowFixture::Fixture;

namespace {

QScreen *screenNamed(const QString &name)
{
    const auto screens = QGuiApplication::screens();
    const auto found = std::find_if(screens.begin(), screens.end(),
        [&](const QScreen *screen) { return screen->name() == name; });
    return found == screens.end() ? nullptr : *found;
}

// The accelerator letter of a caption ("E&xit": x), if it has one.
QChar accelerator(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

void checkAccelerators(const QList<QAction *> &actions, const QString &where)
{
    QList<QChar> keys;
    for (const QAction *action : actions) {
        const QChar key = accelerator(action->text());
        QVERIFY2(!key.isNull(), qPrintable(where + ": " + action->text()));
        QVERIFY2(!keys.contains(key), qPrintable(where + ": " + action->text()));
        keys << key;
    }
}

const char *const kScreens[]
    = { "1280x800 at 1", "1280x800 at 2", "1024x768 at 1", "1024x768 at 2", "1024x768 at 144 DPI" };

// The room between the end of the About box's link and its OK button.
int linkRoom(const frmAbout &about)
{
    const auto *link = about.findChild<QWidget *>(QStringLiteral("vbhHome"));
    const auto *ok = about.findChild<QWidget *>(QStringLiteral("cmdOK"));
    return ok->x() - (link->x() + link->sizeHint().width());
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QStringList folders { QStringLiteral(QUORVEL_TRANSLATIONS) };
        const QString language
            = InterfaceLanguage::preferred(QLocale::system().uiLanguages(), folders);
        // The catalogue of the language asked for is there and is the one chosen.
        QCOMPARE(language, qEnvironmentVariable("LANGUAGE"));
        InterfaceLanguage::install(language, folders);
        m_english = language == QLatin1String(InterfaceLanguage::kEnglish);
    }

    void mainWindowTextsWhole_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : kScreens)
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    void mainWindowTextsWhole()
    {
        QFETCH(QString, screen);
        QScreen *display = screenNamed(screen);
        QVERIFY(display);
        const Program program(display);
        const QWidget &window = program.window;
        checkTextsWhole(window);
        checkControlsInsideTheirFrame(window);
        // The designed arrangement: the letter box, the two buttons of the
        // steps, the progress bar and the results end at one right edge, the
        // Exit button stays at the window's right edge, Help at its left.
        const int right = program.results()->geometry().right();
        for (const char *name : { "txtInput", "cmdGo", "cmdCancel", "ProgressBar1" })
            QCOMPARE(program.control(name)->geometry().right(), right);
        const QWidget *client = program.control("client");
        const QWidget *exit = program.control("cmdExit");
        const qreal dpi = layoutDpi(display);
        QCOMPARE(client->width() - exit->geometry().right(),
            pixelsFromTwips(6330, dpi) - pixelsFromTwips(5160 + 855, dpi) + 1);
        QCOMPARE(program.control("cmdHelp")->x(), pixelsFromTwips(240, dpi));
        // English is exactly as designed; another language is only as much
        // wider as its longest text needs.
        const int designed = pixelsFromTwips(6330, dpi);
        if (m_english)
            QCOMPARE(client->minimumWidth(), designed);
        else
            QVERIFY(client->minimumWidth() >= designed);
    }

    void menusWhole()
    {
        const Program program;
        const QMenuBar *bar = program.window.menuBar();
        checkAccelerators(bar->actions(), QStringLiteral("menu bar"));
        for (const QAction *title : bar->actions()) {
            QVERIFY(title->menu());
            checkAccelerators(title->menu()->actions(), title->text());
            // A menu is as wide as its widest entry needs.
            QVERIFY(title->menu()->sizeHint().width()
                >= QFontMetrics(title->menu()->font())
                       .horizontalAdvance(title->menu()->actions().constFirst()->text()));
        }
        // Every title of the menu bar is in its row, none hidden in an
        // extension menu.
        QVERIFY(bar->sizeHint().width() <= program.window.width());
    }

    void aboutTextsWhole()
    {
        CountingRegistry registry(QStringLiteral("/nonexistent/hklm.reg"));
        FakeFileSystem files;
        FakeMessageBox box;
        RecordingLauncher launcher;
        SysInfoLauncher sysInfo(registry, files, launcher, box);
        AboutCommand command({ sysInfo, launcher, box });
        command.mnu_about_Click();
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!about) {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<frmAbout *>(widget))
                    about = dialog;
        }
        QVERIFY(about);
        checkTextsWhole(*about);
        // The link keeps at least the room to OK that the English dialog has
        // (a pixel more where the copyright's row, which System Info's wider
        // button pushes further, is what widens the dialog).
        const QList<QTranslator *> catalogues = qApp->findChildren<QTranslator *>();
        for (QTranslator *catalogue : catalogues)
            QCoreApplication::removeTranslator(catalogue);
        const frmAbout english({ sysInfo, launcher, box });
        for (QTranslator *catalogue : catalogues)
            QCoreApplication::installTranslator(catalogue);
        QVERIFY2(linkRoom(*about) >= linkRoom(english),
            qPrintable(QStringLiteral("%1 < %2").arg(linkRoom(*about)).arg(linkRoom(english))));
    }

private:
    bool m_english = false;
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
