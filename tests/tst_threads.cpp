// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The search with worker threads asking the checker: the same words in the
// same order as one thread, and nothing left running after a run. Headless,
// so it also runs under ThreadSanitizer.
#include "search/WordSearch.h"
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"

#include <QTest>

namespace {

struct OutputRow {
    const char *name;
    std::string letters;
    std::set<std::string, std::less<>> accepted;
    bool acceptAll = false;
};

// Questions take from 0 to 63 microseconds, so workers finish their blocks
// out of order.
const QuestionDelay kUneven = [](std::string_view word) {
    return std::chrono::microseconds(std::hash<std::string_view>()(word) % 64);
};

// What the window shows of a run, and how many questions it took.
using Outcome = std::tuple<QString, QList<float>, float, long>;

Outcome run(const OutputRow &row, unsigned threads, const QuestionDelay &delay = {})
{
    ThreadedSearch fx({ std::chrono::milliseconds(5), threads, 0 });
    fx.checkers.script->delay = delay;
    fx.checkers.script->accepted = row.accepted;
    fx.checkers.script->acceptAll = row.acceptAll;
    fx.search.f(row.letters);
    return { fx.view.resultsText, fx.view.repaintedAt, fx.view.progressValue,
        fx.checkers.script->asked.load() };
}

} // namespace

class TestThreads : public QObject {
    Q_OBJECT

private slots:
    void sameOutputForAnyThreadCount_data()
    {
        addRows<OutputRow>({
            { "repeated letters", "aabb", { "abab", "baba", "bbaa" } },
            { "case variants of one word", "Aab", { "Aab", "aAb", "baA" } },
            { "no words", "xyzw", {} },
            { "words in several blocks", "abcdefg",
                { "abcdefg", "gfedcba", "dcbaefg", "bagfedc", "fgabcde" } },
            { "the last arrangement", "abcdefgh", { "hgfedcba" } },
            { "every arrangement, repeats in other blocks", "abcdeff", {}, true },
        });
    }
    void sameOutputForAnyThreadCount()
    {
        QFETCH(OutputRow, row);
        const Outcome one = run(row, 1);
        QCOMPARE(run(row, 2, kUneven), one);
        QCOMPARE(run(row, 3), one);
    }

    void workersAskOnlyOnLongRuns_data()
    {
        addRows<bool>("parallel",
            { { "long run: two workers ask", true }, { "short run: the run asks", false } });
    }
    void workersAskOnlyOnLongRuns()
    {
        QFETCH(bool, parallel);
        // Slow enough that every worker is busy with a block of its own.
        ThreadedSearch fx(
            { std::chrono::milliseconds(5), 2, parallel ? 0 : SearchOptions().parallelFrom });
        fx.checkers.script->delay = [](std::string_view) { return std::chrono::microseconds(20); };
        fx.search.f("abcdefgh"); // 40,320 arrangements, 20 blocks
        const auto &askers = fx.checkers.script->askers;
        // The run's own thread asks its "hello" and, without workers, the rest.
        QCOMPARE(askers.at(std::this_thread::get_id()), parallel ? 1L : 40321L);
        QCOMPARE(askers.size(), std::size_t(parallel ? 3 : 1));
        QCOMPARE(fx.checkers.script->clones.load(), parallel ? 2 : 0);
        QCOMPARE(fx.checkers.script->asked.load(), 40321L);
    }

    void stopReachesWorkersInsideABlock_data()
    {
        addRows<bool>("programEnd", { { "cancel", false }, { "program end", true } });
    }
    void stopReachesWorkersInsideABlock()
    {
        QFETCH(bool, programEnd);
        // A block of 2048 questions takes a worker about a second.
        ThreadedSearch fx({ std::chrono::milliseconds(1), 2, 0 });
        fx.checkers.script->delay = [](std::string_view) { return std::chrono::microseconds(500); };
        long askedAtStop = -1;
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 3) {
                askedAtStop = fx.checkers.script->asked.load();
                programEnd ? fx.terminator.endNow() : fx.search.cmdCancel_Click();
            }
        };
        fx.search.f("abcdefghijk"); // 39,916,800 arrangements: far from done
        QCOMPARE(fx.checkers.script->clones.load(), 2);
        // Every worker's checker is gone, so no thread is left asking.
        QCOMPARE(fx.checkers.script->alive.load(), 0);
        const long asked = fx.checkers.script->asked.load();
        QCOMPARE(fx.view.resultsText, QString());
        if (!programEnd)
            QCOMPARE(fx.view.progressValue, 0.0f);
        // Each worker finishes the question it is asking, and no more of its
        // block; held ahead are a few blocks per worker, not the whole run.
        QVERIFY(askedAtStop > 0);
        QVERIFY2(asked - askedAtStop <= 4, qPrintable(QString::number(asked - askedAtStop)));
        QVERIFY(asked < 64 * 2048);
    }
};

QTEST_GUILESS_MAIN(TestThreads)
#include "tst_threads.moc"
