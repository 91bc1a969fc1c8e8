// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hive reader against hostile files: limits on keys and lines, and
// files that are no regular files.
#include "registry/RegistryHive.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <sys/stat.h>

namespace {

const QByteArray kTestKey = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";

struct LimitRow {
    const char *name;
    QByteArray line; // line 4 of the file
    bool kept;
};
struct FileRow {
    const char *name;
    QString kind;
    QString problem; // how the one problem starts; empty: none
};

} // namespace

class TestHive : public QObject {
    Q_OBJECT

private slots:
    void limits_data()
    {
        const auto section = [](const QByteArray &k) { return "[HKEY_LOCAL_MACHINE\\" + k + "]"; };
        const auto levels = [&](int n) { return section(QByteArrayList(n, "k").join('\\')); };
        const qsizetype half = RegistryHive::kMaxLineSize / 2;
        const QByteArray huge(RegistryHive::kMaxLineSize + 1, 'a');
        addRows<LimitRow>({
            { "a name of 255 characters", section(QByteArray(255, 'n')), true },
            { "a name of 256 characters", section(QByteArray(256, 'n')), false },
            { "512 levels", levels(512), true },
            { "513 levels", levels(513), false },
            { "an empty name inside", section("a\\\\b"), false },
            { "32,000 levels in 64,000 characters", levels(32000), false },
            { "an over-long section", section(huge), false },
            { "an over-long value", "\"a\"=\"" + huge + "\"", false },
            { "an over-long hex list over lines",
                "\"a\"=hex:" + QByteArray(half, '0') + ",\\\n  " + QByteArray(half, '0'), false },
        });
    }
    void limits()
    {
        QFETCH(LimitRow, row);
        const QString key
            = row.line.startsWith('[') ? QString::fromLatin1(row.line.mid(20).chopped(1)) : "";
        const RegistryHive hive = RegistryHive::parse(kTestKey + "\"b\"=\"1\"\n" + row.line
            + "\n\"c\"=\"2\"\n[HKEY_LOCAL_MACHINE\\After]\n\"w\"=\"y\"\n");
        QVERIFY(hive.value("Software\\Test", "b"));
        QVERIFY(!hive.value("Software\\Test", "a"));
        QVERIFY(hive.value("after", "w")); // the file goes on after what it refused
        QCOMPARE(hive.problems().size(), row.kept ? 0 : 1);
        QVERIFY(hive.problems().join(' ').startsWith(QStringLiteral("line 4:")) != row.kept);
        // The values after a section are its own, or no key's when it is refused.
        QCOMPARE(hive.value("Software\\Test", "c").has_value(), key.isEmpty());
        QCOMPARE(hive.hasKey(key), row.kept);
        QCOMPARE(hive.value(key, "c").has_value(), row.kept);
        // One stored key per level, the parents shared: linear in the path.
        QCOMPARE(hive.keyCount(), (row.kept ? key.count(u'\\') + 1 : 0) + 3);
    }

    // Each refusal is the hive's one problem; a missing file is no problem.
    void onlyARegularFileIsRead_data()
    {
        addRows<FileRow>({
            { "a FIFO", "fifo", "not a regular file" },
            { "no file", "missing", "" },
            { "a file over the size limit", "huge", "larger than" },
            { "a regular file", "file", "" },
        });
    }
    void onlyARegularFileIsRead()
    {
        QFETCH(FileRow, row);
        TempFolder dir;
        const QString path = dir.path("hklm.reg");
        if (row.kind == "fifo") {
            // Nobody ever writes it: a blocking open would wait forever.
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (row.kind != "missing") {
            dir.write("hklm.reg", kTestKey + "\"v\"=\"x\"\n");
            if (row.kind == "huge") // sparse: nothing is really written
                QVERIFY(QFile::resize(path, RegistryHive::kMaxFileSize + 1));
        }
        const RegistryHive hive = RegistryHive::load(path);
        QCOMPARE(hive.hasKey("Software\\Test"), row.kind == "file");
        QCOMPARE(hive.problems().size(), row.problem.isEmpty() ? 0 : 1);
        QCOMPARE(hive.problems().value(0).left(row.problem.size()), row.problem);
    }
};

QTEST_GUILESS_MAIN(TestHive)
#include "tst_hive.moc"
