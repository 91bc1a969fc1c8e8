// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidates/CompoundParts.h"
#include "wordindex/LetterPool.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
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

// Whether the squares alone bound a compound's letters: the pool has no
// blanks and holds each key letter at least as often as the squares may be
// it, so that a part that fits its squares always finds its letters left.
// Then where a compound stands, and the letters it must still hold, say
// all that its letters so far do.
[[nodiscard]] bool squaresBound(const std::vector<std::uint64_t> &squares, const LetterPool &pool);

// The key of a state of the search where the squares bound the letters
// (squaresBound): the place where the next part begins after prefix, and
// of each letter required how many the prefix still lacks, in place of the
// letters left. Nothing where prefix has a byte that is no key letter.
[[nodiscard]] std::optional<std::pair<std::size_t, LetterCounts>> squaresState(
    std::string_view prefix, const LetterCounts &required);

// The parts a crossword's part may be where it begins: of a list of parts,
// those with a form whose letters the squares from there on may be, with
// those forms only, each list made once for each square.
class SquareParts {
public:
    explicit SquareParts(std::vector<std::uint64_t> squares);

    // Of the parts, those that may begin after prefix with credit (the
    // letters of prefix the part begins with again); the parts themselves
    // where prefix has a byte that is no key letter. A form with such a
    // byte is kept: where it stands is not known.
    [[nodiscard]] const std::vector<compoundsearch::Part> &
    on(const std::vector<compoundsearch::Part> &parts, std::string_view prefix, std::size_t credit);

private:
    std::vector<std::uint64_t> m_squares;
    std::map<std::pair<const std::vector<compoundsearch::Part> *, std::size_t>,
        std::vector<compoundsearch::Part>>
        m_kept;
};
