// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseOwnSpellings.h"

#include "search/LooseSearch.h"

#include <algorithm>

LooseOwnSpeller::LooseOwnSpeller(
    const std::vector<std::pair<std::vector<std::string>, std::size_t>> &typed,
    const LooseAlphabet &alphabet,
    const std::vector<std::pair<std::string, std::string>> &conversions)
{
    for (std::size_t t = 0; t < typed.size(); ++t) {
        const auto &[variants, count] = typed[t];
        m_typedCounts.push_back(count);
        for (const std::string &variant : variants) {
            Letter letter { t, variant };
            if (alphabet.capitals(variant) == 0) {
                // Its capital is the variant that differs from it but for case.
                const std::string folded = alphabet.caseless(variant);
                const auto capital = std::ranges::find_if(variants, [&](const std::string &other) {
                    return alphabet.capitals(other) > 0 && alphabet.caseless(other) == folded;
                });
                if (capital != variants.end())
                    letter.capital = *capital;
            }
            m_letters.try_emplace(variant, std::move(letter));
        }
    }
    // A converted letter is asked only where the typed letter stands for
    // both it and the letter it becomes.
    for (const auto &[from, to] : conversions) {
        const auto source = m_letters.find(from);
        const auto target = m_letters.find(to);
        if (source != m_letters.end() && target != m_letters.end()
            && source->second.typed == target->second.typed)
            m_sources[to].push_back(from);
    }
    m_counts.resize(m_typedCounts.size());
}

void LooseOwnSpeller::spell(const std::vector<std::string> &letters,
    std::unordered_set<std::string> &seen, std::vector<std::string> &strings)
{
    std::ranges::fill(m_counts, 0);
    std::vector<const Letter *> found(letters.size());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const auto letter = m_letters.find(letters[i]);
        if (letter == m_letters.end()
            || ++m_counts[letter->second.typed] > m_typedCounts[letter->second.typed])
            return;
        found[i] = &letter->second;
    }
    if (m_counts != m_typedCounts)
        return;
    // In the dictionary's case, with a capital first, all in capitals.
    m_cased.resize(letters.size());
    for (int way = 0; way < 3; ++way) {
        for (std::size_t i = 0; i < letters.size(); ++i)
            m_cased[i] = way == 2 || (way == 1 && i == 0) ? &found[i]->capital : &letters[i];
        m_word.clear();
        put(0, seen, strings);
    }
}

void LooseOwnSpeller::put(
    std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings)
{
    if (at == m_cased.size()) {
        if (seen.insert(m_word).second)
            strings.push_back(m_word);
        return;
    }
    const std::size_t length = m_word.size();
    m_word += *m_cased[at];
    put(at + 1, seen, strings);
    m_word.resize(length);
    if (m_sources.empty())
        return;
    const auto sources = m_sources.find(*m_cased[at]);
    if (sources == m_sources.end())
        return;
    for (const std::string &source : sources->second) {
        m_word += source;
        put(at + 1, seen, strings);
        m_word.resize(length);
    }
}
