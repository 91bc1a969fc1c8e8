// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/FirstCounter.h"

#include <QTest>
#include <map>

namespace {

// Every string over the alphabet with 1 to maxLength characters.
std::vector<std::string> allStrings(const std::string &alphabet, std::size_t maxLength)
{
    std::vector<std::string> strings { "" };
    std::vector<std::string> all;
    for (std::size_t length = 1; length <= maxLength; ++length) {
        std::vector<std::string> longer;
        for (const std::string &s : strings) {
            for (const char c : alphabet)
                longer.push_back(s + c);
        }
        all.insert(all.end(), longer.begin(), longer.end());
        strings = std::move(longer);
    }
    return all;
}

} // namespace

class TestFirstCounter : public QObject {
    Q_OBJECT

private slots:
    // The enumeration itself says which counter value first gives each
    // string; the computed digits must be those of that very value.
    void matchesTheEnumeration_data()
    {
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("distinct and repeated letters") << "abc" << 6;
        QTest::newRow("one letter in both cases") << "aAb" << 6;
        QTest::newRow("two letters, longer words") << "aB" << 7;
    }
    void matchesTheEnumeration()
    {
        QFETCH(QString, alphabet);
        QFETCH(int, maxLength);
        for (const std::string &letters :
            allStrings(alphabet.toStdString(), static_cast<std::size_t>(maxLength))) {
            std::map<std::string, std::vector<int>> first;
            Arrangements arrangements(letters);
            std::vector<int> previous;
            do {
                first.try_emplace(arrangements.current(), arrangements.offsets());
                // The digit order agrees with the counter order.
                if (!previous.empty())
                    QVERIFY(counterBefore(previous, arrangements.offsets()));
                previous = arrangements.offsets();
            } while (arrangements.advance());
            for (const auto &[target, offsets] : first) {
                const auto computed = firstOffsets(letters, target);
                QVERIFY2(computed, (letters + " -> " + target).c_str());
                QVERIFY2(*computed == offsets, (letters + " -> " + target).c_str());
            }
        }
    }

    void noCounterForOtherLetters_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("target");
        QTest::newRow("another letter") << "cat"
                                        << "cot";
        QTest::newRow("another case") << "cat"
                                      << "Cat";
        QTest::newRow("another count") << "aab"
                                       << "abb";
        QTest::newRow("another length") << "cat"
                                        << "cats";
    }
    void noCounterForOtherLetters()
    {
        QFETCH(QString, letters);
        QFETCH(QString, target);
        QVERIFY(!firstOffsets(letters.toStdString(), target.toStdString()));
    }

    // Beyond 20 letters the counter passes 64 bits; the digits still name the
    // arrangement and still compare.
    void longWords()
    {
        const std::string letters = "abcdefghijklmnopqrstuvwxyzABCD";
        const std::string target = "DCBAzyxwvutsrqponmlkjihgfedcba";
        const auto offsets = firstOffsets(letters, target);
        QVERIFY(offsets);
        std::string scratch = letters;
        QCOMPARE(reorder(scratch, *offsets), target);
        auto later = *offsets;
        later[1] = later[1] == 0 ? 1 : 0; // the least significant digit differs
        QCOMPARE(counterBefore(*offsets, later), later[1] == 1);
        // The most significant digit outweighs every digit below it at its maximum.
        std::vector<int> high(30, 0);
        high[29] = 1;
        std::vector<int> low(30, 0);
        for (std::size_t j = 0; j < 29; ++j)
            low[j] = static_cast<int>(j);
        QVERIFY(counterBefore(low, high));
        QVERIFY(!counterBefore(high, low));
        QVERIFY(!counterBefore(low, low));
    }
};

QTEST_GUILESS_MAIN(TestFirstCounter)
#include "tst_firstcounter.moc"
