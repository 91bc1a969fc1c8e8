// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class LooseAlphabet;

// The strings a loose search asks of a word's own spelling, the
// dictionary's (WordIndex::spellingsOf), rather than every spread of the
// typed letters over its key letters: none unless each of its letters is
// one a typed letter stands for, as many of each as were typed; then the
// spelling in its case, with a capital first, and all in capitals (the
// ways a checker takes a word), each letter also as a letter the checker
// converts into it (ICONV) that the same typed letter stands for.
class LooseOwnSpeller {
public:
    // typed: the letters each typed letter stands for, and how often it
    // was typed; conversions: from, to.
    LooseOwnSpeller(const std::vector<std::pair<std::vector<std::string>, std::size_t>> &typed,
        const LooseAlphabet &alphabet,
        const std::vector<std::pair<std::string, std::string>> &conversions);

    // Adds the strings of a spelling (its letters) new to seen to strings.
    void spell(const std::vector<std::string> &letters, std::unordered_set<std::string> &seen,
        std::vector<std::string> &strings);

private:
    void put(
        std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings);

    struct Letter {
        std::size_t typed = 0; // which typed letter stands for it
        std::string capital; // itself in capitals (itself for a capital or a letter without case)
    };
    std::unordered_map<std::string, Letter> m_letters;
    std::unordered_map<std::string, std::vector<std::string>> m_sources; // to -> from
    std::vector<std::size_t> m_typedCounts;
    std::vector<std::size_t> m_counts;
    std::vector<const std::string *> m_cased;
    std::string m_word;
};
