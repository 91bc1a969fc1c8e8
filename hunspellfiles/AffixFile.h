// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the word index needs of a Hunspell affix file: the flag syntax, the
// alias tables, the prefixes and suffixes, how words join into compounds,
// and what the checkers do to a word before they look it up (ICONV,
// IGNORE, BREAK). The file is outside input: every count and length is
// bounded, and what cannot be modelled makes the index "not trusted"
// rather than wrong.

// Both engines keep flags in 16 bits.
using Flag = std::uint16_t;
using FlagList = std::vector<Flag>; // sorted, no repeats

enum class FlagType { Char, Long, Number, Utf8 };

// The engines read some lines of an affix file differently: Nuspell takes
// a keyword in any letter case and after blanks, Hunspell only as the start
// of the line in capitals (and then also as the start of a longer word).
// The index follows the engine that answers.
enum class Dialect { Nuspell, Hunspell };

struct ConditionElement {
    std::u32string chars; // empty with !negated: any character
    bool negated = false;
};

struct AffixRule {
    std::u32string strip;
    std::u32string add;
    FlagList continuation;
    std::vector<ConditionElement> condition;
    std::uint32_t id = 0; // the rule's number among all of the file's rules
};

// The rules of one flag. Suffix rules are filed by the character the stem
// must end with (prefix rules: start with), so that a stem meets only the
// rules that can apply to it.
struct AffixClass {
    Flag flag = 0;
    bool prefix = false;
    bool cross = false;
    std::vector<AffixRule> rules;
    std::vector<std::pair<char32_t, std::uint32_t>> byEdge; // sorted by character
    std::vector<std::uint32_t> anyEdge;
};

struct ReadLimits {
    std::size_t maxFileBytes = 64u << 20;
    std::size_t maxLineBytes = 8192;
    std::size_t maxRules = 200'000; // affix rules, aliases and pattern lines together
    std::size_t maxFormsPerStem = 200'000;
    std::size_t maxStoredForms = 16'000'000;
    std::size_t maxEntries = 5'000'000;
    std::size_t maxRuleTests = 2'000'000'000; // affix rules tried on stems, in all
};

// One element of a COMPOUNDRULE: a flag, and whether it may repeat or be left out.
struct RuleElement {
    Flag flag = 0;
    bool repeats = false; // *
    bool optional = false; // ? or *
};

// A CHECKCOMPOUNDPATTERN line with a replacement: where a compound has the
// replacement at a boundary, its parts end with endChars and begin with
// beginChars.
struct BoundaryReplacement {
    std::u32string endChars;
    std::u32string beginChars;
    std::u32string replacement;
};

struct CompoundModel {
    Flag anywhere = 0; // COMPOUNDFLAG
    Flag begin = 0;
    Flag middle = 0;
    Flag end = 0;
    Flag onlyInCompound = 0;
    Flag permit = 0;
    Flag forbid = 0;
    Flag root = 0;
    std::size_t minPart = 3; // letters of the shortest part
    std::size_t maxWords = 0; // 0: no limit
    bool simplifiedTriple = false;
    bool checkTriple = false; // CHECKCOMPOUNDTRIPLE: no three same letters at a boundary
    bool moreSuffixes = false;
    bool syllableLimit = false; // COMPOUNDSYLLABLE: more words if they are short
    // Every option of the file is one that leaves a compound of bare stems
    // with COMPOUNDFLAG as certain as the search for compounds takes it
    // (no CHECKCOMPOUND* but the triple check, FORBIDDENWORD, KEEPCASE, LANG
    // and the like).
    bool onlyFollowedOptions = false;
    // Every option of the file is one whose effect on a compound of
    // COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND parts the index tells
    // part by part (besides those above: FORBIDDENWORD, KEEPCASE, NEEDAFFIX
    // and CHECKSHARPS; no CHECKCOMPOUND* at all, no COMPOUNDRULE).
    bool onlyFollowedPartOptions = false;
    std::vector<std::vector<RuleElement>> rules;
    std::vector<BoundaryReplacement> replacements;

    [[nodiscard]] bool classic() const { return anywhere || begin || middle || end; }
    [[nodiscard]] bool any() const { return classic() || !rules.empty(); }
    // Whether the index tells each form of COMPOUNDBEGIN, COMPOUNDMIDDLE or
    // COMPOUNDEND parts sure or in doubt (FormRole::Doubt).
    [[nodiscard]] bool settlesByParts() const
    {
        // COMPOUNDWORDMAX: the engines count the parts each its own way.
        return onlyFollowedPartOptions && anywhere == 0 && (begin || middle || end) && rules.empty()
            && maxWords == 0;
    }
};

inline constexpr std::size_t kMaxTypedConversions = 4096;

struct AffixFile {
    Dialect dialect = Dialect::Nuspell;
    FlagType flagType = FlagType::Char;
    std::string encoding = "ISO8859-1";
    std::vector<FlagList> aliases; // AF, numbered from 1
    std::vector<AffixClass> classes;
    std::vector<std::uint32_t> prefixOf; // flag -> index + 1 in classes, 0: none
    std::vector<std::uint32_t> suffixOf;
    CompoundModel compounds;
    Flag needAffix = 0;
    Flag circumfix = 0;
    Flag forbiddenWord = 0;
    Flag keepCase = 0;
    std::vector<std::pair<std::u32string, std::u32string>> inputConversions; // ICONV
    // Every ICONV pair, whatever it converts (the first so many): a letter
    // typed that the checker turns into the dictionary's letters.
    std::vector<std::pair<std::u32string, std::u32string>> typedConversions;
    // ICONV patterns of letters that it turns into digits alone: a word
    // of them is a number to the checker, whatever the word list holds.
    std::vector<std::u32string> numberConversions;
    std::u32string ignored; // IGNORE
    std::vector<std::u32string> breaks; // BREAK, anchors removed
    std::string refusal; // why the index cannot be trusted; empty when it can

    // The flags of a dictionary entry or an affix's continuation, aliases resolved.
    [[nodiscard]] FlagList parseFlags(std::string_view raw) const;
    // The flags the text spells, as an alias itself is written.
    [[nodiscard]] FlagList parseFlagsAsWritten(std::string_view raw) const;
    // The one flag of an affix header or rule: the first one its text names.
    [[nodiscard]] Flag firstFlag(std::string_view raw) const;
    [[nodiscard]] const AffixClass *prefix(Flag flag) const
    {
        return prefixOf.empty() || !prefixOf[flag] ? nullptr : &classes[prefixOf[flag] - 1];
    }
    [[nodiscard]] const AffixClass *suffix(Flag flag) const
    {
        return suffixOf.empty() || !suffixOf[flag] ? nullptr : &classes[suffixOf[flag] - 1];
    }
};

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
