// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// More spellings of one form than this (each ICONV target character may be
// typed in more than one way) and the index is not trusted.
inline constexpr std::size_t kMaxSpellings = 64;

// How a form of a dictionary word can be typed with the letters A-Z: each
// letter as it stands, each character whose case mapping leads to plain
// letters as those letters (ß as "ss", dotless ı as "i", the long s as
// "s", the Latin ligatures as their letters), since a checker may accept
// the plain spelling for them; a character that IGNORE removes as nothing,
// and a character that ICONV makes of typed letters as those letters.
// Letter case is kept: the index files the forms under their lower-case
// letters but keeps them as the dictionary spells them.
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
        return c < kTable ? m_typableBelow[c] : waysOf(c) != nullptr;
    }

private:
    // The ways to type one character; empty: it cannot be typed.
    [[nodiscard]] const std::vector<std::string> *waysOf(char32_t c) const;
    std::unordered_map<char32_t, std::vector<std::string>> m_ways;
    std::vector<std::vector<std::string>> m_ascii; // letters: themselves
    static constexpr char32_t kTable = 0x3000;
    std::vector<bool> m_typableBelow;
};
