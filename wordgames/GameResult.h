// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Alphabetical order ignoring letter case, then by the word as written.
[[nodiscard]] bool wordOrder(std::string_view a, std::string_view b);
// Longest first, then alphabetical (as wordOrder).
[[nodiscard]] bool longestFirst(std::string_view a, std::string_view b);

// One line of the answer: a word, or the words of a phrase in alphabetical order.
struct GameResult {
    std::vector<std::string> words;
    [[nodiscard]] std::size_t letters() const;
};
