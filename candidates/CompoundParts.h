// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts the search for compounds joins: the keys of the index within
// some letters, found once for each pool and roles, and what the letters at
// a boundary of two parts say.
#include "candidates/SearchStates.h"
#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace compoundsearch {

// Adds the letters to the counts; false where a count would pass 255.
bool addLetters(LetterCounts &counts, std::string_view letters);

// Whether three same letters meet where piece follows before, as the
// engines look for them under CHECKCOMPOUNDTRIPLE: the two letters before
// the boundary and the first after it, or the last before it and the first
// two after. A piece of one letter leaves the next boundary's letters
// unknown here: a same letter on either side of it is taken as a triple.
[[nodiscard]] bool tripleAt(std::string_view before, std::string_view piece);

// A key of the index within the pool: its letters, and its forms in lower
// case, each with the roles and rule flags of all its spellings (a part is
// found in lower case: "Haus" begins "Haustier").
struct Part {
    struct Form {
        std::string text;
        std::uint8_t roles = 0;
        std::uint64_t ruleFlags = 0;
        bool sure = false; // a spelling in small letters is FormRole::Sure
    };
    LetterCounts letters {};
    std::vector<Form> forms;
};

// The keys within a pool that have a form of some roles, each list found
// once and kept.
class PartsWithin {
public:
    // pace is told the work done now and then; false stops the walk.
    PartsWithin(const WordIndex &index, std::size_t minPart, std::size_t maxLength,
        std::function<bool(std::size_t)> pace);

    // The parts; steps is the walk's work where the list was new (0 where
    // it was kept). A walk that pace stopped leaves its list short.
    const std::vector<Part> &find(const LetterPool &pool, std::uint8_t roles, std::size_t &steps);

private:
    const WordIndex &m_index;
    std::size_t m_minPart;
    std::size_t m_maxLength;
    std::function<bool(std::size_t)> m_pace;
    std::unordered_map<PoolKey, std::vector<Part>, PoolKeyHash> m_parts;
};

} // namespace compoundsearch
