// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hive reader against hostile files: limits on keys and lines, and
// files that are no regular files.
#include "registry/RegistryHive.h"

#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

class TestHive : public QObject {
    Q_OBJECT

private slots:
    void keyLimits_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("kept");
        const auto levels = [](int count) {
            QStringList names;
            for (int i = 0; i < count; ++i)
                names.append(QStringLiteral("k"));
            return names.join(u'\\');
        };
        QTest::newRow("a name of 255 characters") << QString(255, u'n') << true;
        QTest::newRow("a name of 256 characters") << QString(256, u'n') << false;
        QTest::newRow("512 levels") << levels(512) << true;
        QTest::newRow("513 levels") << levels(513) << false;
        QTest::newRow("an empty name inside") << QStringLiteral("a\\\\b") << false;
        QTest::newRow("32,000 levels in 64,000 characters") << levels(32000) << false;
    }
    void keyLimits()
    {
        QFETCH(QString, path);
        QFETCH(bool, kept);
        const QByteArray file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + path.toLatin1()
            + "]\n\"v\"=\"x\"\n[HKEY_LOCAL_MACHINE\\After]\n\"w\"=\"y\"\n";
        const RegistryHive hive = RegistryHive::parse(file);
        QCOMPARE(hive.hasKey(path), kept);
        QCOMPARE(hive.value(path, "v").has_value(), kept);
        // One stored key per level, the parents shared: linear in the path.
        QCOMPARE(hive.keyCount(), (kept ? path.count(u'\\') + 1 : 0) + 1);
        QCOMPARE(hive.problems().size(), kept ? 0 : 1);
        QVERIFY(hive.problems().join(' ').startsWith(QStringLiteral("line 2:")) != kept);
        QVERIFY(hive.value("after", "w")); // the file goes on after a refused key
    }

    void overLongLineIsSkippedAndTold_data()
    {
        QTest::addColumn<QByteArray>("line");
        const QByteArray huge(RegistryHive::kMaxLineSize + 1, 'a');
        QTest::newRow("a value") << "\"a\"=\"" + huge + "\"";
        QTest::newRow("a section") << "[HKEY_LOCAL_MACHINE\\" + huge + "]";
        QTest::newRow("a hex list over lines")
            << "\"a\"=hex:" + QByteArray(RegistryHive::kMaxLineSize / 2, '0') + ",\\\n  "
                + QByteArray(RegistryHive::kMaxLineSize / 2, '0');
    }
    void overLongLineIsSkippedAndTold()
    {
        QFETCH(QByteArray, line);
        const bool section = line.startsWith('[');
        const QByteArray file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"b\"=\"1\"\n"
            + line + "\n\"c\"=\"2\"\n";
        const RegistryHive hive = RegistryHive::parse(file);
        QVERIFY(!hive.value("Software\\Test", "a"));
        QVERIFY(hive.value("Software\\Test", "b"));
        // After a skipped section its values belong to no key.
        QCOMPARE(hive.value("Software\\Test", "c").has_value(), !section);
        QCOMPARE(hive.problems().size(), 1);
        QVERIFY(hive.problems().first().startsWith(QStringLiteral("line 4:")));
    }

    void onlyARegularFileIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a file over the size limit") << "huge";
        QTest::newRow("a regular file") << "file";
    }
    void onlyARegularFileIsRead()
    {
        QFETCH(QString, kind);
        TempFolder dir;
        const QString path = dir.path("hklm.reg");
        const QByteArray hive = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"\n";
        if (kind == "fifo") {
            // Nobody ever writes it: a blocking open would wait forever.
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir(dir.dir.path()).mkdir("hklm.reg"));
        } else {
            dir.write("hklm.reg", hive);
            if (kind == "huge") // sparse: nothing is really written
                QVERIFY(QFile::resize(path, RegistryHive::kMaxFileSize + 1));
        }
        QCOMPARE(RegistryHive::load(path).hasKey("Software\\Test"), kind == "file");
    }
};

QTEST_GUILESS_MAIN(TestHive)
#include "tst_hive.moc"
