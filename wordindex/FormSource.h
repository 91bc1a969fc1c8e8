// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"
#include "wordindex/WordIndex.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A crossword's words: for each, the key letters each of its squares may
// be, a bit each (wordforms/LetterCounts.h).
using SquarePlaces = std::vector<std::vector<std::uint64_t>>;

// The forms a search for some letters needs: an index holding at least
// every form made of some of them, or, when they could not be told, why.
struct FormsWithin {
    std::shared_ptr<const WordIndex> index;
    std::string unfinished;
    bool stopped = false; // by keepGoing
};

// Where the searches find the forms of a dictionary: either every form,
// made once and kept (KeptForms), or, for a dictionary whose words have
// more forms than are worth keeping, its stems, whose forms within some
// letters are made when they are asked for (StemIndex). Both answer the same.
class FormSource {
public:
    virtual ~FormSource() = default;

    // keepGoing is asked now and then; false ends the work unfinished.
    [[nodiscard]] virtual FormsWithin within(
        std::string_view letters, const std::function<bool()> &keepGoing = {}) const = 0;
    // The same for words of at most longest letters (a crossword's): an
    // index of stems then makes no longer forms, nor those of stems whose
    // letters that no affix strips are more.
    [[nodiscard]] virtual FormsWithin withinUpTo(std::string_view letters, std::size_t longest,
        const std::function<bool()> &keepGoing = {}) const
    {
        (void)longest;
        return within(letters, keepGoing);
    }
    // The same for the words of a game's pool: its letters, and blanks for
    // any others. An index of stems then makes only the forms that hold no
    // more letters beyond the pool's own than it has blanks.
    [[nodiscard]] virtual FormsWithin withinPool(const LetterPool &pool, std::size_t longest,
        const std::function<bool()> &keepGoing = {}) const
    {
        return withinUpTo(pool.reach(), longest, keepGoing);
    }
    // The same for a crossword's words, the pool's letters those their
    // squares give: an index of stems then makes, where the dictionary joins
    // no compounds, only forms as long as a word, of stems whose core can
    // stand where the squares take its letters.
    [[nodiscard]] virtual FormsWithin withinSquares(const LetterPool &pool, std::size_t longest,
        const SquarePlaces &places, const std::function<bool()> &keepGoing = {}) const
    {
        (void)places;
        return withinPool(pool, longest, keepGoing);
    }
    [[nodiscard]] virtual const CompoundSettings &compounds() const = 0;
    // The block of memory the cache keeps.
    [[nodiscard]] virtual const std::vector<std::uint64_t> &image() const = 0;
    // Forms kept, or stems for an index of stems.
    [[nodiscard]] virtual std::size_t size() const = 0;
    [[nodiscard]] virtual std::size_t memoryBytes() const = 0;
    [[nodiscard]] virtual bool keepsForms() const = 0;
};

// Every form of a dictionary, kept in a word index.
class KeptForms final : public FormSource {
public:
    explicit KeptForms(WordIndex index)
        : m_index(std::make_shared<const WordIndex>(std::move(index)))
    {
    }
    [[nodiscard]] FormsWithin within(
        std::string_view, const std::function<bool()> & = {}) const override
    {
        return { m_index, {} };
    }
    [[nodiscard]] const CompoundSettings &compounds() const override
    {
        return m_index->compounds();
    }
    [[nodiscard]] const std::vector<std::uint64_t> &image() const override
    {
        return m_index->image();
    }
    [[nodiscard]] std::size_t size() const override { return m_index->formCount(); }
    [[nodiscard]] std::size_t memoryBytes() const override { return m_index->memoryBytes(); }
    [[nodiscard]] bool keepsForms() const override { return true; }
    [[nodiscard]] const WordIndex &index() const { return *m_index; }

private:
    std::shared_ptr<const WordIndex> m_index;
};
