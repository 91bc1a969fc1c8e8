// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"
#include "wordindex/WordIndex.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CompoundBudget {
    // Candidates, and steps through the tree of keys; past either the
    // search stops and says so. No real dictionary comes near.
    std::size_t maxCandidates = 200'000;
    std::size_t maxSteps = 20'000'000;
    std::chrono::steady_clock::duration maxTime = std::chrono::seconds(2);
    // Asked now and then; false stops the search (the user went on).
    std::function<bool()> keepGoing;
};

struct CompoundCandidates {
    // Every string of exactly the letters (lower case) that the dictionary's
    // compounding could accept: parts from the index in an order their
    // roles allow, joined as the rules join them. It rather holds a string
    // too many than one too few; the checker decides.
    std::vector<std::string> words;
    // Empty when the search finished; otherwise why it stopped.
    std::string unfinished;
    bool stopped = false; // by keepGoing
};

[[nodiscard]] CompoundCandidates compoundCandidates(
    const WordIndex &index, std::string_view letters, const CompoundBudget &budget = {});
