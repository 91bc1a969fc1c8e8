// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A crossword's light: one character per letter, "?" for any letter, a
// letter for itself (either case), a space between two words.
class WordPattern {
public:
    // The pattern, or why the text is none.
    [[nodiscard]] static std::variant<WordPattern, std::string> parse(std::string_view text);

    // The words' places, in lower case with "?" for an open letter.
    [[nodiscard]] const std::vector<std::string> &words() const { return m_words; }
    [[nodiscard]] std::size_t letters() const;
    // The letters the pattern fixes, all its words together.
    [[nodiscard]] const LetterCounts &fixed() const { return m_fixed; }

    // Whether the word (any case) fills the place.
    [[nodiscard]] bool fits(std::size_t place, std::string_view word) const;
    // The places the word fills, one bit each.
    [[nodiscard]] std::uint32_t placesOf(std::string_view word) const;

    static constexpr std::size_t kMaxWords = 8;

private:
    std::vector<std::string> m_words;
    LetterCounts m_fixed {};
};
