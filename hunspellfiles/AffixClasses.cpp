// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The affix classes of an affix file (PFX and SFX): their headers, and the
// rules of each with what they strip, add and ask of a stem.
#include "hunspellfiles/AffixDirectives.h"

#include "hunspellfiles/Reason.h"
#include "hunspellfiles/TextDecoder.h"

#include <algorithm>
#include <optional>

namespace {

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
        // A character the decoder could not read may be anything to the
        // engine: it is taken as any character.
        if (element.chars.find(U'\uFFFD') != std::u32string::npos)
            element = {};
        elements.push_back(std::move(element));
    }
    return elements;
}

} // namespace

bool AffixDirectives::affix(const AffixLine &line)
{
    const auto &words = line.words;
    if (words.size() < 4)
        return refuse(Reason::mark("an affix line is too short"));
    // A Hunspell row belongs to the class of its block whatever its first word.
    if (m_file.dialect == Dialect::Hunspell && m_affixLeft > 0) {
        --m_affixLeft;
        if (!countRule())
            return false;
        return affixRule(line);
    }
    const bool prefix = line.keyword == "PFX";
    const Flag flag = m_file.firstFlag(words[1]);
    const auto known = std::ranges::find_if(
        m_file.classes, [&](const AffixClass &c) { return c.flag == flag && c.prefix == prefix; });
    const auto index = static_cast<std::size_t>(known - m_file.classes.begin());
    // Nuspell counts each class's rules wherever they stand; Hunspell reads
    // them as the lines right after the header (above, and line()).
    const bool row = m_file.dialect == Dialect::Nuspell && known != m_file.classes.end()
        && m_classLeft[index] > 0;
    if (row) {
        m_class = index;
        --m_classLeft[index];
        if (!countRule())
            return false;
        return affixRule(line);
    }
    if (m_file.dialect == Dialect::Nuspell && known != m_file.classes.end())
        return true; // a second header of a class Nuspell has read: passed over
    const auto count = lineCount(words[3]);
    if (!count)
        return refuse(Reason::mark("an affix header is malformed"));
    if (words[1].empty())
        return refuse(Reason::mark("an affix header names no flag"));
    m_affixLeft = *count;
    // Two headers whose flags begin alike (in a UTF-8 file read a byte a
    // flag) name one class to Hunspell, which takes the rules of both.
    m_class = index;
    if (known == m_file.classes.end()) {
        m_file.classes.push_back({ flag, prefix, false, {}, {}, {} });
        m_classLeft.push_back(*count);
    }
    m_file.classes[m_class].cross = m_file.classes[m_class].cross || words[2] == "Y";
    return true;
}

bool AffixDirectives::affixRule(const AffixLine &line)
{
    const auto &words = line.words;
    AffixRule rule;
    if (words[2] != "0")
        rule.strip = m_decoder.decode(words[2]);
    std::string_view add = words[3];
    if (const auto slash = add.find('/'); slash != std::string_view::npos) {
        rule.continuation = m_file.parseFlags(add.substr(slash + 1));
        add = add.substr(0, slash);
    }
    if (add != "0")
        rule.add = m_decoder.decode(add);
    // The engines drop ignored characters from what an affix adds.
    std::erase_if(
        rule.add, [this](char32_t c) { return m_file.ignored.find(c) != std::u32string::npos; });
    auto condition = parseCondition(words.size() > 4 ? m_decoder.decode(words[4]) : U".");
    if (!condition)
        return refuse(Reason::mark("an affix condition is malformed"));
    rule.condition = std::move(*condition);
    m_file.classes[m_class].rules.push_back(std::move(rule));
    return true;
}
