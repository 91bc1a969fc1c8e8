// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word index's candidates confirmed as they are named: a batch at a
// time, on worker threads too, and stopped between batches or when told.
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "tests/support/EveryArrangement.h"
#include "tests/support/OneLetterParts.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "tests/support/ThreadSafeChecker.h"
#include "wordforms/FormRole.h"

#include <QTest>
#include <ranges>

using namespace FormRole;

class TestIndexedBatches : public QObject {
    Q_OBJECT

private slots:
    // The candidates are confirmed a batch at a time as they are named, and
    // the words are those of confirming them all at once: in counter order,
    // sure compounds (those with the parts "ef" or "fe") taken unasked, and
    // nothing else the checker would not take.
    void batchesAnswerAsOne_data()
    {
        addRows("batch",
            { std::pair { "one at a time", 1 }, { "seven", 7 }, { "all but one", 719 },
                { "all at once", 100000 } });
    }
    void batchesAnswerAsOne()
    {
        QFETCH(int, batch);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        const std::uint8_t parts = Begin | Middle | End;
        // A form that is a compound too is named once, as a form.
        std::vector<std::pair<std::string, std::uint8_t>> forms { { "e", parts }, { "f", parts },
            { "ef", parts | Sure }, { "fe", parts | Sure }, { "cbadfe", Word } };
        for (const char c : std::string("abcd"))
            forms.emplace_back(std::string(1, c), parts | Sure);
        const WordIndex index = WordIndex::fromForms(forms, settings);
        // The checker takes the sure compounds, and some others.
        QSet<QString> accepted;
        std::string order = "abcdef";
        do {
            if (order.find("ef") != std::string::npos || order.find("fe") != std::string::npos
                || order.starts_with('d'))
                accepted.insert(QString::fromStdString(order));
        } while (std::ranges::next_permutation(order).found);
        const auto script = std::make_shared<CheckerScript>(accepted);
        ScriptedChecker checker(script);
        std::vector<std::pair<std::size_t, std::size_t>> told;
        IndexedProgress progress;
        progress.batch = static_cast<std::size_t>(batch);
        progress.told = [&told](std::size_t confirmed, std::size_t named) {
            told.emplace_back(confirmed, named);
        };
        const auto answer = indexedSearch("dbacfe", index, checker, kMaxArrangementsTried,
            compoundBudgetFor(24), {}, 1, nullptr, progress);
        QVERIFY(answer.words);
        QCOMPARE(answer.candidates, std::size_t(720));
        QCOMPARE(resultFor(*answer.words).text, enumerated("dbacfe", checker));
        QCOMPARE(answer.words->size(), std::size_t(accepted.size()));
        // Held together, every sure compound is known as such before it is
        // confirmed: only the others are asked, and the form (named as a
        // form, not as the sure compound it also is).
        const auto sure = static_cast<std::size_t>(std::ranges::count_if(
            accepted, [](const QString &w) { return w.contains(u"ef") || w.contains(u"fe"); }));
        if (batch >= 720)
            QCOMPARE(answer.questions, 720 - sure + 1);
        QVERIFY(answer.questions >= 720 - sure + 1);
        // Last told: every candidate confirmed, of all named.
        QVERIFY(!told.empty());
        QCOMPARE(told.back(), std::pair(std::size_t(720), std::size_t(720)));
        for (const auto &[confirmed, named] : told)
            QVERIFY(confirmed <= named);
    }

    // Told to stop while it confirms a batch, the search names no more.
    void stopsBetweenBatches()
    {
        const WordIndex index = oneLetterParts("abcdef");
        ScriptedChecker checker(std::make_shared<CheckerScript>());
        int asked = 0;
        IndexedProgress progress;
        progress.batch = 100;
        const auto answer = indexedSearch(
            "abcdef", index, checker, kMaxArrangementsTried, compoundBudgetFor(24),
            [&asked] { return ++asked < 2; }, 1, nullptr, progress);
        QVERIFY(answer.stopped && !answer.words);
        QVERIFY(answer.candidates <= 200);
        QVERIFY(answer.questions < 200);
    }

    // The window's events are let through while the index is searched, and
    // a newer request stops the search at once.
    void stopsWhenTold()
    {
        // 70 spreads of case: the search asks whether to go on after 64.
        const WordIndex index = wordsIndex({ "aaaaaaaa" });
        ScriptedChecker checker(std::make_shared<CheckerScript>(QSet<QString> { "aaaaAAAA" }));
        int asked = 0;
        const auto answer = indexedSearch("aAaAaAaA", index, checker, kMaxArrangementsTried, {},
            [&asked] { return ++asked > 0; });
        QCOMPARE(asked, 1);
        QCOMPARE(resultFor(*answer.words).text, QStringLiteral("Done - Found 1 words: aaaaAAAA"));
        const auto stopped = indexedSearch(
            "aAaAaAaA", index, checker, kMaxArrangementsTried, {}, [] { return false; });
        QVERIFY(stopped.stopped && !stopped.words);
    }

    // Many questions are asked from worker threads too, each with a checker
    // of its own, and the words are those of asking on one thread: the
    // first accepted spread of the cases of each candidate, in counter order.
    void workersJudgeToo()
    {
        // Two hundred orders of the same letters, a form each, and 70
        // spreads of the four capitals typed among the eight a's.
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        std::string order = "aaaaaaaabcdefg";
        const auto script = std::make_shared<ThreadScript>();
        while (forms.size() < 200 && std::ranges::next_permutation(order).found) {
            if (forms.size() % 7 == 0) {
                std::string spelled = order;
                int capitals = 0;
                for (char &c : spelled | std::views::reverse) {
                    if (c == 'a' && capitals++ < 4)
                        c = 'A';
                }
                script->accepted.insert(spelled);
            }
            forms.emplace_back(order, Word);
        }
        // Slow enough questions that each worker is running before the
        // candidates run out, however busy the machine.
        script->delay = [](std::string_view) { return std::chrono::microseconds(50); };
        const WordIndex index = WordIndex::fromForms(forms);
        const std::string letters = "aAaAaAaAgfedcb";
        ThreadSafeChecker checker(script);
        const auto alone = indexedSearch(letters, index, checker, kMaxArrangementsTried, {}, {}, 1);
        QCOMPARE(script->askers.size(), std::size_t(1));
        script->askers.clear();
        const auto together
            = indexedSearch(letters, index, checker, kMaxArrangementsTried, {}, {}, 3);
        QCOMPARE(script->askers.size(), std::size_t(3));
        QVERIFY(alone.words && together.words);
        QCOMPARE(together.words->size(), script->accepted.size());
        QCOMPARE(*together.words, *alone.words);
        QCOMPARE(together.questions, alone.questions);
    }
};

QTEST_GUILESS_MAIN(TestIndexedBatches)
#include "tst_indexedbatches.moc"
