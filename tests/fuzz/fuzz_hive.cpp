// libFuzzer target for the machine hive reader. Built by cmake/fuzz.sh with
// clang; linked with replay_main.cpp it reads the regression files in the
// test suite.
#include "registry/RegistryHive.h"

#include <cstdint>

namespace {

void readHive(const QByteArray &bytes)
{
    const RegistryHive hive = RegistryHive::parse(bytes);
    // Touch what the program looks up, so lookups run over whatever was read.
    (void)hive.value(QStringLiteral("Software\\KelmstarSoftware\\Quorvel\\Help"),
        QStringLiteral("help_file_location"));
    (void)hive.hasKey(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readHive(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
