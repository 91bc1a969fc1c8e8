// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/SearchView.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The words of one run in the order found, no two equal regardless of case.
using WordList = std::vector<std::string>;

// Adds word unless a case variant of it is already there: the first case found wins.
void addword(const std::string &word, WordList &list);

struct SearchResult {
    QString text;
    RgbColor color;
};

// The result line in the language of the interface, or in English whatever
// it is, for the command-line tool, whose output scripts read.
enum class ResultLanguage { Interface, English };

[[nodiscard]] SearchResult resultFor(
    const WordList &list, ResultLanguage language = ResultLanguage::Interface);
// The same, written a few thousand words at a time, keepGoing asked between
// them (a window turns its event loop there); nothing when it said to stop.
[[nodiscard]] std::optional<SearchResult> resultFor(
    const WordList &list, ResultLanguage language, const std::function<bool()> &keepGoing);
