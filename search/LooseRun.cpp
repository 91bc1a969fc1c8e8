// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of a loose run: the search itself is looseWords()
// (search/LooseSearch.h), which this paces, shows and lets be cancelled
// as the run over every arrangement is.
#include "platform/EventPump.h"
#include "platform/ProgramTerminator.h"
#include "search/LooseSearch.h"
#include "search/SearchView.h"
#include "search/WordSearch.h"

#include <algorithm>
#include <cmath>

namespace {

// How many progress repaints a loose run gets.
constexpr double kLooseRepaints = 20;

} // namespace

const LooseAlphabet &WordSearch::looseAlphabet(const SpellChecker &checker)
{
    const auto dictionary = checker.dictionary();
    if (m_looseAlphabet && m_looseDictionary == dictionary)
        return *m_looseAlphabet;
    m_looseAlphabet.reset();
    if (dictionary)
        m_looseAlphabet = LooseAlphabet::ofDictionary(*dictionary);
    // Without the dictionary's files a letter stands for itself in either
    // case: what the checker accepts is still all that is listed.
    if (!m_looseAlphabet)
        m_looseAlphabet = std::make_unique<LooseAlphabet>(
            dictionary ? dictionary->filename().string() : std::string(),
            std::vector<std::string> {});
    m_looseDictionary = dictionary;
    return *m_looseAlphabet;
}

void WordSearch::prepareLoose(PreparedRun &prepared)
{
    prepared.report.dictionary = prepared.checker->dictionary();
    prepared.report.engine = prepared.checker->engineName();
    prepared.report.loose = true;
    prepared.report.fallback = m_options.exhaustive
        ? "asked to (--exhaustive)"
        : "the word index does not match letters loosely yet";
    prepared.looseQuestions
        = std::max(1.0, looseQuestionBound(prepared.letters, looseAlphabet(*prepared.checker)));
}

bool WordSearch::runLoose(const PreparedRun &prepared, WordList &list, RunReport &report)
{
    const LooseAlphabet &alphabet = looseAlphabet(*prepared.checker);
    const double last = prepared.looseQuestions - 1;
    const double interval = std::max(1.0, std::floor(prepared.looseQuestions / kLooseRepaints));
    double nextRepaint = 0;
    auto lastEvents = std::chrono::steady_clock::now();
    bool ending = false;
    const std::function<bool(double)> going = [&](double asked) {
        m_view.setProgressValue(static_cast<float>(std::min(asked, last)));
        if (asked >= nextRepaint) {
            m_view.repaintProgress();
            nextRepaint = asked + interval;
        }
        if (const auto now = std::chrono::steady_clock::now();
            now - lastEvents >= m_options.eventInterval) {
            lastEvents = now;
            m_services.events.processPendingEvents();
        }
        ending = m_services.terminator.isEnding();
        return !ending && !m_bolCancel;
    };
    LooseAnswer answer = looseWords(prepared.letters, alphabet, *prepared.checker, going);
    if (answer.stopped) {
        if (!ending)
            m_view.setProgressValue(0);
        return false;
    }
    m_view.setProgressValue(static_cast<float>(last));
    m_view.repaintProgress();
    report.questions += answer.questions;
    list = std::move(answer.words);
    return true;
}
