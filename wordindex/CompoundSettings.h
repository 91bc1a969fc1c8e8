// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AffixFile;

// How a compounding dictionary joins its parts, as far as the search for
// compounds needs it (see candidates/CompoundSearch.h).
struct CompoundSettings {
    std::uint32_t minPart = 3; // letters of the shortest part
    std::uint32_t maxWords = 0; // 0: no limit
    bool classic = false; // COMPOUNDFLAG, COMPOUNDBEGIN and the like
    bool simplifiedTriple = false;
    // CHECKCOMPOUNDTRIPLE: a compound with three same letters at a boundary
    // of its parts is refused, so such a split is no certain word.
    bool checkTriple = false;
    // The forms of COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND parts are
    // marked FormRole::Sure or FormRole::Doubt (CompoundModel::settlesByParts).
    bool partsMarked = false;
    // And the index knows, besides, the two lists below: a compound of sure
    // parts is certain unless it is a forbidden word, or a part of it begins
    // with a stop. Where only the marks are known (an index of stems), no
    // compound is.
    bool settlesByParts = false;
    // In small letters a to z, sorted: the forbidden words, whose letters as
    // a compound the engines refuse.
    std::vector<std::string> forbidden;
    // The same of the parts at which Hunspell stops looking for a longer
    // first part: forbidden ones, and those only a word in capitals spells.
    std::vector<std::string> partStops;
    // One element of a COMPOUNDRULE: the bit of its flag (see FormRole::Rule).
    struct RuleElement {
        std::uint64_t bit = 0;
        bool optional = false;
        bool repeats = false;
    };
    std::vector<std::vector<RuleElement>> rules;
    // Boundary replacements, in typed letters (lower case).
    struct Replacement {
        std::string endChars;
        std::string beginChars;
        std::string replacement;
    };
    std::vector<Replacement> replacements;

    [[nodiscard]] bool any() const { return classic || !rules.empty(); }
};

// How the index joins compounds, from the affix file.
[[nodiscard]] CompoundSettings compoundSettingsOf(const AffixFile &affixes);
