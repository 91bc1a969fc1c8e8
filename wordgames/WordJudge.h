// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "wordgames/CompoundSpread.h"
#include "wordgames/FormSpellings.h"
#include "wordgames/WordHunt.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// What a hunt asks the checker about the candidates the index names, one
// key or compound at a time, and the words it keeps: the half of a hunt
// that knows spellings and case, apart from the half that names the
// candidates, shares them out among threads and keeps to the budget
// (huntWords). One judge per thread, each with a checker of its own.
class WordJudge {
public:
    // Strings of one word a crossword asks at most (FormSpellings.h).
    static constexpr std::size_t kMaxSpellings = 4096;

    // query.tiles is set.
    WordJudge(
        const WordIndex &index, SpellChecker &checker, const WordQuery &query, WordHunt &result);

    // The key's forms that may stand alone, a word each of those alike but
    // for case (the index keeps them together, in the dictionary's order),
    // each spelt in the letters the tiles make of it.
    void judgeKey(WordIndex::KeyId key);
    // A compound, unless a form of the index is the same word; one of
    // parts that leave no doubt is taken in small letters unasked.
    void judgeCompound(const std::string &word, bool sure);

    // How many forms had more spellings than are asked: each left out.
    [[nodiscard]] std::size_t tooMany() const { return m_tooMany; }

private:
    void judgeSpellings(bool spelt);
    void spellAndJudge();
    // Whether the tiles' spelling of the compound judged is one its parts
    // may spell.
    [[nodiscard]] bool partsSpell(const std::string &word) const;
    void judge(const std::string &word);
    bool ask(const std::string &spelling);
    void askInEveryCase(const std::string &word, bool lowerAsked);
    void askEveryMix(const std::string &word);

    const WordIndex &m_index;
    SpellChecker &m_checker;
    const WordQuery &m_query;
    const LooseTiles &m_tiles;
    WordHunt &m_result;
    std::string m_lower;
    std::vector<std::string_view> m_spellings;
    std::vector<std::size_t> m_words; // the numbers of those forms
    std::optional<CrosswordSpeller> m_speller; // of a crossword beyond the key letters
    std::optional<CompoundSpread> m_compoundSpread;
    std::vector<CrosswordSpelling> m_crossword;
    // Of a game's tiles in a dictionary beyond the key letters: the letters
    // the parts of the compound judged spell at each of its letters, where
    // known; empty: every spelling the tiles make is asked.
    std::optional<CompoundSpread> m_partSpread;
    std::vector<std::vector<std::string>> m_partLetters;
    // The tiles' spellings of a form the index keeps its own spellings of
    // are asked only where they are one of those.
    TileOwnSpellings m_own;
    bool m_ownOnly = false;
    std::size_t m_tooMany = 0;
    std::unordered_set<std::string> m_judged; // spellings in lower case
    std::vector<std::string> m_asked; // of the spelling judged
    std::vector<std::size_t> m_capitals;
    LetterCounts m_counts {};
    // The compound judged is made of parts that leave no doubt: its
    // spelling in small letters is taken unasked.
    bool m_sure = false;
};
