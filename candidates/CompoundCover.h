// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidates/TypedLetters.h"
#include "wordforms/LetterCounts.h"
#include "wordindex/WordIndex.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

// A fixed-size set of letter counts as a hash table's key.
struct LetterCountsHash {
    [[nodiscard]] std::size_t operator()(const LetterCounts &counts) const noexcept;
};

// Whether some letters can still be used up by parts of the index: the cut
// that lets the search for compounds leave a split that can never end.
// The parts' order, their roles beyond the ones asked for and the rules'
// states are not followed, and every boundary may change the letters as a
// rule of the dictionary could (a letter taken from the next part by
// SIMPLIFIEDTRIPLE, a CHECKCOMPOUNDPATTERN replacement): so it may say yes
// where no compound ends, never no where one does.
class CompoundCover {
public:
    // The parts are the keys of the roles within pool; pace is told the work
    // done now and then and gives false to stop (then the answer is yes).
    // A spelling whose capitals do not fit (compoundsearch::capitalsFit) is no
    // part, nor, where the letters typed are known and no rule replaces letters
    // at a boundary, a form none of whose own spellings they spell.
    CompoundCover(const WordIndex &index, const LetterCounts &pool, std::uint8_t roles,
        std::function<bool(std::size_t)> pace, const std::optional<LetterCounts> &capitals = {},
        std::optional<TypedLetters> typed = {});

    // Whether the letters, some of the pool's, are the letters of some parts.
    [[nodiscard]] bool coverable(const LetterCounts &letters);

private:
    void addForm(const CompoundSettings &settings, std::string_view form,
        const LetterCounts &letters, const LetterCounts &pool);
    void add(const LetterCounts &letters, const LetterCounts &pool);

    // What a part may take from the letters, filed under its first letter
    // in the alphabet: the first letter left in the letters is taken by a
    // part whose first letter it is.
    std::vector<std::vector<LetterCounts>> m_byFirst;
    // Where the pool has few enough sub-multisets, each answer is kept at
    // the number of its letters in the mixed radix of the pool's counts (0:
    // not known, 1: no, 2: yes): no hashing or comparing of 64 counts.
    [[nodiscard]] std::uint8_t *knownAt(const LetterCounts &letters);

    // Then the letters are counted only for the letters the pool holds, in
    // their order, eight counts to a word, and a part's number is subtracted
    // from the letters': the number is linear in the counts. (A pool that
    // numbers few enough has few enough different letters.) Each count is
    // below 128, so a word compares eight counts at once.
    static constexpr std::size_t kShortLetters = 32;
    using ShortCounts = std::array<std::uint64_t, kShortLetters / 8>;
    struct ShortPart {
        ShortCounts counts {};
        std::uint64_t number = 0;
    };
    [[nodiscard]] bool coverableShort(const ShortCounts &letters, std::uint64_t number);
    // Whether some of the parts leaves letters that are coverable too
    // (leaves tells of one part, false where it does not fit), each part
    // tried in turn; nothing where the work was stopped (then the answer is yes).
    template<class Part, class Leaves>
    [[nodiscard]] std::optional<bool> anyLeavesCoverable(
        const std::vector<Part> &parts, const Leaves &leaves);
    [[nodiscard]] ShortCounts shortened(const LetterCounts &letters) const;
    std::size_t m_shortWords = 0; // the words of ShortCounts the pool's letters take
    std::vector<std::vector<ShortPart>> m_shortByFirst; // by the letter's place in the pool
    LetterCounts m_pool {};
    std::vector<std::size_t> m_poolLetters; // the key letters the pool holds
    std::vector<std::uint64_t> m_radix; // of each of them
    std::vector<std::uint8_t> m_flat;
    std::unordered_map<LetterCounts, bool, LetterCountsHash> m_known;
    std::function<bool(std::size_t)> m_pace;
    bool m_always = false; // a rule gives letters back: no cut is safe
    bool m_stopped = false;
};
