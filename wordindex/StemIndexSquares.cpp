// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/StemIndexSquares.h"

#include <algorithm>

StemSquares::StemSquares(const AffixFile &affixes, const LetterFold &fold)
    : m_affixes(affixes)
    , m_fold(fold)
    , m_edges(affixes)
    , m_prefixesAfter(affixes.classes.size())
{
    // The prefixes a suffix's rules name, and those named by the rules of
    // a suffix they name in turn: the Expander puts a prefix before a
    // suffix's form, or before the form of the suffix after it.
    const auto named = [this](const AffixClass &suffix, FlagList &into) {
        for (const AffixRule &rule : suffix.rules) {
            for (const Flag flag : rule.continuation) {
                if (m_affixes.prefix(flag))
                    into.push_back(flag);
            }
        }
    };
    for (std::size_t c = 0; c < affixes.classes.size(); ++c) {
        const AffixClass &affixClass = affixes.classes[c];
        if (affixClass.prefix)
            continue;
        FlagList &after = m_prefixesAfter[c];
        named(affixClass, after);
        for (const AffixRule &rule : affixClass.rules) {
            for (const Flag flag : rule.continuation) {
                if (const AffixClass *next = m_affixes.suffix(flag))
                    named(*next, after);
            }
        }
        std::ranges::sort(after);
        after.erase(std::unique(after.begin(), after.end()), after.end());
    }
    // What a second suffix adds, by class, then the first with the second.
    std::vector<std::size_t> second(affixes.classes.size(), 0);
    for (std::size_t c = 0; c < affixes.classes.size(); ++c) {
        if (!affixes.classes[c].prefix)
            second[c] = growthOf(affixes.classes[c], nullptr);
    }
    m_growth.resize(affixes.classes.size(), 0);
    for (std::size_t c = 0; c < affixes.classes.size(); ++c) {
        if (!affixes.classes[c].prefix)
            m_growth[c] = growthOf(affixes.classes[c], &second);
    }
}

std::size_t StemSquares::growthOf(
    const AffixClass &suffix, const std::vector<std::size_t> *second) const
{
    std::size_t most = 0;
    for (const AffixRule &rule : suffix.rules) {
        // A character that fills no single square (or more than one) makes
        // the form's length in squares other than in characters.
        for (const char32_t c : rule.add) {
            if (m_fold.countedKey(c) < 0)
                return kUnbounded;
        }
        std::size_t grows
            = rule.add.size() > rule.strip.size() ? rule.add.size() - rule.strip.size() : 0;
        most = std::max(most, grows);
        // The Expander puts at most one suffix after another.
        for (const Flag flag : rule.continuation) {
            const AffixClass *then = second ? m_affixes.suffix(flag) : nullptr;
            if (!then)
                continue;
            const std::size_t next
                = (*second)[static_cast<std::size_t>(then - m_affixes.classes.data())];
            if (next == kUnbounded)
                return kUnbounded;
            most = std::max(most, grows + next);
        }
    }
    return most;
}

bool StemSquares::keysOf(std::u32string_view text, std::vector<int> &keys) const
{
    keys.clear();
    for (const char32_t c : text) {
        const int key = m_fold.countedKey(c);
        if (key < 0)
            return false;
        keys.push_back(key);
    }
    return true;
}

bool StemSquares::standsAt(
    const std::vector<std::uint64_t> &squares, std::size_t at, const std::vector<int> &keys)
{
    if (at > squares.size() || keys.size() > squares.size() - at)
        return false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!(squares[at + i] >> keys[i] & 1))
            return false;
    }
    return true;
}

bool StemSquares::mayFill(
    const std::u32string &stem, const FlagList &flags, const SquarePlaces &places) const
{
    const auto [front, back] = m_edges.of(stem, flags);
    if (front + back >= stem.size())
        return true;
    const std::u32string_view text(stem);
    std::vector<int> core;
    std::vector<int> before;
    if (!keysOf(text.substr(front, stem.size() - front - back), core)
        || !keysOf(text.substr(0, front), before))
        return true;
    // The prefixes the stem may take; a suffix anywhere makes the form's
    // length open, up to what the longest suffixes add.
    FlagList prefixes;
    bool suffixed = false;
    std::size_t growth = 0;
    for (const Flag flag : flags) {
        if (const AffixClass *suffix = m_affixes.suffix(flag)) {
            suffixed = true;
            const auto c = static_cast<std::size_t>(suffix - m_affixes.classes.data());
            const FlagList &after = m_prefixesAfter[c];
            prefixes.insert(prefixes.end(), after.begin(), after.end());
            growth = std::max(growth, m_growth[c]);
        }
        if (m_affixes.prefix(flag))
            prefixes.push_back(flag);
    }
    std::vector<int> after;
    const bool tailKnown = keysOf(text.substr(stem.size() - back), after);
    // Where the core may begin: after the stem's own start, or after a
    // prefix's letters and what it leaves of that start.
    std::vector<std::vector<int>> leads { before };
    std::vector<int> added;
    for (const Flag flag : prefixes) {
        const AffixClass &prefix = *m_affixes.prefix(flag);
        for (const AffixRule &rule : prefix.rules) {
            // A prefix that names a suffix or another prefix: where its
            // letters end is not followed here.
            if (!rule.continuation.empty())
                return true;
            if (rule.strip.size() > front || !text.starts_with(rule.strip))
                continue;
            // An apostrophe is no letter: a form with one (the French l',
            // qu') fills no crossword's word.
            if (rule.add.find_first_of(U"'\u2019") != std::u32string::npos)
                continue;
            if (!keysOf(rule.add, added))
                return true;
            added.insert(added.end(),
                before.begin() + static_cast<std::ptrdiff_t>(rule.strip.size()), before.end());
            leads.push_back(added);
        }
    }
    for (const std::vector<std::uint64_t> &squares : places) {
        for (const std::vector<int> &lead : leads) {
            if (!standsAt(squares, 0, lead) || !standsAt(squares, lead.size(), core))
                continue;
            // Without a suffix the form ends with the stem; with one it is
            // no longer than the stem and what the suffixes add.
            const std::size_t stemmed = lead.size() + core.size() + after.size();
            if (!suffixed && tailKnown && stemmed != squares.size())
                continue;
            if (suffixed && tailKnown && growth != kUnbounded && stemmed + growth < squares.size())
                continue;
            return true;
        }
    }
    return false;
}
