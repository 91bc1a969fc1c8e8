// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameResult.h"

#include "wordforms/AsciiLetters.h"

#include <algorithm>
#include <compare>

bool wordOrder(std::string_view a, std::string_view b)
{
    const auto folded = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(),
        b.end(), [](char x, char y) { return asciiLower(x) <=> asciiLower(y); });
    return std::is_neq(folded) ? std::is_lt(folded) : a < b;
}

bool longestFirst(std::string_view a, std::string_view b)
{
    return a.size() != b.size() ? a.size() > b.size() : wordOrder(a, b);
}

std::size_t GameResult::letters() const
{
    std::size_t count = 0;
    for (const std::string &word : words)
        count += word.size();
    return count;
}
