// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How far a compound's letters so far keep to a crossword's squares: each
// square the key letters it may be, a bit each (wordforms/LetterCounts.h),
// and a compound has as many letters as there are squares.
struct SquaresFit {
    bool fits = true; // no letter stands on a square that may not be it
    bool full = false; // as many letters as squares: the compound may end here
    bool room = true; // fewer letters than squares: another part may follow
};

// The fit of prefix followed by piece (in key letters, as the index keeps
// its forms, a byte each); where a byte is no key letter (a hyphen), every
// way on is left open.
[[nodiscard]] SquaresFit squaresFit(
    const std::vector<std::uint64_t> &squares, std::string_view prefix, std::string_view piece);

// The letters a part may have that begins at square from on: each key
// letter as often as the squares from there may be it.
[[nodiscard]] LetterCounts squaresFrom(const std::vector<std::uint64_t> &squares, std::size_t from);

// The part of the pool a part may use that begins after prefix with credit
// (the letters of prefix it begins with again): no more of a letter than
// the squares from there may be. The pool itself where prefix has a byte
// that is no key letter.
[[nodiscard]] LetterPool onSquares(const LetterPool &pool,
    const std::vector<LetterCounts> &fromSquare, std::string_view prefix, std::size_t credit);
