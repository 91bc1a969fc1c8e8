// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseBudget.h"

#include "search/IndexedSearch.h"

#include <limits>

LooseIndex looseIndexFor(
    const FormSource *forms, std::size_t letters, std::function<bool()> keepGoing)
{
    LooseIndex index;
    index.forms = forms;
    index.budget = compoundBudgetFor(letters, std::move(keepGoing));
    if (index.budget.maxTime == std::chrono::steady_clock::duration::max())
        index.maxQuestions = std::numeric_limits<std::size_t>::max();
    return index;
}
