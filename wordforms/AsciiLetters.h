// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The letters A to Z, as the index's key letters and the word games have
// them: their case changed by these alone, never by the locale's rules (a
// Turkish locale lowers I to a dotless i).

[[nodiscard]] constexpr bool isAsciiUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

[[nodiscard]] constexpr bool isAsciiLetter(char c)
{
    return isAsciiUpper(c) || (c >= 'a' && c <= 'z');
}

[[nodiscard]] constexpr char asciiLower(char c)
{
    return isAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with A to Z in small letters, every other character as it is.
[[nodiscard]] inline std::string asciiLowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = asciiLower(c);
    return lower;
}
