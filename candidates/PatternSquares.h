// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
