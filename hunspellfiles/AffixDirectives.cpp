// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixDirectives.h"

#include "hunspellfiles/Reason.h"
#include "hunspellfiles/TextDecoder.h"

#include <algorithm>

namespace {

// Options after which a compound of bare stems that COMPOUNDFLAG joins is
// still a word, written in small letters or capitalised: the affixes and
// their flags (a bare stem has none), suggestions, the characters of words.
// BREAK and SIMPLIFIEDTRIPLE only add words; CHECKCOMPOUNDTRIPLE refuses
// three same letters at a boundary, which the search for compounds sees
// (CompoundSettings::checkTriple). Any other may refuse such a compound (the
// other checks at a boundary, forbidden and case-keeping words, a language's
// own rules).
bool leavesCompoundsCertain(std::string_view keyword)
{
    static constexpr std::string_view kFollowed[] = { "AF", "AM", "BREAK", "CHECKCOMPOUNDTRIPLE",
        "CIRCUMFIX", "COMPOUNDBEGIN", "COMPOUNDEND", "COMPOUNDFLAG", "COMPOUNDMIDDLE",
        "COMPOUNDMIN", "COMPOUNDMORESUFFIXES", "COMPOUNDPERMITFLAG", "COMPOUNDWORDMAX", "FLAG",
        "FULLSTRIP", "HOME", "KEY", "MAP", "MAXCPDSUGS", "MAXDIFF", "MAXNGRAMSUGS", "NAME",
        "NOSPLITSUGS", "NOSUGGEST", "ONLYINCOMPOUND", "ONLYMAXDIFF", "PFX", "PHONE", "REP", "SET",
        "SFX", "SIMPLIFIEDTRIPLE", "SUGSWITHDOTS", "TRY", "VERSION", "WARN", "WORDCHARS" };
    return std::ranges::find(kFollowed, keyword) != std::end(kFollowed);
}

// Options whose effect on a compound of COMPOUNDBEGIN, COMPOUNDMIDDLE and
// COMPOUNDEND parts the index follows part by part (FormRole::Doubt): a
// forbidden or case-keeping word, or a stem that needs an affix, leaves its
// own forms in doubt; sharp s matters only to words in capitals.
bool leavesPartsCertain(std::string_view keyword)
{
    static constexpr std::string_view kFollowed[]
        = { "CHECKSHARPS", "FORBIDDENWORD", "KEEPCASE", "NEEDAFFIX" };
    return leavesCompoundsCertain(keyword)
        || std::ranges::find(kFollowed, keyword) != std::end(kFollowed);
}

bool isAsciiLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool allAsciiLetters(std::u32string_view text)
{
    return !text.empty() && std::ranges::all_of(text, isAsciiLetter);
}

// Conversions that can touch typed letters and that the index models: a
// run of letters turned into one character that no typed word can hold.
// Others (letters into other letters, digits or nothing) change which
// strings the checker accepts in ways the index does not follow.
bool modelledConversion(std::u32string_view from, std::u32string_view to)
{
    return to.size() == 1 && to[0] > 0x7F && to[0] != U'\uFFFD' && !from.empty();
}

} // namespace

AffixDirectives::AffixDirectives(
    AffixFile &file, const TextDecoder &decoder, const ReadLimits &limits)
    : m_file(file)
    , m_decoder(decoder)
    , m_limits(limits)
{
}

bool AffixDirectives::refuse(std::string reason)
{
    m_file.refusal = std::move(reason);
    return false;
}

bool AffixDirectives::countRule()
{
    if (++m_rules > m_limits.maxRules)
        return refuse(Reason::mark("the affix file has too many rules"));
    return true;
}

bool AffixDirectives::inBlock() const
{
    return m_affixLeft > 0 || std::ranges::any_of(m_tableLeft, [](auto &e) { return e.second; });
}

void AffixDirectives::stop()
{
    // Hunspell gives up reading the file's directives where a block breaks
    // off, but still reads the aliases and IGNORE, which it takes in a pass
    // of its own.
    m_stopped = true;
    m_affixLeft = 0;
    for (auto &entry : m_tableLeft)
        entry.second = 0;
}

bool AffixDirectives::line(const AffixLine &line)
{
    const std::string_view keyword = line.keyword;
    const bool hunspell = m_file.dialect == Dialect::Hunspell;
    // Hunspell takes the lines after a header or a table's count as its
    // rows, whatever they hold; one that is not a row ends its reading.
    // An affix row is told by its flag alone: Hunspell passes over its
    // first word, so "SFT" in a block of SFX rows is one of them (mn_MN).
    if (hunspell && inBlock()) {
        const bool row = m_affixLeft > 0
            ? line.words.size() > 1
                && m_file.firstFlag(line.words[1]) == m_file.classes[m_class].flag
            : m_tableLeft.contains(keyword) && m_tableLeft.find(keyword)->second > 0;
        if (!row) {
            stop();
            return true;
        }
        if (m_affixLeft > 0)
            return affix(line);
    }
    if (keyword.empty() || (m_stopped && keyword != "AF" && keyword != "IGNORE"))
        return true;
    if (!leavesCompoundsCertain(keyword))
        m_doubts = true;
    if (!leavesPartsCertain(keyword))
        m_partDoubts = true;
    if (keyword == "PFX" || keyword == "SFX")
        return affix(line);
    if (keyword == "AF" || keyword == "AM" || keyword == "BREAK" || keyword == "ICONV"
        || keyword == "COMPOUNDRULE" || keyword == "CHECKCOMPOUNDPATTERN" || keyword == "REP"
        || keyword == "MAP" || keyword == "PHONE" || keyword == "OCONV")
        return table(keyword, line);
    if (keyword == "COMPLEXPREFIXES")
        return refuse(Reason::mark("COMPLEXPREFIXES turns the affix rules around"));
    if (keyword == "IGNORE") {
        if (line.words.size() < 2)
            return true;
        m_file.ignored = m_decoder.decode(line.words[1]);
        if (std::ranges::any_of(m_file.ignored, isAsciiLetter))
            return refuse(Reason::mark("IGNORE removes letters before the check"));
        return true;
    }
    if (keyword == "COMPOUNDMIN" || keyword == "COMPOUNDWORDMAX") {
        const auto value = line.words.size() > 1 ? lineCount(line.words[1]) : std::nullopt;
        if (!value)
            return true; // the engines keep their default
        if (keyword == "COMPOUNDWORDMAX")
            m_file.compounds.maxWords = *value;
        else if (m_file.dialect == Dialect::Hunspell)
            m_file.compounds.minPart = std::max<std::size_t>(*value, 1);
        else
            m_file.compounds.minPart = *value == 0 ? 3 : *value;
        return true;
    }
    if (keyword == "COMPOUNDSYLLABLE") {
        m_file.compounds.syllableLimit = true;
        return true;
    }
    if (keyword == "CHECKCOMPOUNDTRIPLE") {
        m_file.compounds.checkTriple = true;
        return true;
    }
    if (keyword == "SIMPLIFIEDTRIPLE" || keyword == "COMPOUNDMORESUFFIXES") {
        (keyword == "SIMPLIFIEDTRIPLE" ? m_file.compounds.simplifiedTriple
                                       : m_file.compounds.moreSuffixes)
            = true;
        return true;
    }
    return flagDirective(keyword, line);
}

bool AffixDirectives::flagDirective(std::string_view keyword, const AffixLine &line)
{
    CompoundModel &compounds = m_file.compounds;
    const std::pair<std::string_view, Flag *> flags[] = { { "COMPOUNDFLAG", &compounds.anywhere },
        { "COMPOUNDBEGIN", &compounds.begin }, { "COMPOUNDMIDDLE", &compounds.middle },
        { "COMPOUNDEND", &compounds.end }, { "ONLYINCOMPOUND", &compounds.onlyInCompound },
        { "COMPOUNDPERMITFLAG", &compounds.permit }, { "COMPOUNDFORBIDFLAG", &compounds.forbid },
        { "COMPOUNDROOT", &compounds.root }, { "NEEDAFFIX", &m_file.needAffix },
        { "CIRCUMFIX", &m_file.circumfix }, { "FORBIDDENWORD", &m_file.forbiddenWord },
        { "KEEPCASE", &m_file.keepCase } };
    for (const auto &[name, flag] : flags) {
        if (keyword == name) {
            if (line.words.size() > 1)
                *flag = m_file.firstFlag(line.words[1]);
            return true;
        }
    }
    return true; // no effect on which words are accepted
}

bool AffixDirectives::table(std::string_view keyword, const AffixLine &line)
{
    const auto left = m_tableLeft.find(keyword);
    if (left == m_tableLeft.end()) {
        const auto count = line.words.size() > 1 ? lineCount(line.words[1]) : std::nullopt;
        if (!count)
            return refuse(Reason::with(Reason::kNoCount, keyword));
        m_tableLeft.emplace(std::string(keyword), *count);
        return true;
    }
    // A table once read, the engines take no second one: Hunspell stops,
    // Nuspell passes over the extra lines.
    if (left->second == 0) {
        if (m_file.dialect == Dialect::Hunspell)
            stop();
        return true;
    }
    --left->second;
    if (!countRule())
        return false;
    return tableLine(keyword, line);
}

bool AffixDirectives::tableLine(std::string_view keyword, const AffixLine &line)
{
    if (line.words.size() < 2)
        return refuse(Reason::with(Reason::kNoValue, keyword));
    const std::string_view value = line.words[1];
    if (keyword == "AF") {
        m_file.aliases.push_back(m_file.parseFlagsAsWritten(value));
    } else if (keyword == "BREAK") {
        std::u32string pattern = m_decoder.decode(value);
        if (pattern.starts_with(U'^'))
            pattern.erase(0, 1);
        if (pattern.ends_with(U'$'))
            pattern.pop_back();
        // A pattern with any character other than a letter never occurs in typed letters.
        if (pattern.empty() || allAsciiLetters(pattern))
            return refuse(Reason::mark("BREAK splits words at letters"));
        m_file.breaks.push_back(std::move(pattern));
    } else if (keyword == "ICONV") {
        std::u32string from = m_decoder.decode(value);
        std::u32string to = line.words.size() > 2 ? m_decoder.decode(line.words[2]) : U"";
        // "_" marks the start or the end of the word, which letters can be at.
        std::erase(from, U'_');
        if (m_file.typedConversions.size() < kMaxTypedConversions)
            m_file.typedConversions.emplace_back(from, to);
        // Only a pattern of letters alone can match in typed letters.
        const bool intoDigits = !to.empty()
            && std::ranges::all_of(to, [](char32_t c) { return c >= U'0' && c <= U'9'; });
        if (allAsciiLetters(from) && intoDigits) {
            // Whether the index may stand in then depends on the alphabet
            // (wordindex/IndexBuilder).
            if (m_file.numberConversions.size() >= kMaxTypedConversions)
                return refuse(Reason::mark("ICONV converts letters before the check"));
            m_file.numberConversions.push_back(std::move(from));
        } else if (allAsciiLetters(from)) {
            if (!modelledConversion(from, to))
                return refuse(Reason::mark("ICONV converts letters before the check"));
            m_file.inputConversions.emplace_back(std::move(from), std::move(to));
        }
    } else if (keyword == "COMPOUNDRULE") {
        return compoundRule(value);
    } else if (keyword == "CHECKCOMPOUNDPATTERN") {
        return compoundPattern(line);
    }
    return true;
}

bool AffixDirectives::compoundPattern(const AffixLine &line)
{
    // Without a replacement a pattern only forbids compounds.
    if (line.words.size() < 4 || line.words[3].starts_with('#'))
        return true;
    const auto chars = [this](std::string_view field) {
        return m_decoder.decode(field.substr(0, field.find('/')));
    };
    m_file.compounds.replacements.push_back(
        { chars(line.words[1]), chars(line.words[2]), m_decoder.decode(line.words[3]) });
    return true;
}

bool AffixDirectives::compoundRule(std::string_view rule)
{
    std::vector<RuleElement> elements;
    const auto quantifier = [&elements](char c) {
        if (!elements.empty()) {
            elements.back().optional = true;
            elements.back().repeats = elements.back().repeats || c == '*';
        }
    };
    if (m_file.flagType == FlagType::Long || m_file.flagType == FlagType::Number) {
        for (std::size_t i = 0; i < rule.size(); ++i) {
            if (rule[i] == '*' || rule[i] == '?') {
                quantifier(rule[i]);
            } else if (rule[i] == '(') {
                const auto close = rule.find(')', i);
                if (close == std::string_view::npos)
                    return refuse(Reason::mark("COMPOUNDRULE with an open group"));
                for (const Flag flag : m_file.parseFlags(rule.substr(i + 1, close - i - 1)))
                    elements.push_back({ flag });
                i = close;
            }
        }
    } else {
        // One flag a character: a byte, or in UTF-8 a whole character.
        std::u32string chars;
        if (m_file.flagType == FlagType::Utf8)
            decodeUtf8(rule, chars);
        else
            std::ranges::transform(rule, std::back_inserter(chars),
                [](char c) { return static_cast<char32_t>(static_cast<unsigned char>(c)); });
        for (const char32_t c : chars) {
            if (c == U'*' || c == U'?')
                quantifier(static_cast<char>(c));
            else if (c <= 0xFFFF)
                elements.push_back({ static_cast<Flag>(c) });
        }
    }
    m_file.compounds.rules.push_back(std::move(elements));
    return true;
}
