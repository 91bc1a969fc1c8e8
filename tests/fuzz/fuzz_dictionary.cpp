// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for what the program itself does with a dictionary's
// affix file: the word index, read as each engine reads the file, the
// search for compounds through it, and the words the self-test asks for.
// (The engines load an unknown dictionary only in a helper process of their
// own, so that what they do on a hostile file cannot reach the program.)
// The word list is small and fixed. Built by cmake/fuzz.sh with clang;
// linked with replay_main.cpp it reads the regression files in the test
// suite and checks each against dictionary-expected.tsv.
#include "candidates/CompoundSearch.h"
#include "hunspellfiles/SelfTestWords.h"
#include "wordindex/IndexBuilder.h"

#include <cstdint>
#include <string>

namespace {

constexpr char kWords[] = "5\nhello\ncat\nact/S\ntac/PS\ndog/XS\n";

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
    std::string text;
    for (const auto &[dialect, name] :
        { std::pair(Dialect::Nuspell, "Nuspell"), std::pair(Dialect::Hunspell, "Hunspell") }) {
        for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
            const WordIndexBuild build = buildWordIndex(aff, kWords, dialect, {}, nullptr, kind);
            text += std::string(text.empty() ? "" : ", ") + name
                + (kind == IndexKind::Stems ? " stems: " : ": ");
            if (!build.forms) {
                text += "no index (" + build.refusal + ")";
                continue;
            }
            const FormsWithin within = build.forms->within("catdogs");
            if (!within.index) {
                text += "no forms (" + within.unfinished + ")";
                continue;
            }
            CompoundBudget budget;
            budget.maxTime = std::chrono::milliseconds(200);
            const auto compounds = compoundCandidates(*within.index, "catdogs", budget);
            text += "index " + std::to_string(build.forms->size())
                + (kind == IndexKind::Stems
                        ? " stems, " + std::to_string(within.index->formCount()) + " forms within, "
                        : std::string(" forms, "))
                + std::to_string(compounds.words.size()) + " compounds";
            if (!compounds.unfinished.empty())
                text += " (" + compounds.unfinished + ")";
        }
    }
    text += ", " + std::to_string(selfTestWords(aff, kWords, Dialect::Nuspell).size())
        + " self-test words";
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
