// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ExitStatus.h"
#include "cli/ToolIo.h"
#include "search/WordSearch.h"

#include <QString>
#include <optional>
#include <string>

// The window's analysis from the command line: the letters go in as if
// typed, through the same request as the window's (checked, trimmed, then
// answered by the word index or by trying every arrangement); the results
// box's line comes out on out, and how it was found on errLine. A refusal
// or a missing checker is told through the message box. Gives the exit
// status.
[[nodiscard]] ExitStatus runAnalysis(const QString &letters, const ToolServices &services,
    const SearchOptions &options, const ToolIo &io,
    const std::optional<std::string> &askedLanguage);
