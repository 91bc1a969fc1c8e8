// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Words a dictionary holds as they stand, so that an engine that has loaded
// it must accept them whatever the language: the first entries of its word
// list, read as the engines read them, that need no affix, are not only
// for compounds and are not forbidden. An engine that accepts none of them
// answers from something other than this dictionary.
struct SelfTestWord {
    std::string raw; // in the dictionary's own encoding, as Hunspell is asked
    std::string utf8; // as Nuspell is asked
};

[[nodiscard]] std::vector<SelfTestWord> selfTestWords(std::string_view affText,
    std::string_view dicText, Dialect dialect, std::size_t count = 8,
    const ReadLimits &limits = {});

// A string of the dictionary's own letters that is no word: the first letter
// of the words that is neither Latin nor common to every script, seven
// times over. Asked of a checker that takes every string of Latin letters
// (uk_UA lets foreign words pass so), it tells whether the checker still
// judges the words of its own alphabet. Nothing for words spelt only in
// Latin letters, or in an encoding of more than one byte a letter but UTF-8.
[[nodiscard]] std::optional<SelfTestWord> nonsenseInOwnLetters(
    const std::vector<SelfTestWord> &words);
