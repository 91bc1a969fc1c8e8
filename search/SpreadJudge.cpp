// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SpreadJudge.h"

#include "search/CheckerQuestions.h"
#include "search/FirstCounter.h"
#include "search/InnerCapitals.h"
#include "search/Odometer.h"

#include <algorithm>

SpreadJudge::SpreadJudge(const Tokens &tokens, SpellChecker &checker, const InnerCapitals *capitals,
    std::atomic<std::size_t> *disagreements)
    : m_tokens(tokens)
    , m_checker(checker)
    , m_disagreements(disagreements)
    , m_candidate(tokens.typed.size(), ' ')
{
    bool small = false;
    bool capital = false;
    for (const std::string &letter : tokens.letters) {
        const char c = letter.size() == 1 ? letter[0] : '\0';
        m_capital.push_back(c >= 'A' && c <= 'Z');
        m_case.push_back(m_capital.back() ? 'A' : (c >= 'a' && c <= 'z' ? 'a' : '?'));
        small = small || (c >= 'a' && c <= 'z');
        capital = capital || m_capital.back();
    }
    // Only a spelling with a small letter a to z and a capital after its
    // first letter is looked up as it is spelt (in capitals, a word is
    // looked up in small letters and capitalised too).
    if (capitals && capitals->known() && small && capital)
        m_capitals = capitals;
}

void SpreadJudge::judge(const std::string &form, bool sure, std::size_t &questions,
    std::size_t &settled, FoundWords &accepted)
{
    for (auto &p : m_places)
        p.clear();
    for (std::size_t i = 0; i < form.size(); ++i)
        m_places[static_cast<std::size_t>(keyLetterNumber(form[i]))].push_back(i);
    m_piecesFound = false;
    forEachSpread(m_tokens.byKey, m_tokens.present, m_places, m_candidate, [&] {
        m_word.clear();
        for (const char token : m_candidate)
            m_word += m_tokens.letters[static_cast<unsigned char>(token) - 1];
        const bool certain = sure && spelledAsSure(m_word, form);
        const bool refused = !certain && capitalOutOfPlace(form);
        questions += certain || refused ? 0 : 1;
        settled += certain || refused ? 1 : 0;
        if ((certain || refused) && m_disagreements && testword(m_checker, m_word) != certain)
            m_disagreements->fetch_add(1, std::memory_order_relaxed);
        if (certain || (!refused && testword(m_checker, m_word))) {
            if (auto offsets = firstOffsets(m_tokens.typed, m_candidate))
                accepted.add(*offsets, m_word);
        }
    });
}

bool SpreadJudge::capitalOutOfPlace(std::string_view form)
{
    if (!m_capitals)
        return false;
    const auto capitalAt = [this](std::size_t i) {
        return m_capital[static_cast<unsigned char>(m_candidate[i]) - 1];
    };
    // Every spread holds every letter typed, a small one among them (see
    // the constructor): a capital after the first letter is looked up as it
    // is spelt, so forms spelt so make all of the spelling, each capital
    // where one of them has it.
    bool inside = false;
    for (std::size_t i = 1; i < m_candidate.size() && !inside; ++i)
        inside = capitalAt(i);
    if (!inside)
        return false;
    if (!m_piecesFound) {
        m_capitals->piecesIn(form, m_pieces);
        m_piecesFound = true;
    }
    m_cases.resize(m_candidate.size());
    for (std::size_t i = 0; i < m_candidate.size(); ++i)
        m_cases[i] = m_case[static_cast<unsigned char>(m_candidate[i]) - 1];
    return !m_capitals->spelt(m_cases, m_pieces);
}
