// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spreads of a loose search's typed letters over a candidate the word
// index names (search/LooseIndexed.cpp): for a compound, or a form whose own
// spellings the index does not keep.
#include "wordforms/LetterCounts.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class LooseAlphabet;
class WordIndex;

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

// The letters each place of a candidate may hold (caseless), or nothing
// where any letter may: a compound's letters are its parts', each spelt as
// the dictionary spells it. Every form of the index whose text is a run of
// the candidate's places gives the letters its own spellings have there
// (with those the checker converts into them); a place no such form covers,
// or one of a form whose spellings are not kept or not of its length (ß of
// "ss"), may hold any. The forms of every run are taken, not only those of
// a split into parts, so that no letter a part has is missed.
using PlaceLetters = std::vector<std::optional<std::unordered_set<std::string>>>;

class PartLetters {
public:
    PartLetters(const WordIndex &index, const LooseAlphabet &alphabet,
        const std::vector<std::pair<std::string, std::string>> &conversions);
    ~PartLetters();
    PartLetters(const PartLetters &) = delete;
    PartLetters &operator=(const PartLetters &) = delete;

    [[nodiscard]] PlaceLetters of(std::string_view candidate);

private:
    struct Run {
        bool found = false; // a form has this text
        bool any = false; // some such form's spellings say nothing of its places
        std::vector<std::unordered_set<std::string>> letters; // by place
    };
    const Run &run(std::string_view text);

    const WordIndex &m_index;
    const LooseAlphabet &m_alphabet;
    std::unordered_map<std::string, std::vector<std::string>> m_sources; // to -> from, caseless
    std::unordered_map<std::string, Run> m_runs;
    std::vector<std::string> m_spellings;
};

// Ways to arrange a multiset of sorted tokens, saturating past limit.
[[nodiscard]] double spreadsOf(const std::string &sorted);

// Every spelling of one candidate: each spread of the tokens over the
// places of their key letters, each token at a place replaced by each of
// its letters. Each string new to seen is added to strings.
class Speller {
public:
    Speller(const LooseTokens &tokens, std::size_t length, const LooseAlphabet &alphabet)
        : m_tokens(tokens)
        , m_alphabet(&alphabet)
        , m_placed(length, 0)
    {
    }

    // places: the letters each place may hold (all its token's where it is
    // nothing or has none).
    void spell(const std::string &form, std::unordered_set<std::string> &seen,
        std::vector<std::string> &strings, const PlaceLetters *places = nullptr);
    // The most strings spell makes of the form with those places.
    [[nodiscard]] double most(const std::string &form, const PlaceLetters &places);

private:
    void fill(
        std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings);
    // Where the form's places of each key letter are; false when the
    // typed letters do not fit them.
    bool placesOf(const std::string &form);
    // Each token's letters at each place, of those the places allow.
    void narrow(const std::string &form, const PlaceLetters *places);
    [[nodiscard]] const TokenLetters &lettersAt(std::size_t at, char token) const;

    const LooseTokens &m_tokens;
    const LooseAlphabet *m_alphabet = nullptr;
    std::vector<std::vector<TokenLetters>> m_narrowed; // by place, then token - 1; empty: all
    std::unordered_map<std::string, std::string> m_caseless;
    std::array<std::vector<std::size_t>, kKeyLetters> m_places;
    std::string m_placed;
    std::string m_word;
    const std::vector<char> *m_capital = nullptr; // the case of each place
};
