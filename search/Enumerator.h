// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// Arrangements of the typed letters, numbered by a counter written in the
// factorial number system: digit j of the offsets lies in 0 … j and stands
// for j!. Counting numbers are doubles: exact up to 2^53, so up to 18 letters
// every counter value is exact, and beyond that no run ever gets that far.

// What is arranged are letters, not bytes: a letter is what a reader takes
// for one character (letters/Letters.h), so é, however it was typed, and an
// Indic consonant with its vowel sign each move as one.

[[nodiscard]] double fact(double x);

// The letters of typed text; text that is not UTF-8 (which no request lets
// through) counts a letter a byte.
[[nodiscard]] std::vector<std::string> lettersOf(const std::string &text);
[[nodiscard]] std::size_t letterCount(const std::string &text);

// Puts the letter at position p of letters at position neworder[p].
void resetletters(std::vector<std::string> &letters, std::span<const int> neworder);
void resetletters(std::string &letters, std::span<const int> neworder);

// The arrangement that the offsets name, built from the letters as typed:
// rotate the whole word right by offsets[n-1], then the first n-1 letters
// by offsets[n-2], and so on down to the first two. Leaves letters holding
// the arrangement and returns a copy of it, as text.
std::string reorder(std::vector<std::string> &letters, std::span<const int> offsets);
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
//
// Letters of one byte each (A-Z) are rotated where they stand; any other
// letters are rotated as numbers, one for each different letter, and the
// arrangement is spelt out after each step.
class Arrangements {
public:
    explicit Arrangements(const std::string &letters);
    // Starts over at the arrangement of the counter value (a whole number).
    void seek(double counter);

    [[nodiscard]] const std::string &current() const;
    [[nodiscard]] const std::vector<int> &offsets() const { return m_offsets; }
    // False, and nothing changes, at the last arrangement.
    bool advance();

    static constexpr std::size_t kKeptLevels = 20;

private:
    // m_levels[i] is level i+1 with its first i+1 letters rotated right by
    // m_offsets[i], where the level above the last kept one is the typed word
    // with every higher rotation done. m_levels[0] is unused.
    template<typename Word> struct Levels {
        Word typed;
        std::vector<Word> levels;
    };
    template<typename Word> void rebuild(Levels<Word> &walk);
    template<typename Word> void step(Levels<Word> &walk, std::size_t j);
    void spell();

    std::vector<int> m_offsets;
    std::variant<Levels<std::string>, Levels<std::u32string>> m_walk;
    std::vector<std::string> m_letters; // each different letter once, by its number
    std::string m_spelt; // the current arrangement when letters are numbers
};
