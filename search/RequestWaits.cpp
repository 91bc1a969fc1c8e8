// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a request waits for before its run, the window handling its events
// meanwhile: the dictionary made ready, the alphabet its index comes with,
// and how the window shows that a request is under way.
#include "search/WordSearch.h"

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/AlphabetCheck.h"
#include "search/IndexWait.h"
#include "search/Messages.h"
#include "search/SearchView.h"
#include "wordindex/IndexSource.h"

#include <atomic>
#include <memory>

bool WordSearch::keepGoing(unsigned request, unsigned cancelClicks)
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastEvents >= m_options.eventInterval) {
        m_lastEvents = now;
        m_services.events.processPendingEvents();
    }
    return !m_services.terminator.isEnding() && request == m_requests
        && cancelClicks == m_cancelClicks;
}

bool WordSearch::checkerReady(unsigned request, unsigned cancelClicks)
{
    // Told from the thread that makes the checker ready, which may tell
    // after this wait has ended: the flag is shared with it.
    const auto told = std::make_shared<std::atomic<bool>>(false);
    m_services.checkers.whenReady([told, &events = m_services.events] {
        *told = true;
        events.wake();
    });
    if (*told)
        return true;
    // The dictionary is being found and loaded elsewhere; meanwhile the
    // window shows a request under way (a busy bar and Cancel) and answers
    // the user, and a newer request, Cancel or Exit ends the wait.
    showBusy(true);
    while (!*told && keepGoing(request, cancelClicks))
        m_services.events.waitForEvents();
    // What the last wait handled (Cancel, a newer request) may have ended
    // this request just as the checker became ready.
    const bool ready = *told && keepGoing(request, cancelClicks);
    showBusy(false);
    return ready;
}

void WordSearch::showBusy(bool busy)
{
    // Once each way: a newer request answered while this one waited has
    // already taken the busy state away and shown its own result.
    if (m_running || m_services.terminator.isEnding() || busy == m_busy)
        return;
    m_busy = busy;
    if (busy) {
        m_view.setCancelVisible(true);
        m_view.setProgressRange(0, 0);
    } else {
        // Empty: the busy bar drawn full, or the candidates confirmed so far,
        // would stand for a run that is not there.
        m_view.setProgressRange(0, 100);
        m_view.setProgressValue(0);
        m_view.setCancelVisible(false);
    }
}

bool WordSearch::inAlphabet(
    const std::string &letters, SpellChecker &checker, const std::function<bool()> &going)
{
    m_outsideAlphabet.reset();
    const auto dictionary = checker.dictionary();
    if (!m_services.indexes || !dictionary)
        return true;
    const std::string language = dictionary->filename().string();
    if (!needsAlphabetCheck(letters, language))
        return true;
    // The alphabet comes with the index, read from the cache or built at
    // the start: a letter the dictionary cannot have is told, never
    // answered with "No words found".
    bool stopped = false;
    const IndexSource::Offer offer = waitForIndex(*m_services.indexes, *dictionary, kIndexWaitSlice,
        [&](std::chrono::steady_clock::duration) {
            stopped = !going();
            return !stopped;
        });
    if (stopped)
        return false;
    if (!offer.alphabet)
        return true;
    m_outsideAlphabet = letterOutside(letters, *offer.alphabet, language);
    if (!m_outsideAlphabet)
        return true;
    showBusy(false);
    (void)m_services.messageBox.show(
        { outsideAlphabetText(*m_outsideAlphabet, QString::fromStdString(language)),
            Messages::text(Messages::kProblemTitle), MessageButtons::Ok, MessageIcon::Critical });
    return false;
}
