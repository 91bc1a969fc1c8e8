// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The search with worker threads asking the checker: the same words in the
// same order as one thread, and nothing left running after a run. Headless,
// so it also runs under ThreadSanitizer.
#include "search/Enumerator.h"
#include "search/WordSearch.h"
#include "tests/support/ThreadedSearch.h"

#include <QTest>

namespace {

const auto kTwentyMicroseconds = [](std::string_view) { return std::chrono::microseconds(20); };

struct Outcome {
    QString results;
    QList<float> repaints;
    float progress = 0;
    long asked = 0;
};

Outcome run(const std::string &letters, const std::set<std::string, std::less<>> &accepted,
    unsigned threads, std::function<std::chrono::microseconds(std::string_view)> delay = {})
{
    ThreadedSearch fx({ std::chrono::milliseconds(5), threads, 0 }, std::move(delay));
    fx.checkers.script->accepted = accepted;
    fx.search.f(letters);
    return { fx.view.resultsText, fx.view.repaintedAt, fx.view.progressValue,
        fx.checkers.script->asked.load() };
}

// Every arrangement of the letters whose first letter is the given one, so a
// run accepts many words spread over every block of counter values.
std::set<std::string, std::less<>> startingWith(const std::string &letters, char first)
{
    std::set<std::string, std::less<>> words;
    Arrangements arrangements(letters);
    do {
        if (arrangements.current().front() == first)
            words.insert(arrangements.current());
    } while (arrangements.advance());
    return words;
}

} // namespace

class TestThreads : public QObject {
    Q_OBJECT

private slots:
    void sameOutputForAnyThreadCount_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QStringList>("accepted");
        QTest::newRow("distinct letters") << "tca" << QStringList { "cat", "act" };
        QTest::newRow("repeated letters") << "aabb" << QStringList { "abab", "baba", "bbaa" };
        QTest::newRow("capitals") << "CAT" << QStringList { "CAT", "ACT", "ATC" };
        QTest::newRow("case variants of one word") << "Aab" << QStringList { "Aab", "aAb", "baA" };
        QTest::newRow("no words") << "xyzw" << QStringList();
        QTest::newRow("words in several blocks")
            << "abcdefg" << QStringList { "abcdefg", "gfedcba", "dcbaefg", "bagfedc", "fgabcde" };
        QTest::newRow("the last arrangement") << "abcdefgh" << QStringList { "hgfedcba" };
    }
    void sameOutputForAnyThreadCount()
    {
        QFETCH(QString, letters);
        QFETCH(QStringList, accepted);
        std::set<std::string, std::less<>> words;
        for (const QString &word : accepted)
            words.insert(word.toStdString());
        const Outcome one = run(letters.toStdString(), words, 1);
        for (unsigned threads : { 2u, 3u }) {
            const Outcome many = run(letters.toStdString(), words, threads);
            QCOMPARE(many.results, one.results);
            QCOMPARE(many.repaints, one.repaints);
            QCOMPARE(many.progress, one.progress);
            QCOMPARE(many.asked, one.asked);
        }
    }

    void slowAndUnevenAnswersKeepTheOrder()
    {
        const std::string letters = "bacdef";
        const auto words = startingWith(letters, 'e');
        // Questions take from 0 to 63 microseconds, so workers finish their
        // blocks out of order.
        const auto uneven = [](std::string_view word) {
            return std::chrono::microseconds(std::hash<std::string_view>()(word) % 64);
        };
        const Outcome one = run(letters, words, 1);
        QVERIFY(one.results.startsWith("Done - Found 120 words: ebacdf"));
        QCOMPARE(run(letters, words, 2, uneven).results, one.results);
        QCOMPARE(run(letters, words, 3, uneven).results, one.results);
    }

    void cancelStopsEveryWorker_data()
    {
        QTest::addColumn<bool>("programEnd"); // else Cancel
        QTest::newRow("cancel") << false;
        QTest::newRow("program end") << true;
    }
    void cancelStopsEveryWorker()
    {
        QFETCH(bool, programEnd);
        ThreadedSearch fx({ std::chrono::milliseconds(1), 2, 0 }, kTwentyMicroseconds);
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 3)
                programEnd ? fx.terminator.endNow() : fx.search.cmdCancel_Click();
        };
        fx.search.f("abcdefghijk"); // 39,916,800 arrangements: far from done
        QCOMPARE(fx.checkers.script->clones.load(), 2);
        QCOMPARE(fx.checkers.script->inFlight.load(), 0);
        QCOMPARE(fx.checkers.script->alive.load(), 0);
        const long asked = fx.checkers.script->asked.load();
        QTest::qSleep(30);
        QCOMPARE(fx.checkers.script->asked.load(), asked); // no thread left asking
        QCOMPARE(fx.view.resultsText, QString());
        if (!programEnd)
            QCOMPARE(fx.view.progressValue, 0.0f);
        // Held ahead: a few blocks per worker, not the whole run.
        QVERIFY(asked < 64 * 2048);
    }

    void workersAskAndTheRunDoesNot()
    {
        // Slow enough that every worker is busy with a block of its own.
        ThreadedSearch fx({ std::chrono::milliseconds(5), 2, 0 }, kTwentyMicroseconds);
        fx.search.f("abcdefgh"); // 40,320 arrangements, 20 blocks
        auto askers = fx.checkers.script->askers();
        // The run's own thread asks only its "hello"; two workers ask the rest.
        QCOMPARE(askers[std::this_thread::get_id()], 1L);
        askers.erase(std::this_thread::get_id());
        QCOMPARE(askers.size(), std::size_t(2));
        long total = 0;
        for (const auto &[thread, asked] : askers)
            total += asked;
        QCOMPARE(total, 40320L);
    }

    void shortRunsMakeNoWorkers()
    {
        ThreadedSearch fx({ std::chrono::milliseconds(5), 2 });
        fx.search.f("abcdefgh"); // 40,320 arrangements: less than a second on one thread
        QCOMPARE(fx.checkers.script->clones.load(), 0);
        QCOMPARE(fx.checkers.script->askers().size(), std::size_t(1));
    }

    void stopReachesWorkersInsideABlock_data() { cancelStopsEveryWorker_data(); }
    void stopReachesWorkersInsideABlock()
    {
        QFETCH(bool, programEnd);
        // A block of 2048 questions takes a worker about a second.
        ThreadedSearch fx({ std::chrono::milliseconds(1), 2, 0 },
            [](std::string_view) { return std::chrono::microseconds(500); });
        long askedAtCancel = -1;
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 3) {
                askedAtCancel = fx.checkers.script->asked.load();
                programEnd ? fx.terminator.endNow() : fx.search.cmdCancel_Click();
            }
        };
        fx.search.f("abcdefghijk");
        QVERIFY(askedAtCancel > 0);
        // Each worker finishes the question it is asking, and no more of its block.
        const long after = fx.checkers.script->asked.load() - askedAtCancel;
        QVERIFY2(after <= 4, qPrintable(QString::number(after)));
    }
};

QTEST_GUILESS_MAIN(TestThreads)
#include "tst_threads.moc"
