// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/LetterCase.h"
#include "letters/Letters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A letter's number in its alphabet: small, dense, from 0.
using LetterId = uint16_t;

// The set of letters a dictionary's words are spelt with, in their small
// form, each with a number. Big enough for any alphabet a dictionary has
// (the 42 letters of Czech, Cyrillic, the hundreds of clusters of an Indic
// script) and still bounded, since the words come from outside.
class Alphabet {
public:
    static constexpr std::size_t kMaxLetters = 16384;
    static constexpr std::size_t kMaxLetterBytes = 64;

    Alphabet() = default;
    // The alphabet of these letters, given in any order and as often as
    // they come; nothing when there are too many, or one is no letter of
    // text (empty, too long, not UTF-8).
    [[nodiscard]] static std::optional<Alphabet> of(std::vector<std::string> letters);

    [[nodiscard]] std::size_t size() const { return m_letters.size(); }
    [[nodiscard]] bool empty() const { return m_letters.empty(); }
    [[nodiscard]] std::optional<LetterId> id(std::string_view letter) const;
    [[nodiscard]] const std::string &letter(LetterId id) const { return m_letters[id]; }
    [[nodiscard]] const std::vector<std::string> &letters() const { return m_letters; }

    // The characters the checker drops from every word it is asked about
    // (the affix file's IGNORE), in UTF-8: a typed letter is one of the
    // alphabet's with them taken out (an Arabic letter with its vowel sign).
    [[nodiscard]] const std::string &ignored() const { return m_ignored; }
    void setIgnored(std::string utf8) { m_ignored = std::move(utf8); }

    // Letters that are typed but that the dictionary converts (ICONV) into
    // others before it checks a word, no word being spelt with them (the
    // Arabic lam-alif ligature, Catalan ŀ); not a letter its words have
    // (Dutch ĳ, which the dictionary also makes of i and j).
    [[nodiscard]] bool isConverted(std::string_view letter) const
    {
        return std::ranges::binary_search(m_converted, letter);
    }
    void setConverted(std::vector<std::string> letters);
    [[nodiscard]] const std::vector<std::string> &converted() const { return m_converted; }

    // The script most of the letters are written in, by its Unicode name
    // ("Latin", "Greek", "Cyrillic", "Hebrew", "Bengali"); "Common" when none.
    [[nodiscard]] std::string script() const;
    [[nodiscard]] bool isLatin() const { return script() == "Latin"; }

    // The alphabet as bytes for the cache, and back; bytes that are not an
    // alphabet written by serialised() give nothing.
    [[nodiscard]] std::string serialised() const;
    [[nodiscard]] static std::optional<Alphabet> fromSerialised(std::string_view bytes);

    friend bool operator==(const Alphabet &a, const Alphabet &b)
    {
        return a.m_letters == b.m_letters && a.m_ignored == b.m_ignored
            && a.m_converted == b.m_converted;
    }

private:
    std::vector<std::string> m_letters; // sorted by their bytes: the numbers are stable
    std::unordered_map<std::string, LetterId> m_ids;
    std::string m_ignored;
    std::vector<std::string> m_converted; // sorted, each once, each a letter
};

// Whether a letter is one a word is spelt with: its first character is
// alphabetic (not an apostrophe, a hyphen, a digit or a lone mark).
[[nodiscard]] bool isAlphabetic(std::string_view letter);

// Gathers a dictionary's alphabet from its words, in the small letters of
// its language; what is not a letter (apostrophes, hyphens, dots) is passed over.
class AlphabetBuilder {
public:
    explicit AlphabetBuilder(std::string_view language);

    // False when the word is not UTF-8 or the alphabet would grow too large;
    // the word then adds nothing.
    bool addWord(std::string_view utf8);
    [[nodiscard]] std::optional<Alphabet> build() const;

private:
    LetterCase m_case;
    LetterSplitter m_splitter;
    std::array<std::string, 128> m_asciiSmall; // each ASCII letter's small form in this language
    std::unordered_map<std::string, std::string>
        m_small; // every other letter seen, and its small form
    std::unordered_set<std::string> m_found; // small letters seen
};
