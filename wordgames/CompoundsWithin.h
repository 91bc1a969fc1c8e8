// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// What a search for compounds within a pool looks for.
struct CompoundQuery {
    LetterPool pool;
    std::size_t minLength = 1;
    std::size_t maxLength = 255;
    LetterCounts required {}; // letters every compound holds
};

struct CompoundLimits {
    // Steps through the parts and compounds named; past either, or past
    // the time, the search stops and says why.
    std::size_t maxSteps = 50'000'000;
    std::size_t maxCandidates = 250'000;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

// Names, in lower case and each once, every string that the dictionary's
// compounding could accept and whose letters the pool holds (blanks for
// the missing ones): parts from the index in an order their roles allow,
// joined as the rules join them, as compoundCandidates() does for exactly
// some letters. It rather names a string too many than one too few; the
// checker decides. Gives why it stopped early, or nothing.
[[nodiscard]] std::string compoundsWithin(const WordIndex &index, const CompoundQuery &query,
    const CompoundLimits &limits, const std::function<void(const std::string &)> &found);
