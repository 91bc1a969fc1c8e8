// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

// Whether an affix rule applies to a word, as the expansion of stems and
// the reach of their affixes both ask it.
namespace AffixMatch {

inline bool elementMatches(const ConditionElement &element, char32_t c)
{
    if (element.chars.empty())
        return true;
    const bool inGroup = element.chars.find(c) != std::u32string::npos;
    return inGroup != element.negated;
}

// The condition is tested where the stem keeps its letters. A stem shorter
// than the condition is tested on the letters it has: a form too many is
// harmless, a form too few is not.
inline bool suffixConditionHolds(const AffixRule &rule, std::u32string_view stem)
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

inline bool prefixConditionHolds(const AffixRule &rule, std::u32string_view stem)
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

inline bool has(const FlagList &flags, Flag flag)
{
    return flag != 0 && std::ranges::binary_search(flags, flag);
}

// The rules of a class that can apply to word: those filed under the
// character at its edge, and those that need none.
template<typename Visit>
inline void forEachCandidate(const AffixClass &affixClass, std::u32string_view word,
    const std::vector<bool> *admitted, Visit &&visit)
{
    const auto offer = [&](const AffixRule &rule) {
        if (!admitted || (rule.id < admitted->size() && (*admitted)[rule.id]))
            visit(rule);
    };
    if (!word.empty()) {
        const char32_t edge = affixClass.prefix ? word.front() : word.back();
        const auto &byEdge = affixClass.byEdge;
        auto it = std::lower_bound(byEdge.begin(), byEdge.end(), edge,
            [](const std::pair<char32_t, std::uint32_t> &entry, char32_t c) {
                return entry.first < c;
            });
        for (; it != byEdge.end() && it->first == edge; ++it)
            offer(affixClass.rules[it->second]);
    }
    for (const std::uint32_t r : affixClass.anyEdge)
        offer(affixClass.rules[r]);
}

// Some of a class's rules, filed as the class files them (AffixClass::byEdge
// and anyEdge): all of them, or those a search may apply.
struct FiledRules {
    std::span<const std::pair<char32_t, std::uint32_t>> byEdge; // sorted by character
    std::span<const std::uint32_t> anyEdge;
};

// The rules of those filed that can apply to word, in the order
// forEachCandidate offers them.
template<typename Visit>
inline void forEachFiled(
    const AffixClass &affixClass, FiledRules filed, std::u32string_view word, Visit &&visit)
{
    if (!word.empty()) {
        const char32_t edge = affixClass.prefix ? word.front() : word.back();
        auto it = std::lower_bound(filed.byEdge.begin(), filed.byEdge.end(), edge,
            [](const std::pair<char32_t, std::uint32_t> &entry, char32_t c) {
                return entry.first < c;
            });
        for (; it != filed.byEdge.end() && it->first == edge; ++it)
            visit(affixClass.rules[it->second]);
    }
    for (const std::uint32_t r : filed.anyEdge)
        visit(affixClass.rules[r]);
}

} // namespace AffixMatch
