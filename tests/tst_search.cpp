// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/Messages.h"
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"
#include "wordforms/FormRole.h"

#include <QTest>

namespace {

struct ResultRow {
    const char *name;
    QString letters;
    float repaintStep; // the counter values between two repaints of the bar
    QSet<QString> accepted;
    QString text;
    QSet<QString> failing = {};
};
struct CheckerRow {
    const char *name;
    QSet<QString> creatable;
    QSet<QString> failing;
    qsizetype tried; // names tried, in order
    const char *fatal; // the message that ends the program, if any
};
struct StopRow {
    const char *name;
    QString letters;
    int pass; // the event pass that stops the run
    bool programEnd; // else Cancel
    qsizetype asked;
    QString text = {};
};

// How the index takes part in a request.
enum class Index { Answers, Refused, Building, BuildingLong, Exhaustive };

struct IndexRow {
    const char *name;
    Index index;
    QString letters;
    bool indexed; // answered by the index, else by every arrangement
    bool confirmed; // the question for long inputs was asked
    bool waits = false; // for the index, the window showing a busy bar
};

struct AlphabetRow {
    const char *name;
    QString letters;
    QString refused; // the letter the box names; empty: the search runs
};

struct WaitRow {
    const char *name;
    int pass; // the event pass that acts while the dictionary is made ready
    QString action; // "cancel", "exit", "request" (a newer one), or nothing
    QString results; // what the results box holds at the end
};

const QStringList kCheckerNames { "excel.application", "word.application" };
const QString kNoWords = QString::fromLatin1(Messages::kNoWordsFound);
const QString kAlphabet = "abcdefghijklmnopqrstuvwxyz";

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void results_data()
    {
        addRows<ResultRow>({
            { .name = "capitals as typed, in the order found",
                .letters = "CAT",
                .repaintStep = 1,
                .accepted = { "CAT", "ACT", "TAC" },
                .text = "Done - Found 3 words: CAT, ACT, TAC" },
            { .name = "a failing question is no word",
                .letters = "cat",
                .repaintStep = 1,
                .accepted = { "cat", "act", "tac" },
                .text = "Done - Found 2 words: cat, tac",
                .failing = { "act" } },
            { .name = "repeats listed once",
                .letters = "aab",
                .repaintStep = 1,
                .accepted = { "aba", "baa" },
                .text = "Done - Found 2 words: baa, aba" },
            { .name = "the first case variant wins",
                .letters = "Aa",
                .repaintStep = 1,
                .accepted = { "Aa", "aA" },
                .text = "Done - Found 1 words: Aa" },
            { .name = "one letter",
                .letters = "a",
                .repaintStep = 1,
                .accepted = { "a" },
                .text = "Done - Found 1 words: a" },
            { .name = "five letters: every sixth repainted",
                .letters = "abcde",
                .repaintStep = 6,
                .accepted = {},
                .text = kNoWords },
            { .name = "eight letters: every 2016th",
                .letters = "abcdefgh",
                .repaintStep = 2016,
                .accepted = { "hgfedcba" },
                .text = "Done - Found 1 words: hgfedcba" },
        });
    }
    void results()
    {
        QFETCH(ResultRow, row);
        SearchFixture fx;
        fx.checkers.script->accepted = row.accepted;
        fx.checkers.script->failing = row.failing;
        fx.search.f(row.letters.toStdString());
        QCOMPARE(fx.view.resultsText, row.text);
        QCOMPARE(fx.view.resultsColor, row.text == kNoWords ? kDarkRed : kDarkGreen);
        // The colour is set before the text.
        QCOMPARE(fx.log.entries().mid(fx.log.entries().size() - 2),
            (QStringList { "results color", "results: " + row.text }));
        const double total = ::fact(row.letters.size());
        // The self-test, then every arrangement, duplicates included.
        QCOMPARE(fx.checkers.script->asked.size(), 1 + qsizetype(total));
        QCOMPARE(fx.checkers.script->alive, 0);
        QList<float> repaints;
        for (float at = 0; at < total; at += row.repaintStep)
            repaints.append(at);
        QCOMPARE(fx.view.repaintedAt, repaints);
        QCOMPARE(fx.view.progressMinimum, 0.0f);
        QCOMPARE(fx.view.progressMaximum, float(total - 1));
        QCOMPARE(fx.view.progressValue, float(total - 1)); // a finished run leaves the bar full
    }

    // A failing self-test question ends the program before any arrangement
    // is asked; which answers it takes is the checker module's business.
    void checkerAcquisition_data()
    {
        addRows<CheckerRow>({
            { "first name creates", { "excel.application", "word.application" }, {}, 1, nullptr },
            { "only the second creates, silently", { "word.application" }, {}, 2, nullptr },
            { "neither creates", {}, {}, 2, Messages::kNoChecker },
            { "failing self-test, never falls back", { "excel.application", "word.application" },
                { "hello" }, 1, Messages::kCheckerTooOld },
        });
    }
    void checkerAcquisition()
    {
        QFETCH(CheckerRow, row);
        SearchFixture fx;
        fx.checkers.creatable = row.creatable;
        fx.checkers.script->failing = row.failing;
        fx.view.input = "cat";
        fx.search.startanalysis();
        QCOMPARE(fx.checkers.attempts, kCheckerNames.first(row.tried));
        QCOMPARE(fx.checkers.script->alive, 0);
        QCOMPARE(fx.terminator.endCount(), row.fatal ? 1 : 0);
        QCOMPARE(fx.view.resultsText, row.fatal ? QString() : kNoWords);
        QCOMPARE(fx.box.shown().size(), row.fatal ? 1 : 0);
        if (!row.fatal)
            return;
        QCOMPARE(fx.box.shown().first(),
            (MessageRequest {
                row.fatal, Messages::kProblemTitle, MessageButtons::Ok, MessageIcon::Critical }));
        QCOMPARE(fx.log.entries().last(), FakeTerminator::kEntry); // nothing ran after it
        // Only the failing question, if any, was asked.
        QCOMPARE(fx.checkers.script->asked, QStringList(row.failing.begin(), row.failing.end()));
    }

    // Cancel stops after the next arrangement, the program's end at once.
    // 20 and 208 letters have more arrangements than any counter holds
    // exactly; the run must start, show progress and stop on cancel without
    // allocating anything of that size.
    void stop_data()
    {
        addRows<StopRow>({
            { .name = "cancel", .letters = "abcde", .pass = 10, .programEnd = false, .asked = 12 },
            { .name = "cancel after the last arrangement is too late",
                .letters = "abc",
                .pass = 6,
                .programEnd = false,
                .asked = 7,
                .text = "Done - Found 1 words: abc" },
            { .name = "program end",
                .letters = "abcdef",
                .pass = 50,
                .programEnd = true,
                .asked = 51 },
            { .name = "cancel, 20 letters",
                .letters = kAlphabet.left(20),
                .pass = 1000,
                .programEnd = false,
                .asked = 1002 },
            { .name = "cancel, 208 letters",
                .letters = kAlphabet.repeated(8),
                .pass = 1000,
                .programEnd = false,
                .asked = 1002 },
        });
    }
    void stop()
    {
        QFETCH(StopRow, row);
        SearchFixture fx;
        fx.view.input = row.letters;
        fx.checkers.script->accepted = { row.letters };
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == row.pass)
                row.programEnd ? fx.terminator.endNow() : fx.search.cmdCancel_Click();
        };
        fx.search.startanalysis();
        QCOMPARE(fx.checkers.script->asked.size(), row.asked);
        QCOMPARE(fx.view.resultsText, row.text);
        QCOMPARE(fx.log.entries().contains("results color"), !row.text.isEmpty());
        QCOMPARE(
            fx.log.entries().last(), row.programEnd ? FakeTerminator::kEntry : "cancel hidden");
        QCOMPARE(fx.checkers.script->alive, 0);
        QVERIFY(fx.view.searchingVisible);
        QCOMPARE(fx.view.progressMaximum, static_cast<float>(::fact(row.letters.size()) - 1));
        QCOMPARE(fx.view.repaintedAt.first(), 0.0f);
        if (!row.programEnd) // a cancelled run empties the bar
            QCOMPARE(fx.view.progressValue, row.text.isEmpty() ? 0.0f : fx.view.progressMaximum);
    }

    // The index answers where it can: no question for a long input, the bar
    // full at once, the checker asked only about the index's candidates;
    // refused, still building for longer than a short input takes, or
    // --exhaustive, every arrangement is tried, with the question.
    void throughTheIndex_data()
    {
        addRows<IndexRow>({
            { .name = "answered by the index",
                .index = Index::Answers,
                .letters = "tca",
                .indexed = true,
                .confirmed = false },
            { .name = "nine letters: no question",
                .index = Index::Answers,
                .letters = "abcdefghi",
                .indexed = true,
                .confirmed = false },
            { .name = "refused",
                .index = Index::Refused,
                .letters = "abcdefghi",
                .indexed = false,
                .confirmed = true },
            { .name = "still building: a short input does not wait",
                .index = Index::BuildingLong,
                .letters = "tca",
                .indexed = false,
                .confirmed = false },
            { .name = "still building: a long input waits",
                .index = Index::Building,
                .letters = "abcdefghi",
                .indexed = true,
                .confirmed = false,
                .waits = true },
            { .name = "--exhaustive",
                .index = Index::Exhaustive,
                .letters = "tca",
                .indexed = false,
                .confirmed = false },
        });
    }
    // In the window, a letter the Russian dictionary's words are not spelt
    // with gets a box that names it and the dictionary, not "No words found".
    void lettersOutsideTheAlphabet_data()
    {
        addRows<AlphabetRow>({
            { "its own letters", "окт", "" },
            { "its own letters in capitals", "ОКТ", "" },
            { "a Ukrainian letter", "кіт", "і" },
            { "a Latin letter among them", "котa", "a" },
            { "Latin letters alone", "cat", "c" },
        });
    }
    void lettersOutsideTheAlphabet()
    {
        QFETCH(AlphabetRow, row);
        SearchFixture fx(SearchOptions { std::chrono::nanoseconds(0) });
        fx.checkers.script->dictionary = "/dictionaries/ru_RU";
        fx.checkers.dictionaryPath = fx.checkers.script->dictionary;
        fx.checkers.script->accepted = { "кот", "кто", "ток" };
        fx.indexes.index = std::make_shared<const KeptForms>(WordIndex::fromForms({}));
        fx.indexes.alphabet = std::make_shared<const Alphabet>(*Alphabet::of({ "к", "о", "т" }));
        fx.view.input = row.letters;
        fx.search.startanalysis();
        if (row.refused.isEmpty()) {
            QVERIFY(fx.box.shown().isEmpty());
            QVERIFY(!fx.view.resultsText.isEmpty());
            return;
        }
        QCOMPARE(fx.box.shown().size(), 1);
        const MessageRequest &box = fx.box.shown().first();
        QVERIFY2(box.text.contains(row.refused + " (U+") && box.text.contains("ru_RU"),
            qPrintable(box.text));
        QCOMPARE(box.icon, MessageIcon::Critical);
        QVERIFY(fx.view.resultsText.isEmpty());
    }

    void throughTheIndex()
    {
        QFETCH(IndexRow, row);
        SearchOptions options { std::chrono::nanoseconds(0) };
        options.exhaustive = row.index == Index::Exhaustive;
        options.busyAfter = std::chrono::steady_clock::duration::zero();
        SearchFixture fx(options);
        fx.checkers.script->dictionary = "/dictionaries/xx_XX";
        fx.checkers.script->accepted = { "cat", "act", "ihgfedcba" };
        fx.indexes.index = std::make_shared<const KeptForms>(
            WordIndex::fromForms({ { "cat", FormRole::Word }, { "act", FormRole::Word },
                { "tac", FormRole::Word }, { "ihgfedcba", FormRole::Word } }));
        if (row.index == Index::Refused) {
            fx.indexes.index = nullptr;
            fx.indexes.refusal = "no index for it";
        }
        fx.indexes.pendingFor
            = row.index == Index::Building || row.index == Index::BuildingLong ? 3 : 0;
        fx.indexes.timeLeft = row.index == Index::BuildingLong ? std::chrono::seconds(60)
                                                               : std::chrono::microseconds(10);
        fx.view.input = row.letters;
        int busyPasses = 0;
        fx.view.onEvents = [&] {
            busyPasses += fx.view.progressMinimum == 0 && fx.view.progressMaximum == 0 ? 1 : 0;
        };
        fx.search.startanalysis();
        if (row.waits)
            QVERIFY(busyPasses > 0);
        QCOMPARE(fx.log.entries().last(), QStringLiteral("cancel hidden"));
        QCOMPARE(fx.search.lastRun().indexed, row.indexed);
        QCOMPARE(fx.box.shown().size(), row.confirmed ? 1 : 0);
        const double total = ::fact(row.letters.size());
        QCOMPARE(fx.view.progressValue, float(total - 1));
        if (row.indexed) {
            QCOMPARE(fx.view.repaintedAt, QList<float> { float(total - 1) });
            QCOMPARE(fx.search.lastRun().fallback, std::string());
            // The self-test, then only the index's candidates.
            QVERIFY(fx.checkers.script->asked.size() < 10);
            QCOMPARE(fx.view.resultsText,
                row.letters == "tca" ? QStringLiteral("Done - Found 2 words: cat, act")
                                     : QStringLiteral("Done - Found 1 words: ihgfedcba"));
        } else {
            QCOMPARE(fx.checkers.script->asked.size(), 1 + qsizetype(total));
            QVERIFY(!fx.search.lastRun().fallback.empty());
        }
        // The index of the checker's own dictionary, and none when every
        // arrangement is to be tried anyway.
        QCOMPARE(fx.indexes.asked,
            std::filesystem::path(row.index == Index::Exhaustive ? "" : "/dictionaries/xx_XX"));
    }

    // While the dictionary is being made ready the window handles its
    // events: it shows Cancel and a busy bar, Cancel or Exit ends the wait,
    // and a newer request takes the place of the waiting one.
    void waitingForTheDictionary_data()
    {
        addRows<WaitRow>({
            { "then the run", 0, "", "Done - Found 1 words: cat" },
            { "cancelled", 2, "cancel", "before" },
            { "the program ends", 2, "exit", "before" },
            { "a newer request", 2, "request", "Done - Found 1 words: dog" },
        });
    }
    void waitingForTheDictionary()
    {
        QFETCH(WaitRow, row);
        SearchFixture fx;
        fx.checkers.loading = true;
        fx.checkers.script->accepted = { "cat", "dog" };
        fx.view.resultsText = "before";
        fx.view.input = "cat";
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 4)
                fx.checkers.becomeReady();
            if (fx.view.eventPasses != row.pass)
                return;
            if (row.action == "cancel")
                fx.search.cmdCancel_Click();
            else if (row.action == "exit")
                fx.terminator.endNow();
            else if (row.action == "request") {
                fx.view.input = "dog";
                fx.search.startanalysis();
            }
        };
        fx.search.startanalysis();
        QCOMPARE(fx.view.resultsText, row.results);
        const QStringList log = fx.log.entries();
        // The busy bar and Cancel came first, while waiting.
        QCOMPARE(log.mid(0, 2), (QStringList { "cancel shown", "progress range" }));
        if (row.action != "exit")
            QCOMPARE(log.last(), QStringLiteral("cancel hidden"));
        // No dictionary was asked for before it was ready.
        QCOMPARE(fx.checkers.attempts.isEmpty(), row.results == "before");
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
