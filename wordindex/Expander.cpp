// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/Expander.h"

#include <algorithm>

namespace {

bool elementMatches(const ConditionElement &element, char32_t c)
{
    if (element.chars.empty())
        return true;
    const bool inGroup = element.chars.find(c) != std::u32string::npos;
    return inGroup != element.negated;
}

// The condition is tested where the stem keeps its letters. A stem shorter
// than the condition is tested on the letters it has: a form too many is
// harmless, a form too few is not.
bool suffixConditionHolds(const AffixRule &rule, std::u32string_view stem)
{
    if (!stem.ends_with(rule.strip))
        return false;
    const auto &condition = rule.condition;
    const std::size_t overlap = std::min(condition.size(), stem.size());
    for (std::size_t i = 0; i < overlap; ++i) {
        if (!elementMatches(
                condition[condition.size() - overlap + i], stem[stem.size() - overlap + i]))
            return false;
    }
    return true;
}

bool prefixConditionHolds(const AffixRule &rule, std::u32string_view stem)
{
    if (!stem.starts_with(rule.strip))
        return false;
    const std::size_t overlap = std::min(rule.condition.size(), stem.size());
    for (std::size_t i = 0; i < overlap; ++i) {
        if (!elementMatches(rule.condition[i], stem[i]))
            return false;
    }
    return true;
}

std::u32string withSuffix(const AffixRule &rule, const std::u32string &stem)
{
    std::u32string form = stem.substr(0, stem.size() - rule.strip.size());
    form += rule.add;
    return form;
}

std::u32string withPrefix(const AffixRule &rule, const std::u32string &stem)
{
    return rule.add + stem.substr(rule.strip.size());
}

FlagList merged(const FlagList &a, const FlagList &b)
{
    FlagList all;
    std::ranges::set_union(a, b, std::back_inserter(all));
    return all;
}

} // namespace

std::optional<std::string> foldToLetters(std::u32string_view word)
{
    std::string letters;
    letters.reserve(word.size());
    for (const char32_t c : word) {
        if (c >= U'a' && c <= U'z') {
            letters.push_back(static_cast<char>(c));
        } else if (c >= U'A' && c <= U'Z') {
            letters.push_back(static_cast<char>(c - U'A' + U'a'));
        } else {
            switch (c) {
            case U'\u00DF': // ß
            case U'\u1E9E': // ẞ
                letters += "ss";
                break;
            case U'\u0131': // dotless i
            case U'\u0130': // capital I with dot
                letters += 'i';
                break;
            case U'\u017F': // long s
                letters += 's';
                break;
            case U'\u212A': // Kelvin sign
                letters += 'k';
                break;
            case U'\uFB00':
                letters += "ff";
                break;
            case U'\uFB01':
                letters += "fi";
                break;
            case U'\uFB02':
                letters += "fl";
                break;
            case U'\uFB03':
                letters += "ffi";
                break;
            case U'\uFB04':
                letters += "ffl";
                break;
            case U'\uFB05':
            case U'\uFB06':
                letters += "st";
                break;
            default:
                return std::nullopt;
            }
        }
    }
    return letters;
}

Expander::Expander(const AffixFile &affixes, std::size_t maxForms, std::size_t maxTests)
    : m_affixes(affixes)
    , m_maxForms(maxForms)
    , m_maxTests(maxTests)
{
}

void Expander::suffixChains(
    const std::u32string &stem, const FlagList &flags, std::vector<Chain> &chains)
{
    for (const Flag flag : flags) {
        const auto found = m_affixes.suffixes.find(flag);
        if (found == m_affixes.suffixes.end())
            continue;
        for (const AffixRule &rule : found->second) {
            if (!tried())
                return;
            if (!suffixConditionHolds(rule, stem))
                continue;
            std::u32string once = withSuffix(rule, stem);
            // A second suffix comes only from the first one's continuation class.
            for (const Flag inner : rule.continuation) {
                const auto second = m_affixes.suffixes.find(inner);
                if (second == m_affixes.suffixes.end())
                    continue;
                for (const AffixRule &outer : second->second) {
                    if (tried() && suffixConditionHolds(outer, once))
                        chains.push_back({ withSuffix(outer, once), rule.cross || outer.cross,
                            merged(rule.continuation, outer.continuation) });
                }
                if (chains.size() > m_maxForms)
                    return;
            }
            chains.push_back({ std::move(once), rule.cross, rule.continuation });
        }
    }
}

void Expander::prefixed(
    const AffixRule &rule, const std::u32string &word, const std::u32string &stem)
{
    // The checkers test a prefix's condition on what follows it, suffixes
    // included; the bare stem is tried as well, in case they differ.
    if (word.starts_with(rule.strip)
        && (prefixConditionHolds(rule, word) || prefixConditionHolds(rule, stem)))
        m_out->push_back(withPrefix(rule, word));
}

bool Expander::expand(
    const std::u32string &stem, const FlagList &flags, std::vector<std::u32string> &forms)
{
    forms.clear();
    m_out = &forms;
    forms.push_back(stem);
    std::vector<Chain> chains;
    suffixChains(stem, flags, chains);
    if (chains.size() > m_maxForms || exhausted())
        return false;
    for (const Chain &chain : chains)
        forms.push_back(chain.form);

    std::vector<Chain> enabled;
    for (const Flag flag : flags) {
        const auto found = m_affixes.prefixes.find(flag);
        if (found == m_affixes.prefixes.end())
            continue;
        for (const AffixRule &rule : found->second) {
            if (!tried())
                return false;
            if (!prefixConditionHolds(rule, stem))
                continue;
            const std::u32string once = withPrefix(rule, stem);
            forms.push_back(once);
            for (const Chain &chain : chains) {
                if (rule.cross && chain.cross)
                    prefixed(rule, chain.form, stem);
            }
            // Suffixes that the prefix itself allows, cross product or not.
            enabled.clear();
            suffixChains(stem, rule.continuation, enabled);
            for (const Chain &chain : enabled)
                prefixed(rule, chain.form, stem);
            // A second prefix from the first one's continuation class.
            for (const Flag inner : rule.continuation) {
                const auto second = m_affixes.prefixes.find(inner);
                if (second == m_affixes.prefixes.end())
                    continue;
                for (const AffixRule &outer : second->second) {
                    if (!tried())
                        return false;
                    prefixed(outer, once, stem);
                    for (const Chain &chain : chains) {
                        if (rule.cross && chain.cross && prefixConditionHolds(rule, chain.form))
                            prefixed(outer, withPrefix(rule, chain.form), stem);
                    }
                }
            }
            if (full())
                return false;
        }
    }
    // Prefixes that a suffix's continuation class allows.
    for (const Chain &chain : chains) {
        for (const Flag flag : chain.continuation) {
            const auto found = m_affixes.prefixes.find(flag);
            if (found == m_affixes.prefixes.end())
                continue;
            for (const AffixRule &rule : found->second) {
                if (tried())
                    prefixed(rule, chain.form, stem);
            }
        }
        if (full())
            return false;
    }
    return !full();
}
