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

// When the locale asks for a language that no dictionary here serves and
// another answered: a note that says so and how to get one; empty otherwise.
[[nodiscard]] QString missingLanguageNote(
    const std::optional<std::string> &askedLanguage, const RunReport &run);
