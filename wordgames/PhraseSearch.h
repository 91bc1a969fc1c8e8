// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/WordHunt.h"
#include "wordgames/WordPattern.h"
#include "wordindex/LetterPool.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PhraseQuery {
    LetterPool pool; // every letter used once, every blank as one letter
    std::size_t maxWords = 2;
    const WordPattern *pattern = nullptr; // the phrase's words fill its places in some order
    std::optional<LetterCounts> contains; // one word holds these letters
    // ... and is this word (told a word as spelt); with contains, its letters
    std::function<bool(std::string_view)> isWord;
    std::optional<std::size_t> limit;
};

struct PhraseBudget {
    std::size_t maxSteps = 4'000'000'000;
    std::size_t maxPhrases = 10'000'000; // kept in memory, past any limit a reader wants
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    std::function<void(std::size_t done, std::size_t total)> progress;
    // Asked as often as the clock; false stops the search (Ctrl-C).
    std::function<bool()> keepGoing;
};

struct Phrases {
    // Each phrase as the places of its words in the word list, in the
    // order printed: fewer words first, then alphabetical.
    std::vector<std::vector<std::uint32_t>> phrases;
    bool more = false; // the limit stopped it before another phrase
    std::string unfinished; // why the budget stopped it; empty: it did not
};

// Every phrase of up to maxWords words that uses the pool exactly, each
// once whatever the order of its words, from words sorted alphabetically
// (in the language's order: letters/WordCollation.h). The phrases come in the order they are
// printed in, so that a limit stops the search itself.
[[nodiscard]] Phrases findPhrases(
    const std::vector<FoundWord> &words, const PhraseQuery &query, const PhraseBudget &budget = {});
