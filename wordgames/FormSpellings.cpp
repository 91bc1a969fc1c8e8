// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/FormSpellings.h"

#include "search/Enumerator.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <optional>

namespace {

// Each pick of one choice a position, in turn, the last position's first.
template<typename Choice, typename Take>
void forEachPick(const std::vector<std::vector<Choice>> &choices, Take take)
{
    std::vector<std::size_t> pick(choices.size());
    for (;;) {
        take(pick);
        std::size_t at = choices.size();
        while (at > 0 && ++pick[at - 1] == choices[at - 1].size())
            pick[--at] = 0;
        if (at == 0)
            return;
    }
}

} // namespace

std::optional<std::string> longerInCapitals(const std::string &spelling, std::string capitals)
{
    if (std::ranges::all_of(spelling, [](char c) { return static_cast<unsigned char>(c) < 0x80; })
        || lettersOf(capitals).size() == lettersOf(spelling).size())
        return std::nullopt;
    return capitals;
}

CrosswordSpeller::CrosswordSpeller(const WordIndex &index, const GameLetters &letters,
    const WordPattern::Place *place, std::size_t max, bool dictionary)
    : m_index(index)
    , m_letters(letters)
    , m_place(place)
    , m_max(max)
    // An index of key letters only (a player's list) keeps no own spelling
    // at all: its forms are spread. A dictionary's forms within a pattern
    // may have no mark either (longjumeau), and are spelt as they are.
    , m_keepsOwn(dictionary || index.ownSpellingForms() > 0)
{
}

bool CrosswordSpeller::spellForms(const WordIndex::Forms &forms,
    const std::vector<std::size_t> &words, const std::string &lower,
    std::vector<CrosswordSpelling> &out)
{
    out.clear();
    bool own = m_keepsOwn;
    for (std::size_t w = 0; w < words.size() && own; ++w) {
        own = ownLetters(forms, words[w]);
        for (std::size_t s = 0; s < m_own.size() && own; ++s) {
            if (!spreadOwn(m_own[s], out)) {
                out.clear();
                return false;
            }
        }
    }
    if (own) {
        // The spellings of one word in small letters together, in the forms' order.
        std::ranges::stable_sort(
            out, {}, [](const CrosswordSpelling &spelling) -> const std::string & {
                return spelling.lower;
            });
        return true;
    }
    out.clear();
    m_spread.resize(words.size() + 1);
    if (!spread(lower, m_spread[0]))
        return false;
    for (std::size_t w = 0; w < words.size(); ++w)
        (void)spread(forms[words[w]], m_spread[w + 1]);
    // The spreads of a cased form follow the lower case one's, letter for letter.
    for (std::size_t k = 0; k < m_spread[0].size(); ++k) {
        out.push_back({ m_spread[0][k], {} });
        for (std::size_t w = 1; w < m_spread.size(); ++w) {
            if (k < m_spread[w].size() && m_spread[w][k] != m_spread[0][k])
                out.push_back({ m_spread[0][k], m_spread[w][k] });
        }
    }
    return true;
}

bool CrosswordSpeller::spellCompound(const std::string &word, std::vector<CrosswordSpelling> &out)
{
    out.clear();
    m_spread.resize(1);
    if (!spread(word, m_spread[0]))
        return false;
    for (std::string &spelling : m_spread[0])
        out.push_back({ std::move(spelling), {} });
    return true;
}

bool CrosswordSpeller::ownLetters(const WordIndex::Forms &forms, std::size_t i)
{
    m_own.clear();
    if (!m_keepsOwn || !m_index.spellingsOf(forms, i, m_spellings))
        return false;
    for (const std::string &spelling : m_spellings) {
        m_own.push_back(lettersOf(spelling));
        if (const auto capitals = longerInCapitals(spelling, m_letters.upper(spelling)))
            m_own.push_back(lettersOf(*capitals));
    }
    return true;
}

void CrosswordSpeller::ownLetter(const std::string &letter, std::size_t at,
    std::vector<std::pair<std::string, std::string>> &out) const
{
    const auto takes = [this, at](const std::string &letter) {
        return m_letters.holds(letter)
            && (!m_place || at >= m_place->size()
                || (*m_place)[at].takes(m_letters.looseOf(letter)));
    };
    std::string small
        = letter.size() == 1 ? std::string(1, asciiLower(letter.front())) : m_letters.lower(letter);
    const std::size_t first = out.size();
    for (const auto &[from, to] : m_index.conversions()) {
        if ((to == small || to == letter) && from != small && takes(from))
            out.emplace_back(from, from);
    }
    if (takes(small))
        out.emplace(out.begin() + static_cast<std::ptrdiff_t>(first), std::move(small), letter);
}

bool CrosswordSpeller::spreadOwn(
    const std::vector<std::string> &spelling, std::vector<CrosswordSpelling> &out)
{
    if (m_place && spelling.size() != m_place->size())
        return true;
    // Each position's choices: in small letters, as spelt.
    std::vector<std::vector<std::pair<std::string, std::string>>> choices(spelling.size());
    std::size_t total = 1;
    for (std::size_t at = 0; at < spelling.size(); ++at) {
        auto &here = choices[at];
        const std::string &letter = spelling[at];
        if (letter.size() == 1 && keyLetterNumber(letter.front()) < 0)
            here.emplace_back(letter, letter); // a hyphen, an apostrophe
        else
            ownLetter(letter, at, here);
        if (here.empty())
            return true;
        total *= here.size();
        if (total > m_max)
            return false;
    }
    forEachPick(choices, [&](const std::vector<std::size_t> &pick) {
        CrosswordSpelling made;
        for (std::size_t at = 0; at < choices.size(); ++at) {
            made.lower += choices[at][pick[at]].first;
            made.cased += choices[at][pick[at]].second;
        }
        if (made.cased == made.lower)
            made.cased.clear();
        out.push_back(std::move(made));
    });
    return true;
}

bool CrosswordSpeller::spread(std::string_view form, std::vector<std::string> &out) const
{
    out.clear();
    if (m_place && form.size() != m_place->size())
        return true; // a byte of the form each letter: it cannot fill the place
    // Each position's choices, then every combination in turn.
    std::vector<std::vector<std::string>> choices;
    std::size_t total = 1;
    for (std::size_t at = 0; at < form.size(); ++at) {
        std::vector<std::string> here;
        if (keyLetterNumber(form[at]) < 0) {
            here.emplace_back(1, form[at]);
        } else {
            for (const std::string &letter : m_letters.lettersUnder(form[at])) {
                if (!m_place || (*m_place)[at].takes(m_letters.looseOf(letter)))
                    here.push_back(letter);
            }
        }
        if (here.empty())
            return true;
        total *= here.size();
        if (total > m_max)
            return false;
        choices.push_back(std::move(here));
    }
    forEachPick(choices, [&](const std::vector<std::size_t> &pick) {
        std::string spelling;
        for (std::size_t at = 0; at < choices.size(); ++at)
            spelling += choices[at][pick[at]];
        out.push_back(std::move(spelling));
    });
    return true;
}

TileOwnSpellings::TileOwnSpellings(const WordIndex &index, const LooseTiles &tiles)
    : m_index(index)
    , m_tiles(tiles)
{
}

bool TileOwnSpellings::keeps(const WordIndex::Forms &forms, std::size_t f)
{
    // An index of key letters only (a player's list) keeps none at all.
    return m_index.ownSpellingForms() > 0 && m_index.spellingsOf(forms, f, m_spellings);
}

bool TileOwnSpellings::of(const WordIndex::Forms &forms, const std::vector<std::size_t> &words)
{
    m_own.clear();
    for (const std::size_t f : words) {
        if (!keeps(forms, f))
            return false;
        for (const std::string &spelling : m_spellings) {
            m_own.push_back(m_tiles.caseless(spelling));
            if (const auto capitals = longerInCapitals(spelling, m_tiles.upper(spelling)))
                m_own.push_back(m_tiles.caseless(*capitals));
        }
    }
    return true;
}

bool TileOwnSpellings::holds(const std::string &word) const
{
    std::string read = m_tiles.caseless(word);
    for (const auto &[from, to] : m_index.conversions()) {
        for (std::size_t at = read.find(from); at != std::string::npos;
             at = read.find(from, at + to.size()))
            read.replace(at, from.size(), to);
    }
    return std::ranges::find(m_own, read) != m_own.end();
}
