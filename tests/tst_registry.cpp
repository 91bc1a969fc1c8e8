// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "mainwindow/Startup.h"
#include "registry/HiveRegistry.h"
#include "registry/MachineHive.h"
#include "registry/basRegistry.h"

#include "tests/support/TempFolder.h"

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

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void helpFileLocation_data()
    {
        QTest::addColumn<QByteArray>("hive");
        QTest::addColumn<QString>("location");
        const QByteArray v4 = "REGEDIT4\n" + kHelpKey;
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n" + kHelpKey;
        QTest::newRow("a path") << v5 + "\"help_file_location\"=\"/opt/qv/qv.chm\"\n"
                                << "/opt/qv/qv.chm";
        QTest::newRow("no key") << QByteArray(
            "REGEDIT4\n[HKLM\\Software\\Other]\n\"help_file_location\"=\"/x\"\n")
                                << "";
        QTest::newRow("no value") << v4 + "\"other\"=\"/x\"\n"
                                  << "";
        QTest::newRow("only the terminator") << v4 + "\"help_file_location\"=hex(1):00\n"
                                             << "";
        QTest::newRow("zero bytes") << v4 + "\"help_file_location\"=hex(1):\n"
                                    << "";
        QTest::newRow("NUL inside") << v4 + "\"help_file_location\"=hex(1):2f,61,00,62,00\n"
                                    << "/a";
        QTest::newRow("no terminator") << v4 + "\"help_file_location\"=hex(1):2f,61,62\n"
                                       << "/ab";
        QTest::newRow("expandable string is not read")
            << v4 + "\"help_file_location\"=hex(2):2f,61,00\n"
            << "";
        QTest::newRow("binary is not read") << v4 + "\"help_file_location\"=hex:2f,61,00\n"
                                            << "";
        QTest::newRow("dword 5") << v4 + "\"help_file_location\"=dword:00000005\n"
                                 << "5";
        QTest::newRow("dword all ones") << v4 + "\"help_file_location\"=dword:ffffffff\n"
                                        << "-1";
        QTest::newRow("spaces kept") << v4 + "\"help_file_location\"=\"  /x y  \"\n"
                                     << "  /x y  ";
        QTest::newRow("40,000 characters overflow the NUL search")
            << v4 + "\"help_file_location\"=\"" + QByteArray(40000, 'a') + "\"\n"
            << "";
        QTest::newRow("32,766 characters still fit") << v4 + "\"help_file_location\"=\""
                + QByteArray(32766, 'a') + "\"\n" << QString(32766, u'a');
        QTest::newRow("case of key and name does not matter") << QByteArray(
            "REGEDIT4\n[hklm\\SOFTWARE\\kelmstarsoftware\\QUORVEL\\help]\n"
            "\"Help_File_Location\"=\"/y\"\n") << "/y";
    }
    void helpFileLocation()
    {
        QFETCH(QByteArray, hive);
        QFETCH(QString, location);
        QCOMPARE(helpLocationIn(hive), location);
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
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("type"); // 0: no value
        QTest::addColumn<QByteArray>("data");
        const QByteArray v4 = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";
        const QByteArray dword5("\x05\0\0\0", 4);
        QTest::newRow("string") << v4 + "\"v\"=\"a\\\\b\\\"c\"" << 1 << QByteArray("a\\b\"c\0", 6);
        QTest::newRow("lower-case header")
            << QByteArray("regedit4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"") << 0
            << QByteArray();
        QTest::newRow("bad header")
            << QByteArray("REGEDIT\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"") << 0
            << QByteArray();
        QTest::newRow("dword") << v4 + "\"v\"=dword:00000005" << 4 << dword5;
        QTest::newRow("dword, comment after") << v4 + "\"v\"=dword:00000005 ; five" << 4 << dword5;
        QTest::newRow("dword of 9 digits") << v4 + "\"v\"=dword:000000005" << 0 << QByteArray();
        QTest::newRow("dword with 0x") << v4 + "\"v\"=dword:0x000005" << 0 << QByteArray();
        QTest::newRow("dword with a space") << v4 + "\"v\"=dword: 0000005" << 0 << QByteArray();
        QTest::newRow("dword, text after") << v4 + "\"v\"=dword:00000005x" << 0 << QByteArray();
        QTest::newRow("hex continued after a comma")
            << v4 + "\"v\"=hex:01,02,\\\n  03" << 3 << QByteArray("\x01\x02\x03");
        QTest::newRow("hex continued without a comma") << v4 + "\"v\"=hex:01,02\\\r\n  03\r\n"
                                                       << 3 << QByteArray("\x01\x02\x03");
        QTest::newRow("hex(N) type") << v4 + "\"v\"=hex(4):05,00,00,00" << 4 << dword5;
        QTest::newRow("hex(100000000)") << v4 + "\"v\"=hex(100000000):01" << 0 << QByteArray();
        QTest::newRow("hex, odd digit") << v4 + "\"v\"=hex:1" << 0 << QByteArray();
        QTest::newRow("unterminated string") << v4 + "\"v\"=\"abc" << 0 << QByteArray();
        QTest::newRow("text after the string") << v4 + "\"v\"=\"a\" b" << 0 << QByteArray();
        QTest::newRow("comment line") << v4 + ";\"v\"=\"x\"" << 0 << QByteArray();
        QTest::newRow("another root") << QByteArray(
            "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n"
            "\"v\"=\"x\"") << 0 << QByteArray();
        QTest::newRow("unclosed section")
            << QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test\n\"v\"=\"x\"") << 0
            << QByteArray();
        const QByteArray v5 = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n";
        QTest::newRow("UTF-8 byte-order mark")
            << "\xEF\xBB\xBF" + v5 + "\"v\"=\"x\"" << 1 << QByteArray("x\0", 2);
        QTest::newRow("hex(1) of a 5.00 file is UTF-16")
            << v5 + "\"v\"=hex(1):2f,00,e9,00,00,00" << 1 << QByteArray("/\xC3\xA9\0", 4);
        QTest::newRow("hex(2) of a 5.00 file is UTF-16")
            << v5 + "\"v\"=hex(2):25,00,41,00,25,00,00,00" << 2 << QByteArray("%A%\0", 4);
        QTest::newRow("hex(7) of a 5.00 file is UTF-16")
            << v5 + "\"v\"=hex(7):61,00,00,00,62,00,00,00,00,00" << 7 << QByteArray("a\0b\0\0", 5);
        QTest::newRow("hex(3) of a 5.00 file stays bytes")
            << v5 + "\"v\"=hex(3):2f,00" << 3 << QByteArray("/\0", 2);
        QTest::newRow("hex(2) of a REGEDIT4 file stays bytes")
            << v4 + "\"v\"=hex(2):25,41,25,00" << 2 << QByteArray("%A%\0", 4);
        QTest::newRow("name and value without =") << v4 + "\"v\":\"x\"" << 0 << QByteArray();
        QTest::newRow("name and value with blanks around =")
            << v4 + "\"v\" = \"x\"" << 1 << QByteArray("x\0", 2);
        QTest::newRow("values under another root stay out of the key before")
            << v4 + "\"a\"=\"1\"\n[HKEY_CURRENT_USER\\Software\\Test]\n\"v\"=\"x\"" << 0
            << QByteArray();
        QTest::newRow("values under a deleted key stay out of the key before")
            << v4 + "\"a\"=\"1\"\n[-HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"x\"" << 0
            << QByteArray();
        QTest::newRow("values under an unclosed section stay out of the key before")
            << v4 + "\"a\"=\"1\"\n[HKEY_LOCAL_MACHINE\\Software\\Other\n\"v\"=\"x\"" << 0
            << QByteArray();
        QTest::newRow("values under a refused key stay out of the key before") << v4
                + "\"a\"=\"1\"\n[HKEY_LOCAL_MACHINE\\Software\\" + QByteArray(256, 'k')
                + "]\n\"v\"=\"x\"" << 0 << QByteArray();
        QTest::newRow("lines ended by CR alone")
            << QByteArray("REGEDIT4\r[HKEY_LOCAL_MACHINE\\Software\\Test]\r\"v\"=\"x\"\r") << 1
            << QByteArray("x\0", 2);
        QTest::newRow("hex continued over CR line ends")
            << QByteArray("REGEDIT4\r[HKEY_LOCAL_MACHINE\\Software\\Test]\r\"v\"=hex:01,\\\r 02\r")
            << 3 << QByteArray("\x01\x02");
        QTest::newRow("LF CR is two line ends")
            << QByteArray("REGEDIT4\n\r[HKEY_LOCAL_MACHINE\\Software\\Test]\n\r\"v\"=\"x\"") << 1
            << QByteArray("x\0", 2);
    }
    void parser()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        const auto value = valueIn(file);
        QCOMPARE(value.has_value(), type != 0);
        if (value) {
            QCOMPARE(value->type, static_cast<std::uint32_t>(type));
            QCOMPARE(value->data, data);
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
        QTest::addColumn<std::uint32_t>("bufferSize");
        QTest::addColumn<long>("status");
        QTest::addColumn<std::uint32_t>("sizeAfter");
        QTest::newRow("size only") << std::uint32_t(0xFFFFFFFF) << 0L << std::uint32_t(6);
        QTest::newRow("exact buffer") << std::uint32_t(6) << 0L << std::uint32_t(6);
        QTest::newRow("short buffer") << std::uint32_t(5) << 234L << std::uint32_t(6);
    }
    void queries()
    {
        QFETCH(std::uint32_t, bufferSize);
        QFETCH(long, status);
        QFETCH(std::uint32_t, sizeAfter);
        HiveFile file("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"hello\"\n");
        HiveRegistry registry(file.path());
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyA(HKEY_LOCAL_MACHINE, "software\\TEST", &key), 0L);
        QVERIFY(key != 0);
        std::uint32_t type = 0;
        std::uint8_t buffer[16] = {};
        const bool sizeOnly = bufferSize == 0xFFFFFFFF;
        std::uint32_t size = sizeOnly ? 0 : bufferSize;
        QCOMPARE(
            registry.RegQueryValueExA(key, "v", &type, sizeOnly ? nullptr : buffer, &size), status);
        QCOMPARE(type, std::uint32_t(1));
        QCOMPARE(size, sizeAfter);
        if (!sizeOnly && status == 0)
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

    // The suite runs as root, who may write any file: the hive that cannot be
    // written is injected.
    void anyRightsOnAHiveThatCannotBeWritten_data()
    {
        QTest::addColumn<bool>("mayWrite");
        QTest::addColumn<std::uint32_t>("access");
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<long>("status");
        QTest::addColumn<bool>("virtualized");
        const std::uint32_t change = RegistryAccess::kRead | RegistryAccess::kChange;
        QTest::newRow("read, hive not writable")
            << false << RegistryAccess::kRead << "Software\\Test" << 0L << false;
        QTest::newRow("change rights, hive not writable: granted, writes virtualized")
            << false << change << "Software\\Test" << 0L << true;
        QTest::newRow("change rights, writable hive")
            << true << change << "Software\\Test" << 0L << false;
        QTest::newRow("no such key, whatever the rights")
            << false << change << "Software\\Nope" << 2L << false;
    }
    void anyRightsOnAHiveThatCannotBeWritten()
    {
        QFETCH(bool, mayWrite);
        QFETCH(std::uint32_t, access);
        QFETCH(QString, keyName);
        QFETCH(long, status);
        QFETCH(bool, virtualized);
        HiveFile file("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"/x\"\n");
        HiveRegistry registry(file.path(), [mayWrite] { return mayWrite; });
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.toStdString(), 0, access, &key),
            status);
        QCOMPARE(key != 0, status == 0);
        QCOMPARE(registry.isVirtualized(key), virtualized);
        if (key != 0) {
            std::uint32_t size = 0;
            QCOMPARE(registry.RegQueryValueExA(key, "v", nullptr, nullptr, &size), 0L);
            QCOMPARE(size, std::uint32_t(3));
            QCOMPARE(registry.RegCloseKey(key), 0L);
        }
        // The registry module's reader gets the value, or nothing, all the same.
        const auto value = basRegistry::GetRegistryValue(
            registry, HKEY_LOCAL_MACHINE, keyName, QStringLiteral("v"));
        QCOMPARE(value,
            std::optional(
                basRegistry::RegistryValue(status == 0 ? QStringLiteral("/x") : QString())));
        QCOMPARE(registry.openHandles(), 0);
    }

    void machineHiveOfTheInstalledTree_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("hive");
        QTest::newRow("a prefix of the user's own") << "/tmp/q/bin"
                                                    << "/tmp/q/etc/quorvel/hklm.reg";
        QTest::newRow("/usr/local") << "/usr/local/bin"
                                    << "/usr/local/etc/quorvel/hklm.reg";
        QTest::newRow("/usr keeps it in /etc") << "/usr/bin"
                                               << "/etc/quorvel/hklm.reg";
        QTest::newRow("so does /") << "/bin"
                                   << "/etc/quorvel/hklm.reg";
        QTest::newRow("a usr folder elsewhere is a prefix like any other")
            << "/opt/usr/bin"
            << "/opt/usr/etc/quorvel/hklm.reg";
    }
    void machineHiveOfTheInstalledTree()
    {
        if (QLatin1String(kProgramToPrefix) != QLatin1String("..")
            || QLatin1String(kConfigurationFolder) != QLatin1String("etc"))
            QSKIP("configured with other install folders than bin and etc");
        QFETCH(QString, programFolder);
        QFETCH(QString, hive);
        QCOMPARE(machineHivePath(programFolder), hive);
    }

    void startUp_data()
    {
        QTest::addColumn<QByteArray>("value"); // empty: no value stored
        QTest::addColumn<QString>("HelpFile");
        QTest::newRow("stored") << QByteArray("\"/opt/qv.chm\"") << "/opt/qv.chm";
        QTest::newRow("stored, no file there")
            << QByteArray("\"/missing/qv.chm\"") << "/missing/qv.chm";
        QTest::newRow("missing: the program's folder") << QByteArray() << "/app/bin/help/qv.chm";
    }
    void startUp()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, HelpFile);
        HiveFile file("REGEDIT4\n" + kHelpKey
            + (value.isEmpty() ? QByteArray() : "\"help_file_location\"=" + value + "\n"));
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
        QCOMPARE(helpFile, HelpFile);
        QVERIFY(window.isVisible());
        QVERIFY(!registry.shownWhileReading);
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
