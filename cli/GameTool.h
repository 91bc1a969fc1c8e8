// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ProgressLine.h"
#include "wordgames/GameRun.h"

#include <QByteArray>
#include <functional>
#include <string>

class IndexSource;
class MessageBox;
class ProgramTerminator;
class SpellCheckerFactory;

// Where a game from the command line writes, and what it is given.
struct GameToolIo {
    std::function<void(const QByteArray &)> out;
    std::function<void(const std::string &)> errLine;
    // Set where standard error is a terminal: the progress goes there.
    std::function<void(const std::string &)> terminal;
    ProgressLine::Clock clock = [] { return std::chrono::steady_clock::now(); };
    GameBudget budget;
};

struct GameToolServices {
    SpellCheckerFactory &checkers;
    IndexSource &indexes;
    MessageBox &messageBox; // told when there is no checker
    ProgramTerminator &terminator;
};

inline constexpr int kExitNoChecker = 3;
inline constexpr int kExitUnfinished = 4;

// Plays the game as quorvel-search does: the checker of the search, the
// word index of its dictionary (the games enumerate nothing, so without
// one they refuse), the results on out and what else there is to tell on
// errLine; gives the exit status.
[[nodiscard]] int runGameTool(
    const GameQuery &query, const GameToolServices &services, const GameToolIo &io);
