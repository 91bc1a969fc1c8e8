// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// More spellings of one form than this (each ICONV target character may be
// typed in more than one way) and the index is not trusted.
inline constexpr std::size_t kMaxSpellings = 64;

// How a form of a dictionary word can be typed, in key letters
// (wordforms/KeyLetters.h): each letter as its key letter, a mark that
// joins the letter before it as nothing, each character whose case mapping
// leads to other letters also as those letters (ß as "ss", the Latin
// ligatures as their letters), since a checker may accept that spelling
// for them; a character that IGNORE removes as nothing, and a character
// that ICONV makes of typed letters also as those letters. The case of A
// to Z (and of the letters filed under them) is kept: the index files the
// forms under their small letters but keeps them as the dictionary spells them.
class LetterFold {
public:
    explicit LetterFold(const AffixFile &affixes);

    // Appends every typed spelling of word to out (none when some character
    // has none); gives false when there would be more than maxSpellings.
    bool spellings(
        std::u32string_view word, std::vector<std::string> &out, std::size_t maxSpellings) const;

    // Whether the character can be typed at all (alone or as part of a longer spelling).
    [[nodiscard]] bool typable(char32_t c) const
    {
        // Asked for every character of every form: most are answered from a table.
        if (c < kTable)
            return m_typableBelow[c];
        std::vector<std::string> scratch;
        return waysOf(c, scratch) != nullptr;
    }

    // The number of the key letter (wordforms/LetterCounts.h) that every
    // typed spelling of the character holds, for it alone: A to Z, and the
    // letters of alphabets whose letters stand alone (Latin, Greek,
    // Cyrillic, Armenian, Georgian, Hebrew, Arabic) that have one way to be
    // typed; -1 for any other (a mark, ß, a letter an Indic cluster may hold).
    // Counting these in a form never counts more than its letters.
    [[nodiscard]] int countedKey(char32_t c) const { return c < kTable ? m_countedKey[c] : -1; }

private:
    // The ways to type one character (an empty way: it joins the letter
    // before it or is ignored); none: it cannot be typed. Those of a
    // character past the table are made in scratch.
    [[nodiscard]] const std::vector<std::string> *waysOf(
        char32_t c, std::vector<std::string> &scratch) const;
    void waysInto(char32_t c, std::vector<std::string> &ways) const;
    // The one way to type a letter of several characters.
    [[nodiscard]] std::vector<std::string> clusterWay(std::u32string_view cluster) const;
    // Whether the character may make one letter with another (a mark, a virama, a prepended
    // letter).
    [[nodiscard]] bool mayJoin(char32_t c) const
    {
        return c < kTable ? m_mayJoinBelow[c] : c >= 0x300;
    }
    std::unordered_map<char32_t, std::vector<std::string>> m_extra; // ß, ligatures, ICONV, IGNORE
    static constexpr char32_t kTable = 0x3000;
    std::vector<std::vector<std::string>> m_table; // every character below kTable
    std::vector<bool> m_typableBelow;
    std::vector<bool> m_mayJoinBelow;
    std::vector<std::int8_t> m_countedKey;
};
