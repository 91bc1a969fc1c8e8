// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "wordforms/LetterCounts.h"
#include "wordforms/LetterFold.h"

#include <cstddef>
#include <optional>
#include <vector>

// The letters each rule adds that no affix can strip again, by rule
// number: a suffix's end may be stripped by a second suffix (one that its
// continuation names: nextSuffixStrip, by rule number), its start by a
// prefix whose strip ends the way it begins, where the stem is short; a
// prefix's start by a second prefix (nextPrefixStrip), its end by suffixes.
// Nothing where a character has more than one spelling; a character no one
// can type counts as more of every letter than any word holds.
[[nodiscard]] std::vector<std::optional<LetterCounts>> addedLetters(const AffixFile &affixes,
    const LetterFold &fold, std::size_t prefixReach, std::size_t suffixReach,
    const std::vector<std::size_t> &nextSuffixStrip,
    const std::vector<std::size_t> &nextPrefixStrip);
