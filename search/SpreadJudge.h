// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/IndexedConfirm.h"
#include "search/InnerCapitals.h"

#include <array>
#include <atomic>
#include <string>
#include <string_view>
#include <vector>

// Finds the arrangements of the typed letters that spell a candidate and
// that the checker accepts, each with the counter value at which the
// enumeration would reach it first. Spreads of a candidate's letters can
// be different words (ένοχες and ενοχές; Ab and aB are one, since the word
// list tells A to Z by their letters, not their case): the list keeps each
// at the first counter value that spells it. One a thread.
class SpreadJudge {
public:
    // capitals, where given, refuses spellings with a capital out of place
    // unasked; disagreements, where given, counts the spellings settled
    // unasked that the checker, asked after all, answers otherwise.
    SpreadJudge(const Tokens &tokens, SpellChecker &checker, const InnerCapitals *capitals,
        std::atomic<std::size_t> *disagreements);

    // sure: the form is a compound the checker takes for certain in small
    // letters and capitalised (FormRole::Sure); those spellings are
    // not asked about, nor those with a capital inside where no form of
    // the dictionary has one, or that no forms spelt so make up
    // (InnerCapitals). settled counts both.
    void judge(const std::string &form, bool sure, std::size_t &questions, std::size_t &settled,
        FoundWords &accepted);

private:
    // Whether the spread puts a capital after the first letter where no
    // form of the dictionary has one, or is no run of forms spelt as it is:
    // then the checker refuses it.
    bool capitalOutOfPlace(std::string_view form);

    const Tokens &m_tokens;
    SpellChecker &m_checker;
    const InnerCapitals *m_capitals = nullptr;
    std::atomic<std::size_t> *m_disagreements;
    std::vector<bool> m_capital; // by token - 1: a capital A to Z
    std::array<std::vector<std::size_t>, kKeyLetters> m_places;
    std::string m_case; // by token - 1: 'A' a capital A to Z, 'a' a small one, '?' other
    std::vector<InnerCapitals::Piece> m_pieces; // of the form being judged
    bool m_piecesFound = false;
    std::string m_cases; // of the spread being judged
    std::string m_candidate;
    std::string m_word;
};
