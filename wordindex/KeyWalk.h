// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// Calls visit(key) for every key of the index made of some of the letters
// (each used at most as often as counted) with a form of one of the roles;
// visit gives false to stop. The tree of keys is walked only where such a
// key lies below: the work follows the keys found, not the letters' subsets.
void forEachKeyWithin(const WordIndex &index, const LetterCounts &letters, std::uint8_t roles,
    std::size_t minLength, const std::function<bool(WordIndex::KeyId, std::size_t)> &visit);
