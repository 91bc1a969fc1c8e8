// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ProgramTerminator;
class WordSearch;
class frmMain;

// Connects the window's analysis commands to the search, and Exit to the
// program's end. The program, the benchmark and the tests wire it alike.
void connectAnalysis(frmMain &window, WordSearch &search, ProgramTerminator &terminator);
