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
