// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedChecker.h"
#include "tests/support/ThreadSafeChecker.h"

// A search over a recording window with scripted services, which lets the
// window handle its events at every arrangement.
struct SearchFixture {
    CallLog log;
    RecordingView view { log };
    FakeMessageBox box { &log };
    ScriptedCheckerFactory checkers { &log };
    FakeTerminator terminator { &log };
    WordSearch search { view, { box, checkers, terminator, view },
        { std::chrono::nanoseconds(0) } };
};

// The same over a checker that many threads may ask.
struct ThreadedSearch {
    CallLog log;
    RecordingView view { log };
    FakeMessageBox box;
    ThreadSafeCheckerFactory checkers;
    FakeTerminator terminator { &log };
    WordSearch search;

    explicit ThreadedSearch(const SearchOptions &options, QuestionDelay delay = {})
        : search(view, { box, checkers, terminator, view }, options)
    {
        checkers.script->delay = std::move(delay);
    }
};
