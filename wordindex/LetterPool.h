// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The key letters a to z, a bit each: what a blank stands for where the
// dictionary's alphabet is not known.
inline constexpr std::uint64_t kAsciiBlankKeys = (std::uint64_t(1) << kAsciiKeyLetters) - 1;

// The tiles of a word game: letters, each as often as given, and blanks
// that stand for any one letter.
struct LetterPool {
    // More than a game has tiles, and below what a count of one letter can hold.
    static constexpr std::size_t kMaxTiles = 64;

    LetterPool() = default;
    // Letters without their tiles as typed (a word's, a part of a pool's).
    LetterPool(const LetterCounts &letters, std::size_t blankTiles)
        : counts(letters)
        , blanks(blankTiles)
    {
    }

    // The key letters of the tiles (of a tile of several letters, each).
    LetterCounts counts {};
    std::size_t blanks = 0;
    // The tiles as typed, in normal form C, blanks left out: a letter each,
    // or the letters of a tile such as [ch]; which letters of the
    // dictionary's alphabet each stands for is the game's to say.
    std::vector<std::string> tiles;
    // The key letters a blank may stand for, a bit each: those the letters
    // of the dictionary's alphabet are filed under.
    std::uint64_t blankKeys = kAsciiBlankKeys;

    [[nodiscard]] std::size_t letters() const;
    [[nodiscard]] std::size_t size() const { return letters() + blanks; }
    // Every letter a word of the pool may have, each as often as it may:
    // the letters, and each letter a blank may stand for once more for
    // each blank.
    [[nodiscard]] std::string reach() const;
    // Whether a blank may stand for a letter of this key letter.
    [[nodiscard]] bool blankReaches(std::size_t keyLetter) const
    {
        return keyLetter < 64 && ((blankKeys >> keyLetter) & 1) != 0;
    }
};

// How many of the word's letters the counts do not hold: the blanks it needs.
[[nodiscard]] std::size_t shortfall(const LetterCounts &have, const LetterCounts &word);

// Takes a word's letters out of the pool, blanks for those it lacks; false,
// and the pool unchanged, when the blanks do not reach.
bool take(LetterPool &pool, const LetterCounts &word);

// The pool typed on the command line: letters of any alphabet in either
// case, a tile of several letters in square brackets ("[ch]"), "?" for a
// blank, spaces anywhere (a name typed as two words); the reason when any
// other character is there, or nothing is.
[[nodiscard]] std::variant<LetterPool, std::string> parsePool(std::string_view typed);
