// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixLines.h"

#include "hunspellfiles/Reason.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace {

// Every keyword that one of the engines acts on. Hunspell has no
// COMPOUNDFIRST or COMPOUNDLAST and Nuspell none either; a line that
// neither engine knows changes nothing and is passed over.
constexpr auto kKeywords = std::to_array<std::string_view>(
    { "AF", "AM", "BREAK", "CHECKCOMPOUNDCASE", "CHECKCOMPOUNDDUP", "CHECKCOMPOUNDPATTERN",
        "CHECKCOMPOUNDREP", "CHECKCOMPOUNDTRIPLE", "CHECKNUM", "CHECKSHARPS", "CIRCUMFIX",
        "COMPLEXPREFIXES", "COMPOUNDBEGIN", "COMPOUNDEND", "COMPOUNDFLAG", "COMPOUNDFORBIDFLAG",
        "COMPOUNDMIDDLE", "COMPOUNDMIN", "COMPOUNDMORESUFFIXES", "COMPOUNDPERMITFLAG",
        "COMPOUNDROOT", "COMPOUNDRULE", "COMPOUNDSYLLABLE", "COMPOUNDWORDMAX", "FLAG",
        "FORBIDDENWORD", "FORBIDWARN", "FORCEUCASE", "FULLSTRIP", "ICONV", "IGNORE", "KEEPCASE",
        "KEY", "LANG", "LEMMA_PRESENT", "MAP", "MAXCPDSUGS", "MAXDIFF", "MAXNGRAMSUGS", "NEEDAFFIX",
        "NONGRAMSUGGEST", "NOSPLITSUGS", "NOSUGGEST", "OCONV", "ONLYINCOMPOUND", "ONLYMAXDIFF",
        "PFX", "PHONE", "PSEUDOROOT", "REP", "SET", "SFX", "SIMPLIFIEDTRIPLE", "SUBSTANDARD",
        "SUGSWITHDOTS", "SYLLABLENUM", "TRY", "VERSION", "WARN", "WORDCHARS" });

// Room for the longest keyword in capitals.
constexpr std::size_t kLongestKeyword = 24;
static_assert(std::ranges::all_of(
    kKeywords, [](std::string_view keyword) { return keyword.size() <= kLongestKeyword; }));

std::vector<std::string_view> blankSeparated(std::string_view line)
{
    std::vector<std::string_view> words;
    // An affix rule's line has five or six words: one allocation, not four
    // (hu_HU's 50,000 lines are split three times before the first answer).
    words.reserve(8);
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x))
            == std::toupper(static_cast<unsigned char>(y));
    });
}

// The FLAG type a line names, as the dialect's engine reads it.
std::optional<FlagType> flagTypeOf(const AffixLine &line, std::string_view raw, Dialect dialect)
{
    if (dialect == Dialect::Hunspell) {
        // Hunspell looks for the names anywhere in the line, the last found winning.
        std::optional<FlagType> type;
        if (raw.find("long") != std::string_view::npos)
            type = FlagType::Long;
        if (raw.find("num") != std::string_view::npos)
            type = FlagType::Number;
        if (raw.find("UTF-8") != std::string_view::npos)
            type = FlagType::Utf8;
        return type;
    }
    if (line.words.size() < 2)
        return std::nullopt;
    if (equalsIgnoringCase(line.words[1], "long"))
        return FlagType::Long;
    if (equalsIgnoringCase(line.words[1], "num"))
        return FlagType::Number;
    if (equalsIgnoringCase(line.words[1], "UTF-8"))
        return FlagType::Utf8;
    return std::nullopt;
}

bool usesFlags(std::string_view keyword)
{
    return keyword == "PFX" || keyword == "SFX" || keyword == "AF"
        || (keyword.size() > 4 && keyword != "COMPOUNDMIN" && keyword != "COMPOUNDWORDMAX"
            && keyword != "CHECKCOMPOUNDPATTERN" && keyword != "COMPOUNDSYLLABLE"
            && (keyword.ends_with("FLAG") || keyword.starts_with("COMPOUND")
                || keyword == "NEEDAFFIX" || keyword == "CIRCUMFIX"
                || keyword == "ONLYINCOMPOUND"));
}

} // namespace

AffixLine splitAffixLine(std::string_view line, Dialect dialect)
{
    AffixLine split;
    split.words = blankSeparated(line);
    if (split.words.empty())
        return split;
    if (dialect == Dialect::Hunspell) {
        // Hunspell compares the start of the line, in capitals, with each keyword.
        for (const std::string_view keyword : kKeywords) {
            if (line.starts_with(keyword)
                && (keyword != "FLAG"
                    || (line.size() > 4 && std::isspace(static_cast<unsigned char>(line[4]))))) {
                split.keyword = keyword;
                break;
            }
        }
        return split;
    }
    // Nuspell compares the first word in ASCII capitals with each keyword.
    const std::string_view first = split.words[0];
    if (first.size() > kLongestKeyword)
        return split;
    std::array<char, kLongestKeyword> capitals {};
    std::ranges::transform(first, capitals.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    const std::string_view word(capitals.data(), first.size());
    for (const std::string_view keyword : kKeywords) {
        if (keyword == word) {
            split.keyword = keyword;
            break;
        }
    }
    return split;
}

bool readSettings(std::string_view text, Dialect dialect, const ReadLimits &limits, AffixFile &file)
{
    bool flagsSeen = false;
    std::optional<std::string> encoding;
    const bool whole = forEachLine(text, limits.maxLineBytes, [&](std::string_view raw) {
        const AffixLine line = splitAffixLine(raw, dialect);
        if (line.keyword == "SET" && line.words.size() >= 2) {
            std::string name(line.words[1]);
            if (dialect == Dialect::Nuspell)
                std::ranges::transform(
                    name, name.begin(), [](unsigned char c) { return std::toupper(c); });
            if (encoding && *encoding != name)
                file.refusal = Reason::mark("the affix file names more than one encoding");
            encoding = name;
        } else if (line.keyword == "FLAG") {
            // A type neither engine knows leaves the one they had.
            const auto type = flagTypeOf(line, raw, dialect).value_or(file.flagType);
            if (flagsSeen && type != file.flagType)
                file.refusal = Reason::mark("FLAG comes after lines that use flags");
            else
                file.flagType = type;
        } else if (usesFlags(line.keyword)) {
            flagsSeen = true;
        }
        return file.refusal.empty();
    });
    if (!whole)
        file.refusal = Reason::mark("the affix file has a line that is too long");
    if (encoding)
        file.encoding = *encoding;
    return file.refusal.empty();
}

std::optional<std::size_t> lineCount(std::string_view word)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}
