// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "tests/support/CountingRegistry.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray kFirst = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
const QByteArray kSecond = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n";

// Help > About chosen once, on a machine with this hive.
struct Machine : TempFolder {
    CountingRegistry registry;
    FakeFileSystem files;
    RecordingLauncher launcher;
    FakeMessageBox box;
    SysInfoLauncher sysInfo { registry, files, launcher, box };
    AboutCommand about { { sysInfo, launcher, box } };

    explicit Machine(const QByteArray &hive = {})
        : registry(write("hklm.reg", "REGEDIT4\n" + hive))
    {
        about.mnu_about_Click();
    }
};

struct LookupRow {
    const char *name;
    QByteArray hive;
    QStringList files;
    QStringList started; // the last one starts, unless it is empty
};
struct KeyRow {
    const char *name;
    bool toSystemInfo; // tabbed on from OK, which has the focus at first
    Qt::Key key;
    bool closes; // or else starts the system information program
};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void lookups_data()
    {
        const QByteArray first = kFirst + "\"PATH\"=\"/opt/si/sysinfo\"\n";
        const QByteArray second = kSecond + "\"MSINFO\"=\"/usr/bin\"\n";
        const QString program = QString::fromLatin1(kSysInfoProgramFile);
        const QStringList hardinfo { "/usr/bin" + program };
        const QStringList none;
        addRows<LookupRow>({
            { "first place, started without a file test", first, none, { "/opt/si/sysinfo" } },
            { "the first place wins", first + second, hardinfo, { "/opt/si/sysinfo" } },
            { "second place with the program there", second, hardinfo, hardinfo },
            { "second place without it", second, none, none },
            { "neither place", {}, hardinfo, none },
            { "stored without a terminator, same path", kFirst + "\"PATH\"=hex(1):2f,61\n", none,
                { "/a" } },
            { "stored with a terminator", kFirst + "\"PATH\"=hex(1):2f,61,00\n", none, { "/a" } },
            { "a dword is read as text", kFirst + "\"PATH\"=dword:ffffffff\n", none, { "-1" } },
            { "zero bytes at the first place: no second try",
                kFirst + "\"PATH\"=hex(1):\n" + second, hardinfo, none },
            { "expandable string: an empty path that fails to start",
                kFirst + "\"PATH\"=hex(2):2f,61,00\n" + second, hardinfo, { "" } },
            { "expandable string at the second place", kSecond + "\"MSINFO\"=hex(2):2f,61,00\n",
                { program }, { program } },
            { "longer than 1024 bytes counts as missing",
                kFirst + "\"PATH\"=\"/" + QByteArray(1100, 'x') + "\"\n" + second, hardinfo,
                hardinfo },
        });
    }
    void lookups()
    {
        QFETCH(LookupRow, row);
        Machine machine(row.hive);
        machine.files.files = QSet<QString>(row.files.begin(), row.files.end());
        machine.sysInfo.StartSysInfo();
        QCOMPARE(machine.launcher.started, row.started);
        // One message exactly when nothing could be started.
        const bool started = !row.started.isEmpty() && !row.started.last().isEmpty();
        QCOMPARE(machine.box.shown().size(), started ? 0 : 1);
        for (const MessageRequest &message : machine.box.shown())
            QCOMPARE(message.text, QString::fromLatin1(SysInfoLauncher::kUnavailable));
        QCOMPARE(machine.registry.openHandles(), 0);
    }

    void dialogOpensOnceComesForwardAndLinksHome()
    {
        Machine machine;
        frmAbout *first = machine.about.dialog();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->isModal());
        QVERIFY(!first->parentWidget());
        QVERIFY(QTest::qWaitForWindowActive(first));
        // Another window comes in front; About again brings the same dialog back.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        machine.about.mnu_about_Click();
        QCOMPARE(machine.about.dialog(), first);
        QVERIFY(QTest::qWaitForWindowActive(first));
        // A click on the shown address, as the user makes it, opens it; where
        // no browser can, a box says so and shows the address.
        auto *link = first->findChild<QLabel *>("vbhHome");
        QVERIFY(link->text().contains(QString::fromLatin1(frmAbout::kHomePage) + "</a>"));
        const QPoint onText(QFontMetrics(link->font()).averageCharWidth() * 3, link->height() / 2);
        for (const bool browserStarts : { true, false }) {
            machine.launcher.browserStarts = browserStarts;
            QTest::mouseClick(link, Qt::LeftButton, {}, onText);
        }
        QCOMPARE(machine.launcher.opened, QStringList(2, frmAbout::kHomePage));
        QCOMPARE(machine.box.shown().size(), 1);
        QVERIFY(
            machine.box.shown().first().text.contains(QString::fromLatin1(frmAbout::kHomePage)));
        QCOMPARE(machine.box.shown().first().icon, MessageIcon::Exclamation);
    }

    void keysPressTheFocusedButton_data()
    {
        addRows<KeyRow>({ { "Enter on OK", false, Qt::Key_Return, true },
            { "Enter on System Info", true, Qt::Key_Return, false },
            { "Escape on System Info", true, Qt::Key_Escape, true } });
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(KeyRow, row);
        Machine machine(kFirst + "\"PATH\"=\"/opt/si\"\n");
        frmAbout *dialog = machine.about.dialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        if (row.toSystemInfo) {
            QTest::keyClick(dialog, Qt::Key_Tab); // the icon takes no focus
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
        }
        QTest::keyClick(QApplication::focusWidget(), row.key);
        QTRY_COMPARE(!machine.about.dialog(), row.closes); // closed and destroyed
        QCOMPARE(machine.launcher.started.size(), row.closes ? 0 : 1);
    }

    void drawnWhole_data()
    {
        addRows<qreal>("desktopPoints",
            { { "desktop font as it comes", 0.0 }, { "12 pt desktop font", 12.0 } });
    }
    void drawnWhole()
    {
        QFETCH(qreal, desktopPoints);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        if (desktopPoints > 0)
            font.setPointSizeF(desktopPoints);
        QApplication::setFont(font);
        Machine machine;
        frmAbout *dialog = machine.about.dialog();
        QApplication::setFont(desktop);
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || label->text().startsWith('<'))
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
        // Down the middle, the etched rule: one grey row, the white pair under it.
        const QImage shot = dialog->grab().toImage();
        QList<int> grey;
        QList<int> white;
        for (int y = 0; y < shot.height(); ++y) {
            const QColor pixel = shot.pixelColor(shot.width() / 2, y);
            if (pixel == QColor(128, 128, 128))
                grey.append(y);
            else if (pixel == Qt::white)
                white.append(y);
        }
        QCOMPARE(grey.size(), 1);
        QCOMPARE(white, (QList<int> { grey.first() + 1, grey.first() + 2 }));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
