// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

class ProgramTerminator;
class WordSearch;
class frmMain;

// Connects the window's analysis commands to the search, and Exit to the
// program's end. The program, the benchmark and the tests wire it alike.
void connectAnalysis(frmMain &window, WordSearch &search, ProgramTerminator &terminator);

// Has the window's tooltips name the dictionary, the engine and how each run
// was answered; the first run also says so when the language the locale asks
// for has no dictionary and another answered.
void connectRunNotes(
    frmMain &window, WordSearch &search, const std::optional<std::string> &askedLanguage);
