// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts the search for compounds joins: the keys of the index within
// some letters, found once for each pool and roles, and what the letters at
// a boundary of two parts say.
#include "candidates/SearchStates.h"
#include "candidates/TypedLetters.h"
#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
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

// Whether a spelling of a part could stand in a string asked of the
// checker whose capitals of A to Z are at most those counted (by key
// letter): the engines look a part up as the word spells it, or in small
// letters, or (for a word in capitals) capitalised, so a capital of the
// dictionary's spelling needs a capital of the word at its place. Without
// capitals given, any spelling could.
[[nodiscard]] bool capitalsFit(
    std::string_view spelling, const std::optional<LetterCounts> &capitals);

// Whether the letters typed, where known, spell one of the own spellings of
// the forms' i-th form (TypedLetters::spell); spellings is room for them.
// A form whose spellings the index does not keep is taken.
[[nodiscard]] bool typedSpell(const WordIndex &index, const WordIndex::Forms &forms, std::size_t i,
    const std::optional<TypedLetters> &typed, std::vector<std::string> &spellings);

// A key of the index within the pool: its letters, and its forms in lower
// case, each with the roles and rule flags of all its spellings (a part is
// found in lower case: "Haus" begins "Haustier").
struct Part {
    struct Form {
        std::string text;
        std::uint8_t roles = 0;
        std::uint64_t ruleFlags = 0;
        // The part roles it is certain in (FormRole::Sure): as the first
        // part spelt in small letters or capitalised, elsewhere in small
        // letters; none where any form of its spelling is in doubt.
        std::uint8_t sureRoles = 0;
        // Some own spelling of it is spelt by the letters typed, where known
        // (only a part whose letters a rule changes at a boundary is kept
        // without: see PartsWithin).
        bool typed = true;
    };
    LetterCounts letters {};
    std::vector<Form> forms;
};

// The parts within some letters that have a form of some roles, in the
// order of the tree of keys.
struct PartList {
    LetterCounts pool {};
    std::size_t blanks = 0;
    std::uint8_t roles = 0;
    std::vector<const Part *> parts;
};

// The keys within a pool that have a form of some roles, each list found
// once and kept, and each key's part made once.
class PartsWithin {
public:
    // pace is told the work done now and then; false stops the walk.
    // A spelling whose capitals do not fit (capitalsFit) is left out, and
    // with it the roles it alone gives its form; so is a form none of whose
    // own spellings the letters typed spell, where they are known, unless a
    // rule of the dictionary replaces letters at a boundary (then the form
    // stays, its Form::typed false: the word need not hold all its letters).
    PartsWithin(const WordIndex &index, std::size_t minPart, std::size_t maxLength,
        std::function<bool(std::size_t)> pace, std::optional<LetterCounts> capitals = {},
        std::optional<TypedLetters> typed = {});

    // The letters every pool asked for is most likely within (the search's
    // own): a pool within them and without blanks has its parts picked out
    // of their list, walked once for each roles.
    void setTop(const LetterPool &top);

    // The parts; steps is the walk's work where the list was new (0 where
    // it was kept). A walk that pace stopped leaves its list short. Where
    // the pool has no blanks and lies within wider's (a list of the same
    // roles, such as the one a state before this one was given), the parts
    // are picked out of wider's: the letters left only shrink, and a key
    // within fewer letters is within more.
    const PartList &find(
        const LetterPool &pool, std::uint8_t roles, const PartList *wider, std::size_t &steps);

private:
    // The part of a key, made the first time it is met; nullptr where no
    // form of it is left.
    const Part *partOf(WordIndex::KeyId id);
    // typedSpell of the forms' i-th form, asked once a form: a key is met
    // again in the pools of many states (of a 20-letter Hungarian search,
    // a fifth of its time went to asking again).
    bool spelt(const WordIndex::Forms &forms, std::size_t i);

    static constexpr std::uint8_t kNotAsked = 0;
    static constexpr std::uint8_t kNotSpelt = 1;
    static constexpr std::uint8_t kSpelt = 2;

    const WordIndex &m_index;
    std::size_t m_minPart;
    std::size_t m_maxLength;
    std::function<bool(std::size_t)> m_pace;
    std::optional<LetterCounts> m_capitals;
    std::optional<TypedLetters> m_typed;
    // Not where the forms are marked part by part but the lists that go
    // with the marks are not known (CompoundSettings::settlesByParts).
    bool m_trustsMarks;
    std::optional<LetterPool> m_top;
    std::vector<std::string> m_spellings; // of the form being read
    std::vector<std::uint8_t> m_spelt; // by form number, where typed is known
    std::deque<Part> m_made; // never moved: the lists point into it
    std::unordered_map<WordIndex::KeyId, const Part *> m_byKey;
    std::unordered_map<PoolKey, PartList, PoolKeyHash> m_lists;
};

} // namespace compoundsearch
