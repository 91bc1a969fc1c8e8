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

const QByteArray kHelpKey = "[HKEY_LOCAL_MACHINE\\Software\\KelmstarSoftware\\Quorvel\\Help]\n";

struct HiveFile : TempFolder {
    explicit HiveFile(const QByteArray &contents) { write("hklm.reg", contents); }
    QString path() const { return TempFolder::path("hklm.reg"); }
};

QString helpLocationIn(const QByteArray &hive)
{
    HiveFile file(hive);
    HiveRegistry registry(file.path());
    const QString location = basRegistry::GetHelpFileLocation(registry);
    if (registry.openHandles() != 0)
        return QStringLiteral("<handle left open>");
    return location;
}

std::optional<RegistryHive::Value> valueIn(const QByteArray &file, const char *name = "v")
{
    return RegistryHive::parse(file).value("Software\\Test", QString::fromLatin1(name));
}

struct HelpRow {
    const char *name;
    QByteArray hive;
    QString location;
};
struct ParserRow {
    const char *name;
    QByteArray file;
    std::uint32_t type; // 0: no value
    QByteArray data;
};
struct QueryRow {
    const char *name;
    std::uint32_t bufferSize; // kSizeOnly: no buffer
    long status;
    std::uint32_t sizeAfter;
};
struct RightsRow {
    const char *name;
    std::uint32_t access;
    QString keyName;
    long status;
};
struct StartRow {
    const char *name;
    QByteArray value; // empty: no value stored
    QString HelpFile;
};
constexpr std::uint32_t kSizeOnly = 0xFFFFFFFF;

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void helpFileLocation_data()
    {
        const QByteArray v4 = "REGEDIT4\n" + kHelpKey + "\"help_file_location\"=";
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n" + kHelpKey;
        const QByteArray other
            = "REGEDIT4\n[HKLM\\Software\\Other]\n\"help_file_location\"=\"/x\"\n";
        const QByteArray cased = "REGEDIT4\n[hklm\\SOFTWARE\\kelmstarsoftware\\QUORVEL\\help]\n"
                                 "\"Help_File_Location\"=\"/y\"\n";
        addRows<HelpRow>({
            { "a path", v5 + "\"help_file_location\"=\"/opt/qv/qv.chm\"\n", "/opt/qv/qv.chm" },
            { "no key", other, "" },
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
            { "40,000 characters overflow the NUL search",
                v4 + "\"" + QByteArray(40000, 'a') + "\"\n", "" },
            { "32,766 characters still fit", v4 + "\"" + QByteArray(32766, 'a') + "\"\n",
                QString(32766, u'a') },
            { "case of key and name does not matter", cased, "/y" },
        });
    }
    void helpFileLocation()
    {
        QFETCH(HelpRow, row);
        QCOMPARE(helpLocationIn(row.hive), row.location);
    }

    void utf16File()
    {
        const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n")
            + QString::fromLatin1(kHelpKey) + QStringLiteral("\"help_file_location\"=\"/wé\"\r\n");
        QByteArray file("\xFF\xFE");
        file.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QCOMPARE(helpLocationIn(file), QStringLiteral("/wé"));
    }

    void missingFileIsAnEmptyHive()
    {
        HiveRegistry registry("/nonexistent/hklm.reg");
        QCOMPARE(basRegistry::GetHelpFileLocation(registry), QString());
    }

    void parser_data()
    {
        const QByteArray v4 = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n";
        const QByteArray v = v4 + "\"v\"=", v5v = v5 + "\"v\"=";
        const QByteArray x("x\0", 2), five("\x05\0\0\0", 4), none;
        addRows<ParserRow>({
            { "string", v + "\"a\\\\b\\\"c\"", 1, QByteArray("a\\b\"c\0", 6) },
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
            { "comment line", v4 + ";\"v\"=\"x\"", 0, none },
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
            { "name and value without =", v4 + "\"v\":\"x\"", 0, none },
            { "name and value with blanks around =", v4 + "\"v\" = \"x\"", 1, x },
            { "values under another root stay out of the key before",
                v4 + "\"a\"=\"1\"\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"", 0, none },
            { "values under a deleted key stay out of the key before",
                v4 + "\"a\"=\"1\"\n[-HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"", 0, none },
            { "values under an unclosed section stay out of the key before",
                v4 + "\"a\"=\"1\"\n[HKEY_LOCAL_MACHINE\\Software\\Other\n\"v\"=\"x\"", 0, none },
            { "values under a refused key stay out of the key before",
                v4 + "\"a\"=\"1\"\n[HKEY_LOCAL_MACHINE\\Software\\" + QByteArray(256, 'k')
                    + "]\n\"v\"=\"x\"",
                0, none },
            { "lines ended by CR alone",
                "REGEDIT4\r[HKEY_LOCAL_MACHINE\\Software\\Test]\r\"v\"=\"x\"\r", 1, x },
            { "hex continued over CR line ends",
                "REGEDIT4\r[HKEY_LOCAL_MACHINE\\Software\\Test]\r\"v\"=hex:01,\\\r 02\r", 3,
                "\x01\x02" },
            { "LF CR is two line ends",
                "REGEDIT4\n\r[HKEY_LOCAL_MACHINE\\Software\\Test]\n\r\"v\"=\"x\"", 1, x },
        });
    }
    void parser()
    {
        QFETCH(ParserRow, row);
        const auto value = valueIn(row.file);
        QCOMPARE(value.has_value(), row.type != 0);
        if (value) {
            QCOMPARE(value->type, row.type);
            QCOMPARE(value->data, row.data);
        }
    }

    void defaultValueHasTheEmptyName()
    {
        const QByteArray file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n@=\"d\"\n";
        QCOMPARE(valueIn(file, "")->data, QByteArray("d\0", 2));
    }

    void badLineDropsOnlyItsValue()
    {
        const QByteArray file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n"
                                "\"a\"=\"unterminated\n"
                                "\"b\"=dword:1\n"
                                "\"c\"=\"kept\"\n";
        QVERIFY(!valueIn(file, "a"));
        QVERIFY(!valueIn(file, "b"));
        QCOMPARE(valueIn(file, "c")->data, QByteArray("kept\0", 5));
    }

    void queries_data()
    {
        addRows<QueryRow>({
            { "size only", kSizeOnly, 0, 6 },
            { "exact buffer", 6, 0, 6 },
            { "short buffer", 5, 234, 6 },
        });
    }
    void queries()
    {
        QFETCH(QueryRow, row);
        HiveFile file("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"hello\"\n");
        HiveRegistry registry(file.path());
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, "software\\TEST", &key), 0L);
        QVERIFY(key != 0);
        std::uint32_t type = 0;
        std::uint8_t buffer[16] = {};
        const bool sizeOnly = row.bufferSize == kSizeOnly;
        std::uint32_t size = sizeOnly ? 0 : row.bufferSize;
        QCOMPARE(registry.RegQueryValueExA(key, "v", &type, sizeOnly ? nullptr : buffer, &size),
            row.status);
        QCOMPARE(type, std::uint32_t(1));
        QCOMPARE(size, row.sizeAfter);
        if (!sizeOnly && row.status == 0)
            QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer)), QByteArray("hello"));
        QCOMPARE(registry.RegCloseKey(key), 0L);
        QCOMPARE(registry.RegQueryValueExA(key, "v", &type, nullptr, &size), 6L);
    }

    void missingKeyLeavesTheHandleAtZero()
    {
        HiveFile file("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n");
        HiveRegistry registry(file.path());
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Nope", &key), 2L);
        QCOMPARE(key, HKEY(0));
        QCOMPARE(registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software", &key), 0L); // a parent
    }

    void anyRights_data()
    {
        const std::uint32_t change = RegistryAccess::kRead | RegistryAccess::kChange;
        addRows<RightsRow>({
            { "read", RegistryAccess::kRead, "Software\\Test", 0 },
            { "rights to change are granted too", change, "Software\\Test", 0 },
            { "no such key, whatever the rights", change, "Software\\Nope", 2 },
        });
    }
    void anyRights()
    {
        QFETCH(RightsRow, row);
        HiveFile file("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"/x\"\n");
        HiveRegistry registry(file.path());
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyExA(
                     HKEY_LOCAL_MACHINE, row.keyName.toStdString(), 0, row.access, &key),
            row.status);
        QCOMPARE(key != 0, row.status == 0);
        if (key != 0) {
            std::uint32_t size = 0;
            QCOMPARE(registry.RegQueryValueExA(key, "v", nullptr, nullptr, &size), 0L);
            QCOMPARE(size, std::uint32_t(3));
            QCOMPARE(registry.RegCloseKey(key), 0L);
        }
        // The registry module's reader gets the value, or nothing, all the same.
        const auto value = basRegistry::GetRegistryValue(
            registry, HKEY_LOCAL_MACHINE, row.keyName, QStringLiteral("v"));
        QCOMPARE(value,
            std::optional(
                basRegistry::RegistryValue(row.status == 0 ? QStringLiteral("/x") : QString())));
        QCOMPARE(registry.openHandles(), 0);
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

    void startUp_data()
    {
        addRows<StartRow>({
            { "stored", "\"/opt/qv.chm\"", "/opt/qv.chm" },
            { "stored, no file there", "\"/missing/qv.chm\"", "/missing/qv.chm" },
            { "missing: the program's folder", "", "/app/bin/help/qv.chm" },
        });
    }
    void startUp()
    {
        QFETCH(StartRow, row);
        HiveFile file("REGEDIT4\n" + kHelpKey
            + (row.value.isEmpty() ? QByteArray() : "\"help_file_location\"=" + row.value + "\n"));
        // Records whether the window was visible while the registry was read.
        class Watched final : public Registry {
        public:
            Watched(Registry &inner, QWidget &window)
                : m_inner(inner)
                , m_window(window)
            {
            }
            long RegOpenKeyA(HKEY r, std::string_view k, HKEY *h) override
            {
                shownWhileReading = shownWhileReading || m_window.isVisible();
                return m_inner.RegOpenKeyA(r, k, h);
            }
            long RegOpenKeyExA(
                HKEY r, std::string_view k, std::uint32_t o, std::uint32_t a, HKEY *h) override
            {
                return m_inner.RegOpenKeyExA(r, k, o, a, h);
            }
            long RegQueryValueExA(HKEY k, std::string_view n, std::uint32_t *t, std::uint8_t *d,
                std::uint32_t *s) override
            {
                shownWhileReading = shownWhileReading || m_window.isVisible();
                return m_inner.RegQueryValueExA(k, n, t, d, s);
            }
            long RegCloseKey(HKEY k) override { return m_inner.RegCloseKey(k); }
            bool shownWhileReading = false;

        private:
            Registry &m_inner;
            QWidget &m_window;
        };
        HiveRegistry hive(file.path());
        QWidget window;
        window.show(); // even a window that was shown is hidden first
        Watched registry(hive, window);
        QString helpFile = QStringLiteral("unset");
        Form_Load(window, registry, helpFile, QStringLiteral("/app/bin"));
        QCOMPARE(helpFile, row.HelpFile);
        QVERIFY(window.isVisible());
        QVERIFY(!registry.shownWhileReading);
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
