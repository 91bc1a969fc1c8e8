// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the word index needs of a Hunspell affix file: the flag syntax, the
// alias tables, the prefixes and suffixes, and whatever lets the checkers
// accept a word that affixes alone cannot produce (compounding, BREAK, ICONV,
// IGNORE, a language with its own case mapping). The file is outside input:
// every count and length is bounded, and what is not understood makes the
// index "not trusted" rather than wrong.

using Flag = std::uint32_t;
using FlagList = std::vector<Flag>; // sorted, no repeats

enum class FlagType { Char, Long, Number, Utf8 };

struct ConditionElement {
    std::u32string chars; // empty with !negated: any character
    bool negated = false;
};

struct AffixRule {
    std::u32string strip;
    std::u32string add;
    FlagList continuation;
    std::vector<ConditionElement> condition;
    bool cross = false;
};

struct CompoundRuleElement {
    Flag flag = 0;
    bool optional = false; // followed by * or ?
};

struct ReadLimits {
    std::size_t maxFileBytes = 64u << 20;
    std::size_t maxLineBytes = 8192;
    std::size_t maxRules = 200'000; // affix rules, aliases and pattern lines together
    std::size_t maxFormsPerStem = 20'000;
    std::size_t maxTotalForms = 30'000'000; // generated, before folding
    std::size_t maxStoredForms = 4'000'000;
    std::size_t maxEntries = 5'000'000;
    std::size_t maxRuleTests = 400'000'000; // affix rules tried on stems, in all
};

struct AffixFile {
    FlagType flagType = FlagType::Char;
    std::string encoding = "ISO8859-1";
    std::vector<FlagList> aliases; // AF, numbered from 1
    std::unordered_map<Flag, std::vector<AffixRule>> prefixes;
    std::unordered_map<Flag, std::vector<AffixRule>> suffixes;
    std::vector<std::vector<CompoundRuleElement>> compoundRules;
    std::string refusal; // why the index cannot be trusted; empty when it can

    // The flags of a dictionary entry or an affix's continuation, aliases resolved.
    [[nodiscard]] FlagList parseFlags(std::string_view raw) const;
};

// Reads the affix file's text. Never throws; problems land in refusal.
[[nodiscard]] AffixFile parseAffixFile(std::string_view text, const ReadLimits &limits = {});

// Splits a file's text into lines without their end-of-line characters.
// Gives false when a line is longer than the limit.
template<typename Visitor>
bool forEachLine(std::string_view text, std::size_t maxLine, Visitor &&visit)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.size() > maxLine)
            return false;
        if (!visit(line))
            return true;
    }
    return true;
}
