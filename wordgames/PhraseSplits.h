// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/WordPattern.h"
#include "wordindex/LetterPool.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// A hash of letter counts that needs no string made of them: the phrase
// search looks up the last word of a phrase by its letters once per word
// before it.
struct CountsHash {
    std::size_t operator()(const LetterCounts &counts) const;
};

// The letters counted, a bit each: every letter a count has a place for.
using LetterMask = std::uint64_t;
static_assert(std::tuple_size_v<LetterCounts> <= 64);

[[nodiscard]] LetterMask maskOf(const LetterCounts &counts);
[[nodiscard]] std::size_t letterTotal(const LetterCounts &counts);

// Whether letters split into some number of words of a list, whatever the
// order of the words: the proof the phrase search asks before it goes
// down a branch, remembered per remainder so that one answer serves every
// branch that leaves the same letters.
class PhraseSplits {
public:
    // The letters of each word of the list, by its number; keepGoing is
    // told the steps taken now and then, and false stops every proof under way.
    using KeepGoing = std::function<bool(std::size_t steps)>;
    PhraseSplits(const std::vector<LetterCounts> &words, KeepGoing keepGoing);

    // The words with just these letters; nullptr: none.
    [[nodiscard]] const std::vector<std::uint32_t> *wordsOf(const LetterCounts &letters) const;
    [[nodiscard]] bool isWord(const LetterCounts &letters) const
    {
        return wordsOf(letters) != nullptr;
    }

    // Whether count words of the list use exactly these letters (size of
    // them); a stopped proof says no and is not remembered.
    [[nodiscard]] bool splits(const LetterCounts &rest, std::size_t size, std::size_t count);

    // The words, as their letters go, that hold each letter.
    [[nodiscard]] const std::vector<std::uint32_t> &wordsHolding(std::size_t letter) const
    {
        return m_wordsHolding[letter];
    }

private:
    // The fewest words whose rarest letters hold those of the rest: more
    // than count, and the rest cannot split.
    void learnCovers();
    [[nodiscard]] std::uint32_t rareOf(LetterMask mask) const;

    // The letters of one or more words, each made of them in some order.
    struct LetterSet {
        LetterCounts letters {};
        LetterMask mask = 0;
        std::size_t size = 0;
    };

    // Steps between two calls of keepGoing: a call costs more than a step.
    static constexpr std::size_t kStepsTold = 256;
    KeepGoing m_keepGoing;
    std::size_t m_steps = 0; // not yet told
    bool m_stopped = false;
    std::vector<LetterSet> m_sets;
    // The sets that hold each letter, and the words.
    std::array<std::vector<std::uint32_t>, std::tuple_size_v<LetterCounts>> m_holding;
    std::array<std::vector<std::uint32_t>, std::tuple_size_v<LetterCounts>> m_wordsHolding;
    // A bit for the hash of each word's letters: most letters asked are no
    // word's, and a bit of a table tells most of those at once.
    std::vector<bool> m_present = std::vector<bool>(std::size_t(1) << 20);
    std::unordered_map<LetterCounts, std::vector<std::uint32_t>, CountsHash> m_byLetters;
    std::size_t m_fewestLetters = SIZE_MAX;
    std::size_t m_mostLetters = 0;
    // The rarest letters, a bit each in the order of m_rare, and per set of
    // them the fewest words that hold them all.
    static constexpr std::size_t kRare = 12;
    std::vector<std::size_t> m_rare;
    std::vector<std::uint8_t> m_covers;
    // Per count of words: which letters split into that many.
    std::array<std::unordered_map<LetterCounts, bool, CountsHash>, WordPattern::kMaxWords + 1>
        m_splits;
};
