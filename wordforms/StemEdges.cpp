// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/StemEdges.h"

#include <algorithm>
#include <map>

namespace {

std::size_t longestStrip(const AffixClass *affixClass)
{
    std::size_t longest = 0;
    if (affixClass) {
        for (const AffixRule &rule : affixClass->rules)
            longest = std::max(longest, rule.strip.size());
    }
    return longest;
}

} // namespace

std::vector<std::size_t> longestNextStrips(const AffixFile &affixes, bool prefix)
{
    std::size_t rules = 0;
    for (const AffixClass &affixClass : affixes.classes)
        rules += affixClass.rules.size();
    // Each class's longest strip once: a Hungarian rule names a hundred
    // classes of a thousand rules each.
    std::vector<std::size_t> classStrip(affixes.classes.size());
    for (std::size_t c = 0; c < affixes.classes.size(); ++c)
        classStrip[c] = longestStrip(&affixes.classes[c]);
    std::vector<std::size_t> longest(rules, 0);
    for (const AffixClass &affixClass : affixes.classes) {
        for (const AffixRule &rule : affixClass.rules) {
            if (rule.id >= rules)
                continue;
            for (const Flag next : rule.continuation) {
                const AffixClass *named = prefix ? affixes.prefix(next) : affixes.suffix(next);
                if (named) {
                    longest[rule.id] = std::max(longest[rule.id],
                        classStrip[static_cast<std::size_t>(named - affixes.classes.data())]);
                }
            }
        }
    }
    return longest;
}

StemEdges::StemEdges(const AffixFile &affixes)
    : m_affixes(affixes)
    , m_prefixesAfter(affixes.classes.size())
    , m_suffixesAfter(affixes.classes.size())
    , m_strips(affixes.classes.size())
{
    m_nextPrefixStrip = longestNextStrips(affixes, true);
    m_nextSuffixStrip = longestNextStrips(affixes, false);
    // By class: the prefix flags its rules name, and the suffix classes
    // they name, each once.
    std::vector<FlagList> namedPrefixes(affixes.classes.size());
    std::vector<std::vector<const AffixClass *>> namedSuffixes(affixes.classes.size());
    for (std::size_t c = 0; c < affixes.classes.size(); ++c) {
        for (const AffixRule &rule : affixes.classes[c].rules) {
            for (const Flag next : rule.continuation) {
                if (affixes.prefix(next))
                    namedPrefixes[c].push_back(next);
                if (const AffixClass *second = affixes.suffix(next))
                    namedSuffixes[c].push_back(second);
            }
        }
        std::ranges::sort(namedPrefixes[c]);
        namedPrefixes[c].erase(
            std::unique(namedPrefixes[c].begin(), namedPrefixes[c].end()), namedPrefixes[c].end());
        std::ranges::sort(namedSuffixes[c]);
        namedSuffixes[c].erase(
            std::unique(namedSuffixes[c].begin(), namedSuffixes[c].end()), namedSuffixes[c].end());
    }
    for (std::size_t c = 0; c < affixes.classes.size(); ++c) {
        const AffixClass &affixClass = affixes.classes[c];
        std::map<std::u32string, std::size_t> byStrip;
        for (const AffixRule &rule : affixClass.rules) {
            std::size_t &longest = byStrip[rule.strip];
            longest = std::max(longest, reach(rule, affixClass.prefix));
        }
        m_strips[c].assign(byStrip.begin(), byStrip.end());
        std::ranges::stable_sort(
            m_strips[c], std::greater<>(), &std::pair<std::u32string, std::size_t>::second);
        FlagList &after = m_prefixesAfter[c];
        const auto collect = [&](const AffixClass &from) {
            const FlagList &named = namedPrefixes[classNumber(from)];
            after.insert(after.end(), named.begin(), named.end());
        };
        collect(affixClass);
        for (const AffixClass *second : namedSuffixes[c])
            collect(*second);
        FlagList &suffixes = m_suffixesAfter[c];
        for (const AffixRule &rule : affixClass.rules) {
            for (const Flag next : rule.continuation) {
                if (affixes.suffix(next))
                    suffixes.push_back(next);
            }
        }
        for (FlagList *list : { &after, &suffixes }) {
            std::ranges::sort(*list);
            list->erase(std::unique(list->begin(), list->end()), list->end());
        }
    }
}

std::size_t StemEdges::reach(const AffixRule &rule, bool prefix) const
{
    const std::size_t next = rule.id < m_nextSuffixStrip.size()
        ? (prefix ? m_nextPrefixStrip : m_nextSuffixStrip)[rule.id]
        : 0;
    return rule.strip.size() + (next > rule.add.size() ? next - rule.add.size() : 0);
}

std::optional<std::size_t> StemEdges::reachOn(
    const AffixClass &affixClass, const std::u32string &stem) const
{
    for (const auto &[strip, longest] : m_strips[classNumber(affixClass)]) {
        if (affixClass.prefix ? stem.starts_with(strip) : stem.ends_with(strip))
            return longest;
    }
    return std::nullopt;
}

std::pair<std::size_t, std::size_t> StemEdges::of(
    const std::u32string &stem, const FlagList &flags) const
{
    // The suffixes: those of the stem's flags, and those its prefixes' continuations name.
    FlagList suffixFlags;
    FlagList prefixFlags;
    for (const Flag flag : flags) {
        if (m_affixes.suffix(flag))
            suffixFlags.push_back(flag);
        const AffixClass *prefixClass = m_affixes.prefix(flag);
        if (!prefixClass)
            continue;
        prefixFlags.push_back(flag);
        const FlagList &after = m_suffixesAfter[classNumber(*prefixClass)];
        suffixFlags.insert(suffixFlags.end(), after.begin(), after.end());
    }
    std::size_t back = 0;
    for (const Flag flag : suffixFlags) {
        const AffixClass &suffixClass = *m_affixes.suffix(flag);
        const auto reach = reachOn(suffixClass, stem);
        if (!reach)
            continue;
        back = std::max(back, *reach);
        // Prefixes that a suffix, or the suffix after it, names.
        const FlagList &after = m_prefixesAfter[classNumber(suffixClass)];
        prefixFlags.insert(prefixFlags.end(), after.begin(), after.end());
    }
    std::size_t front = 0;
    // A stem that suffixes can strip whole has its start changed too; a
    // prefix's strip longer than what they leave of it may run on into
    // what they add ("a" + "bc", less "ab").
    const bool whole = back >= stem.size();
    const std::u32string_view kept
        = std::u32string_view(stem).substr(0, whole ? 0 : stem.size() - back);
    for (const Flag flag : prefixFlags) {
        const AffixClass &prefixClass = *m_affixes.prefix(flag);
        std::size_t reach = 0;
        for (const auto &[strip, longest] : m_strips[classNumber(prefixClass)]) {
            if (stem.starts_with(strip)
                || (strip.size() > kept.size() && strip.starts_with(kept))) {
                reach = longest;
                break;
            }
        }
        front = std::max(front, reach);
    }
    return { front, back };
}
