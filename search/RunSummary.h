// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/WordSearch.h"

#include <QString>
#include <optional>
#include <string>

// What the window tells about a run in its tooltips: which dictionary
// answered (its language and path), with which engine, whether the word
// index answered or every arrangement was tried and why, and how long it took.
[[nodiscard]] QString runSummary(const RunReport &run);

// Why every arrangement was tried, or why a dictionary or its index cannot
// serve, in the user's language. The reasons are written in English where
// they arise (the cache keeps some of them, and scripts read them with
// LANGUAGE=en), marked in the "Reason" context; one with no translation,
// or from a layer that has none, stays as it is.
[[nodiscard]] QString reasonText(const std::string &reason);

// When the locale asks for a language that no dictionary here serves and
// another answered: a note that says so and how to get one; empty otherwise.
[[nodiscard]] QString missingLanguageNote(
    const std::optional<std::string> &askedLanguage, const RunReport &run);
