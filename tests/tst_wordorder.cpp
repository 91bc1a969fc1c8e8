// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words the indexed search's threads found, put in the order trying every
// arrangement would have found them, each case variant once: in steps, the
// caller's keepGoing asked between them, so that a window's event loop turns
// while millions of words are ordered and a Cancel stops it at once.
#include "search/IndexedConfirm.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <random>

namespace {

struct Found {
    std::size_t list; // the thread that found it
    std::vector<int> counter; // the digits of its counter value, most significant first
    std::string word;
};

struct OrderRow {
    const char *name;
    std::size_t letters;
    std::vector<Found> found;
    std::vector<std::string> expected;
};

std::vector<FoundWords> foundWords(std::size_t letters, const std::vector<Found> &found)
{
    std::vector<FoundWords> lists;
    for (const Found &one : found) {
        while (lists.size() <= one.list)
            lists.emplace_back(letters);
        // FoundWords takes the digits least significant first.
        lists[one.list].add({ one.counter.rbegin(), one.counter.rend() }, one.word);
    }
    return lists;
}

// Words of a few letters of a and b in either case, so that many are case
// variants of each other, at distinct random counter values over threads.
std::vector<Found> randomFound(std::size_t count, std::size_t letters, std::size_t lists)
{
    std::mt19937 random(8);
    std::vector<Found> found;
    std::vector<std::vector<int>> used;
    while (found.size() < count) {
        Found one { random() % lists, {}, {} };
        for (std::size_t d = 0; d < letters; ++d)
            one.counter.push_back(static_cast<int>(random() % (letters - d)));
        for (std::size_t c = 0; c < 4; ++c)
            one.word += "aAbB"[random() % 4];
        found.push_back(std::move(one));
    }
    // One counter value spells one arrangement: the same value twice is the same word.
    std::ranges::sort(found, {}, &Found::counter);
    const auto [first, last] = std::ranges::unique(found, {}, &Found::counter);
    found.erase(first, last);
    std::ranges::shuffle(found, random);
    return found;
}

std::string capitals(std::string word)
{
    std::ranges::transform(word, word.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return word;
}

} // namespace

class TestWordOrder : public QObject {
    Q_OBJECT

private slots:
    void counterOrderAndCase_data()
    {
        addRows<OrderRow>({
            { "one list out of counter order", 3,
                { { 0, { 1, 0, 0 }, "cab" }, { 0, { 0, 2, 1 }, "bca" } }, { "bca", "cab" } },
            { "threads' lists merged by counter value", 3,
                { { 0, { 2, 0, 0 }, "c" }, { 1, { 1, 0, 0 }, "b" }, { 0, { 0, 0, 0 }, "a" },
                    { 1, { 3, 0, 0 }, "d" } },
                { "a", "b", "c", "d" } },
            { "of case variants the earliest", 3,
                { { 0, { 4, 0, 0 }, "Abc" }, { 1, { 2, 0, 0 }, "aBC" }, { 1, { 7, 0, 0 }, "abc" },
                    { 0, { 3, 0, 0 }, "xyz" } },
                { "aBC", "xyz" } },
            { "a word two candidates spell, once", 3,
                { { 0, { 2, 0, 0 }, "abc" }, { 1, { 2, 0, 0 }, "abc" } }, { "abc" } },
            { "counters alike in their first eight digits", 10,
                { { 0, { 0, 0, 0, 0, 0, 0, 0, 0, 5, 0 }, "late" },
                    { 0, { 0, 0, 0, 0, 0, 0, 0, 0, 1, 9 }, "early" } },
                { "early", "late" } },
            { "case beyond A to Z tells words apart", 2,
                { { 0, { 1, 0 },
                      "\xc3\x84"
                      "b" },
                    { 0, { 0, 0 },
                        "\xc3\xa4"
                        "b" } },
                { "\xc3\xa4"
                  "b",
                    "\xc3\x84"
                    "b" } },
            { "nothing found", 3, {}, {} },
        });
    }
    void counterOrderAndCase()
    {
        QFETCH(OrderRow, row);
        const auto words = wordsInCounterOrder(foundWords(row.letters, row.found));
        QVERIFY(words);
        QCOMPARE(*words, row.expected);
    }

    // Thousands of words over three threads, many of them case variants:
    // the list is what sorting them all by counter value and keeping the
    // first of each word in capitals gives.
    void manyWordsAsSorted()
    {
        const std::vector<Found> found = randomFound(5000, 12, 3);
        std::vector<Found> sorted = found;
        std::ranges::sort(sorted, {}, &Found::counter);
        std::vector<std::string> expected;
        std::map<std::string, bool> seen;
        for (const Found &one : sorted) {
            if (!std::exchange(seen[capitals(one.word)], true))
                expected.push_back(one.word);
        }
        int turns = 0;
        const auto words
            = wordsInCounterOrder(foundWords(12, found), [&turns] { return ++turns > 0; });
        QVERIFY(words);
        QCOMPARE(*words, expected);
    }

    // Ordering N words takes at least log2(N!), about N log2 N, comparisons:
    // the caller gets a turn at least once every 131,072 of them, not one at
    // the end of a sort done in one go.
    void turnsWhileOrdering()
    {
        constexpr std::size_t kWords = std::size_t(1) << 17;
        const auto lists = foundWords(24, randomFound(kWords, 24, 2));
        std::size_t count = 0;
        for (const FoundWords &list : lists)
            count += list.size();
        int turns = 0;
        const auto words = wordsInCounterOrder(lists, [&turns] {
            ++turns;
            return true;
        });
        QVERIFY(words);
        const double comparisons = double(count) * std::log2(double(count));
        QVERIFY2(turns >= comparisons / 131072, qPrintable(QString::number(turns)));
    }

    // Told to stop at any turn, it stops there: no list, and no more turns.
    void stopsAtTheTurnTold_data()
    {
        addRows<double>(
            "at", { { "the first turn", 0.0 }, { "halfway", 0.5 }, { "the last", 1.0 } });
    }
    void stopsAtTheTurnTold()
    {
        QFETCH(double, at);
        const auto lists = foundWords(24, randomFound(std::size_t(1) << 15, 24, 2));
        int all = 0;
        QVERIFY(wordsInCounterOrder(lists, [&all] { return ++all > 0; }));
        QVERIFY(all > 1);
        const int stop = std::max(1, static_cast<int>(std::lround(at * all)));
        int turns = 0;
        const auto words = wordsInCounterOrder(lists, [&turns, stop] { return ++turns < stop; });
        QVERIFY(!words);
        QCOMPARE(turns, stop);
    }
};

QTEST_APPLESS_MAIN(TestWordOrder)
#include "tst_wordorder.moc"
