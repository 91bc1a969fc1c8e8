// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the machine hive reader. Built by cmake/fuzz.sh with
// clang; linked with replay_main.cpp it reads the regression files in the
// test suite and checks what was read against hive-expected.tsv.
#include "registry/RegistryHive.h"

#include <cstdint>
#include <string>

namespace {

const QString kHelpKey = QStringLiteral("Software\\KelmstarSoftware\\Quorvel\\Help");
const QString kHelpValue = QStringLiteral("help_file_location");
const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

RegistryHive readHive(const std::uint8_t *data, std::size_t size)
{
    return RegistryHive::parse(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const RegistryHive hive = readHive(data, size);
    // Touch what the program looks up, so lookups run over whatever was read.
    (void)hive.value(kHelpKey, kHelpValue);
    (void)hive.hasKey(kSysInfoKey);
    return 0;
}

// What the program would see of the file: how much was read, the help file
// value (type and bytes in hex) and how many problems were told.
std::string quorvelDescribeInput(const std::uint8_t *data, std::size_t size)
{
    const RegistryHive hive = readHive(data, size);
    const auto help = hive.value(kHelpKey, kHelpValue);
    const QString text = QStringLiteral("keys %1, values %2, help %3, sysinfo key %4, problems %5")
                             .arg(hive.keyCount())
                             .arg(hive.valueCount())
                             .arg(help ? QStringLiteral("%1:%2")
                                             .arg(help->type)
                                             .arg(QString::fromLatin1(help->data.toHex()))
                                       : QStringLiteral("none"))
                             .arg(hive.hasKey(kSysInfoKey) ? "yes" : "no")
                             .arg(hive.problems().size());
    return text.toStdString();
}
