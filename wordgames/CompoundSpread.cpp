// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/CompoundSpread.h"

#include "search/Enumerator.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordforms/LetterCounts.h"

#include <algorithm>

CompoundSpread::CompoundSpread(const WordIndex &index, const GameLetters &letters,
    const WordPattern::Place *place, std::size_t max, bool dictionary)
    : m_index(index)
    , m_letters(letters)
    , m_place(place)
    , m_max(max)
    , m_keepsOwn(dictionary || index.ownSpellingForms() > 0)
    , m_speller(index, letters, place, max, dictionary)
{
}

bool CompoundSpread::lend(std::string_view segment, std::size_t at)
{
    const WordIndex::Forms forms = m_index.formsFor(WordIndex::keyOf(segment));
    bool any = false;
    for (std::size_t f = 0; f < forms.size(); ++f) {
        if (!isPart(forms, f, segment))
            continue;
        any = true;
        if (!m_index.spellingsOf(forms, f, m_spellings)) {
            for (std::size_t i = 0; i < segment.size(); ++i)
                std::fill(m_lent[at + i].begin(), m_lent[at + i].end(), true);
            continue;
        }
        for (const std::string &spelling : m_spellings) {
            std::vector<std::string> letters = lettersOf(m_letters.lower(spelling));
            // A spelling of another length (Straße of strasse) lends the
            // letters of its capitals where they fill the part's bytes: the
            // checker takes STRASSENBAHN, spelt so.
            if (letters.size() != segment.size()) {
                const auto capitals = longerInCapitals(spelling, m_letters.upper(spelling));
                if (!capitals)
                    continue;
                letters = lettersOf(m_letters.lower(*capitals));
                if (letters.size() != segment.size())
                    continue;
            }
            for (std::size_t i = 0; i < segment.size(); ++i) {
                const std::vector<std::string> &under = m_letters.lettersUnder(segment[i]);
                m_letter.clear();
                m_speller.ownLetter(letters[i], at + i, m_letter);
                for (std::size_t u = 0; u < under.size(); ++u) {
                    if (std::ranges::any_of(
                            m_letter, [&](const auto &lent) { return lent.first == under[u]; }))
                        m_lent[at + i][u] = true;
                }
            }
        }
    }
    return any;
}

bool CompoundSpread::isPart(
    const WordIndex::Forms &forms, std::size_t f, std::string_view segment) const
{
    return segment.size() >= m_index.compounds().minPart && (forms.roles[f] & FormRole::Parts)
        && std::ranges::equal(forms[f], segment, [](char a, char b) { return asciiLower(a) == b; });
}

std::optional<bool> CompoundSpread::spell(
    std::string_view word, std::vector<CrosswordSpelling> &out)
{
    out.clear();
    const std::size_t n = word.size();
    // An index that keeps no own spellings (a player's list) knows no
    // part's marks.
    if (n == 0 || !m_keepsOwn
        || std::ranges::any_of(word, [](char c) { return keyLetterNumber(c) < 0; }))
        return std::nullopt;
    // Where a cut into forms may have got to from the start, and from where
    // it may reach the end: only the forms of whole cuts lend letters.
    std::vector<bool> from(n + 1, false);
    std::vector<bool> to(n + 1, false);
    std::vector<std::vector<bool>> form(n, std::vector<bool>(n + 1, false));
    from[0] = true;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j <= n; ++j) {
            const std::string key = WordIndex::keyOf(word.substr(i, j - i));
            const WordIndex::Forms forms = m_index.formsFor(key);
            for (std::size_t f = 0; f < forms.size() && !form[i][j]; ++f)
                form[i][j] = isPart(forms, f, word.substr(i, j - i));
            if (from[i] && form[i][j])
                from[j] = true;
        }
    }
    if (!from[n])
        return std::nullopt;
    to[n] = true;
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = i + 1; j <= n && !to[i]; ++j)
            to[i] = form[i][j] && to[j];
    }
    m_lent.assign(n, {});
    for (std::size_t i = 0; i < n; ++i)
        m_lent[i].assign(m_letters.lettersUnder(word[i]).size(), false);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j <= n; ++j) {
            if (from[i] && to[j] && form[i][j])
                (void)lend(word.substr(i, j - i), i);
        }
    }
    // Each byte's letters lent that the place's square takes, then every pick in turn.
    if (m_place && n != m_place->size())
        return true;
    std::vector<std::vector<const std::string *>> choices(n);
    std::size_t total = 1;
    for (std::size_t i = 0; i < n; ++i) {
        const std::vector<std::string> &under = m_letters.lettersUnder(word[i]);
        for (std::size_t u = 0; u < under.size(); ++u) {
            if (m_lent[i][u] && (!m_place || (*m_place)[i].takes(m_letters.looseOf(under[u]))))
                choices[i].push_back(&under[u]);
        }
        if (choices[i].empty())
            return true;
        total *= choices[i].size();
        if (total > m_max)
            return false;
    }
    std::vector<std::size_t> pick(n, 0);
    for (;;) {
        CrosswordSpelling made;
        for (std::size_t i = 0; i < n; ++i)
            made.lower += *choices[i][pick[i]];
        out.push_back(std::move(made));
        std::size_t at = n;
        while (at > 0 && ++pick[at - 1] == choices[at - 1].size())
            pick[--at] = 0;
        if (at == 0)
            return true;
    }
}
