// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What a form of a dictionary word may be: a word on its own, or a part of
// a compound at the start, inside or at the end, or a part that a
// COMPOUNDRULE joins (a bare stem, or with affixes only as the last part).
namespace FormRole {
inline constexpr std::uint8_t Word = 1;
inline constexpr std::uint8_t Begin = 2;
inline constexpr std::uint8_t Middle = 4;
inline constexpr std::uint8_t End = 8;
inline constexpr std::uint8_t Rule = 16;
inline constexpr std::uint8_t RuleLast = 32;
inline constexpr std::uint8_t Parts = Begin | Middle | End | Rule | RuleLast;
// Besides: the form, as the dictionary spells it in small letters a to z,
// is a stem without affixes that COMPOUNDFLAG puts anywhere in a compound,
// and the dictionary has no option that could refuse a compound of such
// stems: one is a word for certain, in small letters and capitalised.
inline constexpr std::uint8_t Sure = 64;
// Where a dictionary joins COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND
// parts (CompoundModel::settlesByParts), Sure tells instead that the form,
// spelt in small letters a to z or capitalised, is certain in each part role
// it has, and Doubt that a stem's way to it is not, or that some word of
// this spelling (a forbidden or case-keeping one) may refuse it. The index
// joins the roles of a spelling's stems: one with both is in doubt.
inline constexpr std::uint8_t Doubt = 128;
} // namespace FormRole
