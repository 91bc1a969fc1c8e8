// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "registry/HiveRegistry.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kFirst = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
const QByteArray kSecond = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n";

struct Fixture : TempFolder {
    std::unique_ptr<HiveRegistry> registry;
    FakeFileSystem files;
    RecordingLauncher launcher;
    FakeMessageBox box;
    std::unique_ptr<SysInfoLauncher> sysInfo;

    explicit Fixture(const QByteArray &hive)
    {
        registry = std::make_unique<HiveRegistry>(write("hklm.reg", "REGEDIT4\n" + hive));
        sysInfo = std::make_unique<SysInfoLauncher>(*registry, files, launcher, box);
    }
};

// Help > About chosen once.
struct AboutShown : Fixture {
    AboutCommand about { *sysInfo, launcher };
    explicit AboutShown(const QByteArray &hive = {})
        : Fixture(hive)
    {
        about.mnu_about_Click();
    }
};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<QByteArray>("hive");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("message");
        const QByteArray first = kFirst + "\"PATH\"=\"/opt/si/sysinfo\"\n";
        const QByteArray second = kSecond + "\"MSINFO\"=\"/usr/bin\"\n";
        const QString program = QString::fromLatin1(kSysInfoProgramFile);
        const QStringList hardinfo { "/usr/bin" + program };
        QTest::newRow("first place, started without a file test")
            << first << QStringList() << QStringList { "/opt/si/sysinfo" } << false;
        QTest::newRow("the first place wins")
            << first + second << hardinfo << QStringList { "/opt/si/sysinfo" } << false;
        QTest::newRow("second place with the program there")
            << second << hardinfo << hardinfo << false;
        QTest::newRow("second place without it")
            << second << QStringList() << QStringList() << true;
        QTest::newRow("neither place") << QByteArray() << hardinfo << QStringList() << true;
        QTest::newRow("stored without a terminator, same path")
            << kFirst + "\"PATH\"=hex(1):2f,61\n"
            << QStringList() << QStringList { "/a" } << false;
        QTest::newRow("stored with a terminator") << kFirst + "\"PATH\"=hex(1):2f,61,00\n"
                                                  << QStringList() << QStringList { "/a" } << false;
        QTest::newRow("zero bytes at the first place: no second try")
            << kFirst + "\"PATH\"=hex(1):\n" + second << hardinfo << QStringList() << true;
        QTest::newRow("expandable string: an empty path that fails to start")
            << kFirst + "\"PATH\"=hex(2):2f,61,00\n" + second << hardinfo << QStringList { "" }
            << true;
        QTest::newRow("expandable string at the second place")
            << kSecond + "\"MSINFO\"=hex(2):2f,61,00\n"
            << QStringList { program } << QStringList { program } << false;
        QTest::newRow("longer than 1024 bytes counts as missing")
            << kFirst + "\"PATH\"=\"/" + QByteArray(1100, 'x') + "\"\n" + second << hardinfo
            << hardinfo << false;
    }
    void lookups()
    {
        QFETCH(QByteArray, hive);
        QFETCH(QStringList, files);
        QFETCH(QStringList, started);
        QFETCH(bool, message);
        Fixture fx(hive);
        fx.files.files = QSet<QString>(files.begin(), files.end());
        fx.sysInfo->StartSysInfo();
        QCOMPARE(fx.launcher.started, started);
        QCOMPARE(fx.box.shown().size(), message ? 1 : 0);
        if (message)
            QCOMPARE(
                fx.box.shown().first().text, QString::fromLatin1(SysInfoLauncher::kUnavailable));
        QCOMPARE(fx.registry->openHandles(), 0);
    }

    void failedStartShowsTheMessage()
    {
        Fixture fx(kFirst + "\"PATH\"=\"/not/a/program\"\n");
        fx.launcher.startable = QSet<QString>();
        fx.sysInfo->StartSysInfo();
        QCOMPARE(fx.launcher.started, QStringList { "/not/a/program" });
        QCOMPARE(fx.box.shown().size(), 1);
    }

    void dwordIsReadAsText()
    {
        Fixture fx(kFirst + "\"PATH\"=dword:ffffffff\n");
        QString value = QStringLiteral("old");
        QCOMPARE(
            fx.sysInfo->GetKeyValue(HKEY_LOCAL_MACHINE, SysInfoLauncher::kFirstKey, "PATH", value),
            std::optional(true));
        QCOMPARE(value, QStringLiteral("-1"));
    }

    void dialogOpensOnceAndComesForward()
    {
        AboutShown fx;
        frmAbout *first = fx.about.dialog();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->isModal());
        QVERIFY(!first->parentWidget());
        QVERIFY(QTest::qWaitForWindowActive(first));
        // Another window comes in front; About again brings the same dialog back.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        fx.about.mnu_about_Click();
        QCOMPARE(fx.about.dialog(), first);
        QVERIFY(QTest::qWaitForWindowActive(first));
        int dialogs = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            dialogs += qobject_cast<frmAbout *>(window) && window->isVisible();
        QCOMPARE(dialogs, 1);
    }

    void escapeClosesFromSystemInfo()
    {
        const QString focused = QStringLiteral("cmdSysInfo");
        AboutShown fx;
        auto *button = fx.about.dialog()->findChild<QPushButton *>(focused);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Escape);
        QTRY_VERIFY(!fx.about.dialog()); // closed and destroyed
        QVERIFY(fx.launcher.started.isEmpty());
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("starts");
        QTest::newRow("OK has the focus at first") << "" << true << 0;
        QTest::newRow("tabbed to System Info") << "cmdSysInfo" << false << 1;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, focused);
        QFETCH(bool, closes);
        QFETCH(int, starts);
        AboutShown fx(kFirst + "\"PATH\"=\"/opt/si\"\n");
        frmAbout *dialog = fx.about.dialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        if (!focused.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Tab); // OK, then System Info (the icon takes no focus)
        QCOMPARE(QApplication::focusWidget()->objectName(),
            focused.isEmpty() ? QStringLiteral("cmdOK") : focused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(!fx.about.dialog(), closes);
        QCOMPARE(fx.launcher.started.size(), starts);
    }

    void systemInfoButtonAndReopenFocusesOk()
    {
        AboutShown fx(kFirst + "\"PATH\"=\"/opt/si\"\n");
        QVERIFY(QTest::qWaitForWindowActive(fx.about.dialog()));
        // Offscreen, QtTest's Alt+S does not reach the shortcut map (under
        // Xvfb it starts the program), so the mnemonic is checked and the
        // button it belongs to is pressed.
        auto *sysInfoButton = fx.about.dialog()->findChild<QPushButton *>("cmdSysInfo");
        QCOMPARE(sysInfoButton->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
        sysInfoButton->animateClick();
        QTRY_COMPARE(fx.launcher.started, QStringList { "/opt/si" });
        QVERIFY(fx.about.dialog()); // stays open
        sysInfoButton->click();
        QCOMPARE(fx.launcher.started.size(), 2); // twice pressed, twice started
        fx.about.dialog()->findChild<QPushButton *>("cmdSysInfo")->setFocus();
        QTest::mouseClick(fx.about.dialog()->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!fx.about.dialog());
        fx.about.mnu_about_Click();
        QVERIFY(QTest::qWaitForWindowActive(fx.about.dialog()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    }

    void linkOpensTheHomePage()
    {
        AboutShown fx;
        QVERIFY(QTest::qWaitForWindowExposed(fx.about.dialog()));
        auto *link = fx.about.dialog()->findChild<QLabel *>("vbhHome");
        // A click on the shown address, as the user makes it.
        const QPoint onText(QFontMetrics(link->font()).averageCharWidth() * 3, link->height() / 2);
        QTest::mouseClick(link, Qt::LeftButton, {}, onText);
        QCOMPARE(fx.launcher.opened, QStringList { frmAbout::kHomePage });
        QVERIFY(link->text().contains(QString::fromLatin1(frmAbout::kHomePage) + "</a>"));
    }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<qreal>("desktopPoints");
        QTest::newRow("desktop font as it comes") << 0.0;
        QTest::newRow("12 pt desktop font") << 12.0;
    }
    void textsFitTheirBoxes()
    {
        QFETCH(qreal, desktopPoints);
        const QFont desktop = QApplication::font();
        if (desktopPoints > 0) {
            QFont font = desktop;
            font.setPointSizeF(desktopPoints);
            QApplication::setFont(font);
        }
        AboutShown fx;
        QApplication::setFont(desktop);
        for (QLabel *label : fx.about.dialog()->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText
                || label->text().startsWith('<'))
                continue;
            // A long text wraps at word boundaries inside its box, the
            // others stand on one line; none is cut.
            const QRect box = label->contentsRect();
            const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            const QRect needed
                = QFontMetrics(label->font())
                      .boundingRect(QRect(0, 0, box.width(), 10000), flags, label->text());
            QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                qPrintable(label->objectName()));
        }
    }

    void etchedRuleHasBothLines()
    {
        AboutShown fx;
        const QImage shot = fx.about.dialog()->grab().toImage();
        // Down the middle of the dialog: one grey row, the white pair under it.
        const int x = shot.width() / 2;
        QList<int> grey;
        QList<int> white;
        for (int y = 0; y < shot.height(); ++y) {
            const QColor pixel = shot.pixelColor(x, y);
            if (pixel == QColor(128, 128, 128))
                grey.append(y);
            else if (pixel == QColor(Qt::white))
                white.append(y);
        }
        QCOMPARE(grey.size(), 1);
        QCOMPARE(white, (QList<int> { grey.first() + 1, grey.first() + 2 }));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
