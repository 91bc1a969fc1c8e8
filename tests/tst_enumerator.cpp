// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"

#include <QSet>
#include <QTest>

namespace {

QStringList allArrangements(const std::string &letters)
{
    QStringList words;
    Arrangements arrangements(letters);
    do
        words.append(QString::fromStdString(arrangements.current()));
    while (arrangements.advance());
    return words;
}

} // namespace

class TestEnumerator : public QObject {
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one letter") << "a" << QStringList { "a" };
        QTest::newRow("two letters") << "ab" << QStringList { "ab", "ba" };
        QTest::newRow("abc") << "abc" << QStringList { "abc", "bac", "cab", "acb", "bca", "cba" };
        QTest::newRow("cat") << "cat" << QStringList { "cat", "act", "tca", "cta", "atc", "tac" };
        QTest::newRow("repeated letter")
            << "aab" << QStringList { "aab", "aab", "baa", "aba", "aba", "baa" };
        QTest::newRow("case kept")
            << "CaT" << QStringList { "CaT", "aCT", "TCa", "CTa", "aTC", "TaC" };
    }
    void order()
    {
        QFETCH(QString, letters);
        QFETCH(QStringList, expected);
        QCOMPARE(allArrangements(letters.toStdString()), expected);
    }

    void abcdCounters_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<int>>("digits");
        QTest::newRow("first") << 0 << "abcd" << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("fifth") << 5 << "cbad" << QList<int> { 0, 1, 2, 0 };
        QTest::newRow("rotation of the whole word starts")
            << 6 << "dabc" << QList<int> { 0, 0, 0, 1 };
        QTest::newRow("then the first two swap") << 7 << "adbc" << QList<int> { 0, 1, 0, 1 };
        QTest::newRow("last") << 23 << "dcba" << QList<int> { 0, 1, 2, 3 };
    }
    void abcdCounters()
    {
        QFETCH(int, counter);
        QFETCH(QString, expected);
        QFETCH(QList<int>, digits);
        Arrangements arrangements("abcd");
        for (int i = 0; i < counter; ++i)
            QVERIFY(arrangements.advance());
        QCOMPARE(QString::fromStdString(arrangements.current()), expected);
        QCOMPARE(QList<int>(arrangements.offsets().begin(), arrangements.offsets().end()), digits);
        std::string scratch = "abcd";
        QCOMPARE(QString::fromStdString(reorder(scratch, arrangements.offsets())), expected);
        QCOMPARE(QString::fromStdString(scratch), expected);
        QCOMPARE(arrangements.advance(), counter != 23); // the last has no next step
    }

    // The incremental walk must give, at every counter value, exactly what
    // building the arrangement from the typed letters gives.
    void walkMatchesReorderEverywhere_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::newRow("six distinct") << "abcdef";
        QTest::newRow("seven with repeats") << "aabbcDd";
    }
    void walkMatchesReorderEverywhere()
    {
        QFETCH(QString, letters);
        const std::string typed = letters.toStdString();
        Arrangements arrangements(typed);
        int count = 0;
        do {
            std::string scratch = typed;
            QCOMPARE(arrangements.current(), reorder(scratch, arrangements.offsets()));
            ++count;
        } while (arrangements.advance());
        QCOMPARE(count, static_cast<int>(::fact(static_cast<double>(typed.size()))));
    }

    // Past the kept levels of rotation the walk folds the higher ones into
    // the top level: a seek far into a long word and the steps after it must
    // still give what reorder() builds.
    void longWordsBeyondTheKeptLevels_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<double>("counter");
        QTest::newRow("22 letters, a high digit set") << 22 << 3.0 * ::fact(18) + 12345;
        QTest::newRow("25 letters, last exact counter") << 25 << 9007199254740991.0;
        QTest::newRow("40 letters, digit 20 set") << 40 << ::fact(20) * 7;
        QTest::newRow("21 letters, counter 0") << 21 << 0.0;
    }
    void longWordsBeyondTheKeptLevels()
    {
        QFETCH(int, length);
        QFETCH(double, counter);
        std::string typed;
        for (int i = 0; i < length; ++i)
            typed += static_cast<char>('a' + i % 26);
        Arrangements arrangements(typed);
        arrangements.seek(counter);
        for (int step = 0; step < 3000; ++step) {
            std::string scratch = typed;
            QCOMPARE(arrangements.current(), reorder(scratch, arrangements.offsets()));
            QVERIFY(arrangements.advance());
        }
    }

    void multiplicity_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("distinct");
        QTest::addColumn<int>("timesEach");
        QTest::newRow("distinct letters") << "abcde" << 120 << 1;
        QTest::newRow("one letter twice") << "aabcd" << 60 << 2;
        QTest::newRow("two and three times") << "aabbb" << 10 << 12;
    }
    void multiplicity()
    {
        QFETCH(QString, letters);
        QFETCH(int, distinct);
        QFETCH(int, timesEach);
        const QStringList words = allArrangements(letters.toStdString());
        const QSet<QString> unique(words.begin(), words.end());
        QCOMPARE(unique.size(), distinct);
        for (const QString &word : unique) {
            QCOMPARE(words.count(word), timesEach);
            QString sortedWord = word, sortedLetters = letters;
            std::sort(sortedWord.begin(), sortedWord.end());
            std::sort(sortedLetters.begin(), sortedLetters.end());
            QCOMPARE(sortedWord, sortedLetters);
        }
    }

    void fact_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("zero") << 0.0 << 1.0;
        QTest::newRow("below one") << -3.0 << 1.0;
        QTest::newRow("largest exact 32-bit") << 12.0 << 479001600.0;
        QTest::newRow("first past 32 bits") << 13.0 << 6227020800.0;
        QTest::newRow("twenty") << 20.0 << 2432902008176640000.0;
    }
    void fact()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(::fact(x), expected);
    }

    void resetlettersMovesEachCharacter()
    {
        std::string letters = "abcd";
        const std::vector<int> neworder { 2, 0, 3, 1 };
        resetletters(letters, neworder);
        QCOMPARE(letters, std::string("bdac"));
    }
};

QTEST_APPLESS_MAIN(TestEnumerator)
#include "tst_enumerator.moc"
