// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ExitStatus.h"
#include "cli/GameOptions.h"
#include "cli/ToolIo.h"
#include "wordgames/GameRun.h"

#include <cstddef>

// The largest word list read (--wordlist): a tournament list is a few megabytes.
inline constexpr std::size_t kMaxWordListBytes = 64 * 1024 * 1024;

// Plays the game as quorvel-search does: the checker of the search, the
// word index of its dictionary (the games enumerate nothing, so without
// one they are refused), the results on out and what else there is to
// tell on errLine; gives the exit status.
[[nodiscard]] ExitStatus runGameTool(const GameCommand &command, const ToolServices &services,
    const ToolIo &io, const GameBudget &budget = {});
