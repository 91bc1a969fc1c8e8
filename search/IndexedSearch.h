// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidates/CompoundSearch.h"
#include "platform/SpellChecker.h"
#include "search/WordList.h"
#include "wordforms/LetterCounts.h"
#include "wordindex/FormSource.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Alphabet;

// More questions than this and the index is no quicker than it is worth.
inline constexpr std::size_t kMaxArrangementsTried = 1'000'000;

// About what a question to the checker costs, for weighing a wait or a
// search against trying every arrangement.
inline constexpr auto kQuestionCost = std::chrono::microseconds(4);

// The longest that trying every arrangement may take and still be a way out
// of an index search that names too many candidates.
inline constexpr auto kLongestWayOut = std::chrono::seconds(30);

// Whether trying every arrangement of this many letters takes at most
// kLongestWayOut: it asks the checker at every counter value, n! of n
// letters however many of them are the same. The search for compounds
// (compoundTimeFor) and the index's questions (indexedSearch) give up by
// this one rule, so that neither hands over to an enumeration of hours.
[[nodiscard]] bool arrangingIsWayOut(std::size_t letters);

// How long the search for compounds may go on for this many letters before
// it gives up and every arrangement is tried instead: a moment where trying
// them takes up to kLongestWayOut, and without end (the user stops it)
// where it would take longer.
[[nodiscard]] std::chrono::steady_clock::duration compoundTimeFor(std::size_t letters);

// The candidates a search for compounds may name where trying every
// arrangement is no way out. Each is held (as a string the search names
// only once) until the search ends: 24 German letters name 2.7 million,
// held in 1.2 GB. Past this bound a typed input could take all the memory
// there is, so the search gives up as at any other bound.
inline constexpr std::size_t kMostLongCandidates = 4'000'000;

// Candidates confirmed at once: those named meanwhile are held until then.
inline constexpr std::size_t kConfirmedAtOnce = 1 << 16;

// The budget of the search for compounds of this many letters: its time
// (compoundTimeFor), and where that has no end, no bound on its steps and
// kMostLongCandidates on its candidates (a German word of 24 letters names
// millions, twelve Estonian letters more than one).
[[nodiscard]] CompoundBudget compoundBudgetFor(
    std::size_t letters, std::function<bool()> keepGoing = {});

struct IndexedAnswer {
    // The word list of the whole run; nothing when only trying every
    // arrangement can tell, and then why in fallback.
    std::optional<WordList> words;
    std::string fallback;
    std::size_t questions = 0; // asked of the checker
    std::size_t candidates = 0; // strings of the letters the index named
    std::size_t settled = 0; // of those, taken by the dictionary's rules without a question
    // Spellings taken or refused by the dictionary's rules without a question.
    std::size_t settledSpellings = 0;
    bool stopped = false; // by keepGoing: no answer, and none is needed
};

// How a long search tells how far it is, and how it holds its candidates.
struct IndexedProgress {
    // Told now and then on the calling thread: the candidates confirmed of
    // those named so far (all of them once the search for them has ended).
    std::function<void(std::size_t confirmed, std::size_t named)> told;
    std::size_t batch = kConfirmedAtOnce; // candidates confirmed at once
    // Where given, a proof of the rules that settle compounds: each spelling
    // settled without a question is asked after all, and each one the
    // checker answers otherwise counted here (the benches' --verify-settled).
    std::atomic<std::size_t> *settledRefused = nullptr;
};

// The capitals of A to Z among the typed letters (lettersOf), by the key
// letter of each (keys, in small letters): every spelling the indexed search
// asks the checker about spreads these, and no more.
[[nodiscard]] LetterCounts typedCapitals(
    const std::vector<std::string> &typed, std::string_view keys);

// The word list that a run over every arrangement of letters would give,
// found without the enumeration: the index names the candidate words (its
// forms filed under exactly these letters' key letters, and the compounds
// its parts can make), the checker judges each arrangement of the typed
// letters (marks and case as typed) that the key letters of one spell, and
// each word keeps the arrangement that the enumeration would have reached
// first, in the order it would have reached them. Nothing when a letter is
// none a word is spelt with (a lone mark, a digit), when more than
// maxArrangements questions would be needed, or when the search for
// compounds passes its budget: the caller then enumerates.
// keepGoing is asked now and then (a window handles its events there);
// false stops the search. Many candidates are judged on threads threads
// (0: one per core), each worker with a checker of its own; keepGoing is
// asked on the calling thread only. The candidates are confirmed in batches
// as they are named, and only the words found are kept, sorted at the end.
// A word index serves as its own source of forms.
// The alphabet, where known, says which typed letters the dictionary
// converts into others (those the index cannot stand in for); without it,
// every compatibility letter whose letters the index files apart is.
[[nodiscard]] IndexedAnswer indexedSearch(std::string_view letters, const FormSource &forms,
    SpellChecker &checker, std::size_t maxArrangements = kMaxArrangementsTried,
    const CompoundBudget &budget = {}, const std::function<bool()> &keepGoing = {},
    unsigned threads = 0, const Alphabet *alphabet = nullptr, const IndexedProgress &progress = {});
[[nodiscard]] IndexedAnswer indexedSearch(std::string_view letters, const WordIndex &index,
    SpellChecker &checker, std::size_t maxArrangements = kMaxArrangementsTried,
    const CompoundBudget &budget = {}, const std::function<bool()> &keepGoing = {},
    unsigned threads = 0, const Alphabet *alphabet = nullptr, const IndexedProgress &progress = {});
