// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/AsciiLetters.h"

#include <array>
#include <cstdint>
#include <string_view>

// Counts of the letters a to z.
using LetterCounts = std::array<std::uint8_t, 26>;

// The letters a to z in text, either case, each counted up to 255.
[[nodiscard]] inline LetterCounts countLetters(std::string_view text)
{
    LetterCounts counts {};
    for (const char c : text) {
        const char lower = asciiLower(c);
        if (lower >= 'a' && lower <= 'z' && counts[static_cast<std::size_t>(lower - 'a')] < 255)
            ++counts[static_cast<std::size_t>(lower - 'a')];
    }
    return counts;
}

// Whether each letter of part is counted in whole at least as often.
[[nodiscard]] inline bool fitsWithin(const LetterCounts &part, const LetterCounts &whole)
{
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] > whole[i])
            return false;
    }
    return true;
}
