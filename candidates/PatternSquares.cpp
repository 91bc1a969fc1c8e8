// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/PatternSquares.h"

#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <cstddef>

namespace {

// Walks the letters of text from square at on; false when one may not stand
// where it does, or the text has a byte that is no key letter (then
// unknown is set).
bool walk(const std::vector<std::uint64_t> &squares, std::string_view text, std::size_t &at,
    bool &unknown)
{
    for (const char c : text) {
        const int number = keyLetterNumber(c);
        if (number < 0) {
            unknown = true;
            return false;
        }
        if (at >= squares.size() || !(squares[at] >> number & 1))
            return false;
        ++at;
    }
    return true;
}

} // namespace

SquaresFit squaresFit(
    const std::vector<std::uint64_t> &squares, std::string_view prefix, std::string_view piece)
{
    std::size_t at = 0;
    bool unknown = false;
    if (!walk(squares, prefix, at, unknown) || !walk(squares, piece, at, unknown))
        return unknown ? SquaresFit { true, true, true } : SquaresFit { false, false, false };
    return { true, at == squares.size(), at < squares.size() };
}

LetterCounts squaresFrom(const std::vector<std::uint64_t> &squares, std::size_t from)
{
    LetterCounts counts {};
    for (std::size_t at = from; at < squares.size(); ++at) {
        for (std::size_t x = 0; x < kKeyLetters; ++x)
            counts[x] = static_cast<std::uint8_t>(counts[x] + (squares[at] >> x & 1));
    }
    return counts;
}

LetterPool onSquares(const LetterPool &pool, const std::vector<LetterCounts> &fromSquare,
    std::string_view prefix, std::size_t credit)
{
    if (credit > prefix.size() || prefix.size() - credit >= fromSquare.size()
        || std::ranges::any_of(prefix, [](char c) { return keyLetterNumber(c) < 0; }))
        return pool;
    const LetterCounts &left = fromSquare[prefix.size() - credit];
    LetterPool narrowed = pool;
    for (std::size_t x = 0; x < narrowed.counts.size(); ++x)
        narrowed.counts[x] = std::min(narrowed.counts[x], left[x]);
    return narrowed;
}
