// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the help file reader: open, read #SYSTEM, read the
// default topic. Built by cmake/fuzz.sh with clang;
// linked with replay_main.cpp it reads the regression files in the test suite.
#include "helpviewer/ChmArchive.h"

#include <cstdint>

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
