// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/WordSearch.h"

#include "letters/LetterCase.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/AlphabetCheck.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexWait.h"
#include "search/IndexedSearch.h"
#include "search/LooseSearch.h"
#include "search/Messages.h"
#include "search/ParallelAnswers.h"
#include "search/Request.h"
#include "search/SearchView.h"
#include "search/WordList.h"
#include "search/WorkerCheckers.h"
#include "wordindex/IndexSource.h"

#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <utility>

namespace {

// How many progress repaints a run of five letters or more gets.
constexpr double kRepaintsPerRun = 20;

// Tells when the window is due its events again. A clock read costs about
// as much as the rest of the loop's own work, so the clock is read only every
// few arrangements; at the checker's pace that is a few microseconds.
class EventPacer {
public:
    explicit EventPacer(std::chrono::steady_clock::duration interval)
        : m_interval(interval)
        , m_stride(interval.count() > 0 ? 8 : 1)
        , m_last(std::chrono::steady_clock::now())
    {
    }

    [[nodiscard]] bool due()
    {
        if (--m_countdown > 0)
            return false;
        m_countdown = m_stride;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < m_interval)
            return false;
        m_last = now;
        return true;
    }

private:
    std::chrono::steady_clock::duration m_interval;
    int m_stride;
    int m_countdown = 1;
    std::chrono::steady_clock::time_point m_last;
};

// The answers asked for one after another on the run's own thread.
class SequentialAnswers {
public:
    SequentialAnswers(SpellChecker &checker, const std::string &letters)
        : m_checker(checker)
        , m_arrangements(letters)
    {
    }

    // The answer is always there at once: the question is asked here.
    [[nodiscard]] std::optional<const std::string *> next(std::chrono::steady_clock::duration)
    {
        // The step comes before the question, so that none is taken past the
        // last arrangement.
        if (m_asked)
            m_arrangements.advance();
        m_asked = true;
        const std::string &candidate = m_arrangements.current();
        return testword(m_checker, candidate) ? &candidate : nullptr;
    }

private:
    SpellChecker &m_checker;
    Arrangements m_arrangements;
    bool m_asked = false;
};

} // namespace

WordSearch::WordSearch(AnalysisView &view, Services services, Options options)
    : m_view(view)
    , m_services(services)
    , m_options(options)
{
}

WordSearch::~WordSearch() = default;

void WordSearch::startanalysis()
{
    // The request is checked, and confirmed where it asks to be, before it
    // touches anything: a refused or unconfirmed request during a run leaves
    // that run going.
    std::optional<PreparedRun> prepared = acceptedRequest();
    if (!prepared)
        return;
    // A request while a run is going on (Enter pressed again, or Analyze
    // clicked) would otherwise run a whole second search nested inside the
    // first, after which the first one would write its older result over the
    // new one. The newest request wins instead: the running search is
    // cancelled and, once it has unwound, the new letters are searched.
    m_pending = std::move(prepared);
    m_bolCancel = true;
    if (m_running)
        return;
    while (m_pending && !m_services.terminator.isEnding()) {
        PreparedRun next = std::move(*std::exchange(m_pending, std::nullopt));
        m_bolCancel = false;
        m_view.setResultsText(QString());
        m_view.setCancelVisible(true);
        m_running = true;
        run(next);
        m_running = false;
    }
    // Hidden once, after the last of the runs: between a replaced run and
    // its successor the button stays where the user is about to click.
    if (!m_services.terminator.isEnding())
        m_view.setCancelVisible(false);
}

std::optional<WordSearch::PreparedRun> WordSearch::acceptedRequest()
{
    const unsigned request = ++m_requests;
    const unsigned cancelClicks = m_cancelClicks;
    const bool loose = m_options.matching == Matching::Loose;
    CheckedRequest checked
        = checkRequest(m_view.inputText(), loose ? LetterRule::AnyLetter : m_options.letters);
    // Letters beyond A to Z wait for the dictionary: its language's script
    // tells whether they are letters to search or the invalid characters
    // they have always been.
    if (checked.refusal && m_options.letters == LetterRule::ByScript
        && !checkRequest(m_view.inputText(), LetterRule::AnyLetter).refusal) {
        if (!checkerReady(request, cancelClicks))
            return std::nullopt;
        if (const auto dictionary = m_services.checkers.dictionary(); dictionary
            && !scriptOfLanguage(dictionary->filename().string()).empty()
            && scriptOfLanguage(dictionary->filename().string()) != "Latin")
            checked = checkRequest(m_view.inputText(), LetterRule::AnyLetter);
    }
    if (checked.refusal) {
        (void)m_services.messageBox.show(*checked.refusal);
        return std::nullopt;
    }
    if (!checkerReady(request, cancelClicks))
        return std::nullopt;
    PreparedRun prepared { checked.letters.toStdString(),
        acquireChecker(m_services.checkers, m_services.messageBox, m_services.terminator), {}, {} };
    if (!prepared.checker)
        return std::nullopt;
    // The index may be built or read, and a long compound or loose letters
    // of many marks searched, for seconds before the run shows its bar.
    const auto asked = std::chrono::steady_clock::now();
    const std::function<bool()> going = [&] {
        if (std::chrono::steady_clock::now() - asked >= m_options.busyAfter)
            showBusy(true);
        return keepGoing(request, cancelClicks);
    };
    const bool answerable = inAlphabet(prepared.letters, *prepared.checker, going)
        && (!loose || (prepareLoose(prepared, going) && looseFromIndex(prepared, going)));
    if (!answerable) {
        showBusy(false);
        return std::nullopt;
    }
    if (loose) {
        showBusy(false);
        if (const auto question = looseConfirmationFor(
                static_cast<qsizetype>(letterCount(prepared.letters)), prepared.looseQuestions);
            question && !prepared.found
            && m_services.messageBox.show(*question) != MessageAnswer::Yes)
            return std::nullopt;
        return prepared;
    }
    const auto started = std::chrono::steady_clock::now();
    bool stopped = false;
    prepared.found
        = indexedWords(prepared.letters, *prepared.checker, prepared.report, going, stopped);
    prepared.report.time = std::chrono::steady_clock::now() - started;
    showBusy(false);
    if (stopped)
        return std::nullopt;
    // The question warns of a long wait, so it is asked only when every
    // arrangement is to be tried.
    if (const auto question
        = confirmationFor(static_cast<qsizetype>(letterCount(checked.letters.toStdString())));
        question && !prepared.found && m_services.messageBox.show(*question) != MessageAnswer::Yes)
        return std::nullopt;
    return prepared;
}

void WordSearch::f(const std::string &letters)
{
    PreparedRun prepared { letters,
        acquireChecker(m_services.checkers, m_services.messageBox, m_services.terminator), {}, {} };
    if (!prepared.checker)
        return;
    if (m_options.matching == Matching::Loose) {
        const std::function<bool()> always = [] { return true; };
        if (prepareLoose(prepared, always) && looseFromIndex(prepared, always))
            run(prepared);
        return;
    }
    const auto started = std::chrono::steady_clock::now();
    bool stopped = false;
    prepared.found = indexedWords(
        letters, *prepared.checker, prepared.report, [] { return true; }, stopped);
    prepared.report.time = std::chrono::steady_clock::now() - started;
    run(prepared);
}

void WordSearch::run(PreparedRun &prepared)
{
    const std::string &letters = prepared.letters;
    SpellChecker &checker = *prepared.checker;
    const auto started = std::chrono::steady_clock::now();
    const std::size_t n = letterCount(letters);
    const double total
        = prepared.looseQuestions > 0 ? prepared.looseQuestions : fact(static_cast<double>(n));
    m_view.setProgressRange(0, static_cast<float>(total - 1));
    m_view.setProgressVisible(true);
    m_view.setSearchingVisible(true);
    if (m_runStarting)
        m_runStarting(prepared.report);

    WordList list;
    RunReport report = prepared.report;
    if (prepared.looseQuestions > 0) {
        if (!runLoose(prepared, list, report))
            return;
    } else if (prepared.found) {
        // The index has answered: the bar shows the whole run as done.
        m_view.setProgressValue(static_cast<float>(total - 1));
        m_view.setProgressCount(total, total);
        m_view.repaintProgress();
        // Moved, not copied: an answer can be millions of words.
        list = std::move(*prepared.found);
    } else {
        // Workers pay for themselves only on a long run: each needs a
        // checker of its own, and Hunspell loads its dictionary again for it.
        auto checkers = total >= m_options.parallelFrom
            ? workerCheckers(checker, m_options.threads, CallerAsks::No)
            : std::vector<std::unique_ptr<SpellChecker>>();
        bool finished = false;
        if (!checkers.empty()) {
            ParallelAnswers answers(letters, total, std::move(checkers));
            finished = enumerate(answers, n, total, list);
        } else {
            SequentialAnswers answers(checker, letters);
            finished = enumerate(answers, n, total, list);
        }
        if (!finished)
            return;
        report.questions += total;
    }
    report.time += std::chrono::steady_clock::now() - started;
    if (!showResult(list))
        return;
    m_report = report;
    if (m_runFinished)
        m_runFinished(m_report);
}

bool WordSearch::showResult(const WordList &list)
{
    // The line of millions of words takes a while to write: the window
    // keeps its turns meanwhile, as it had them during the run.
    auto lastTurn = std::chrono::steady_clock::now();
    const std::function<bool()> going = [&] {
        if (const auto now = std::chrono::steady_clock::now();
            now - lastTurn >= m_options.eventInterval) {
            lastTurn = now;
            m_services.events.processPendingEvents();
        }
        return !m_bolCancel && !m_services.terminator.isEnding();
    };
    const std::optional<SearchResult> result = resultFor(list, m_options.resultLanguage, going);
    if (!result) {
        if (!m_services.terminator.isEnding())
            m_view.setProgressValue(0);
        return false;
    }
    m_view.setResultsColor(result->color);
    m_view.setResultsText(result->text);
    return true;
}

bool WordSearch::enumerate(AnswerSource auto &answers, std::size_t n, double total, WordList &list)
{
    // Repaint points are the whole multiples of the interval; below five
    // letters every arrangement is one. Tracking the next multiple is the
    // same test as "counter mod interval = 0" without a division per step.
    const double interval = std::floor(total / kRepaintsPerRun);
    const bool repaintEvery = n < 5;
    double nextRepaint = 0;
    // Waiting for the workers' next answers, the window still gets its events.
    const auto wait = std::max<std::chrono::steady_clock::duration>(
        m_options.eventInterval, std::chrono::milliseconds(1));
    EventPacer events(m_options.eventInterval);
    double counter = 0;
    do {
        std::optional<const std::string *> answer;
        while (!(answer = answers.next(wait))) {
            m_services.events.processPendingEvents();
            if (m_services.terminator.isEnding())
                return false;
            // A Cancel clicked while the workers are busy stops the run now,
            // not once their block of answers is in.
            if (m_bolCancel) {
                m_view.setProgressValue(0);
                return false;
            }
        }
        if (const std::string *word = *answer)
            addword(*word, list);
        m_view.setProgressValue(static_cast<float>(counter));
        m_view.setProgressCount(counter + 1, total);
        if (repaintEvery || counter == nextRepaint) {
            m_view.repaintProgress();
            nextRepaint += interval;
        }
        if (m_bolCancel) {
            m_view.setProgressValue(0);
            return false;
        }
        if (events.due()) {
            m_services.events.processPendingEvents();
            if (m_services.terminator.isEnding())
                return false;
        }
        counter += 1;
    } while (counter < total);
    return true;
}
