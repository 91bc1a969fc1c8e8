// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A crossword's light: one character per letter, "?" for any letter, a
// letter for itself (either case), "[abc]" for one of these letters,
// "[^abc]" for any but these, a space between two words. Matched a letter
// at a time: no pattern engine ever backtracks over the user's text.
class WordPattern {
public:
    // One letter's square: the letters it takes, or with "^" those it does
    // not (none: any letter). The letters in lower case.
    struct Square {
        std::string letters;
        bool except = true;
        [[nodiscard]] bool takes(char lower) const;
        // The one letter the square fixes, or nothing.
        [[nodiscard]] std::optional<char> fixed() const;
    };
    using Place = std::vector<Square>; // a word's squares

    // The pattern, or why the text is none.
    [[nodiscard]] static std::variant<WordPattern, std::string> parse(std::string_view text);

    // The words' places, in the pattern's order.
    [[nodiscard]] const std::vector<Place> &words() const { return m_words; }
    [[nodiscard]] std::size_t letters() const;
    // The letters the pattern fixes, all its words together.
    [[nodiscard]] const LetterCounts &fixed() const { return m_fixed; }
    // The same as typed letters of a word game ("?" for each square not
    // fixed): the tiles a word of the pattern may be made of.
    [[nodiscard]] std::string tiles() const;

    // Whether the word (any case) fills the place.
    [[nodiscard]] bool fits(std::size_t place, std::string_view word) const;
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
};
