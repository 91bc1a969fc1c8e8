// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include <algorithm>
#include <limits>

bool arrangingIsWayOut(std::size_t letters)
{
    double arrangements = 1;
    for (std::size_t k = 2; k <= letters && arrangements < 1e15; ++k)
        arrangements *= static_cast<double>(k);
    return std::chrono::duration<double>(kQuestionCost) * arrangements <= kLongestWayOut;
}

std::chrono::steady_clock::duration compoundTimeFor(std::size_t letters)
{
    // Where trying every arrangement would take longer, it is no way out
    // (twelve Estonian letters would take half an hour): the search for
    // compounds goes on until it ends or the user stops it.
    if (!arrangingIsWayOut(letters))
        return std::chrono::steady_clock::duration::max();
    return CompoundBudget {}.maxTime;
}

CompoundBudget compoundBudgetFor(std::size_t letters, std::function<bool()> keepGoing)
{
    CompoundBudget budget;
    budget.keepGoing = std::move(keepGoing);
    budget.maxTime = compoundTimeFor(letters);
    // Where it has no end in sight, the index's answer is the only one that
    // can finish: it is given the candidates it names, confirmed a batch at a
    // time, however long that takes (the user may stop it), up to as many as
    // memory can hold.
    if (budget.maxTime == std::chrono::steady_clock::duration::max()) {
        budget.maxSteps = std::numeric_limits<std::size_t>::max();
        budget.maxCandidates = kMostLongCandidates;
    }
    return budget;
}
