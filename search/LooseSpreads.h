// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spreads of a loose search's typed letters over a candidate the word
// index names (search/LooseIndexed.cpp): for a compound, or a form whose own
// spellings the index does not keep.
#include "wordforms/LetterCounts.h"

#include <array>
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

class LooseAlphabet;

// The letters a token stands for in a place that is in small letters, and
// in one that is a capital (a letter without case in both).
struct TokenLetters {
    std::vector<std::string> small;
    std::vector<std::string> capital;
    std::vector<std::string> either; // where the index keeps no case
};

// Its letters in small letters, in capitals, and either (by the alphabet's case).
[[nodiscard]] TokenLetters byCase(
    const std::vector<std::string> &variants, const LooseAlphabet &alphabet);

// The ways a candidate's letters are put in case (search/LooseIndexed.cpp says why these).
enum class CaseOf { Candidate, FirstCapital, AllCapitals };
inline constexpr std::array kCases { CaseOf::Candidate, CaseOf::FirstCapital, CaseOf::AllCapitals };

// The typed letters, a token for each different set of letters a typed
// letter stands for (from 1), grouped by key letter.
struct LooseTokens {
    std::vector<TokenLetters> variants; // by token - 1
    std::array<std::string, kKeyLetters> byKey; // sorted tokens of each key letter
    std::vector<std::size_t> present; // key letters typed
};

// Ways to arrange a multiset of sorted tokens, saturating past limit.
[[nodiscard]] double spreadsOf(const std::string &sorted);

// Every spelling of one candidate: each spread of the tokens over the
// places of their key letters, each token at a place replaced by each of
// its letters. Each string new to seen is added to strings.
class Speller {
public:
    Speller(const LooseTokens &tokens, std::size_t length)
        : m_tokens(tokens)
        , m_placed(length, 0)
    {
    }

    void spell(const std::string &form, std::unordered_set<std::string> &seen,
        std::vector<std::string> &strings);

private:
    void fill(
        std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings);

    const LooseTokens &m_tokens;
    std::array<std::vector<std::size_t>, kKeyLetters> m_places;
    std::string m_placed;
    std::string m_word;
    const std::vector<char> *m_capital = nullptr; // the case of each place
};
