// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for what the program does with a dictionary's affix
// file: the word index built from it, and the two spelling engines, which
// load it only when the look before loading lets them (Nuspell dies on some
// affix files that it should refuse). The word list is small and fixed.
// Built by cmake/fuzz.sh with clang; linked with replay_main.cpp it reads the
// regression files in the test suite and checks each against
// dictionary-expected.tsv.
#include "spelling/SpellEngines.h"
#include "wordindex/WordIndex.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr char kWords[] = "4\nhello\ncat\nact/S\ntac/PS\n";

// The affix file, written where the engines can load it.
std::filesystem::path writeDictionary(const std::uint8_t *data, std::size_t size)
{
    const auto base = std::filesystem::temp_directory_path()
        / ("quorvel-fuzz-dictionary-" + std::to_string(getpid()));
    std::ofstream(base.string() + ".aff", std::ios::binary)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    std::ofstream(base.string() + ".dic", std::ios::binary) << kWords;
    return base;
}

std::string engineVerdict(SpellEngineFactory &factory, std::string_view progId)
{
    const auto checker = factory.create(progId);
    if (!checker)
        return "refused";
    const auto cat = checker->checkSpelling("cat");
    return cat ? (*cat ? "cat" : "no cat") : "fails";
}

// One line of plain text, whatever bytes a refusal quotes.
std::string printable(const std::string &text)
{
    std::string line;
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f) {
            line += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            line += "\\x";
            line += kHex[c >> 4];
            line += kHex[c & 15];
        }
    }
    return line;
}

std::string describe(const std::uint8_t *data, std::size_t size)
{
    const std::string_view aff(reinterpret_cast<const char *>(data), size);
    const WordIndexBuild build = buildWordIndex(aff, kWords);
    std::string text = build.index ? "index " + std::to_string(build.index->formCount()) + " forms"
                                   : "no index (" + build.refusal + ")";
    const auto base = writeDictionary(data, size);
    SpellEngineFactory factory([base] { return std::vector { base }; });
    text += ", Nuspell " + engineVerdict(factory, SpellEngineFactory::kNuspellProgId);
    text += ", Hunspell " + engineVerdict(factory, SpellEngineFactory::kHunspellProgId);
    std::filesystem::remove(base.string() + ".aff");
    std::filesystem::remove(base.string() + ".dic");
    return printable(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)describe(data, size);
    return 0;
}

std::string quorvelDescribeInput(const std::uint8_t *data, std::size_t size)
{
    return describe(data, size);
}
