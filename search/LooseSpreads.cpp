// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseSpreads.h"

#include "search/LooseSearch.h"

#include <algorithm>

TokenLetters byCase(const std::vector<std::string> &variants, const LooseAlphabet &alphabet)
{
    TokenLetters letters;
    for (const std::string &variant : variants)
        (alphabet.capitals(variant) > 0 ? letters.capital : letters.small).push_back(variant);
    const std::size_t capitals = letters.capital.size();
    for (const std::string &small : letters.small) {
        const std::string folded = alphabet.caseless(small);
        const auto end = letters.capital.begin() + static_cast<std::ptrdiff_t>(capitals);
        if (std::none_of(letters.capital.begin(), end,
                [&](const std::string &c) { return alphabet.caseless(c) == folded; }))
            letters.capital.push_back(small);
    }
    letters.either = variants;
    return letters;
}

double spreadsOf(const std::string &sorted)
{
    double ways = 1;
    std::size_t placed = 0;
    for (std::size_t at = 0; at < sorted.size();) {
        const std::size_t end = sorted.find_first_not_of(sorted[at], at);
        const std::size_t stop = end == std::string::npos ? sorted.size() : end;
        for (std::size_t i = 1; i <= stop - at; ++i) {
            ++placed;
            ways = ways * static_cast<double>(placed) / static_cast<double>(i);
        }
        at = stop;
    }
    return ways;
}

void Speller::spell(const std::string &form, std::unordered_set<std::string> &seen,
    std::vector<std::string> &strings)
{
    for (auto &p : m_places)
        p.clear();
    for (std::size_t i = 0; i < form.size(); ++i) {
        const int x = keyLetterNumber(form[i]);
        if (x < 0)
            return;
        m_places[static_cast<std::size_t>(x)].push_back(i);
    }
    for (const std::size_t x : m_tokens.present) {
        if (m_places[x].size() != m_tokens.byKey[x].size())
            return;
    }
    // Each way of putting the candidate in case once.
    std::vector<std::vector<char>> cases;
    for (const CaseOf each : kCases) {
        // 0: small, 1: capital, 2: either, where the index keeps no
        // case (a letter not filed under a to z: пФ is spelt so).
        std::vector<char> capital(form.size());
        for (std::size_t i = 0; i < form.size(); ++i) {
            const bool latin
                = (form[i] >= 'A' && form[i] <= 'Z') || (form[i] >= 'a' && form[i] <= 'z');
            capital[i] = !latin ? 2
                : each == CaseOf::AllCapitals || (each == CaseOf::FirstCapital && i == 0)
                    || (form[i] >= 'A' && form[i] <= 'Z')
                ? 1
                : 0;
        }
        if (std::ranges::find(cases, capital) == cases.end())
            cases.push_back(std::move(capital));
    }
    auto patterns = m_tokens.byKey;
    while (true) {
        for (const std::size_t x : m_tokens.present) {
            for (std::size_t k = 0; k < m_places[x].size(); ++k)
                m_placed[m_places[x][k]] = patterns[x][k];
        }
        for (const std::vector<char> &capital : cases) {
            m_capital = &capital;
            fill(0, seen, strings);
        }
        std::size_t d = 0;
        while (d < m_tokens.present.size()
            && !std::ranges::next_permutation(patterns[m_tokens.present[d]]).found)
            ++d;
        if (d == m_tokens.present.size())
            return;
    }
}

void Speller::fill(
    std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings)
{
    if (at == m_placed.size()) {
        if (seen.insert(m_word).second)
            strings.push_back(m_word);
        return;
    }
    const std::size_t length = m_word.size();
    const TokenLetters &letters = m_tokens.variants[static_cast<unsigned char>(m_placed[at]) - 1];
    const char place = (*m_capital)[at];
    for (const std::string &letter : place == 2 ? letters.either
            : place == 1                        ? letters.capital
                                                : letters.small) {
        m_word += letter;
        fill(at + 1, seen, strings);
        m_word.resize(length);
    }
}
