// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/LooseSearch.h"

#include <cstddef>
#include <functional>

// How a loose search of this many letters may use the index: the budget of
// the search for compounds that the search as typed has
// (compoundBudgetFor), and the most questions before trying every
// arrangement is thought better; where that has no end in sight, the
// index's answer is the only one that can finish, however many questions.
// The window, the command-line tool and the benches all ask this, so that
// what they measure is what the program does.
[[nodiscard]] LooseIndex looseIndexFor(
    const FormSource *forms, std::size_t letters, std::function<bool()> keepGoing = {});
