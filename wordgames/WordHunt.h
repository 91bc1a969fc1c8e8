// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "wordgames/GameLetters.h"
#include "wordgames/LooseTiles.h"
#include "wordgames/WordPattern.h"
#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Which words a hunt is after.
struct WordQuery {
    LetterPool pool; // a word's letters come from it, blanks for the missing ones
    std::size_t minLength = 2;
    std::size_t maxLength = 255;
    LetterCounts required {}; // letters every word holds
    // Whether a word (in lower case) is wanted besides; empty: every one.
    std::function<bool(std::string_view)> wanted;
    // The compounds the dictionary's rules make, besides the words it lists.
    bool compounds = true;
    // A crossword's squares: the key letters each letter may be, a bit each
    // (CompoundQuery::squares); empty: any word of the lengths.
    std::vector<std::uint64_t> squares;
    // In a dictionary whose letters go beyond the index's key letters, the
    // letters a form of key letters is spread over (FormSpellings.h), and
    // the place whose squares they are to take; nullptr: a form is asked
    // as the index keeps it.
    const GameLetters *spread = nullptr;
    const WordPattern::Place *place = nullptr;
    // The index is a dictionary's: a form of letters a to z is spelt as it
    // is, though no form of it keeps own spellings. False: it may hold key
    // letters alone (a player's list), each form spread.
    bool dictionaryForms = false;
    // A game's letters in a dictionary whose letters go beyond the key
    // letters: a compound is spelt only in the marked letters its parts
    // spell. nullptr: in every letter the tiles make.
    const GameLetters *letters = nullptr;
    // How the tiles spell the index's forms, and count a word's letters;
    // nothing: a to z, each key letter a letter of its own.
    const LooseTiles *tiles = nullptr;
    LetterCounts held {}; // loose letters (as tiles counts them) every word holds
};

struct HuntBudget {
    // Compounds the index's parts may name, and when the hunt gives up: a
    // query of many blanks, or of many letters in a language that joins
    // words into compounds, names more than anyone would wait for. The
    // forms of the index are bounded by its size. Past it the compounds
    // are still counted, up to kCountedPast times as many, so that the
    // hunt can say how many it left out.
    std::size_t maxCandidates = 250'000;
    static constexpr std::size_t kCountedPast = 2;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    // Told now and then how many candidates the checker has judged, of how
    // many; on the caller's thread.
    std::function<void(std::size_t done, std::size_t total)> progress;
    // Told now and then, before, how many compounds are named so far, of at
    // most how many; on the caller's thread.
    std::function<void(std::size_t named, std::size_t most)> naming;
    // Threads that ask the checker about many candidates; 0: one per core.
    unsigned threads = 0;
    // Asked after each candidate judged, and as often while they are
    // named, on the caller's thread; false stops the hunt (Ctrl-C), what
    // it found kept.
    std::function<bool()> keepGoing;
};

struct FoundWord {
    std::string text; // as the checker accepted it
    LetterCounts letters {}; // by loose letter, as the query's tiles count them
};

struct WordHunt {
    std::vector<FoundWord> words; // in no particular order, no two equal but for case
    std::string unfinished; // why the hunt stopped early; empty: it did not
    std::size_t candidates = 0; // words in lower case the index named
    std::size_t questions = 0; // asked of the checker
    // Candidates named but never judged, past the budget or the time; at
    // least so many where the count itself was cut short.
    std::size_t leftOut = 0;
    bool leftOutAtLeast = false;
    bool stopped = false; // by keepGoing
};

// Every word the checker accepts that the query wants: the index names the
// candidates (its forms and the compounds its parts make), the checker
// judges each in its dictionary spelling, and each word is kept once, in
// the spelling printed: the one in lower case where the dictionary has
// several and accepts it, else the first it lists that the checker
// accepts; a candidate none of whose spellings is accepted is asked in
// lower case, capitalised and in capitals, since the checker may take a
// word in another case than the index keeps ("STRASSE" for "Straße").
[[nodiscard]] WordHunt huntWords(const WordIndex &index, SpellChecker &checker,
    const WordQuery &query, const HuntBudget &budget = {});
