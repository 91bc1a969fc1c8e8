// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "wordforms/LetterFold.h"
#include "wordforms/StemEdges.h"
#include "wordindex/FormSource.h"

#include <cstdint>
#include <string>
#include <vector>

// Which stems of an index of stems may give a form that fills one of a
// crossword's words, in a dictionary that joins no compounds. Every form of
// a stem keeps its core (the letters no affix strips) whole and in order;
// what stands before the core is the stem's own start or what a prefix
// puts there. So the core can only stand where the squares take its
// letters, after what the stem or one of its prefixes leaves before it:
// "k" and fourteen open squares need no expanding of a stem whose core
// begins its every form with another letter. Nor can a form be longer than
// the stem with what its prefix and its suffixes (two at most) add beyond
// what they strip: fifteen squares need no expanding of a short stem whose
// suffixes add a few letters.
class StemSquares {
public:
    StemSquares(const AffixFile &affixes, const LetterFold &fold);

    // Whether some form of the stem may fill one of the places; true where
    // that cannot be told (a character typed as no single key letter, a
    // prefix after a prefix).
    [[nodiscard]] bool mayFill(
        const std::u32string &stem, const FlagList &flags, const SquarePlaces &places) const;

private:
    // The key letters of the characters, one each; false when one has
    // none, or more than one.
    bool keysOf(std::u32string_view text, std::vector<int> &keys) const;
    // Whether the letters can stand in the squares from at on.
    [[nodiscard]] static bool standsAt(
        const std::vector<std::uint64_t> &squares, std::size_t at, const std::vector<int> &keys);
    // The most characters a suffix of the class adds beyond what it strips,
    // with what a second suffix its rule names adds (by class, in second;
    // none when null); kUnbounded where that is not told.
    [[nodiscard]] std::size_t growthOf(
        const AffixClass &suffix, const std::vector<std::size_t> *second) const;

    static constexpr std::size_t kUnbounded = std::size_t(-1);

    const AffixFile &m_affixes;
    const LetterFold &m_fold;
    StemEdges m_edges;
    // By class, of a suffix: the prefixes that may come before its form.
    std::vector<FlagList> m_prefixesAfter;
    // By class, of a suffix: growthOf with the suffix after it.
    std::vector<std::size_t> m_growth;
};
