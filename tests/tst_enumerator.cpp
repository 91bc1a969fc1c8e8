// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>
#include <map>

namespace {

struct OrderRow {
    const char *name;
    std::string letters;
    QStringList expected;
};
struct CounterRow {
    const char *name;
    int counter;
    std::string expected;
    std::vector<int> digits;
};
struct WalkRow {
    const char *name;
    std::string letters;
    double from; // the counter value the walk seeks first
    int steps;
    int distinct; // the words among them when the walk covers every arrangement, else 0
};
const std::string kForty = "abcdefghijklmnopqrstuvwxyzabcdefghijklmn";

struct FactRow {
    const char *name;
    double x;
    double expected;
};

} // namespace

class TestEnumerator : public QObject {
    Q_OBJECT

private slots:
    void order_data()
    {
        addRows<OrderRow>({
            { "one letter", "a", { "a" } },
            { "two letters", "ab", { "ab", "ba" } },
            { "abc", "abc", { "abc", "bac", "cab", "acb", "bca", "cba" } },
            { "repeated letter", "aab", { "aab", "aab", "baa", "aba", "aba", "baa" } },
            { "case kept", "CaT", { "CaT", "aCT", "TCa", "CTa", "aTC", "TaC" } },
            { "letters of two bytes", "éta", { "éta", "téa", "aét", "éat", "taé", "até" } },
            { "a combining accent moves with its letter", "e\u0301ta",
                { "éta", "téa", "aét", "éat", "taé", "até" } },
            { "a vowel sign moves with its consonant", "বাংলা", { "বাংলা", "লাবাং" } },
            { "Greek", "ός", { "ός", "ςό" } },
        });
    }
    void order()
    {
        QFETCH(OrderRow, row);
        QStringList words;
        Arrangements arrangements(row.letters);
        do
            words.append(QString::fromStdString(arrangements.current()));
        while (arrangements.advance());
        QCOMPARE(words, row.expected);
    }

    void abcdCounters_data()
    {
        addRows<CounterRow>({
            { "fifth", 5, "cbad", { 0, 1, 2, 0 } },
            { "rotation of the whole word starts", 6, "dabc", { 0, 0, 0, 1 } },
            { "then the first two swap", 7, "adbc", { 0, 1, 0, 1 } },
            { "last", 23, "dcba", { 0, 1, 2, 3 } },
        });
    }
    void abcdCounters()
    {
        QFETCH(CounterRow, row);
        Arrangements arrangements("abcd");
        for (int i = 0; i < row.counter; ++i)
            QVERIFY(arrangements.advance());
        QCOMPARE(arrangements.current(), row.expected);
        QCOMPARE(arrangements.offsets(), row.digits);
        std::string scratch = "abcd";
        QCOMPARE(reorder(scratch, arrangements.offsets()), row.expected);
        QCOMPARE(scratch, row.expected);
        QCOMPARE(arrangements.advance(), row.counter != 23); // the last has no next step
    }

    // The incremental walk must give, at every counter value, exactly what
    // building the arrangement from the typed letters gives. Past the kept
    // levels of rotation (20 letters) it folds the higher ones into the top
    // level: a seek far into a long word and the steps after it must agree too.
    void walkMatchesReorder_data()
    {
        addRows<WalkRow>({
            { "six distinct", "abcdef", 0, 720, 720 },
            { "seven with repeats", "aabbcDd", 0, 5040, 1260 },
            { "seven letters beyond A-Z with repeats", "łódźłóD", 0, 5040, 1260 },
            { "22 letters beyond A-Z, a high digit set", "αβγδεζηθικλμνξοπρστυφχ",
                3.0 * ::fact(18) + 12345, 3000, 0 },
            { "22 letters, a high digit set", "abcdefghijklmnopqrstuv", 3.0 * ::fact(18) + 12345,
                3000, 0 },
            { "25 letters, last exact counter", "abcdefghijklmnopqrstuvwxy", 9007199254740991.0,
                3000, 0 },
            { "40 letters, digit 20 set", kForty, ::fact(20) * 7, 3000, 0 },
            { "40 letters, digits above the kept levels", kForty, ::fact(39) + ::fact(30) * 3, 3000,
                0 },
        });
    }
    void walkMatchesReorder()
    {
        QFETCH(WalkRow, row);
        Arrangements arrangements(row.letters);
        arrangements.seek(row.from);
        std::map<std::string, int> seen;
        for (int step = 0; step < row.steps; ++step) {
            std::string scratch = row.letters;
            QCOMPARE(arrangements.current(), reorder(scratch, arrangements.offsets()));
            ++seen[arrangements.current()];
            QCOMPARE(arrangements.advance(), step + 1 < row.steps || row.distinct == 0);
        }
        if (row.distinct == 0)
            return;
        // A whole walk gives every arrangement of the letters, each as often.
        QCOMPARE(static_cast<int>(seen.size()), row.distinct);
        for (const auto &[word, times] : seen) {
            QCOMPARE(times, row.steps / row.distinct);
            QVERIFY(std::ranges::is_permutation(word, row.letters));
        }
    }

    void fact_data()
    {
        addRows<FactRow>({
            { "zero", 0, 1 },
            { "below one", -3, 1 },
            { "first past 32 bits", 13, 6227020800 },
            { "twenty", 20, 2432902008176640000.0 },
        });
    }
    void fact()
    {
        QFETCH(FactRow, row);
        QCOMPARE(::fact(row.x), row.expected);
    }
};

QTEST_APPLESS_MAIN(TestEnumerator)
#include "tst_enumerator.moc"
