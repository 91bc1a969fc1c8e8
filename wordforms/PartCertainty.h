// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <cstdint>
#include <span>
#include <string_view>

// What one way to a form (a stem and its affixes) tells of the compounds the
// form stands in, where the dictionary joins COMPOUNDBEGIN, COMPOUNDMIDDLE
// and COMPOUNDEND parts (CompoundModel::settlesByParts).
struct PartWay {
    std::uint8_t certain = 0; // part roles both engines take it in for certain
    std::uint8_t uncertain = 0; // part roles the engines may not take it in
    // The engines may refuse a compound where a part is spelt so: a forbidden
    // word, a case-keeping one, a spelling not a to z (capitalised at most).
    bool harmful = false;
    bool forbidden = false; // besides, a word the engines refuse itself
};

// roles: those the way gives the form (FormRole).
[[nodiscard]] PartWay partWay(const AffixFile &affixes, const FlagList &stemFlags,
    std::u32string_view form, std::span<const AffixRule *const> prefixes,
    std::span<const AffixRule *const> suffixes, std::uint8_t roles);

// Whether the form is spelt in small letters a to z, or capitalised: how the
// typed letters spell it, in a case the engines look a part up in as it is.
[[nodiscard]] bool plainSpelling(std::u32string_view form);
