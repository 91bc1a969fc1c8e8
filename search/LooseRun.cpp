// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of a loose run: the search itself is looseWords()
// (search/LooseSearch.h), which this paces, shows and lets be cancelled
// as the run over every arrangement is.
#include "letters/Alphabet.h"
#include "platform/EventPump.h"
#include "platform/ProgramTerminator.h"
#include "search/Enumerator.h"
#include "search/IndexWait.h"
#include "search/IndexedSearch.h"
#include "search/LooseBudget.h"
#include "search/LooseSearch.h"
#include "search/SearchView.h"
#include "search/WordSearch.h"

#include <algorithm>
#include <cmath>

namespace {

// How many progress repaints a loose run gets.
constexpr double kLooseRepaints = 20;

} // namespace

std::shared_ptr<const LooseAlphabet> WordSearch::looseAlphabet(
    const SpellChecker &checker, const std::function<bool()> &going)
{
    const auto dictionary = checker.dictionary();
    if (m_looseAlphabet && m_looseDictionary == dictionary)
        return m_looseAlphabet;
    // The alphabet is found with the word index, off this thread, and kept
    // in the cache with it: the window only waits, handling its events.
    std::shared_ptr<const Alphabet> letters;
    if (m_services.indexes && dictionary) {
        bool stopped = false;
        const IndexSource::Offer offer = waitForIndex(*m_services.indexes, *dictionary,
            kIndexWaitSlice, [&](std::chrono::steady_clock::duration) {
                stopped = !going();
                return !stopped;
            });
        if (stopped)
            return nullptr;
        letters = offer.alphabet;
    }
    // Without the dictionary's alphabet a letter stands for itself in
    // either case: what the checker accepts is still all that is listed.
    m_looseAlphabet = std::make_shared<const LooseAlphabet>(
        dictionary ? dictionary->filename().string() : std::string(),
        letters ? letters->letters() : std::vector<std::string> {},
        letters ? std::optional(letters->converted()) : std::nullopt);
    m_looseDictionary = dictionary;
    return m_looseAlphabet;
}

bool WordSearch::prepareLoose(PreparedRun &prepared, const std::function<bool()> &going)
{
    prepared.report.dictionary = prepared.checker->dictionary();
    prepared.report.engine = prepared.checker->engineName();
    prepared.report.loose = true;
    prepared.report.fallback = m_options.exhaustive ? "asked to (--exhaustive)" : "";
    prepared.loose = looseAlphabet(*prepared.checker, going);
    if (!prepared.loose)
        return false;
    prepared.looseQuestions = std::max(1.0, looseQuestionBound(prepared.letters, *prepared.loose));
    return true;
}

bool WordSearch::looseFromIndex(PreparedRun &prepared, const std::function<bool()> &going)
{
    RunReport &report = prepared.report;
    if (m_options.exhaustive || !m_services.indexes || !report.dictionary)
        return true;
    const auto started = std::chrono::steady_clock::now();
    // As the search as typed: a short input does not wait for an index that
    // takes longer to build than trying its spellings.
    const double enumeration = prepared.looseQuestions * kQuestionCost.count();
    bool stopped = false;
    const IndexSource::Offer offer = waitUnlessQuicker(*m_services.indexes, *report.dictionary,
        kIndexWaitSlice, enumeration, going, report.fallback, stopped);
    if (stopped)
        return false;
    if (offer.pending())
        return true;
    if (!offer.index) {
        report.fallback = offer.refusal;
        return true;
    }
    LooseIndex index = looseIndexFor(offer.index.get(), letterCount(prepared.letters), going);
    index.threads = m_options.threads;
    index.indexOnly = true;
    LooseAnswer answer = looseWords(
        prepared.letters, *prepared.loose, *prepared.checker, [&](double) { return going(); },
        index);
    if (answer.stopped)
        return false;
    if (!answer.indexed) {
        report.fallback = std::move(answer.fallback);
        return true;
    }
    report.fallback.clear();
    report.indexed = true;
    report.questions = answer.questions;
    report.time = std::chrono::steady_clock::now() - started;
    prepared.found = std::move(answer.words);
    return true;
}

bool WordSearch::runLoose(const PreparedRun &prepared, WordList &list, RunReport &report)
{
    if (prepared.found) {
        // The index has answered: the bar shows the whole run as done.
        m_view.setProgressValue(static_cast<float>(prepared.looseQuestions - 1));
        m_view.setProgressCount(prepared.looseQuestions, prepared.looseQuestions);
        m_view.repaintProgress();
        list = *prepared.found;
        return true;
    }
    const LooseAlphabet &alphabet = *prepared.loose;
    const double last = prepared.looseQuestions - 1;
    const double interval = std::max(1.0, std::floor(prepared.looseQuestions / kLooseRepaints));
    double nextRepaint = 0;
    auto lastEvents = std::chrono::steady_clock::now();
    bool ending = false;
    const std::function<bool(double)> going = [&](double asked) {
        m_view.setProgressValue(static_cast<float>(std::min(asked, last)));
        m_view.setProgressCount(std::min(asked, last) + 1, prepared.looseQuestions);
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
    m_view.setProgressCount(prepared.looseQuestions, prepared.looseQuestions);
    m_view.repaintProgress();
    report.questions += answer.questions;
    list = std::move(answer.words);
    return true;
}
