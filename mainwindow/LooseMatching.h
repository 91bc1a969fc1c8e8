// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SpellCheckerFactory;
class WordSearch;
class frmMain;

// Where the user's choice of Options > Match Letters Loosely is kept in the
// application's settings (QSettings, under the user's config folder).
inline const QString kLooseMatchingKey = QStringLiteral("search/looseMatching");

// Connects Options > Match Letters Loosely to the search. The user's choice
// is kept and comes back at the next start; until the user has chosen, the
// entry starts off, and turns on once the dictionary turns out to be of a
// language not written in Latin letters, where letters as typed could only
// be A to Z and would find nothing.
void connectLooseMatching(frmMain &window, WordSearch &search, SpellCheckerFactory &checkers);
