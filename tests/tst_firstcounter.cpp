// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/FirstCounter.h"
#include "tests/support/AllStrings.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <map>
#include <numeric>

namespace {

struct EnumerationRow {
    const char *name;
    std::string alphabet;
    std::size_t maxLength;
};
struct OtherRow {
    const char *name;
    std::string letters;
    std::string target;
};

} // namespace

class TestFirstCounter : public QObject {
    Q_OBJECT

private slots:
    // The enumeration itself says which counter value first gives each
    // string; the computed digits must be those of that very value.
    void matchesTheEnumeration_data()
    {
        addRows<EnumerationRow>({
            { "distinct and repeated letters", "abc", 6 },
            { "one letter in both cases", "aAb", 6 },
            { "two letters, longer words", "aB", 7 },
        });
    }
    void matchesTheEnumeration()
    {
        QFETCH(EnumerationRow, row);
        for (const std::string &letters : allStrings(row.alphabet, row.maxLength)) {
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
            for (const auto &[target, offsets] : first)
                QVERIFY2(
                    firstOffsets(letters, target) == offsets, (letters + " -> " + target).c_str());
        }
    }

    void noCounterForOtherLetters_data()
    {
        addRows<OtherRow>({
            { "another letter", "cat", "cot" },
            { "another case", "cat", "Cat" },
            { "another count", "aab", "abb" },
            { "another length", "cat", "cats" },
        });
    }
    void noCounterForOtherLetters()
    {
        QFETCH(OtherRow, row);
        QVERIFY(!firstOffsets(row.letters, row.target));
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
        std::iota(low.begin(), low.end() - 1, 0);
        QVERIFY(counterBefore(low, high));
        QVERIFY(!counterBefore(high, low));
        QVERIFY(!counterBefore(low, low));
    }
};

QTEST_GUILESS_MAIN(TestFirstCounter)
#include "tst_firstcounter.moc"
