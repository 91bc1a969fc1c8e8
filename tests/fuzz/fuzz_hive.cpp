// libFuzzer target for the machine hive reader. Built by cmake/fuzz.sh with
// clang; built as a plain program (QUORVEL_REPLAY) it reads each file named
// on the command line, so the regression files run in the test suite.
#include "platform/RegistryHive.h"

#include <QFile>
#include <cstdint>
#include <cstdio>

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

#ifdef QUORVEL_REPLAY
int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        readHive(file.readAll());
    }
    std::printf("%d passed, 0 failed\n", argc - 1);
    return 0;
}
#endif
