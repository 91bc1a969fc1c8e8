// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/AffixFile.h"

#include "wordindex/TextDecoder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

namespace {

std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            result.push_back(line.substr(start, i - start));
    }
    return result;
}

std::optional<std::size_t> number(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool allAsciiLetters(std::u32string_view text)
{
    return !text.empty() && std::ranges::all_of(text, isAsciiLetter);
}

std::optional<std::vector<ConditionElement>> parseCondition(std::u32string_view text)
{
    std::vector<ConditionElement> elements;
    if (text == U".")
        return elements; // the common "any stem" needs no test
    for (std::size_t i = 0; i < text.size(); ++i) {
        ConditionElement element;
        if (text[i] == U'[') {
            const auto close = text.find(U']', i + 1);
            if (close == std::u32string_view::npos)
                return std::nullopt;
            std::u32string_view group = text.substr(i + 1, close - i - 1);
            if (group.starts_with(U'^')) {
                element.negated = true;
                group.remove_prefix(1);
            }
            element.chars = group;
            if (element.chars.empty() && !element.negated)
                return std::nullopt;
            i = close;
        } else if (text[i] != U'.') {
            element.chars = text[i];
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

bool languageWithOwnCaseMapping(std::string_view lang)
{
    for (const std::string_view prefix : { "tr", "az", "crh" }) {
        if (lang.starts_with(prefix)
            && (lang.size() == prefix.size() || lang[prefix.size()] == '_'
                || lang[prefix.size()] == '-'))
            return true;
    }
    return false;
}

// Directives with no effect on which words the checkers accept, or (for the
// compound details) none without a compound flag or rule, which refuses anyway.
constexpr std::array kHarmless { "TRY", "KEY", "REP", "MAP", "PHONE", "OCONV", "WORDCHARS",
    "NOSUGGEST", "KEEPCASE", "FORBIDDENWORD", "NEEDAFFIX", "PSEUDOROOT", "CIRCUMFIX",
    "LEMMA_PRESENT", "SUBSTANDARD", "WARN", "FORBIDWARN", "NOSPLITSUGS", "SUGSWITHDOTS",
    "MAXNGRAMSUGS", "ONLYMAXDIFF", "MAXDIFF", "MAXCPDSUGS", "FULLSTRIP", "CHECKSHARPS", "NAME",
    "VERSION", "HOME", "AUTHOR", "AM", "COMPOUNDMIN", "COMPOUNDWORDMAX", "CHECKCOMPOUNDDUP",
    "CHECKCOMPOUNDREP", "CHECKCOMPOUNDCASE", "CHECKCOMPOUNDTRIPLE", "SIMPLIFIEDTRIPLE",
    "CHECKCOMPOUNDPATTERN", "COMPOUNDPERMITFLAG", "COMPOUNDFORBIDFLAG", "COMPOUNDROOT",
    "ONLYINCOMPOUND", "COMPOUNDSYLLABLE", "SYLLABLENUM", "FORCEUCASE", "COMPOUNDMORESUFFIXES",
    "SET", "FLAG" };
constexpr std::array kCompoundFlags { "COMPOUNDFLAG", "COMPOUNDBEGIN", "COMPOUNDMIDDLE",
    "COMPOUNDEND", "COMPOUNDLAST" };

class Parser {
public:
    Parser(AffixFile &file, const TextDecoder &decoder, const ReadLimits &limits)
        : m_file(file)
        , m_decoder(decoder)
        , m_limits(limits)
    {
    }

    // False stops the reading: the file is refused.
    bool line(std::string_view raw)
    {
        const auto words = tokens(raw);
        if (words.empty() || words[0].starts_with('#'))
            return true;
        const std::string_view key = words[0];
        if (key == "PFX" || key == "SFX")
            return affix(key == "PFX", words);
        if (m_affixLeft > 0)
            return refuse("an affix class has fewer rules than it announces");
        if (key == "AF" || key == "BREAK" || key == "ICONV" || key == "COMPOUNDRULE")
            return table(key, words);
        if (key == "IGNORE")
            return refuse("IGNORE removes letters before the check");
        if (key == "COMPLEXPREFIXES")
            return refuse("COMPLEXPREFIXES turns the affix rules around");
        if (key == "LANG") {
            if (words.size() > 1 && languageWithOwnCaseMapping(words[1]))
                return refuse("LANG " + std::string(words[1]) + " maps letter case its own way");
            return true;
        }
        if (std::ranges::find(kCompoundFlags, key) != kCompoundFlags.end())
            return refuse(std::string(key) + " joins words into compounds");
        if (std::ranges::find(kHarmless, key) != kHarmless.end())
            return true;
        if (key[0] >= 'A' && key[0] <= 'Z')
            return refuse("the directive " + std::string(key.substr(0, 40)) + " is not understood");
        return true;
    }

    bool finish()
    {
        if (m_affixLeft > 0 || std::ranges::any_of(m_tableLeft, [](auto &e) { return e.second; }))
            return refuse("a table has fewer lines than it announces");
        return true;
    }

private:
    bool refuse(std::string reason)
    {
        m_file.refusal = std::move(reason);
        return false;
    }

    bool counted()
    {
        if (++m_rules > m_limits.maxRules)
            return refuse("the affix file has too many rules");
        return true;
    }

    bool table(std::string_view key, const std::vector<std::string_view> &words)
    {
        std::size_t &left = m_tableLeft[std::string(key)];
        if (left == 0) {
            const auto count = words.size() > 1 ? number(words[1]) : std::nullopt;
            if (!count)
                return refuse(std::string(key) + " has no count");
            left = *count;
            return true;
        }
        --left;
        if (!counted() || words.size() < 2)
            return words.size() < 2 ? refuse(std::string(key) + " line without a value") : false;
        if (key == "AF") {
            m_file.aliases.push_back(m_file.parseFlags(words[1]));
        } else if (key == "BREAK") {
            std::u32string pattern = m_decoder.decode(words[1]);
            if (pattern.starts_with(U'^'))
                pattern.erase(0, 1);
            if (pattern.ends_with(U'$'))
                pattern.pop_back();
            // A pattern with any character other than a letter never occurs in typed letters.
            if (pattern.empty() || allAsciiLetters(pattern))
                return refuse("BREAK splits words at letters");
        } else if (key == "ICONV") {
            if (allAsciiLetters(m_decoder.decode(words[1])))
                return refuse("ICONV converts letters before the check");
        } else {
            return compoundRule(words[1]);
        }
        return true;
    }

    bool compoundRule(std::string_view rule)
    {
        std::vector<CompoundRuleElement> elements;
        const bool grouped
            = m_file.flagType == FlagType::Long || m_file.flagType == FlagType::Number;
        std::u32string chars;
        if (!grouped)
            chars = m_file.flagType == FlagType::Utf8
                ? TextDecoder::forEncoding("UTF-8")->decode(rule)
                : std::u32string(rule.begin(), rule.end());
        if (grouped) {
            for (std::size_t i = 0; i < rule.size(); ++i) {
                if (rule[i] == '*' || rule[i] == '?') {
                    if (!elements.empty())
                        elements.back().optional = true;
                } else if (rule[i] == '(') {
                    const auto close = rule.find(')', i);
                    if (close == std::string_view::npos)
                        return refuse("COMPOUNDRULE with an open group");
                    for (const Flag f : m_file.parseFlags(rule.substr(i + 1, close - i - 1)))
                        elements.push_back({ f, false });
                    i = close;
                }
            }
        } else {
            for (const char32_t c : chars) {
                if (c == U'*' || c == U'?') {
                    if (!elements.empty())
                        elements.back().optional = true;
                } else {
                    elements.push_back({ static_cast<Flag>(c), false });
                }
            }
        }
        m_file.compoundRules.push_back(std::move(elements));
        return true;
    }

    bool affix(bool prefix, const std::vector<std::string_view> &words)
    {
        if (words.size() < 4)
            return refuse("an affix line is too short");
        if (m_affixLeft == 0) {
            const auto count = number(words[3]);
            if (!count || words[2].size() != 1)
                return refuse("an affix header is malformed");
            const FlagList flags = m_file.parseFlags(words[1]);
            if (flags.size() != 1)
                return refuse("an affix header names no single flag");
            m_affixFlag = flags[0];
            m_affixRawFlag = words[1];
            m_affixPrefix = prefix;
            m_affixCross = words[2] == "Y";
            m_affixLeft = *count;
            auto &table = prefix ? m_file.prefixes : m_file.suffixes;
            table[m_affixFlag].reserve(std::min<std::size_t>(*count, m_limits.maxRules));
            return true;
        }
        if (prefix != m_affixPrefix || words[1] != m_affixRawFlag)
            return refuse("an affix class has fewer rules than it announces");
        --m_affixLeft;
        if (!counted())
            return false;
        AffixRule rule;
        rule.cross = m_affixCross;
        if (words[2] != "0")
            rule.strip = m_decoder.decode(words[2]);
        std::string_view add = words[3];
        if (const auto slash = add.find('/'); slash != std::string_view::npos) {
            rule.continuation = m_file.parseFlags(add.substr(slash + 1));
            add = add.substr(0, slash);
        }
        if (add != "0")
            rule.add = m_decoder.decode(add);
        auto condition = parseCondition(words.size() > 4 ? m_decoder.decode(words[4]) : U".");
        if (!condition)
            return refuse("an affix condition is malformed");
        rule.condition = std::move(*condition);
        (prefix ? m_file.prefixes : m_file.suffixes)[m_affixFlag].push_back(std::move(rule));
        return true;
    }

    AffixFile &m_file;
    const TextDecoder &m_decoder;
    const ReadLimits &m_limits;
    std::size_t m_rules = 0;
    std::size_t m_affixLeft = 0;
    Flag m_affixFlag = 0;
    std::string m_affixRawFlag;
    bool m_affixPrefix = false;
    bool m_affixCross = false;
    std::unordered_map<std::string, std::size_t> m_tableLeft;
};

} // namespace

FlagList AffixFile::parseFlags(std::string_view raw) const
{
    FlagList flags;
    if (!aliases.empty() && !raw.empty()
        && std::ranges::all_of(raw, [](char c) { return c >= '0' && c <= '9'; })) {
        const auto index = number(raw);
        if (index && *index >= 1 && *index <= aliases.size())
            return aliases[*index - 1];
        return flags;
    }
    switch (flagType) {
    case FlagType::Char:
        for (const char c : raw)
            flags.push_back(static_cast<unsigned char>(c));
        break;
    case FlagType::Long:
        for (std::size_t i = 0; i < raw.size(); i += 2) {
            const auto high = static_cast<unsigned char>(raw[i]);
            const auto low = i + 1 < raw.size() ? static_cast<unsigned char>(raw[i + 1]) : 0u;
            flags.push_back((Flag(high) << 8) | low);
        }
        break;
    case FlagType::Number:
        for (std::size_t start = 0; start < raw.size();) {
            const auto comma = raw.find(',', start);
            const auto piece = raw.substr(start, comma - start);
            if (const auto value = number(piece); value && *value < (1u << 20))
                flags.push_back(static_cast<Flag>(*value));
            start = comma == std::string_view::npos ? raw.size() : comma + 1;
        }
        break;
    case FlagType::Utf8: {
        std::u32string chars;
        decodeUtf8(raw, chars);
        for (const char32_t c : chars)
            flags.push_back(static_cast<Flag>(c));
        break;
    }
    }
    std::ranges::sort(flags);
    flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
    return flags;
}

AffixFile parseAffixFile(std::string_view text, const ReadLimits &limits)
{
    AffixFile file;
    // The encoding and the flag syntax govern every other line, wherever they stand.
    const bool whole = forEachLine(text, limits.maxLineBytes, [&file](std::string_view line) {
        const auto words = tokens(line);
        if (words.size() >= 2 && words[0] == "SET")
            file.encoding = words[1];
        if (words.size() >= 2 && words[0] == "FLAG") {
            if (words[1] == "long")
                file.flagType = FlagType::Long;
            else if (words[1] == "num")
                file.flagType = FlagType::Number;
            else if (words[1] == "UTF-8")
                file.flagType = FlagType::Utf8;
            else
                file.refusal = "FLAG " + std::string(words[1].substr(0, 20)) + " is not understood";
        }
        return true;
    });
    if (!whole) {
        file.refusal = "the affix file has a line that is too long";
        return file;
    }
    if (!file.refusal.empty())
        return file;
    const auto decoder = TextDecoder::forEncoding(file.encoding);
    if (!decoder) {
        file.refusal = "the encoding " + file.encoding.substr(0, 40) + " is not known";
        return file;
    }
    Parser parser(file, *decoder, limits);
    bool ok = true;
    forEachLine(text, limits.maxLineBytes, [&](std::string_view line) {
        ok = parser.line(line);
        return ok;
    });
    if (ok)
        parser.finish();
    return file;
}
