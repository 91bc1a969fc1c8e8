// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Arrangements of the typed letters, numbered by a counter written in the
// factorial number system: digit j of the offsets lies in 0 … j and stands
// for j!. Counting numbers are doubles: exact up to 2^53, so up to 18 letters
// every counter value is exact, and beyond that no run ever gets that far.

[[nodiscard]] double fact(double x);

// Puts the character at position p of letters at position neworder[p].
void resetletters(std::string &letters, std::span<const int> neworder);

// The arrangement that the offsets name, built from the letters as typed:
// rotate the whole word right by offsets[n-1], then the first n-1 characters
// by offsets[n-2], and so on down to the first two. Leaves letters holding
// the arrangement and returns a copy of it.
std::string reorder(std::string &letters, std::span<const int> offsets);

// The counter step: adds one to the offsets and gives the position of the
// digit that went up; nothing (offsets unchanged) when every digit is at its
// maximum, i.e. at the last counter value.
[[nodiscard]] std::optional<std::size_t> advanceOffsets(std::vector<int> &offsets);

// Walks the arrangements in counter order without rebuilding each one from
// scratch: it keeps the word after each low level of rotation, so a step that
// raises digit j rotates level j by one more place and copies its first j+1
// letters to the levels below (and most steps raise digit 1: a swap of the
// first two letters). Only the lowest levels are kept: a digit above them
// goes up after 21! arrangements, which no run lives to see, so memory is
// linear in the letters however many are typed.
class Arrangements {
public:
    explicit Arrangements(const std::string &letters);
    // Starts over at the arrangement of the counter value (a whole number).
    void seek(double counter);

    [[nodiscard]] const std::string &current() const { return m_levels[1]; }
    [[nodiscard]] const std::vector<int> &offsets() const { return m_offsets; }
    // False, and nothing changes, at the last arrangement.
    bool advance();

    static constexpr std::size_t kKeptLevels = 20;

private:
    // Builds the kept levels from the typed word and the offsets.
    void rebuild();

    std::string m_typed;
    std::vector<int> m_offsets;
    // m_levels[i] is level i+1 with its first i+1 letters rotated right by
    // m_offsets[i], where the level above the last kept one is the typed word
    // with every higher rotation done. m_levels[0] is unused.
    std::vector<std::string> m_levels;
};
