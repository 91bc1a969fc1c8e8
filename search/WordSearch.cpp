#include "search/WordSearch.h"

#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/Enumerator.h"
#include "search/Messages.h"
#include "search/Oracle.h"
#include "search/Request.h"
#include "search/SearchView.h"
#include "search/WordList.h"

#include <cmath>

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

} // namespace

WordSearch::WordSearch(AnalysisView &view, MessageBox &box, SpellCheckerFactory &checkers,
    ProgramTerminator &terminator, Options options)
    : m_view(view)
    , m_box(box)
    , m_checkers(checkers)
    , m_terminator(terminator)
    , m_options(options)
{
}

void WordSearch::startanalysis()
{
    // A request while a run is going on (Enter pressed again, or Analyze
    // clicked) would otherwise run a whole second search nested inside the
    // first, after which the first one would write its older result over the
    // new one. The newest request wins instead: the running search is
    // cancelled and, once it has unwound, the request starts afresh with what
    // the letter box holds then.
    if (m_running) {
        m_restartPending = true;
        m_bolCancel = true;
        return;
    }
    bool ran = false;
    do {
        m_restartPending = false;
        ran = runRequest() || ran;
    } while (m_restartPending && !m_terminator.isEnding());
    // Hidden once, after the last of the runs: between a replaced run and
    // its successor the button stays where the user is about to click.
    if (ran && !m_terminator.isEnding())
        m_view.setCancelVisible(false);
}

bool WordSearch::runRequest()
{
    m_bolCancel = false;
    const QString letters = trimSpaces(m_view.inputText());
    QString strerr;
    if (!bolValidLetters(letters, strerr)) {
        (void)m_box.show({ strerr, QString::fromLatin1(Messages::kProblemTitle), MessageButtons::Ok,
            MessageIcon::Critical });
        return false;
    }
    const qsizetype n = letters.size();
    if (n == 0) {
        (void)m_box.show({ QString::fromLatin1(Messages::kNoLetters),
            QString::fromLatin1(Messages::kProblemTitle), MessageButtons::Ok,
            MessageIcon::Exclamation });
        return false;
    }
    if (n >= 9) {
        const MessageAnswer answer = m_box.show({ QLatin1String(Messages::kConfirmBefore)
                + QString::number(n) + QLatin1String(Messages::kConfirmAfter),
            QString::fromLatin1(Messages::kConfirmTitle), MessageButtons::YesNo, MessageIcon::None,
            DefaultButton::First });
        if (answer != MessageAnswer::Yes)
            return false;
    }
    m_view.setResultsText(QString());
    m_view.setCancelVisible(true);
    m_running = true;
    f(letters.toStdString());
    m_running = false;
    return true;
}

void WordSearch::f(const std::string &letters)
{
    const auto checker = acquireChecker(m_checkers, m_box, m_terminator);
    if (!checker)
        return;

    WordList list;
    Arrangements arrangements(letters);
    const std::size_t n = letters.size();
    const double total = fact(static_cast<double>(n));
    m_view.setProgressRange(0, static_cast<float>(total - 1));
    m_view.setProgressVisible(true);
    // Repaint points are the whole multiples of the interval; below five
    // letters every arrangement is one. Tracking the next multiple is the
    // same test as "counter mod interval = 0" without a division per step.
    const double interval = std::floor(total / kRepaintsPerRun);
    const bool repaintEvery = n < 5;
    double nextRepaint = 0;
    m_view.setSearchingVisible(true);

    EventPacer events(m_options.eventInterval);
    double counter = 0;
    do {
        const std::string &candidate = arrangements.current();
        if (testword(*checker, candidate))
            addword(candidate, list);
        m_view.setProgressValue(static_cast<float>(counter));
        if (repaintEvery || counter == nextRepaint) {
            m_view.repaintProgress();
            nextRepaint += interval;
        }
        if (m_bolCancel) {
            m_view.setProgressValue(0);
            return;
        }
        if (events.due()) {
            m_view.processPendingEvents();
            if (m_terminator.isEnding())
                return;
        }
        if (counter != total - 1)
            arrangements.advance();
        counter += 1;
    } while (counter < total);

    const SearchResult result = resultFor(list);
    m_view.setResultsColor(result.color);
    m_view.setResultsText(result.text);
}
