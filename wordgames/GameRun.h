// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "wordgames/GameLetters.h"
#include "wordgames/GameResult.h"
#include "wordgames/LooseTiles.h"
#include "wordgames/TileSet.h"
#include "wordgames/WordPattern.h"
#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class GameMode { Some, Phrases };

// Letters a player names (--include, --exclude): as typed, and as the
// loose letters of the dictionary once bound (bindLetters).
struct NamedLetters {
    std::vector<std::string> typed; // in normal form C, as often as given
    std::vector<std::string> loose;
    LetterCounts keys {}; // the key letters of those filed under one
    [[nodiscard]] bool empty() const { return typed.empty(); }
};

// The order of the words printed: longest first (as today), highest score
// first, alphabetical.
enum class GameSort { Length, Score, Alpha };

// One question of a word-game player.
struct GameQuery {
    GameMode mode = GameMode::Some;
    LetterPool pool;
    std::size_t minLength = 2;
    std::size_t maxWords = 2; // in a phrase
    std::optional<WordPattern> pattern;
    std::optional<LetterCounts> contains;
    std::optional<std::string> containsWord; // in lower case; with contains, its letters
    NamedLetters include; // every word has these letters
    NamedLetters exclude; // no word has any of these
    // How the letters typed match the dictionary's; nothing: loosely in no
    // language in particular.
    std::shared_ptr<const GameLetters> letters;
    bool crossword = false; // the pattern's words from the whole dictionary
    std::vector<std::string> containsLetters; // the letters of contains, as typed
    std::optional<std::size_t> limit;
    bool abbreviations = true; // words spelt all in capitals
    bool names = true; // words the dictionary spells only with a capital
    bool compounds = true; // words made by the dictionary's rules for compounds
    // The language writes its nouns with a capital (German): only words
    // in capitals count as names.
    bool capitalNouns = false;
    // The pool is the player's tiles, its blanks blank tiles (not a
    // crossword's open squares): the letters they stand for are told.
    bool tiles = true;
    std::optional<TileSet> scores; // each word's value with these tiles
    GameSort sort = GameSort::Length;
    // The letters the pool's tiles stand for, as word-game players count
    // them in the dictionary's alphabet; nothing: each key letter a to z
    // one of its own.
    const LooseTiles *looseTiles = nullptr;
    // The index played is a dictionary's, not a player's list of key
    // letters (WordQuery::dictionaryForms).
    bool dictionaryForms = false;
};

// Matches the query's letters (its pattern, --include, --exclude) as the
// dictionary's: the first letter typed that none of its letters counts as,
// or nothing. A crossword's pool is then its pattern's.
[[nodiscard]] std::optional<std::string> bindLetters(
    GameQuery &query, std::shared_ptr<const GameLetters> letters);

// Whether the language (a dictionary's name: de_DE) writes every noun with a capital.
[[nodiscard]] bool capitalisesNouns(std::string_view language);

// What bounds a game, stated in the manual page: a query of many blanks,
// or one in a language that joins words into compounds, can name more
// candidates than anyone would wait for.
struct GameBudget {
    std::size_t maxCandidates = 250'000; // compounds
    // The time of the whole search, judging and phrases included.
    std::chrono::steady_clock::duration maxTime = std::chrono::seconds(60);
    // Threads that ask the checker; 0: one per core.
    unsigned threads = 0;
    // Told now and then how far the run is: done of total, and of what (a
    // text marked for translation in the context of the progress line).
    std::function<void(std::size_t done, std::size_t total, const char *what)> progress;
    // Asked now and then (within a tenth of a second) on the caller's
    // thread; false stops the game (Ctrl-C): GameOutcome::stopped.
    std::function<bool()> keepGoing;
};

struct GameOutcome {
    std::vector<GameResult> results; // in the order printed, at most the limit
    std::size_t found = 0; // words found before the limit; for phrases, those printed
    bool limited = false; // the limit left some out
    std::string unfinished; // why the budget stopped it; empty: it did not
    // Candidates left out unjudged where it stopped; at least so many where
    // their count too was cut short (WordHunt::leftOut).
    std::size_t leftOut = 0;
    bool leftOutAtLeast = false;
    bool stopped = false; // by keepGoing: unfinished says so
    std::size_t candidates = 0;
    std::size_t questions = 0;
    std::chrono::steady_clock::duration time {};
};

[[nodiscard]] GameOutcome playGame(const GameQuery &query, const WordIndex &index,
    SpellChecker &checker, const GameBudget &budget = {});
