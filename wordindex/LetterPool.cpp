// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/LetterPool.h"

#include "hunspellfiles/Reason.h"

#include <numeric>

std::size_t LetterPool::letters() const
{
    return std::accumulate(counts.begin(), counts.end(), std::size_t(0));
}

std::size_t shortfall(const LetterCounts &have, const LetterCounts &word)
{
    std::size_t missing = 0;
    for (std::size_t x = 0; x < have.size(); ++x)
        missing += word[x] > have[x] ? word[x] - have[x] : 0;
    return missing;
}

std::string LetterPool::reach() const
{
    std::string letters;
    // A blank stands for a letter A to Z only: the word games take no other.
    for (std::size_t x = 0; x < kKeyLetters; ++x)
        letters.append(counts[x] + (x < kAsciiKeyLetters ? blanks : 0), keyLetterByte(x));
    return letters;
}

bool take(LetterPool &pool, const LetterCounts &word)
{
    const std::size_t missing = shortfall(pool.counts, word);
    if (missing > pool.blanks)
        return false;
    pool.blanks -= missing;
    for (std::size_t x = 0; x < word.size(); ++x)
        pool.counts[x] = word[x] > pool.counts[x] ? 0 : pool.counts[x] - word[x];
    return true;
}

std::variant<LetterPool, std::string> parsePool(std::string_view typed)
{
    LetterPool pool;
    std::size_t tiles = 0;
    for (const char c : typed) {
        if (c == ' ')
            continue;
        if (++tiles > LetterPool::kMaxTiles)
            return Reason::with(Reason::kTooManyTiles, std::to_string(LetterPool::kMaxTiles));
        if (c == '?')
            ++pool.blanks;
        else if (c >= 'a' && c <= 'z')
            ++pool.counts[static_cast<std::size_t>(c - 'a')];
        else if (c >= 'A' && c <= 'Z')
            ++pool.counts[static_cast<std::size_t>(c - 'A')];
        else
            return Reason::mark(
                "only the letters A to Z, \"?\" for a blank and spaces can be given");
    }
    if (tiles == 0)
        return Reason::mark("no letters were given");
    return pool;
}
