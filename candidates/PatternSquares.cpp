// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/PatternSquares.h"

#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <cstddef>
#include <utility>

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

bool squaresBound(const std::vector<std::uint64_t> &squares, const LetterPool &pool)
{
    if (squares.empty() || pool.blanks != 0)
        return false;
    const LetterCounts may = squaresFrom(squares, 0);
    for (std::size_t x = 0; x < may.size(); ++x) {
        if (pool.counts[x] < may[x])
            return false;
    }
    return true;
}

std::optional<std::pair<std::size_t, LetterCounts>> squaresState(
    std::string_view prefix, const LetterCounts &required)
{
    if (std::ranges::any_of(prefix, [](char c) { return keyLetterNumber(c) < 0; }))
        return std::nullopt;
    const LetterCounts had = countLetters(prefix);
    LetterCounts lacking {};
    for (std::size_t x = 0; x < lacking.size(); ++x)
        lacking[x] = required[x] > had[x] ? static_cast<std::uint8_t>(required[x] - had[x]) : 0;
    return std::pair(prefix.size(), lacking);
}

SquareParts::SquareParts(std::vector<std::uint64_t> squares)
    : m_squares(std::move(squares))
{
}

const std::vector<compoundsearch::Part> &SquareParts::on(
    const std::vector<compoundsearch::Part> &parts, std::string_view prefix, std::size_t credit)
{
    if (credit > prefix.size()
        || std::ranges::any_of(prefix, [](char c) { return keyLetterNumber(c) < 0; }))
        return parts;
    const std::size_t from = prefix.size() - credit;
    const auto [kept, fresh] = m_kept.try_emplace(std::pair(&parts, from));
    if (!fresh)
        return kept->second;
    for (const compoundsearch::Part &part : parts) {
        compoundsearch::Part fitting { part.letters, {} };
        for (const compoundsearch::Part::Form &form : part.forms) {
            std::size_t at = from;
            bool unknown = false;
            if (walk(m_squares, form.text, at, unknown) || unknown)
                fitting.forms.push_back(form);
        }
        if (!fitting.forms.empty())
            kept->second.push_back(std::move(fitting));
    }
    return kept->second;
}
