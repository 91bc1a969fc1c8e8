// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Messages.h"
#include "tests/support/SearchFixture.h"

#include <QTest>

namespace {

using Fixture = SearchFixture;

QStringList setOf(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *word : words)
        list.append(QString::fromLatin1(word));
    return list;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void results_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<RgbColor>("color");
        QTest::newRow("three words in the order found")
            << "cat" << setOf({ "cat", "act", "tac" }) << "Done - Found 3 words: cat, act, tac"
            << kDarkGreen;
        QTest::newRow("asked in capitals as typed")
            << "CAT" << setOf({ "CAT", "ACT", "TAC" }) << "Done - Found 3 words: CAT, ACT, TAC"
            << kDarkGreen;
        QTest::newRow("one word still in the plural")
            << "god" << setOf({ "dog" }) << "Done - Found 1 words: dog" << kDarkGreen;
        QTest::newRow("no words") << "xq" << setOf({}) << "Done - No words found" << kDarkRed;
        QTest::newRow("repeated letters list a word once")
            << "aab" << setOf({ "aba", "baa" }) << "Done - Found 2 words: baa, aba" << kDarkGreen;
        QTest::newRow("case variants: the first found wins")
            << "Aa" << setOf({ "Aa", "aA" }) << "Done - Found 1 words: Aa" << kDarkGreen;
        QTest::newRow("one letter")
            << "a" << setOf({ "a" }) << "Done - Found 1 words: a" << kDarkGreen;
    }
    void results()
    {
        QFETCH(QString, letters);
        QFETCH(QStringList, accepted);
        QFETCH(QString, text);
        QFETCH(RgbColor, color);
        Fixture fx;
        fx.checkers.script->accepted = QSet<QString>(accepted.begin(), accepted.end());
        fx.search.f(letters.toStdString());
        QCOMPARE(fx.view.resultsText, text);
        QCOMPARE(fx.view.resultsColor, color);
        // The colour is set before the text.
        QCOMPARE(fx.log.entries().mid(fx.log.entries().size() - 2),
            (QStringList { "results color", "results: " + text }));
        QCOMPARE(fx.checkers.script->alive, 0);
    }

    void everyArrangementIsAskedDuplicatesIncluded()
    {
        Fixture fx;
        fx.search.f("aab");
        QCOMPARE(fx.checkers.script->asked,
            (QStringList { "hello", "aab", "aab", "baa", "aba", "aba", "baa" }));
    }

    void checkerFallback_data()
    {
        QTest::addColumn<QStringList>("creatable");
        QTest::addColumn<QStringList>("attempts");
        QTest::addColumn<QString>("fatal");
        QTest::newRow("first name creates") << setOf({ "excel.application", "word.application" })
                                            << setOf({ "excel.application" }) << QString();
        QTest::newRow("only the second creates, silently")
            << setOf({ "word.application" }) << setOf({ "excel.application", "word.application" })
            << QString();
        QTest::newRow("neither creates")
            << setOf({}) << setOf({ "excel.application", "word.application" })
            << QString::fromLatin1(Messages::kNoChecker);
    }
    void checkerFallback()
    {
        QFETCH(QStringList, creatable);
        QFETCH(QStringList, attempts);
        QFETCH(QString, fatal);
        Fixture fx;
        fx.checkers.creatable = QSet<QString>(creatable.begin(), creatable.end());
        fx.search.f("cat");
        QCOMPARE(fx.checkers.attempts, attempts);
        if (fatal.isEmpty()) {
            QVERIFY(fx.box.shown().isEmpty());
            QCOMPARE(fx.terminator.endCount(), 0);
            QCOMPARE(fx.view.resultsText, QString::fromLatin1(Messages::kNoWordsFound));
            return;
        }
        QCOMPARE(fx.box.shown(),
            (QList<MessageRequest> {
                { fatal, "PROBLEM", MessageButtons::Ok, MessageIcon::Critical } }));
        QCOMPARE(fx.terminator.endCount(), 1);
        QCOMPARE(fx.log.entriesAfter(FakeTerminator::kEntry), QStringList());
    }

    // Which answers the self-test takes is the checker module's business; a
    // failing question ends the program before any arrangement is asked.
    void failingSelfTestEndsTheProgram()
    {
        Fixture fx;
        fx.view.input = "cat";
        fx.checkers.script->failing = { "hello" };
        fx.search.startanalysis();
        QCOMPARE(fx.checkers.attempts, setOf({ "excel.application" })); // never falls back
        QCOMPARE(fx.checkers.script->asked, setOf({ "hello" }));
        QCOMPARE(fx.checkers.script->alive, 0);
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(fx.log.entriesAfter(FakeTerminator::kEntry), QStringList());
    }

    void failingQuestionCountsAsNoWord()
    {
        Fixture fx;
        fx.checkers.script->accepted = { "cat", "act", "tac" };
        fx.checkers.script->failing = { "act" };
        fx.search.f("cat");
        QCOMPARE(fx.view.resultsText, QStringLiteral("Done - Found 2 words: cat, tac"));
        QCOMPARE(fx.checkers.script->asked.size(), 7);
    }

    void progress_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<QList<float>>("repaints");
        QTest::newRow("one letter") << "a" << 0.0f << QList<float> { 0 };
        QTest::newRow("three letters: after every arrangement")
            << "abc" << 5.0f << QList<float> { 0, 1, 2, 3, 4, 5 };
        QList<float> everySixth;
        for (int i = 0; i < 20; ++i)
            everySixth.append(6.0f * i);
        QTest::newRow("five letters: every sixth") << "abcde" << 119.0f << everySixth;
        QList<float> eightLetters;
        for (int i = 0; i < 20; ++i)
            eightLetters.append(2016.0f * i);
        QTest::newRow("eight letters: every 2016th") << "abcdefgh" << 40319.0f << eightLetters;
    }
    void progress()
    {
        QFETCH(QString, letters);
        QFETCH(float, maximum);
        QFETCH(QList<float>, repaints);
        Fixture fx;
        fx.search.f(letters.toStdString());
        QCOMPARE(fx.view.progressMinimum, 0.0f);
        QCOMPARE(fx.view.progressMaximum, maximum);
        QCOMPARE(fx.view.progressValue, maximum); // a finished run leaves the bar full
        QCOMPARE(fx.view.repaintedAt, repaints);
    }

    void cancelStopsAfterTheNextArrangement()
    {
        Fixture fx;
        fx.view.input = "abcde";
        fx.checkers.script->accepted = { "abcde" };
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 10)
                fx.search.cmdCancel_Click();
        };
        fx.search.startanalysis();
        // Asked: hello, ten arrangements before the click, one after it.
        QCOMPARE(fx.checkers.script->asked.size(), 12);
        QCOMPARE(fx.view.resultsText, QString());
        QCOMPARE(fx.view.progressValue, 0.0f);
        QVERIFY(fx.view.searchingVisible);
        QVERIFY(!fx.view.cancelVisible);
        QCOMPARE(fx.checkers.script->alive, 0);
        QVERIFY(!fx.log.entries().contains("results color"));
    }

    void cancelAfterTheLastArrangementIsTooLate()
    {
        Fixture fx;
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 6)
                fx.search.cmdCancel_Click();
        };
        fx.search.f("abc");
        QCOMPARE(fx.view.resultsText, QString::fromLatin1(Messages::kNoWordsFound));
    }

    void programEndDuringRunStopsEverything()
    {
        Fixture fx;
        fx.view.input = "abcdef";
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 50)
                fx.terminator.endNow();
        };
        fx.search.startanalysis();
        QCOMPARE(fx.checkers.script->asked.size(), 51);
        QCOMPARE(fx.log.entriesAfter(FakeTerminator::kEntry), QStringList());
        QCOMPARE(fx.checkers.script->alive, 0);
    }

    // 20 and 200 letters have more arrangements than any counter holds
    // exactly; the run must start, show progress and stop on cancel without
    // allocating anything of that size.
    void hugeInputsStartAndCancel_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("20 letters") << 20;
        QTest::newRow("200 letters") << 200;
    }
    void hugeInputsStartAndCancel()
    {
        QFETCH(int, length);
        Fixture fx;
        std::string letters;
        for (int i = 0; i < length; ++i)
            letters.push_back(static_cast<char>('a' + i % 26));
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 1000)
                fx.search.cmdCancel_Click();
        };
        fx.search.f(letters);
        QVERIFY(fx.view.progressMaximum > 1e18f);
        QCOMPARE(fx.view.repaintedAt.first(), 0.0f);
        QCOMPARE(fx.view.progressValue, 0.0f);
        QCOMPARE(fx.view.resultsText, QString());
        QCOMPARE(fx.checkers.script->asked.size(), 1002);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
