// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ThreadSafeChecker.h"

// A search over a recording window whose checker many threads may ask.
struct ThreadedSearch {
    CallLog log;
    RecordingView view { log };
    FakeMessageBox box;
    ThreadSafeCheckerFactory checkers;
    FakeTerminator terminator { &log };
    WordSearch search;

    explicit ThreadedSearch(const SearchOptions &options,
        std::function<std::chrono::microseconds(std::string_view)> delay = {})
        : search(view, { box, checkers, terminator, view }, options)
    {
        checkers.script->delay = std::move(delay);
    }
};
