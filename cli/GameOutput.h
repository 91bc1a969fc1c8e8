// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameRun.h"

#include <QByteArray>
#include <string>
#include <vector>

// How a game's results are printed: one a line, the words of a phrase
// between single spaces; or, for programs, one JSON array of objects, each
// with its words and their letter count: [{"words": ["angel"], "letters": 5}].
enum class GameFormat { Lines, Json };

[[nodiscard]] QByteArray formatResults(const std::vector<GameResult> &results, GameFormat format);

// Whether a game's words were judged by the spelling checker, or by the
// player's own list alone.
enum class CheckerAsked { Yes, No };

// The lines for standard error after a game: what was found (and how many
// questions the checker was asked, where it was), and where a limit or the
// budget stopped it.
[[nodiscard]] std::vector<std::string> gameNotes(
    const GameQuery &query, const GameOutcome &outcome, CheckerAsked checker = CheckerAsked::Yes);
