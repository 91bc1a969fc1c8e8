// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/WordSearch.h"
#include "tests/support/FakeIndexSource.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ThreadSafeChecker.h"

// A search over a recording window with fake services, which lets the
// window handle its events at every arrangement unless told otherwise.
template<typename Checker> struct SearchOver {
    CallLog log;
    RecordingView view { log };
    FakeMessageBox box { &log };
    ScriptedFactory<Checker> checkers { &log };
    FakeTerminator terminator { &log };
    // Asked only when the checker names a dictionary.
    FakeIndexSource indexes;
    WordSearch search;

    explicit SearchOver(const SearchOptions &options = { std::chrono::nanoseconds(0) })
        : search(view, { box, checkers, terminator, view, &indexes }, options)
    {
    }
};
using SearchFixture = SearchOver<ScriptedChecker>;
// The same over a checker that many threads may ask.
using ThreadedSearch = SearchOver<ThreadSafeChecker>;
