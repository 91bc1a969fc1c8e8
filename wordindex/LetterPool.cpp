// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/LetterPool.h"

#include "hunspellfiles/Reason.h"
#include "letters/Letters.h"
#include "wordforms/KeyLetters.h"

#include <numeric>
#include <optional>

namespace {

// The letters of the longest tile a word-game set has (Welsh LL, Catalan L·L).
constexpr std::size_t kMaxTileLetters = 3;

constexpr const char *kNotTiles = Reason::mark(
    "only letters, \"?\" for a blank, a tile of several letters in [ ] and spaces can be given");

} // namespace

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
    for (std::size_t x = 0; x < kKeyLetters; ++x)
        letters.append(counts[x] + (blankReaches(x) ? blanks : 0), keyLetterByte(x));
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
    const auto text = normalised(typed);
    const auto split = text ? splitLetters(*text) : std::nullopt;
    if (!split)
        return kNotTiles;
    LetterPool pool;
    std::size_t tiles = 0;
    std::optional<std::string> tile; // the letters of a tile in [ ] so far
    std::size_t tileLetters = 0;
    for (const std::string &letter : *split) {
        if (letter == " " && !tile)
            continue;
        if (letter == "]" && tile && tileLetters > 1) {
            pool.tiles.push_back(std::move(*tile));
            tile.reset();
            continue;
        }
        if (letter == "[" && !tile) {
            tile.emplace();
            tileLetters = 0;
        } else if (letter == "?" && !tile) {
            ++pool.blanks;
        } else {
            const auto key = keyLettersOf(&letter, 1);
            if (!key || (tile && ++tileLetters > kMaxTileLetters))
                return kNotTiles;
            ++pool.counts[static_cast<std::size_t>(keyLetterNumber(key->front()))];
            if (tile) {
                *tile += letter;
                continue;
            }
            pool.tiles.push_back(letter);
        }
        if (++tiles > LetterPool::kMaxTiles)
            return Reason::with(Reason::kTooManyTiles, std::to_string(LetterPool::kMaxTiles));
    }
    if (tile)
        return kNotTiles;
    if (tiles == 0)
        return Reason::mark("no letters were given");
    return pool;
}
