// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/WordCollation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The letters of a word: its characters, a mark with the letter it is on.
[[nodiscard]] std::size_t letterCount(std::string_view word);
// Longest first (in letters), then in the language's alphabetical order.
[[nodiscard]] bool longestFirst(
    std::string_view a, std::string_view b, const WordCollation &alphabetical);

// One line of the answer: a word, or the words of a phrase (in alphabetical
// order, or in the order of the pattern's places).
struct GameResult {
    std::vector<std::string> words;
    // For each word, the positions (from 0) of the letters blank tiles stand for.
    std::vector<std::vector<std::size_t>> blanks;
    std::optional<unsigned> score; // with the language's tiles, where asked
    [[nodiscard]] std::size_t letters() const;
};
