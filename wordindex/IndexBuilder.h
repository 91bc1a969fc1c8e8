// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/AffixFile.h"
#include "wordindex/WordIndex.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct WordIndexBuild {
    std::shared_ptr<const WordIndex> index; // nullptr when refused
    std::string refusal; // why the index cannot stand in for the checker
};

// One entry of a dictionary's word list as the engines read it: the word
// (which may hold blanks), then "/" and its flags, then morphological
// fields after a tab or after a blank before "xx:". "\/" is a slash in the
// word, and so is a slash that begins the line.
struct DicEntry {
    std::string word;
    std::string_view flags;
};
[[nodiscard]] DicEntry splitDicEntry(std::string_view line);
// Whether a line is the word count that begins a word list.
[[nodiscard]] bool isCountLine(std::string_view line);

// The index of a dictionary from the text of its two files, read as the
// engine of the dialect reads them. cancel, when set from another thread,
// ends the build with a refusal.
[[nodiscard]] WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr);

// The index of the dictionary at base (the path without .aff and .dic).
[[nodiscard]] WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr);
