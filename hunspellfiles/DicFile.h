// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

// Reading a dictionary's word list, its .dic file.

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

// Calls visit(word, flags) for each word of a word list as the engines load
// it (ignored characters dropped; an entry with a blank also as its first
// word alone; a word with capitals inside also with only its first one)
// until it gives false. Gives why the list could not be read
// to its end by itself, or nothing.
using DicWordVisit = std::function<bool(std::u32string &word, const FlagList &flags)>;
[[nodiscard]] std::string forEachDicWord(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, const DicWordVisit &visit);
