// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "tests/support/OneLetterParts.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"

#include <QTest>
#include <algorithm>
#include <chrono>

namespace {

struct WayOutRow {
    const char *name;
    std::string letters;
    // Whether trying every arrangement is still a way out of an index
    // search that asks more than it is worth.
    bool wayOut;
};

} // namespace

Q_DECLARE_METATYPE(WayOutRow)

// Trying every arrangement asks the checker at every counter value, n! of
// n letters however many of them are the same. Whether that is a way out
// of an index search is decided once, by the letters' count: the search
// for compounds and the index's questions must agree, or a search that
// never gives up for time gives up for its questions and hands over to an
// enumeration of minutes.
class TestWayOut : public QObject {
    Q_OBJECT

private slots:
    void repeatedLettersArrangeAsManyTimes_data()
    {
        // Ten letters take seconds to arrange, eleven minutes, however few
        // different arrangements they have (90 and 110 here).
        addRows<WayOutRow>({
            { "10 letters, 8 the same", "aaaaaaaabc", true },
            { "11 letters, 9 the same", "aaaaaaaaabc", false },
            { "12 letters, all the same", "aaaaaaaaaaaa", false },
            { "3 letters", "abc", true },
        });
    }
    void repeatedLettersArrangeAsManyTimes()
    {
        QFETCH(WayOutRow, row);
        const std::size_t count = letterCount(row.letters);
        QCOMPARE(arrangingIsWayOut(count), row.wayOut);
        // The search for compounds is bounded in time only where arranging
        // can take over.
        const CompoundBudget budget = compoundBudgetFor(count);
        QCOMPARE(budget.maxTime != std::chrono::steady_clock::duration::max(), row.wayOut);
        QCOMPARE(budget.maxCandidates == kMostLongCandidates, !row.wayOut);
    }

    // An index search allowed a single question: where arranging is a way
    // out it gives up at the second candidate; where it is none, it asks as
    // many questions as there are different arrangements rather than hand
    // over to one of millions of counter values.
    void questionsGiveUpOnlyForAWayOut_data() { repeatedLettersArrangeAsManyTimes_data(); }
    void questionsGiveUpOnlyForAWayOut()
    {
        QFETCH(WayOutRow, row);
        std::string different = row.letters;
        std::ranges::sort(different);
        different.erase(std::unique(different.begin(), different.end()), different.end());
        const WordIndex index = oneLetterParts(different);
        // Two arrangements are words: the first and the last in sorted order.
        std::string first = row.letters;
        std::ranges::sort(first);
        std::string last = first;
        std::ranges::reverse(last);
        const auto script = std::make_shared<CheckerScript>(
            QSet<QString> { QString::fromStdString(first), QString::fromStdString(last) });
        ScriptedChecker checker(script);
        const auto answer = indexedSearch(
            row.letters, index, checker, 1, compoundBudgetFor(letterCount(row.letters)));
        const bool severalCandidates = first != last;
        const bool answers = !row.wayOut || !severalCandidates;
        QCOMPARE(answer.words.has_value(), answers);
        if (!answers) {
            QVERIFY(answer.fallback.find("worth") != std::string::npos);
            return;
        }
        QVERIFY(answer.fallback.empty());
        QCOMPARE(answer.words->size(), std::size_t(first == last ? 1 : 2));
        QVERIFY(std::ranges::find(*answer.words, first) != answer.words->end());
        QVERIFY(std::ranges::find(*answer.words, last) != answer.words->end());
    }
};

QTEST_GUILESS_MAIN(TestWayOut)
#include "tst_wayout.moc"
