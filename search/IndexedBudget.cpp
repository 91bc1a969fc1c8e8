// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include <algorithm>
#include <limits>

std::chrono::steady_clock::duration compoundTimeFor(std::size_t letters)
{
    using Seconds = std::chrono::duration<double>;
    const Seconds least = CompoundBudget {}.maxTime;
    const Seconds most = std::chrono::seconds(30);
    double arrangements = 1;
    for (std::size_t k = 2; k <= letters && arrangements < 1e15; ++k)
        arrangements *= static_cast<double>(k);
    // A hundredth of what trying them all would take.
    const Seconds share(arrangements * Seconds(kQuestionCost).count() / 100);
    // Where trying every arrangement would take hours it is no way out: the
    // search for compounds goes on until it ends or the user stops it.
    if (share > most)
        return std::chrono::steady_clock::duration::max();
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::clamp(share, least, most));
}

CompoundBudget compoundBudgetFor(
    std::size_t letters, std::function<bool()> keepGoing, std::size_t mostCandidates)
{
    CompoundBudget budget;
    budget.keepGoing = std::move(keepGoing);
    budget.maxTime = compoundTimeFor(letters);
    // Where trying every arrangement takes longer than the least time, the
    // index is worth the candidates of many short parts (12 Estonian
    // letters name some 300,000).
    if (budget.maxTime > CompoundBudget {}.maxTime)
        budget.maxCandidates = mostCandidates;
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
