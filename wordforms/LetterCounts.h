// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/AsciiLetters.h"

#include <array>
#include <cstdint>
#include <string_view>

// The letters the index files forms under, one byte each: a to z (A to Z
// counted as them), then kOtherKeyLetters more for the letters of every
// other alphabet (wordforms/KeyLetters.h says which letter takes which).
inline constexpr std::size_t kAsciiKeyLetters = 26;
inline constexpr std::size_t kOtherKeyLetters = 37;
inline constexpr std::size_t kKeyLetters = kAsciiKeyLetters + kOtherKeyLetters;
inline constexpr unsigned char kFirstOtherKeyByte = 0x80;

// The number of a key letter (0 to kKeyLetters - 1); -1 for any other byte.
[[nodiscard]] constexpr int keyLetterNumber(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return byte - 'a';
    if (byte >= 'A' && byte <= 'Z')
        return byte - 'A';
    if (byte >= kFirstOtherKeyByte && byte < kFirstOtherKeyByte + kOtherKeyLetters)
        return static_cast<int>(kAsciiKeyLetters) + (byte - kFirstOtherKeyByte);
    return -1;
}

// The byte of a key letter by its number, in small letters.
[[nodiscard]] constexpr char keyLetterByte(std::size_t number)
{
    return number < kAsciiKeyLetters
        ? static_cast<char>('a' + number)
        : static_cast<char>(kFirstOtherKeyByte + (number - kAsciiKeyLetters));
}

// Counts of the key letters, by their numbers: a fixed size, whatever the alphabet.
using LetterCounts = std::array<std::uint8_t, 64>;
static_assert(kKeyLetters <= std::tuple_size_v<LetterCounts>);

// The key letters in text, either case, each counted up to 255.
[[nodiscard]] inline LetterCounts countLetters(std::string_view text)
{
    LetterCounts counts {};
    for (const char c : text) {
        const int number = keyLetterNumber(c);
        if (number >= 0 && counts[static_cast<std::size_t>(number)] < 255)
            ++counts[static_cast<std::size_t>(number)];
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
