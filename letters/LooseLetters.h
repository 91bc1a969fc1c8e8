// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/LetterCase.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

// Which letters a language's word-game players count as one: case never
// counts, a mark counts only on the letters that have a tile of their own
// (letters/loose-letters.txt), or, for a language without tiles there,
// where its collation tells the letters apart at primary strength.
class LooseLetters {
public:
    // language: a dictionary's name or a locale ("es_ES", "el").
    explicit LooseLetters(std::string_view language);
    ~LooseLetters();
    LooseLetters(const LooseLetters &) = delete;
    LooseLetters &operator=(const LooseLetters &) = delete;

    // The letter every letter that counts as this one folds to: two letters
    // match loosely when their keys are equal ("É" and "e" in French, not
    // "ñ" and "n" in Spanish).
    [[nodiscard]] std::string key(std::string_view letter) const;

    // The letter in capitals, as one letter: a tile is one letter in either
    // case, so ß has ẞ for its capital and never SS (the upper case of the
    // word as a whole, which players spell with two S tiles); the letter
    // itself when it has no capital of one letter.
    [[nodiscard]] std::string capital(std::string_view letter) const;

    // Whether the language's letters come from its tile set rather than its collation.
    [[nodiscard]] bool fromTiles() const { return m_tiles; }

    // The compiled-in table (letters/loose-letters.txt).
    [[nodiscard]] static std::string_view table();

private:
    void readTable();

    LetterCase m_case;
    bool m_tiles = false;
    std::unordered_set<std::string> m_own;
    std::unordered_map<std::string, std::string> m_folds;
    std::unique_ptr<icu::Collator> m_collator;
};

// Sorts words in the alphabetical order of the language (its ICU collator),
// words the collator takes for equal by their bytes, so that the order is
// always the same; by bytes alone where ICU has no collator.
void sortInLanguageOrder(std::vector<std::string> &words, std::string_view language);
