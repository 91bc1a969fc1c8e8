// libFuzzer target for the help file reader: open, read #SYSTEM, read the
// default topic. Built by cmake/fuzz.sh with clang; built as a plain program
// (QUORVEL_REPLAY) it reads each file named on the command line, so the
// regression files run in the test suite.
#include "platform/ChmArchive.h"

#include <QFile>
#include <cstdint>
#include <cstdio>

namespace {

void readHelpFile(const QByteArray &bytes)
{
    const auto archive = ChmArchive::fromBytes(bytes);
    if (!archive)
        return;
    (void)archive->read(archive->defaultTopic());
    (void)archive->read(archive->contentsFile());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readHelpFile(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
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
        readHelpFile(file.readAll());
    }
    std::printf("%d passed, 0 failed\n", argc - 1);
    return 0;
}
#endif
