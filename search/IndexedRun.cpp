// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of a search the word index answers before the run:
// it waits for the index, gives the search for compounds its budget and
// shows how many candidates are confirmed on the busy bar.
#include "search/Enumerator.h"
#include "search/IndexWait.h"
#include "search/IndexedSearch.h"
#include "search/SearchView.h"
#include "search/WordSearch.h"
#include "wordindex/IndexSource.h"

std::optional<WordList> WordSearch::indexedWords(const std::string &letters, SpellChecker &checker,
    RunReport &report, const std::function<bool()> &going, bool &stopped)
{
    report.dictionary = checker.dictionary();
    report.engine = checker.engineName();
    if (m_options.exhaustive) {
        report.fallback = QT_TRANSLATE_NOOP("Reason", "asked to (--exhaustive)");
        return std::nullopt;
    }
    if (!m_services.indexes || !report.dictionary)
        return std::nullopt;
    // A short input does not wait for an index that takes longer to build
    // than trying its arrangements; the index is there next time.
    const double enumeration
        = fact(static_cast<double>(letterCount(letters))) * kQuestionCost.count();
    const IndexSource::Offer offer = waitUnlessQuicker(*m_services.indexes, *report.dictionary,
        kIndexWaitSlice, enumeration, going, report.fallback, stopped);
    if (offer.pending())
        return std::nullopt;
    if (!offer.index) {
        report.fallback = offer.refusal;
        return std::nullopt;
    }
    const CompoundBudget budget = compoundBudgetFor(letterCount(letters), going);
    // A long word's candidates take a while to confirm: the busy bar, once
    // shown, tells how many are confirmed of those named so far.
    IndexedProgress progress;
    std::size_t total = 0;
    progress.told = [this, &total](std::size_t confirmed, std::size_t named) {
        // All confirmed so far: the bar moves on when more are, or shows the
        // whole run done as it starts.
        if (!m_busy || confirmed == named)
            return;
        if (named != total) {
            total = named;
            m_view.setProgressRange(0, static_cast<float>(named));
        }
        m_view.setProgressValue(static_cast<float>(confirmed));
        m_view.setConfirmedCount(static_cast<double>(confirmed), static_cast<double>(named));
        m_view.repaintProgress();
    };
    IndexedAnswer answer = indexedSearch(letters, *offer.index, checker, kMaxArrangementsTried,
        budget, going, m_options.threads, offer.alphabet.get(), progress);
    report.questions = static_cast<double>(answer.questions);
    report.candidates = answer.candidates;
    report.settled = answer.settled;
    report.settledSpellings = answer.settledSpellings;
    if (answer.stopped) {
        stopped = true;
        return std::nullopt;
    }
    if (!answer.words)
        report.fallback = answer.fallback;
    report.indexed = answer.words.has_value();
    return std::move(answer.words);
}
