// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameLetters.h"
#include "wordindex/LetterPool.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A crossword's light: one character per letter, "?" for any letter, a
// letter of any alphabet for itself (either case, matched loosely as the
// games match: GameLetters), "[abc]" for one of these letters, "[^abc]" for
// any but these, a space between two words. Matched a letter at a time: no
// pattern engine ever backtracks over the user's text. A ligature (ﬂ) fills
// a square for each letter the checker reads it as.
class WordPattern {
public:
    // One letter's square: the letters it takes, or with "^" those it does
    // not (none: any letter).
    struct Square {
        std::vector<std::string> typed; // as typed, in normal form C
        std::vector<std::string> letters; // their loose letters
        bool except = true;
        [[nodiscard]] bool takes(const std::string &loose) const;
        // The one loose letter the square fixes, or nothing.
        [[nodiscard]] std::optional<std::string> fixed() const;
    };
    using Place = std::vector<Square>; // a word's squares

    // The pattern, its letters matched loosely in no language in particular
    // until bound; or why the text is none.
    [[nodiscard]] static std::variant<WordPattern, std::string> parse(std::string_view text);
    // Matches the pattern's letters as the dictionary's: the first letter
    // typed that none of its letters counts as, or nothing when all are known.
    [[nodiscard]] std::optional<std::string> bind(std::shared_ptr<const GameLetters> letters);
    [[nodiscard]] const GameLetters &gameLetters() const { return *m_letters; }

    // The words' places, in the pattern's order.
    [[nodiscard]] const std::vector<Place> &words() const { return m_words; }
    [[nodiscard]] std::size_t letters() const;
    // The key letters the pattern fixes, all its words together: those of
    // the squares whose letter is filed under one key letter.
    [[nodiscard]] const LetterCounts &fixed() const { return m_fixed; }
    // The key letters each square of the place may be, a bit each.
    [[nodiscard]] std::vector<std::uint64_t> keySquares(std::size_t place) const;
    // Those of every place, in the pattern's order.
    [[nodiscard]] std::vector<std::vector<std::uint64_t>> keySquares() const;
    // The crossword's pool: each key letter as often as the squares may be it.
    [[nodiscard]] LetterPool pool() const;
    // The same as the squares give it: the letters they fix, and a blank
    // for each other square, for the letters it may be.
    [[nodiscard]] LetterPool givenPool() const;

    // Whether the word (any case) fills the place.
    [[nodiscard]] bool fits(std::size_t place, std::string_view word) const;
    // The same for a word's loose letters (GameLetters::looseLetters).
    [[nodiscard]] bool fits(std::size_t place, const std::vector<std::string> &loose) const;
    // The places the word fills, one bit each.
    [[nodiscard]] std::uint32_t placesOf(std::string_view word) const;
    // For each place in turn, which of the words fills it, each word used
    // once; nothing when they cannot be so placed. The first such order in
    // the order of the words.
    [[nodiscard]] std::optional<std::vector<std::size_t>> order(
        const std::vector<std::string> &words) const;

    static constexpr std::size_t kMaxWords = 8;

private:
    std::vector<Place> m_words;
    LetterCounts m_fixed {};
    std::shared_ptr<const GameLetters> m_letters;
};
