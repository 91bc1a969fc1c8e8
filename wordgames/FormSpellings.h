// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameLetters.h"
#include "wordgames/LooseTiles.h"
#include "wordgames/WordPattern.h"
#include "wordindex/WordIndex.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A string a crossword asks of a word: in small letters, and as a form of
// the dictionary spells it, in its case (empty: none but the small letters).
struct CrosswordSpelling {
    std::string lower;
    std::string cased;
};

// In capitals a letter may become two (ß as SS): a word so spelt is the
// same word to the checker, and fills as many squares, or takes as many
// tiles, as its capitals have letters. The capitals, where they have more
// letters than the spelling.
[[nodiscard]] std::optional<std::string> longerInCapitals(
    const std::string &spelling, std::string capitals);

// The strings a crossword asks of the words the index names, in a
// dictionary whose alphabet goes beyond the index's key letters (é filed
// as e, the letters of other alphabets under shared key bytes), each once
// in small letters, each with the spellings in case of the forms alike
// but for case, in their order; only those whose letters the place's
// squares take (any, without a place).
//
// A form the index keeps its own spellings of (WordIndex::spellingsOf:
// côte and coté of the form "cote", Straße of "Strasse") is asked in those
// alone (and in capitals, where a letter becomes two: STRASSE), each letter
// also as a letter of the alphabet that the checker converts into it
// (ICONV), and only with letters of the alphabet. A form it keeps none of
// (a letter filed beyond a to z, or an index of key letters only: a
// player's list) and a compound stand for every spelling of the letters
// filed under their key letters: each such spread is asked, letter for
// letter the same in the cased forms; a byte that is no key letter (a
// hyphen) stays itself.
class CrosswordSpeller {
public:
    // max: the strings asked of one word at most, past which it is left
    // out: a crossword of many open squares in an alphabet of many marked
    // letters. dictionary: the index is a dictionary's, whose form of
    // letters a to z is its one spelling even where no form of the index
    // keeps own spellings (none has a mark); otherwise such an index is
    // taken for one of key letters only.
    CrosswordSpeller(const WordIndex &index, const GameLetters &letters,
        const WordPattern::Place *place, std::size_t max, bool dictionary = false);

    // The forms' words-th forms, alike but for case, the first in small
    // letters as lower; false, and out empty, past max.
    bool spellForms(const WordIndex::Forms &forms, const std::vector<std::size_t> &words,
        const std::string &lower, std::vector<CrosswordSpelling> &out);
    // A compound, in small letters (its parts keep no own spellings of it).
    bool spellCompound(const std::string &word, std::vector<CrosswordSpelling> &out);
    // The letters of the alphabet a letter of an own spelling is asked as
    // at square at (a square past the place's: as any), appended to out,
    // each with the letter as spelt: itself in small letters, and each
    // letter the checker converts into it (ICONV), as the square takes them.
    void ownLetter(const std::string &letter, std::size_t at,
        std::vector<std::pair<std::string, std::string>> &out) const;

private:
    bool ownLetters(const WordIndex::Forms &forms, std::size_t i);
    bool spreadOwn(const std::vector<std::string> &spelling, std::vector<CrosswordSpelling> &out);
    bool spread(std::string_view form, std::vector<std::string> &out) const;

    const WordIndex &m_index;
    const GameLetters &m_letters;
    const WordPattern::Place *m_place;
    std::size_t m_max;
    bool m_keepsOwn;
    std::vector<std::string> m_spellings;
    std::vector<std::vector<std::string>> m_own; // the form's own spellings, by letter
    std::vector<std::vector<std::string>> m_spread;
};

// The words a crossword found, each once in small letters: threads may have
// judged one spelling each, and the one in lower case is kept, else the first.
template<typename Word, typename TextOf>
void keepOneSpelling(std::vector<Word> &words, const GameLetters &letters, TextOf textOf)
{
    std::vector<std::pair<std::string, Word>> keyed;
    keyed.reserve(words.size());
    for (Word &word : words)
        keyed.emplace_back(letters.lower(textOf(word)), std::move(word));
    std::ranges::stable_sort(keyed, {}, [&textOf](const auto &word) {
        return std::pair(std::string_view(word.first), word.first != textOf(word.second));
    });
    words.clear();
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            words.push_back(std::move(keyed[i].second));
    }
}

// Of the spellings the tiles make of a word's key letters, those the word
// is asked in where the index keeps its own spellings: only those (the
// checker takes another only as a compound: re and då make redå, not a
// spelling of the listed reda).
class TileOwnSpellings {
public:
    TileOwnSpellings(const WordIndex &index, const LooseTiles &tiles);

    // Whether the index keeps the forms' f-th form's own spellings.
    [[nodiscard]] bool keeps(const WordIndex::Forms &forms, std::size_t f);
    // Takes the own spellings of the forms' words-th forms (a word alike
    // but for case); false when one keeps none: any spelling is asked.
    bool of(const WordIndex::Forms &forms, const std::vector<std::size_t> &words);
    // Whether a spelling the tiles make is one of those taken, case folded
    // and each letter the checker converts (ICONV) read as the one it becomes.
    [[nodiscard]] bool holds(const std::string &word) const;

private:
    const WordIndex &m_index;
    const LooseTiles &m_tiles;
    std::vector<std::string> m_own; // case folded
    std::vector<std::string> m_spellings;
};
