// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/LetterPool.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

class LetterCase;
class LooseAlphabet;

// A game's tiles as word-game players count letters (search/LooseSearch.h):
// each tile stands for the letters of the dictionary's alphabet that count
// as it, and a blank for any one of them. The index files words under key
// letters, coarser than that (é, e, ñ and n share one), so a word the index
// names is spelt here with the letters its key letters may be, and kept
// only where the tiles and blanks make it.
//
// The tiles' letters are counted by loose letter: a number for each
// different one the tiles (or the letters a word must hold) have, the
// others all under kOther, which only a blank can be.
class LooseTiles {
public:
    static constexpr std::size_t kOther = 63;

    // Without an alphabet: each key letter a letter of its own, a to z as
    // the index keeps them (a player's list, a test's index).
    explicit LooseTiles(const LetterPool &pool = {});
    ~LooseTiles();
    LooseTiles(LooseTiles &&) noexcept;
    LooseTiles &operator=(LooseTiles &&) noexcept;

    // The tiles of the pool over the dictionary's alphabet (its small
    // letters), a blank standing for any of them but those written as
    // compatibility characters (ﬁ, which the dictionary reads as f and i,
    // and no tile set has); held: letters a word must hold besides (--contains). The
    // reason when they have more different letters than can be counted.
    [[nodiscard]] static std::variant<LooseTiles, std::string> of(const LetterPool &pool,
        const LooseAlphabet &alphabet, const std::vector<std::string> &letters,
        const std::vector<std::string> &held = {});

    // The pool the index is walked with: a tile standing for letters filed
    // under another key letter than its own is walked as a blank.
    [[nodiscard]] const LetterPool &walked() const { return m_walked; }
    // The pool counted by loose letter, its blanks as they are.
    [[nodiscard]] const LetterPool &counted() const { return m_counted; }
    // For each letter of a word, the loose letter it counts as; a tile of
    // several letters the pool has counts on its first (kPartOfTile on the
    // others).
    static constexpr std::size_t kNone = SIZE_MAX;
    static constexpr std::size_t kPartOfTile = SIZE_MAX - 1;
    [[nodiscard]] std::vector<std::size_t> counted(const std::vector<std::string> &letters) const;
    // The loose letters of typed letters (held ones included).
    [[nodiscard]] LetterCounts countsOf(const std::vector<std::string> &letters) const;

    // Every spelling in small letters of the form (key letters, as the
    // index keeps them) that the tiles and blanks make, with its letters
    // counted by loose letter; each once.
    void spell(std::string_view form,
        const std::function<void(const std::string &word, const LetterCounts &counts)> &visit)
        const;

    // The word in capitals, or with its first letter a capital, in the
    // dictionary's language.
    [[nodiscard]] std::string upper(std::string_view word) const;
    [[nodiscard]] std::string capitalised(std::string_view word) const;
    // The word with the letters at these places (from 0) in capitals.
    [[nodiscard]] std::string withCapitals(
        std::string_view word, const std::vector<std::size_t> &places) const;
    // Whether the tiles count letters of the dictionary's alphabet.
    [[nodiscard]] bool loose() const { return m_alphabet != nullptr; }
    // Of words the checker accepted, those that differ only in case once:
    // the one with the fewest capitals, the dictionary's spelling (different
    // spellings of a word's letters may each be accepted in capitals).
    template<typename Word, typename Text>
    void keepOneCase(std::vector<Word> &words, Text text) const;
    // Whether two words are one loosely: letter by letter the same loose letter.
    [[nodiscard]] bool sameLoosely(std::string_view a, std::string_view b) const;

    // The word with case folded.
    [[nodiscard]] std::string caseless(std::string_view word) const;

private:
    [[nodiscard]] std::size_t capitals(std::string_view word) const;

    struct Option {
        std::string letter;
        std::size_t counted = kOther;
    };
    struct Spelling;
    struct Multi {
        std::string letters; // in small letters
        std::vector<std::size_t> keys; // the key letter of each
        std::size_t counted = kOther;
    };

    const LooseAlphabet *m_alphabet = nullptr;
    std::unique_ptr<LetterCase> m_case;
    std::vector<std::vector<std::string>> m_classes; // the variants of each counted letter
    std::array<std::vector<Option>, 64> m_byKey; // the small letters filed under each key letter
    std::vector<Multi> m_multi; // the pool's tiles of several letters
    LetterPool m_walked;
    LetterPool m_counted;
};

template<typename Word, typename Text>
void LooseTiles::keepOneCase(std::vector<Word> &words, Text text) const
{
    if (!loose())
        return;
    std::unordered_map<std::string, std::size_t> best; // caseless -> place in words
    std::vector<bool> kept(words.size(), true);
    for (std::size_t w = 0; w < words.size(); ++w) {
        const auto [at, added] = best.try_emplace(caseless(text(words[w])), w);
        if (added)
            continue;
        const auto rank = [&](std::size_t i) {
            return std::pair(capitals(text(words[i])), std::string_view(text(words[i])));
        };
        const std::size_t loser = rank(w) < rank(at->second) ? at->second : w;
        at->second = loser == w ? at->second : w;
        kept[loser] = false;
    }
    std::size_t out = 0;
    for (std::size_t w = 0; w < words.size(); ++w) {
        if (!kept[w])
            continue;
        if (out != w)
            words[out] = std::move(words[w]);
        ++out;
    }
    words.resize(out);
}
