// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The letters typed, by the key letter each is filed under: which of a
// part's own spellings they can spell. The index files Gänse and a Ganse
// alike under "ganse"; typed letters without an ä spell only the second,
// and the engines look a part up as the word spells it, so a part the
// dictionary spells only with ä is no part of a word typed without one.
class TypedLetters {
public:
    // typed: the letters as typed, each as lettersOf splits them; keys: the
    // key letter of each, in small letters (a letter filed beyond a to z is
    // not counted: no part of a to z holds it).
    TypedLetters(const std::vector<std::string> &typed, std::string_view keys);

    // The dictionary's conversions of one letter into one other (ICONV,
    // from, to): a letter typed that one converts stands for any letter of
    // its key letter.
    void convertedBy(const std::vector<std::pair<std::string, std::string>> &conversions);

    // Whether the typed letters hold the letters of a spelling of form (key
    // letters, one a letter of the spelling), each where its key letter is:
    // a small letter typed stands for itself and its capital, a capital
    // typed for any letter of its key letter (the engines take a word in
    // capitals in small letters, with a language's own case rules), a
    // letter of several characters typed for any too. A letter of the
    // spelling may be typed as one that a conversion (ICONV) makes it
    // (convertedBy), and a spelling whose letters are not one to a key
    // letter (ß filed as "ss") is taken: only what the checker would refuse
    // as typed is left out.
    [[nodiscard]] bool spell(std::string_view form, std::string_view spelling) const;

private:
    // Of each key letter a to z: the small letters typed (code point, count)
    // and how many typed letters stand for any of its letters.
    std::array<std::vector<std::pair<char32_t, std::size_t>>, 26> m_small;
    std::array<std::size_t, 26> m_free {};
    bool m_ascii = true; // every letter typed is one of A to Z or a to z
    bool m_convertedMany = false; // a conversion makes several code points: all is held
};
