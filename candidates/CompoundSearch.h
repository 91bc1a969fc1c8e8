// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidates/TypedLetters.h"
#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a search for compounds looks for: strings whose letters the pool
// holds, blanks for the missing ones.
struct CompoundQuery {
    LetterPool pool;
    // Every letter and blank of the pool is used: the strings of exactly
    // some letters, as an arrangement of them all spells.
    bool wholePool = false;
    std::size_t minLength = 1;
    std::size_t maxLength = std::numeric_limits<std::size_t>::max();
    LetterCounts required {}; // letters every compound holds
    // A crossword's squares, when not empty: the key letters each letter may
    // be, a bit each; a compound then has as many letters as squares, and
    // maxLength counts bytes no more.
    std::vector<std::uint64_t> squares;
    // Where known, the capitals of A to Z (by key letter) that the strings
    // asked of the checker hold at most: the whole-word search's are the
    // typed capitals. A part the dictionary spells with more is no part.
    std::optional<LetterCounts> capitals;
    // Where the pool is the letters typed, those letters: a part is used
    // only where one of its own spellings is spelt by them (a part the
    // dictionary spells only with ä is no part of letters typed without).
    std::optional<TypedLetters> typed;
};

struct CompoundBudget {
    // Candidates, and steps through the tree of keys; past either, or past
    // the time, the search stops and says so. No real dictionary comes near
    // on the letters of a word.
    std::size_t maxCandidates = 200'000;
    std::size_t maxSteps = 20'000'000;
    std::chrono::steady_clock::duration maxTime = std::chrono::seconds(2);
    // A point in time the search does not go past either.
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    // Asked now and then; false stops the search (the user went on).
    std::function<bool()> keepGoing;
};

struct CompoundSearchEnd {
    std::string unfinished; // empty when the search finished; otherwise why it stopped
    bool stopped = false; // by keepGoing
};

// Names, in lower case and each once, every string that the query wants
// and the dictionary's compounding could accept: parts from the index in
// an order their roles allow, joined as the rules join them. It rather
// names a string too many than one too few; the checker decides.
// sure, where given, is told the number of a word found (0 for the first
// found) once it is found of parts that each leave no doubt (FormRole::Sure):
// then the checker takes it for certain, in small letters and capitalised.
CompoundSearchEnd searchCompounds(const WordIndex &index, const CompoundQuery &query,
    const CompoundBudget &budget, const std::function<void(const std::string &)> &found,
    const std::function<void(std::size_t)> &sure = {});

struct CompoundCandidates {
    // The compounds of exactly the letters (lower case); nothing when the
    // search did not finish.
    std::vector<std::string> words;
    // Of each word, whether it is made of parts that leave no doubt.
    std::vector<bool> sure;
    std::string unfinished;
    bool stopped = false; // by keepGoing
};

// The compounds of exactly the letters a to z given: the whole of a pool
// without blanks. Nothing for any other character. capitals, where known,
// are those of the strings the checker is asked (CompoundQuery::capitals),
// and typed, where known, the letters as typed (CompoundQuery::typed).
[[nodiscard]] CompoundCandidates compoundCandidates(const WordIndex &index,
    std::string_view letters, const CompoundBudget &budget = {},
    const std::optional<LetterCounts> &capitals = {},
    const std::optional<TypedLetters> &typed = {});
// The same compounds told one at a time as they are found (found and sure
// as searchCompounds tells them), none kept: a long word names millions.
CompoundSearchEnd searchCompoundCandidates(const WordIndex &index, std::string_view letters,
    const CompoundBudget &budget, const std::optional<LetterCounts> &capitals,
    const std::optional<TypedLetters> &typed, const std::function<void(const std::string &)> &found,
    const std::function<void(std::size_t)> &sure);
