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

struct Fixture : TempFolder {
    CountingRegistry registry;
    FakeFileSystem files;
    RecordingLauncher launcher;
    FakeMessageBox box;
    SysInfoLauncher sysInfo { registry, files, launcher, box };
    AboutCommand about { sysInfo, launcher };

    // Help > About chosen once, on a machine with this hive.
    explicit Fixture(const QByteArray &hive = {})
        : registry(write("hklm.reg", "REGEDIT4\n" + hive))
    {
        about.mnu_about_Click();
    }
};

struct LookupRow {
    const char *name;
    QByteArray hive;
    QStringList files;
    QStringList started;
    bool message;
};
struct KeyRow {
    const char *name;
    bool toSystemInfo; // tabbed on from OK, which has the focus at first
    Qt::Key key;
    bool closes;
    qsizetype starts;
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
            { "first place, started without a file test", first, none, { "/opt/si/sysinfo" },
                false },
            { "the first place wins", first + second, hardinfo, { "/opt/si/sysinfo" }, false },
            { "second place with the program there", second, hardinfo, hardinfo, false },
            { "second place without it", second, none, none, true },
            { "neither place", {}, hardinfo, none, true },
            { "stored without a terminator, same path", kFirst + "\"PATH\"=hex(1):2f,61\n", none,
                { "/a" }, false },
            { "stored with a terminator", kFirst + "\"PATH\"=hex(1):2f,61,00\n", none, { "/a" },
                false },
            { "a dword is read as text", kFirst + "\"PATH\"=dword:ffffffff\n", none, { "-1" },
                false },
            { "zero bytes at the first place: no second try",
                kFirst + "\"PATH\"=hex(1):\n" + second, hardinfo, none, true },
            { "expandable string: an empty path that fails to start",
                kFirst + "\"PATH\"=hex(2):2f,61,00\n" + second, hardinfo, { "" }, true },
            { "expandable string at the second place", kSecond + "\"MSINFO\"=hex(2):2f,61,00\n",
                { program }, { program }, false },
            { "longer than 1024 bytes counts as missing",
                kFirst + "\"PATH\"=\"/" + QByteArray(1100, 'x') + "\"\n" + second, hardinfo,
                hardinfo, false },
        });
    }
    void lookups()
    {
        QFETCH(LookupRow, row);
        Fixture fx(row.hive);
        fx.files.files = QSet<QString>(row.files.begin(), row.files.end());
        fx.sysInfo.StartSysInfo();
        QCOMPARE(fx.launcher.started, row.started);
        QCOMPARE(fx.box.shown().size(), row.message ? 1 : 0);
        for (const MessageRequest &message : fx.box.shown())
            QCOMPARE(message.text, QString::fromLatin1(SysInfoLauncher::kUnavailable));
        QCOMPARE(fx.registry.openHandles(), 0);
    }

    void dialogOpensOnceComesForwardAndLinksHome()
    {
        Fixture fx;
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
        // A click on the shown address, as the user makes it, opens it.
        auto *link = first->findChild<QLabel *>("vbhHome");
        const QPoint onText(QFontMetrics(link->font()).averageCharWidth() * 3, link->height() / 2);
        QTest::mouseClick(link, Qt::LeftButton, {}, onText);
        QCOMPARE(fx.launcher.opened, QStringList { frmAbout::kHomePage });
        QVERIFY(link->text().contains(QString::fromLatin1(frmAbout::kHomePage) + "</a>"));
    }

    void keysPressTheFocusedButton_data()
    {
        addRows<KeyRow>({
            { "Enter on OK", false, Qt::Key_Return, true, 0 },
            { "Enter on System Info", true, Qt::Key_Return, false, 1 },
            { "Escape on System Info", true, Qt::Key_Escape, true, 0 },
        });
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(KeyRow, row);
        Fixture fx(kFirst + "\"PATH\"=\"/opt/si\"\n");
        frmAbout *dialog = fx.about.dialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        if (row.toSystemInfo) {
            QTest::keyClick(dialog, Qt::Key_Tab); // the icon takes no focus
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
        }
        QTest::keyClick(QApplication::focusWidget(), row.key);
        QTRY_COMPARE(!fx.about.dialog(), row.closes); // closed and destroyed
        QCOMPARE(fx.launcher.started.size(), row.starts);
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
        Fixture fx;
        frmAbout *dialog = fx.about.dialog();
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
