// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

// The tiles of a word game: letters, each as often as given, and blanks
// that stand for any one letter.
struct LetterPool {
    // More than a game has tiles, and below what a count of one letter can hold.
    static constexpr std::size_t kMaxTiles = 64;

    LetterCounts counts {};
    std::size_t blanks = 0;

    [[nodiscard]] std::size_t letters() const;
    [[nodiscard]] std::size_t size() const { return letters() + blanks; }
    // Every letter a word of the pool may have, each as often as it may:
    // the letters, and each letter once more for each blank.
    [[nodiscard]] std::string reach() const;
};

// How many of the word's letters the counts do not hold: the blanks it needs.
[[nodiscard]] std::size_t shortfall(const LetterCounts &have, const LetterCounts &word);

// Takes a word's letters out of the pool, blanks for those it lacks; false,
// and the pool unchanged, when the blanks do not reach.
bool take(LetterPool &pool, const LetterCounts &word);

// The pool typed on the command line: letters A-Z in either case, "?" for a
// blank, spaces anywhere (a name typed as two words); the reason when any
// other character is there, or nothing is.
[[nodiscard]] std::variant<LetterPool, std::string> parsePool(std::string_view typed);
