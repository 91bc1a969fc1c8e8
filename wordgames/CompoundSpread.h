// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/FormSpellings.h"
#include "wordgames/GameLetters.h"
#include "wordgames/WordPattern.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The spellings a crossword asks of a compound the index's parts make, in a
// dictionary whose alphabet goes beyond the key letters. The checker takes
// a compound only as its parts are spelt, so a letter of the compound is
// spread only over the letters the forms it may be part of spell there
// (their own spellings, each letter also as a letter the checker converts
// into it): bananenbau is asked as itself, not in the thousands of ways
// its a, e and u may be marked. Every way of cutting the compound into
// parts of the index (forms of a compound's roles, as long as its parts
// are at least) counts; a part whose own spellings the index does not keep
// lends every letter filed under its bytes.
class CompoundSpread {
public:
    // dictionary: as CrosswordSpeller's.
    CompoundSpread(const WordIndex &index, const GameLetters &letters,
        const WordPattern::Place *place, std::size_t max, bool dictionary = false);

    // The compound's spellings in small letters, in the order the letters
    // under each byte come in; false past max. Nothing where no cut of the
    // compound into forms is found (a join that changes letters:
    // Schiffahrt): then its every spread stands.
    [[nodiscard]] std::optional<bool> spell(
        std::string_view word, std::vector<CrosswordSpelling> &out);

private:
    // Whether the forms' f-th form is the segment and may be a part.
    [[nodiscard]] bool isPart(
        const WordIndex::Forms &forms, std::size_t f, std::string_view segment) const;
    // Marks the letters a form of the segment from at on may spell there.
    bool lend(std::string_view segment, std::size_t at);

    const WordIndex &m_index;
    const GameLetters &m_letters;
    const WordPattern::Place *m_place;
    std::size_t m_max;
    bool m_keepsOwn;
    CrosswordSpeller m_speller; // which letters a part's own spelling lends a square
    std::vector<std::vector<bool>> m_lent; // of each byte, which letter under it
    std::vector<std::string> m_spellings;
    std::vector<std::pair<std::string, std::string>> m_letter;
};
