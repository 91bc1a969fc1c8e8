// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reference of the games differential for --some: every string the
// tiles and blanks make, asked of the checker.
#include "WordsReference.h"
#include "letters/LetterCase.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"

#include <set>
#include <string>
#include <thread>
#include <vector>

namespace gamesdiff {

using WordSet = std::set<std::string>;

// Strings of up to so many letters are asked in every mix of small letters and capitals.
constexpr std::size_t kEveryCaseUpTo = 3;

// Every distinct string of the alphabet's letters of minLength letters on,
// whose first letter is one of firsts, that the tiles and blanks make: each
// letter is taken by a tile it counts as (search/LooseSearch.h: the letters
// of a tile's variants), else by a blank, which stands for any letter of
// the alphabet. Each string is asked of the checker in lower case,
// capitalised and in capitals.
class Reference {
public:
    Reference(SpellChecker &checker, std::size_t minLength, const std::vector<std::string> &inner,
        const std::vector<std::string> &alphabet, const LetterCase &letterCase)
        : m_checker(checker)
        , m_minLength(minLength)
        , m_inner(inner)
        , m_alphabet(alphabet)
        , m_case(letterCase)
    {
    }

    // tiles: for each tile, the letters of the alphabet it stands for.
    WordSet words(std::vector<std::set<std::string>> tiles, std::size_t blanks,
        const std::vector<std::string> &firsts)
    {
        m_found.clear();
        m_questions = 0;
        m_tiles = std::move(tiles);
        m_used.assign(m_tiles.size(), false);
        m_blanks = blanks;
        std::vector<std::string> prefix;
        for (const std::string &letter : firsts)
            place(prefix, letter);
        return m_found;
    }
    [[nodiscard]] std::size_t questions() const { return m_questions; }

private:
    void place(std::vector<std::string> &prefix, const std::string &letter)
    {
        // A tile is taken before a blank, so that each string comes once.
        std::size_t tile = 0;
        while (tile < m_tiles.size() && (m_used[tile] || !m_tiles[tile].contains(letter)))
            ++tile;
        const bool blank = tile == m_tiles.size();
        if (blank && m_blanks == 0)
            return;
        blank ? --m_blanks : (m_used[tile] = true, 0);
        prefix.push_back(letter);
        if (prefix.size() >= m_minLength)
            ask(prefix);
        for (const std::string &next : m_alphabet)
            place(prefix, next);
        prefix.pop_back();
        blank ? ++m_blanks : (m_used[tile] = false, 0);
    }

    void ask(const std::vector<std::string> &letters)
    {
        std::string lower;
        for (const std::string &letter : letters)
            lower += letter;
        // A short word may have a capital anywhere (cT, a prefix on a unit).
        if (letters.size() <= kEveryCaseUpTo) {
            for (std::size_t capitals = 0; capitals < (std::size_t(1) << letters.size());
                 ++capitals) {
                std::string spelt;
                for (std::size_t i = 0; i < letters.size(); ++i)
                    spelt += (capitals >> i) & 1 ? m_case.upper(letters[i]) : letters[i];
                ++m_questions;
                if (lettersOf(spelt).size() == letters.size() && testword(m_checker, spelt)) {
                    m_found.insert(m_case.folded(spelt));
                    return;
                }
            }
            return;
        }
        std::string capital = m_case.upper(letters.front());
        for (std::size_t i = 1; i < letters.size(); ++i)
            capital += letters[i];
        // The word is the spelling accepted: a string's capitals may be
        // another's (TI of tı and of ti).
        m_questions += 3;
        for (const std::string &spelt : { lower, capital, m_case.upper(lower) }) {
            // A capital that is two letters (SS of ß) is no spelling of these tiles.
            if (lettersOf(spelt).size() == letters.size() && testword(m_checker, spelt)) {
                m_found.insert(m_case.folded(spelt));
                return;
            }
        }
        if (lower.size() == letters.size() && acceptedInSomeCase(m_checker, lower, m_inner))
            m_found.insert(m_case.folded(lower));
    }

    SpellChecker &m_checker;
    std::size_t m_minLength;
    const std::vector<std::string> &m_inner;
    const std::vector<std::string> &m_alphabet;
    const LetterCase &m_case;
    std::vector<std::set<std::string>> m_tiles;
    std::vector<bool> m_used;
    std::size_t m_blanks = 0;
    WordSet m_found;
    std::size_t m_questions = 0;
};

// The reference on two threads, each with a checker of its own, the first
// letters split between them.
WordSet referenceWords(const std::vector<std::set<std::string>> &tiles, std::size_t blanks,
    std::size_t minLength, const std::vector<std::string> &inner,
    const std::vector<std::string> &alphabet, const LetterCase &letterCase, SpellChecker &checker,
    SpellChecker *second, std::size_t &questions)
{
    if (!second) {
        Reference reference(checker, minLength, inner, alphabet, letterCase);
        WordSet words = reference.words(tiles, blanks, alphabet);
        questions += reference.questions();
        return words;
    }
    const auto half = static_cast<std::ptrdiff_t>(alphabet.size() / 2);
    const std::vector<std::string> early(alphabet.begin(), alphabet.begin() + half);
    const std::vector<std::string> late(alphabet.begin() + half, alphabet.end());
    Reference lateReference(*second, minLength, inner, alphabet, letterCase);
    WordSet lateWords;
    std::thread worker([&] { lateWords = lateReference.words(tiles, blanks, late); });
    Reference earlyReference(checker, minLength, inner, alphabet, letterCase);
    WordSet words = earlyReference.words(tiles, blanks, early);
    worker.join();
    words.insert(lateWords.begin(), lateWords.end());
    questions += earlyReference.questions() + lateReference.questions();
    return words;
}

} // namespace gamesdiff
