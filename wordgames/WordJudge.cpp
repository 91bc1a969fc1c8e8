// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordJudge.h"

#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordgames/GameResult.h"

#include <algorithm>

namespace {

bool isLower(std::string_view text)
{
    return std::ranges::none_of(text, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The longest word asked in every mix of capitals at the letters whose case
// the index does not keep.
constexpr std::size_t kEveryMixUpTo = 3;

} // namespace

WordJudge::WordJudge(
    const WordIndex &index, SpellChecker &checker, const WordQuery &query, WordHunt &result)
    : m_index(index)
    , m_checker(checker)
    , m_query(query)
    , m_tiles(*query.tiles)
    , m_result(result)
    , m_own(index, *query.tiles)
{
    if (query.spread) {
        m_speller.emplace(index, *query.spread, query.place, kMaxSpellings, query.dictionaryForms);
        m_compoundSpread.emplace(
            index, *query.spread, query.place, kMaxSpellings, query.dictionaryForms);
    } else if (query.letters && query.letters->beyondKeys() && m_tiles.loose())
        m_partSpread.emplace(index, *query.letters, nullptr, kMaxSpellings, query.dictionaryForms);
}

// The key's forms that may stand alone, a word each of those alike but
// for case (the index keeps them together, in the dictionary's order),
// each spelt in the letters the tiles make of it.
void WordJudge::judgeKey(WordIndex::KeyId key)
{
    const auto forms = m_index.formsOf(key);
    for (std::size_t first = 0; first < forms.size();) {
        std::size_t end = first;
        m_lower.assign(forms[first]);
        std::ranges::transform(m_lower, m_lower.begin(), asciiLower);
        m_spellings.clear();
        m_words.clear();
        for (; end < forms.size(); ++end) {
            const std::string_view form = forms[end];
            if (!std::ranges::equal(
                    form, m_lower, [](char a, char b) { return asciiLower(a) == b; }))
                break;
            if (forms.roles[end] & FormRole::Word) {
                m_spellings.push_back(form);
                m_words.push_back(end);
            }
        }
        first = end;
        if (m_spellings.empty())
            continue;
        if (m_speller) {
            judgeSpellings(m_speller->spellForms(forms, m_words, m_lower, m_crossword));
            continue;
        }
        if (m_query.wanted && !m_query.wanted(m_lower))
            continue;
        m_ownOnly = m_own.of(forms, m_words);
        spellAndJudge();
    }
}

// A compound, unless a form of the index is the same word; one of
// parts that leave no doubt is taken in small letters unasked.
void WordJudge::judgeCompound(const std::string &word, bool sure)
{
    if (!m_query.spread && m_query.wanted && !m_query.wanted(word))
        return;
    const auto forms = m_index.formsFor(WordIndex::keyOf(word));
    for (std::size_t f = 0; f < forms.size(); ++f) {
        // A crossword asks a form its own spellings alone: the compound
        // may spell it in more ways.
        if ((forms.roles[f] & FormRole::Word)
            && std::ranges::equal(forms[f], word, [](char a, char b) { return asciiLower(a) == b; })
            && !m_own.keeps(forms, f))
            return;
    }
    m_lower = word;
    m_spellings.clear();
    m_ownOnly = false;
    // A crossword's compound is spread over the letters its parts may
    // be spelt in, each spelling asked; over the alphabet's where no
    // cut into parts is found.
    if (m_speller) {
        const std::optional<bool> narrowed = m_compoundSpread->spell(word, m_crossword);
        judgeSpellings(narrowed ? *narrowed : m_speller->spellCompound(word, m_crossword));
        return;
    }
    // A game's compound is asked only in the marked letters its parts may
    // spell (bananenbau, not its a, e and u in every mark the alphabet
    // has): thousands of strings a compound of twenty letters, each asked
    // in three cases. Its plain letters stay, since the checker may take
    // them in capitals for a letter the parts spell otherwise (SS for ß);
    // a compound no cut into parts spells keeps every spelling.
    m_partLetters.clear();
    if (m_partSpread) {
        const std::optional<bool> spread = m_partSpread->spell(word, m_crossword);
        if (spread && *spread && !m_crossword.empty()) {
            for (const CrosswordSpelling &spelling : m_crossword) {
                const std::vector<std::string> letters = lettersOf(spelling.lower);
                m_partLetters.resize(letters.size());
                for (std::size_t i = 0; i < letters.size() && i < m_partLetters.size(); ++i) {
                    if (std::ranges::find(m_partLetters[i], letters[i]) == m_partLetters[i].end())
                        m_partLetters[i].push_back(letters[i]);
                }
            }
            for (std::vector<std::string> &lent : m_partLetters)
                std::ranges::sort(lent,
                    [](const std::string &a, const std::string &b) { return a.size() > b.size(); });
        }
    }
    m_sure = sure;
    spellAndJudge();
    m_sure = false;
    m_partLetters.clear();
}

bool WordJudge::partsSpell(const std::string &word) const
{
    if (m_partLetters.empty()
        || std::ranges::all_of(word, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return true;
    // The tiles spell thousands of strings of a long compound, most to be
    // left out: they are read letter by letter against the letters lent,
    // the longest first (a letter and a mark after it is one letter), a
    // plain one otherwise, without breaking each into letters.
    std::size_t at = 0;
    std::size_t i = 0;
    for (; i < m_partLetters.size() && at < word.size(); ++i) {
        const auto lent = std::ranges::find_if(m_partLetters[i], [&](const std::string &letter) {
            return word.compare(at, letter.size(), letter) == 0;
        });
        if (lent != m_partLetters[i].end())
            at += lent->size();
        else if (static_cast<unsigned char>(word[at]) < 0x80)
            ++at;
        else
            return false;
    }
    if (i == m_partLetters.size() && at == word.size())
        return true;
    const std::vector<std::string> letters = lettersOf(word);
    if (letters.size() != m_partLetters.size())
        return true;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const bool plain = letters[i].size() == 1;
        if (!plain && std::ranges::find(m_partLetters[i], letters[i]) == m_partLetters[i].end())
            return false;
    }
    return true;
}

// Each spelling of a crossword in lower case that the query wants, as
// spelt: in lower case, as the dictionary spells the forms alike but
// for case, capitalised, in capitals; the first the checker takes.
void WordJudge::judgeSpellings(bool spelt)
{
    if (!spelt) {
        ++m_tooMany;
        return;
    }
    const GameLetters &letters = *m_query.spread;
    std::vector<std::string> asked;
    for (std::size_t k = 0; k < m_crossword.size();) {
        const std::string &lower = m_crossword[k].lower;
        // Those of one word in small letters come together.
        std::size_t end = k + 1;
        while (end < m_crossword.size() && m_crossword[end].lower == lower)
            ++end;
        const std::size_t begin = std::exchange(k, end);
        // Forms of other stems may spell it too.
        if ((m_query.wanted && !m_query.wanted(lower)) || !m_judged.insert(lower).second)
            continue;
        ++m_result.candidates;
        asked.clear();
        m_asked.clear();
        m_counts = countLetters(lower);
        // A spelling in capitals may no longer fit (ß as SS).
        const auto askOnce = [&](const std::string &spelling) {
            if (std::ranges::find(asked, spelling) != asked.end()
                || (m_query.wanted && !m_query.wanted(spelling)))
                return false;
            asked.push_back(spelling);
            return ask(spelling);
        };
        if (askOnce(lower))
            continue;
        bool found = false;
        for (std::size_t c = begin; c < end && !found; ++c)
            found = !m_crossword[c].cased.empty() && askOnce(m_crossword[c].cased);
        if (found || askOnce(letters.title(lower)))
            continue;
        (void)askOnce(letters.upper(lower));
    }
}

void WordJudge::spellAndJudge()
{
    m_tiles.spell(m_lower, [this](const std::string &word, const LetterCounts &counts) {
        if (!fitsWithin(m_query.held, counts) || (m_ownOnly && !m_own.holds(word))
            || !partsSpell(word))
            return;
        ++m_result.candidates;
        m_counts = counts;
        judge(word);
    });
}

// One spelling in small letters: where the dictionary lists the word in
// several spellings, the one in lower case is preferred, then the
// others (their capitals where they have them).
void WordJudge::judge(const std::string &word)
{
    m_asked.clear();
    if (m_sure && word == m_lower) {
        m_result.words.push_back({ word, m_counts });
        return;
    }
    const bool plain = std::ranges::any_of(m_spellings, isLower);
    if (plain && ask(word))
        return;
    const bool same = word == m_lower;
    for (const std::string_view spelling : m_spellings) {
        if (isLower(spelling))
            continue;
        m_capitals.clear();
        for (std::size_t at = 0; at < spelling.size(); ++at) {
            if (spelling[at] >= 'A' && spelling[at] <= 'Z')
                m_capitals.push_back(at);
        }
        if (ask(same ? std::string(spelling) : m_tiles.withCapitals(word, m_capitals)))
            return;
    }
    askInEveryCase(word, plain);
}

bool WordJudge::ask(const std::string &spelling)
{
    if (std::ranges::find(m_asked, spelling) != m_asked.end())
        return false;
    m_asked.push_back(spelling);
    ++m_result.questions;
    if (!testword(m_checker, spelling))
        return false;
    m_result.words.push_back({ spelling, m_counts });
    return true;
}

// The checker may take a word in another case than the index keeps it
// in ("STRASSE" for "Straße"): lower case, capitalised, capitals.
void WordJudge::askInEveryCase(const std::string &word, bool lowerAsked)
{
    if (!lowerAsked && ask(word))
        return;
    if (ask(m_tiles.capitalised(word)))
        return;
    // Not a capital that is two letters (SS of ß, as many bytes): the tiles make one.
    const std::string capitals = m_tiles.upper(word);
    if (letterCount(capitals) == letterCount(word)) {
        if (ask(capitals))
            return;
    }
    askEveryMix(word);
}

// The index keeps the case of a to z only: a short word may have a
// capital of another alphabet anywhere (cΩ, a prefix on a unit), so
// each mix of capitals at those letters is asked.
void WordJudge::askEveryMix(const std::string &word)
{
    if (m_lower.size() > kEveryMixUpTo || std::ranges::all_of(m_lower, [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        }))
        return;
    const std::vector<std::string> letters = lettersOf(word);
    if (letters.size() != m_lower.size())
        return;
    for (std::size_t mix = 1; mix < (std::size_t(1) << letters.size()); ++mix) {
        m_capitals.clear();
        bool kept = true;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            if (!((mix >> i) & 1))
                continue;
            kept = kept && static_cast<unsigned char>(m_lower[i]) >= 0x80;
            m_capitals.push_back(i);
        }
        if (kept && ask(m_tiles.withCapitals(word, m_capitals)))
            return;
    }
}
