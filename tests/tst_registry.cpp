// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "mainwindow/Startup.h"
#include "registry/MachineHive.h"
#include "registry/basRegistry.h"
#include "tests/support/CountingRegistry.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <QWidget>

namespace {

const QByteArray kTestKey = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";
const QByteArray kHelpKey = "[HKEY_LOCAL_MACHINE\\Software\\KelmstarSoftware\\Quorvel\\Help]\n";
constexpr std::uint32_t kSizeOnly = 0xFFFFFFFF;
constexpr std::uint32_t kNoValue = 0; // the type of a value that is not there

// A machine with this hive and a window to start, noting whether the window
// was visible at any registry call.
struct Machine final : TempFolder {
    CountingRegistry registry;
    QWidget window;
    bool shownWhileReading = false;

    explicit Machine(const QByteArray &text)
        : registry(write("hklm.reg", text))
    {
        registry.onCall = [this] { shownWhileReading = shownWhileReading || window.isVisible(); };
    }
};

struct HelpRow {
    const char *name;
    QByteArray hive;
    QString location; // empty: none, the program's folder is taken
};
struct ParserRow {
    const char *name;
    QByteArray file;
    std::uint32_t type; // kNoValue: none
    QByteArray data;
};
struct KeyRow {
    const char *name;
    std::uint32_t access = 0; // 0: opened with RegOpenKeyA
    const char *key = "software\\TEST";
    long opened = RegistryStatus::kSuccess;
    std::uint32_t bufferSize = kSizeOnly; // kSizeOnly: no buffer
    long queried = RegistryStatus::kSuccess;
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
        const auto letters = [&](int count) { return v4 + '"' + QByteArray(count, 'a') + "\"\n"; };
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
            { "40,000 characters overflow the NUL search", letters(40000), "" },
            { "32,767 characters overflow it", letters(32767), "" }, // the NUL at 32,768
            { "32,766 characters still fit", letters(32766), QString(32766, u'a') },
            { "case of key and name does not matter", cased, "/y" },
        });
    }
    void startUp()
    {
        QFETCH(HelpRow, row);
        Machine machine(row.hive);
        machine.window.show(); // even a window that was shown is hidden first
        QString helpFile;
        FakeFileSystem files; // no language asks for a translation
        Form_Load(
            machine.window, machine.registry, helpFile, QStringLiteral("/app/bin"), { {}, files });
        QCOMPARE(helpFile,
            row.location.isEmpty() ? QStringLiteral("/app/bin/help/qv.chm") : row.location);
        QVERIFY(machine.window.isVisible());
        QVERIFY(!machine.shownWhileReading);
        QCOMPARE(machine.registry.openHandles(), 0);
    }

    void parser_data()
    {
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n";
        const QByteArray v4Value = kTestKey + "\"v\"=", v5Value = v5 + "\"v\"=";
        const QByteArray valueBefore = kTestKey + "\"a\"=\"1\"\n";
        const auto crOnly = [](QByteArray file) { return file.replace('\n', '\r'); };
        const QByteArray xString("x\0", 2), five("\x05\0\0\0", 4), noData;
        // The file as regedit writes it: UTF-16LE after a byte-order mark.
        const QString text = QString::fromUtf8(v5Value + "\"/w\xC3\xA9\"");
        const QByteArray utf16 = "\xFF\xFE"
            + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        using namespace RegistryType;
        addRows<ParserRow>({
            { "string", v4Value + "\"a\\\\b\\\"c\"", kString, QByteArray("a\\b\"c\0", 6) },
            { "UTF-16 file", utf16, kString, QByteArray("/w\xC3\xA9\0", 5) },
            { "lower-case header", "regedit4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"",
                kNoValue, noData },
            { "bad header", "REGEDIT\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", kNoValue,
                noData },
            { "dword", v4Value + "dword:00000005", kDword, five },
            { "dword, comment after", v4Value + "dword:00000005 ; five", kDword, five },
            { "dword of 9 digits", v4Value + "dword:000000005", kNoValue, noData },
            { "dword with 0x", v4Value + "dword:0x000005", kNoValue, noData },
            { "dword with a space", v4Value + "dword: 0000005", kNoValue, noData },
            { "dword, text after", v4Value + "dword:00000005x", kNoValue, noData },
            { "hex continued after a comma", v4Value + "hex:01,02,\\\n  03", kBinary,
                "\x01\x02\x03" },
            { "hex continued without a comma", v4Value + "hex:01,02\\\r\n  03\r\n", kBinary,
                "\x01\x02\x03" },
            { "hex(N) type", v4Value + "hex(4):05,00,00,00", kDword, five },
            { "hex(100000000)", v4Value + "hex(100000000):01", kNoValue, noData },
            { "hex, odd digit", v4Value + "hex:1", kNoValue, noData },
            { "hex, first digit no digit", v4Value + "hex:z1", kNoValue, noData },
            { "hex, second digit no digit", v4Value + "hex:1z", kNoValue, noData },
            { "string ending in an escape", v4Value + "\"abc\\", kNoValue, noData },
            { "unterminated string", v4Value + "\"abc", kNoValue, noData },
            { "text after the string", v4Value + "\"a\" b", kNoValue, noData },
            { "comment line", kTestKey + ";\"v\"=\"x\"", kNoValue, noData },
            { "another root", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"",
                kNoValue, noData },
            { "unclosed section", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test\n\"v\"=\"x\"",
                kNoValue, noData },
            { "UTF-8 byte-order mark", "\xEF\xBB\xBF" + v5Value + "\"x\"", kString, xString },
            { "hex(1) of a 5.00 file is UTF-16", v5Value + "hex(1):2f,00,e9,00,00,00", kString,
                QByteArray("/\xC3\xA9\0", 4) },
            { "hex(2) of a 5.00 file is UTF-16", v5Value + "hex(2):25,00,41,00,25,00,00,00",
                kExpandString, QByteArray("%A%\0", 4) },
            { "hex(7) of a 5.00 file is UTF-16", v5Value + "hex(7):61,00,00,00,62,00,00,00,00,00",
                kMultiString, QByteArray("a\0b\0\0", 5) },
            { "hex(3) of a 5.00 file stays bytes", v5Value + "hex(3):2f,00", kBinary,
                QByteArray("/\0", 2) },
            { "hex(2) of a REGEDIT4 file stays bytes", v4Value + "hex(2):25,41,25,00",
                kExpandString, QByteArray("%A%\0", 4) },
            { "name and value without =", kTestKey + "\"v\":\"x\"", kNoValue, noData },
            { "name and value with blanks around =", kTestKey + "\"v\" = \"x\"", kString, xString },
            { "values under another root stay out of the key before",
                valueBefore + "[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"", kNoValue,
                noData },
            { "values under a deleted key stay out of the key before",
                valueBefore + "[-HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", kNoValue,
                noData },
            { "values under an unclosed section stay out of the key before",
                valueBefore + "[HKEY_LOCAL_MACHINE\\Software\\Other\n\"v\"=\"x\"", kNoValue,
                noData },
            { "values under a refused key stay out of the key before",
                valueBefore + "[HKEY_LOCAL_MACHINE\\Software\\" + QByteArray(256, 'k')
                    + "]\n\"v\"=\"x\"",
                kNoValue, noData },
            { "lines ended by CR alone", crOnly(v4Value + "\"x\"\n"), kString, xString },
            { "hex continued over CR line ends", crOnly(v4Value + "hex:01,\\\n 02\n"), kBinary,
                "\x01\x02" },
            { "LF CR is two line ends", QByteArray(kTestKey).replace("\n", "\n\r") + "\"v\"=\"x\"",
                kString, xString },
        });
    }
    void parser()
    {
        QFETCH(ParserRow, row);
        const auto value = RegistryHive::parse(row.file).value("Software\\Test", "v");
        QCOMPARE(value.has_value(), row.type != kNoValue);
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
        using namespace RegistryStatus;
        const std::uint32_t change = RegistryAccess::kRead | RegistryAccess::kChange;
        addRows<KeyRow>({
            { .name = "size only" },
            { .name = "exact buffer", .bufferSize = 6 },
            { .name = "short buffer", .bufferSize = 5, .queried = kMoreData },
            { .name = "a parent opens, without the value",
                .key = "Software",
                .queried = kFileNotFound },
            { .name = "no such key", .key = "Software\\Nope", .opened = kFileNotFound },
            { .name = "rights to read", .access = RegistryAccess::kRead, .bufferSize = 6 },
            { .name = "rights to change are granted too", .access = change, .bufferSize = 6 },
            { .name = "no such key, whatever the rights",
                .access = change,
                .key = "Software\\Nope",
                .opened = kFileNotFound },
        });
    }
    void keys()
    {
        QFETCH(KeyRow, row);
        using namespace RegistryStatus;
        Machine machine(kTestKey + "\"v\"=\"hello\"\n");
        Registry &registry = machine.registry;
        HKEY key = 0;
        QCOMPARE(row.access
                ? registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, row.key, 0, row.access, &key)
                : registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, row.key, &key),
            row.opened);
        QCOMPARE(key != 0, row.opened == kSuccess);
        if (key == 0)
            return;
        std::uint32_t type = 0;
        std::uint8_t buffer[16] = {};
        const bool sizeOnly = row.bufferSize == kSizeOnly;
        std::uint32_t size = sizeOnly ? 0 : row.bufferSize;
        QCOMPARE(registry.RegQueryValueExA(key, "v", &type, sizeOnly ? nullptr : buffer, &size),
            row.queried);
        // The type and size of the string ("hello" and its NUL), or nothing when it is not there.
        QCOMPARE(std::pair(type, size),
            row.queried == kFileNotFound ? std::pair(0u, 0u)
                                         : std::pair(RegistryType::kString, 6u));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer)),
            QByteArray(sizeOnly || row.queried != kSuccess ? "" : "hello"));
        QCOMPARE(registry.RegCloseKey(key), kSuccess);
        QCOMPARE(registry.RegQueryValueExA(key, "v", &type, nullptr, &size), kInvalidHandle);
    }

    // A key that does not open reads as the empty string, as any other
    // registry failure does; only an over-long string gives no result.
    void valueOfAKeyThatDoesNotOpen()
    {
        Machine machine(kTestKey + "\"v\"=\"hello\"\n");
        const auto value = basRegistry::GetRegistryValue(machine.registry, HKEY_LOCAL_MACHINE,
            QStringLiteral("Software\\Nope"), QStringLiteral("v"));
        QCOMPARE(value, std::optional(basRegistry::RegistryValue(QString())));
        QCOMPARE(basRegistry::GetRegistryValue(machine.registry, HKEY_LOCAL_MACHINE,
                     QStringLiteral("Software\\Test"), QStringLiteral("v")),
            std::optional(basRegistry::RegistryValue(QStringLiteral("hello"))));
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
