// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "mainwindow/Startup.h"
#include "registry/HiveRegistry.h"
#include "registry/MachineHive.h"
#include "registry/basRegistry.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <QWidget>

namespace {

const QByteArray kTestKey = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";
const QByteArray kHelpKey = "[HKEY_LOCAL_MACHINE\\Software\\KelmstarSoftware\\Quorvel\\Help]\n";
constexpr std::uint32_t kSizeOnly = 0xFFFFFFFF;

// A machine with this hive and a window to start. As the registry it hands
// every call on to the hive, noting whether the window was visible at any.
struct Machine final : TempFolder, Registry {
    HiveRegistry hive;
    QWidget window;
    bool shownWhileReading = false;

    explicit Machine(const QByteArray &text)
        : hive(write("hklm.reg", text))
    {
    }
    long seen(long status)
    {
        shownWhileReading = shownWhileReading || window.isVisible();
        return status;
    }
    long RegOpenKeyA(HKEY r, std::string_view k, HKEY *h) override
    {
        return seen(hive.RegOpenKeyA(r, k, h));
    }
    long RegOpenKeyExA(
        HKEY r, std::string_view k, std::uint32_t o, std::uint32_t a, HKEY *h) override
    {
        return seen(hive.RegOpenKeyExA(r, k, o, a, h));
    }
    long RegQueryValueExA(
        HKEY k, std::string_view n, std::uint32_t *t, std::uint8_t *d, std::uint32_t *s) override
    {
        return seen(hive.RegQueryValueExA(k, n, t, d, s));
    }
    long RegCloseKey(HKEY k) override { return seen(hive.RegCloseKey(k)); }
};

struct HelpRow {
    const char *name;
    QByteArray hive;
    QString location; // empty: none, the program's folder is taken
};
struct ParserRow {
    const char *name;
    QByteArray file;
    std::uint32_t type; // 0: no value
    QByteArray data;
};
struct KeyRow {
    const char *name;
    std::uint32_t access; // 0: opened with RegOpenKeyA
    const char *key;
    long opened;
    std::uint32_t bufferSize; // kSizeOnly: no buffer
    long queried;
};

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    // Form_Load over hives holding the help file's location, or not.
    void startUp_data()
    {
        const QByteArray v4 = "REGEDIT4\n" + kHelpKey + "\"help_file_location\"=";
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n" + kHelpKey;
        const QByteArray cased = "REGEDIT4\n[hklm\\SOFTWARE\\kelmstarsoftware\\QUORVEL\\help]\n"
                                 "\"Help_File_Location\"=\"/y\"\n";
        const auto as = [&](int count) { return v4 + '"' + QByteArray(count, 'a') + "\"\n"; };
        addRows<HelpRow>({
            { "a path", v5 + "\"help_file_location\"=\"/opt/qv/qv.chm\"\n", "/opt/qv/qv.chm" },
            { "no key", "REGEDIT4\n[HKLM\\Software\\Other]\n\"help_file_location\"=\"/x\"\n", "" },
            { "no value", "REGEDIT4\n" + kHelpKey + "\"other\"=\"/x\"\n", "" },
            { "only the terminator", v4 + "hex(1):00\n", "" },
            { "zero bytes", v4 + "hex(1):\n", "" },
            { "NUL inside", v4 + "hex(1):2f,61,00,62,00\n", "/a" },
            { "no terminator", v4 + "hex(1):2f,61,62\n", "/ab" },
            { "expandable string is not read", v4 + "hex(2):2f,61,00\n", "" },
            { "binary is not read", v4 + "hex:2f,61,00\n", "" },
            { "dword 5", v4 + "dword:00000005\n", "5" },
            { "dword all ones", v4 + "dword:ffffffff\n", "-1" },
            { "spaces kept", v4 + "\"  /x y  \"\n", "  /x y  " },
            { "40,000 characters overflow the NUL search", as(40000), "" },
            { "32,766 characters still fit", as(32766), QString(32766, u'a') },
            { "case of key and name does not matter", cased, "/y" },
        });
    }
    void startUp()
    {
        QFETCH(HelpRow, row);
        Machine machine(row.hive);
        machine.window.show(); // even a window that was shown is hidden first
        QString helpFile;
        Form_Load(machine.window, machine, helpFile, QStringLiteral("/app/bin"));
        QCOMPARE(helpFile,
            row.location.isEmpty() ? QStringLiteral("/app/bin/help/qv.chm") : row.location);
        QVERIFY(machine.window.isVisible());
        QVERIFY(!machine.shownWhileReading);
        QCOMPARE(machine.hive.openHandles(), 0);
    }

    void parser_data()
    {
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n";
        const QByteArray v = kTestKey + "\"v\"=", v5v = v5 + "\"v\"=";
        const QByteArray t = kTestKey, a = t + "\"a\"=\"1\"\n"; // a value before
        const auto cr = [](QByteArray file) { return file.replace('\n', '\r'); };
        const QByteArray x("x\0", 2), five("\x05\0\0\0", 4), none;
        // The file as regedit writes it: UTF-16LE after a byte-order mark.
        const QString text = QString::fromUtf8(v5v + "\"/w\xC3\xA9\"");
        const QByteArray utf16 = "\xFF\xFE"
            + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        addRows<ParserRow>({
            { "string", v + "\"a\\\\b\\\"c\"", 1, QByteArray("a\\b\"c\0", 6) },
            { "UTF-16 file", utf16, 1, QByteArray("/w\xC3\xA9\0", 5) },
            { "lower-case header", "regedit4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", 0,
                none },
            { "bad header", "REGEDIT\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", 0, none },
            { "dword", v + "dword:00000005", 4, five },
            { "dword, comment after", v + "dword:00000005 ; five", 4, five },
            { "dword of 9 digits", v + "dword:000000005", 0, none },
            { "dword with 0x", v + "dword:0x000005", 0, none },
            { "dword with a space", v + "dword: 0000005", 0, none },
            { "dword, text after", v + "dword:00000005x", 0, none },
            { "hex continued after a comma", v + "hex:01,02,\\\n  03", 3, "\x01\x02\x03" },
            { "hex continued without a comma", v + "hex:01,02\\\r\n  03\r\n", 3, "\x01\x02\x03" },
            { "hex(N) type", v + "hex(4):05,00,00,00", 4, five },
            { "hex(100000000)", v + "hex(100000000):01", 0, none },
            { "hex, odd digit", v + "hex:1", 0, none },
            { "unterminated string", v + "\"abc", 0, none },
            { "text after the string", v + "\"a\" b", 0, none },
            { "comment line", t + ";\"v\"=\"x\"", 0, none },
            { "another root", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"", 0,
                none },
            { "unclosed section", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test\n\"v\"=\"x\"", 0,
                none },
            { "UTF-8 byte-order mark", "\xEF\xBB\xBF" + v5v + "\"x\"", 1, x },
            { "hex(1) of a 5.00 file is UTF-16", v5v + "hex(1):2f,00,e9,00,00,00", 1,
                QByteArray("/\xC3\xA9\0", 4) },
            { "hex(2) of a 5.00 file is UTF-16", v5v + "hex(2):25,00,41,00,25,00,00,00", 2,
                QByteArray("%A%\0", 4) },
            { "hex(7) of a 5.00 file is UTF-16", v5v + "hex(7):61,00,00,00,62,00,00,00,00,00", 7,
                QByteArray("a\0b\0\0", 5) },
            { "hex(3) of a 5.00 file stays bytes", v5v + "hex(3):2f,00", 3, QByteArray("/\0", 2) },
            { "hex(2) of a REGEDIT4 file stays bytes", v + "hex(2):25,41,25,00", 2,
                QByteArray("%A%\0", 4) },
            { "name and value without =", t + "\"v\":\"x\"", 0, none },
            { "name and value with blanks around =", t + "\"v\" = \"x\"", 1, x },
            { "values under another root stay out of the key before",
                a + "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"", 0, none },
            { "values under a deleted key stay out of the key before",
                a + "[-HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", 0, none },
            { "values under an unclosed section stay out of the key before",
                a + "[HKEY_LOCAL_MACHINE\\Software\\Other\n\"v\"=\"x\"", 0, none },
            { "values under a refused key stay out of the key before",
                a + "[HKEY_LOCAL_MACHINE\\Software\\" + QByteArray(256, 'k') + "]\n\"v\"=\"x\"", 0,
                none },
            { "lines ended by CR alone", cr(v + "\"x\"\n"), 1, x },
            { "hex continued over CR line ends", cr(v + "hex:01,\\\n 02\n"), 3, "\x01\x02" },
            { "LF CR is two line ends", QByteArray(t).replace("\n", "\n\r") + "\"v\"=\"x\"", 1, x },
        });
    }
    void parser()
    {
        QFETCH(ParserRow, row);
        const auto value = RegistryHive::parse(row.file).value("Software\\Test", "v");
        QCOMPARE(value.has_value(), row.type != 0);
        if (value) {
            QCOMPARE(value->type, row.type);
            QCOMPARE(value->data, row.data);
        }
    }

    // A line that cannot be read drops only its value; @ is the value of no name.
    void eachLineOnItsOwn()
    {
        const RegistryHive hive = RegistryHive::parse(
            kTestKey + "\"a\"=\"unterminated\n\"b\"=dword:1\n\"c\"=\"kept\"\n@=\"d\"\n");
        QVERIFY(!hive.value("Software\\Test", "a"));
        QVERIFY(!hive.value("Software\\Test", "b"));
        QCOMPARE(hive.value("Software\\Test", "c")->data, QByteArray("kept\0", 5));
        QCOMPARE(hive.value("Software\\Test", "")->data, QByteArray("d\0", 2));
    }

    void keys_data()
    {
        const std::uint32_t change = RegistryAccess::kRead | RegistryAccess::kChange;
        addRows<KeyRow>({
            { "size only", 0, "software\\TEST", 0, kSizeOnly, 0 },
            { "exact buffer", 0, "software\\TEST", 0, 6, 0 },
            { "short buffer", 0, "software\\TEST", 0, 5, 234 },
            { "a parent opens, without the value", 0, "Software", 0, kSizeOnly, 2 },
            { "no such key", 0, "Software\\Nope", 2, 6, 0 },
            { "rights to read", RegistryAccess::kRead, "Software\\Test", 0, 6, 0 },
            { "rights to change are granted too", change, "Software\\Test", 0, 6, 0 },
            { "no such key, whatever the rights", change, "Software\\Nope", 2, 6, 0 },
        });
    }
    void keys()
    {
        QFETCH(KeyRow, row);
        Machine machine(kTestKey + "\"v\"=\"hello\"\n");
        HKEY key = 0;
        QCOMPARE(row.access
                ? machine.RegOpenKeyExA(HKEY_LOCAL_MACHINE, row.key, 0, row.access, &key)
                : machine.RegOpenKeyA(HKEY_LOCAL_MACHINE, row.key, &key),
            row.opened);
        QCOMPARE(key != 0, row.opened == 0);
        if (key == 0)
            return;
        std::uint32_t type = 0;
        std::uint8_t buffer[16] = {};
        const bool sizeOnly = row.bufferSize == kSizeOnly;
        std::uint32_t size = sizeOnly ? 0 : row.bufferSize;
        QCOMPARE(machine.RegQueryValueExA(key, "v", &type, sizeOnly ? nullptr : buffer, &size),
            row.queried);
        // The type and size of the string, or nothing when it is not there.
        QCOMPARE(std::pair(type, size), row.queried == 2 ? std::pair(0u, 0u) : std::pair(1u, 6u));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer)),
            QByteArray(sizeOnly || row.queried != 0 ? "" : "hello"));
        QCOMPARE(machine.RegCloseKey(key), 0L);
        QCOMPARE(machine.RegQueryValueExA(key, "v", &type, nullptr, &size), 6L);
    }

    void machineHiveOfTheInstalledTree()
    {
        if (QDir::cleanPath(QStringLiteral("/p/bin/") + kProgramToPrefix) != u"/p"
            || QLatin1String(kConfigurationFolder) != QLatin1String("etc"))
            QSKIP("configured with other install folders than bin and etc");
        // /usr keeps it in /etc, and so does /; any other folder is a prefix.
        for (const auto &[folder, hive] :
            std::initializer_list<std::pair<const char *, const char *>> {
                { "/tmp/q/bin", "/tmp/q/etc/quorvel/hklm.reg" },
                { "/usr/local/bin", "/usr/local/etc/quorvel/hklm.reg" },
                { "/usr/bin", "/etc/quorvel/hklm.reg" }, { "/bin", "/etc/quorvel/hklm.reg" },
                { "/opt/usr/bin", "/opt/usr/etc/quorvel/hklm.reg" } })
            QCOMPARE(machineHivePath(QString::fromLatin1(folder)), QString::fromLatin1(hive));
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
