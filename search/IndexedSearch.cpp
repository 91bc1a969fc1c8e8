// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include "search/FirstCounter.h"
#include "search/Oracle.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int letterIndex(char c)
{
    return c >= 'a' ? c - 'a' : c - 'A';
}

// Ways to place k capitals among n places, saturating at limit + 1.
std::size_t choose(std::size_t n, std::size_t k, std::size_t limit)
{
    k = std::min(k, n - k);
    std::size_t ways = 1;
    for (std::size_t i = 1; i <= k; ++i) {
        // Exact: ways * (n - k + i) is i times a binomial coefficient; it
        // stays below 2^40 * 2^20 since ways <= limit and n is a string length.
        ways = ways * (n - k + i) / i;
        if (ways > limit)
            return limit + 1;
    }
    return ways;
}

struct Found {
    std::vector<int> offsets;
    std::string word;
};

} // namespace

std::optional<WordList> indexedSearch(std::string_view letters, const WordIndex &index,
    SpellChecker &checker, std::size_t maxArrangements)
{
    if (letters.empty() || !std::ranges::all_of(letters, isLetter))
        return std::nullopt;
    maxArrangements = std::min<std::size_t>(maxArrangements, std::size_t(1) << 40);
    const auto forms = index.formsFor(WordIndex::keyOf(letters));
    if (forms.empty())
        return WordList(); // however the cases spread, no arrangement is a word
    if (letters.size() >= (std::size_t(1) << 20))
        return std::nullopt; // keeps the counting below exact
    // The typed characters of each letter, as a sorted pattern whose
    // permutations are the distinct ways to spread their cases.
    std::array<std::string, 26> typed;
    for (const char c : letters)
        typed[static_cast<std::size_t>(letterIndex(c))].push_back(c);
    std::size_t perForm = 1;
    std::vector<std::size_t> present;
    for (std::size_t x = 0; x < typed.size(); ++x) {
        if (typed[x].empty())
            continue;
        present.push_back(x);
        std::ranges::sort(typed[x]);
        const auto capitals = static_cast<std::size_t>(
            std::ranges::count_if(typed[x], [](char c) { return c >= 'A' && c <= 'Z'; }));
        const std::size_t ways = choose(typed[x].size(), capitals, maxArrangements);
        if (ways > maxArrangements / perForm)
            return std::nullopt;
        perForm *= ways;
    }
    if (perForm > maxArrangements / forms.size())
        return std::nullopt;

    std::vector<Found> found;
    std::array<std::vector<std::size_t>, 26> places;
    std::string candidate(letters.size(), ' ');
    for (const std::string_view form : forms) {
        for (auto &p : places)
            p.clear();
        for (std::size_t i = 0; i < form.size(); ++i)
            places[static_cast<std::size_t>(form[i] - 'a')].push_back(i);
        std::optional<Found> first;
        auto patterns = typed;
        while (true) {
            for (const std::size_t x : present) {
                for (std::size_t k = 0; k < places[x].size(); ++k)
                    candidate[places[x][k]] = patterns[x][k];
            }
            if (testword(checker, candidate)) {
                auto offsets = firstOffsets(letters, candidate);
                if (offsets && (!first || counterBefore(*offsets, first->offsets)))
                    first = Found { std::move(*offsets), candidate };
            }
            // Next spread of cases: an odometer over the letters.
            std::size_t d = 0;
            while (d < present.size() && !std::ranges::next_permutation(patterns[present[d]]).found)
                ++d;
            if (d == present.size())
                break;
        }
        if (first)
            found.push_back(std::move(*first));
    }
    std::ranges::sort(
        found, [](const Found &a, const Found &b) { return counterBefore(a.offsets, b.offsets); });
    WordList list;
    for (const Found &word : found)
        addword(word.word, list);
    return list;
}
