// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>

// Which keys of the index a walk is after.
struct KeyFilter {
    LetterPool pool; // each key's letters come from it, blanks for the missing ones
    std::uint8_t roles = 0; // some form of the key has one of them
    std::size_t minLength = 1;
    std::size_t maxLength = std::numeric_limits<std::size_t>::max();
    LetterCounts required {}; // letters every key holds
};

// Calls visit(key, length) for every key the filter lets through, in the
// order of the tree; visit gives false to stop. The tree of keys is walked
// only where such a key lies below, and keys hold their letters sorted, so
// a branch is left as soon as it has passed a required letter it lacks:
// the work follows the keys found, not the pool's subsets.
void forEachKeyWithin(const WordIndex &index, const KeyFilter &filter,
    const std::function<bool(WordIndex::KeyId, std::size_t)> &visit);
