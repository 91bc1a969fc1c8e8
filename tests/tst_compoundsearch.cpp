// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "candidates/CompoundSearchWords.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// Letters whose compounds a split leaves some of to parts that take them
// only through a rule at their boundary or in a role of their own: the
// search must not cut that split as one that can never end.
struct CutRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    std::string letters; // in small letters, few enough to try every arrangement
};

// Words named one after another, and the number each gets: a word named
// again gets the number it got first.
struct NamedRow {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::size_t> numbers;
};

// The arrangements of the letters an engine accepts: the words the index
// must name, whatever splits it finds them by.
std::set<std::string> acceptedArrangements(SpellChecker &checker, std::string letters)
{
    std::set<std::string> words;
    std::ranges::sort(letters);
    do {
        if (checker.checkSpelling(letters) == true)
            words.insert(letters);
    } while (std::ranges::next_permutation(letters).found);
    return words;
}

QStringList listOf(const std::set<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list.append(QString::fromStdString(word));
    return list;
}

// Many different words, and the same again: enough for every table to grow
// several times between a word named and named again.
NamedRow manyTwice(const char *name, std::size_t count)
{
    NamedRow row { name, {}, {} };
    for (std::size_t round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < count; ++i) {
            row.words.push_back("w" + std::to_string(i * 7919));
            row.numbers.push_back(i);
        }
    }
    return row;
}

constexpr char kTriple[] = "COMPOUNDFLAG X\nCOMPOUNDMIN 2\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n";

} // namespace

class TestCompoundSearch : public QObject {
    Q_OBJECT

private slots:
    void cut_data()
    {
        addRows<CutRow>({
            // After "abb" the letters left, "ccde", are no part's: "bcc" and
            // "cde" each lend the part before their first letter.
            { "parts that lend a letter (SIMPLIFIEDTRIPLE)", kTriple, "3\nabb/X\nbcc/X\ncde/X\n",
                "abbccde" },
            // After "fooo" ("foo" and the z that stands for "o b"), "bar" is
            // left: the part is "bbar".
            { "a replacement at the boundary (CHECKCOMPOUNDPATTERN)",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "2\nfooo/X\nbbar/X\n", "foozbar" },
            // After "x", "yzw" is left: "yo" with the z that stands for
            // "o b", then "bw" less the b.
            { "a replacement after the first part (CHECKCOMPOUNDPATTERN)",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b "
                "z\n",
                "3\nx/X\nyo/X\nbw/X\n", "xyzw" },
            // No part joins by COMPOUNDFLAG: the letters after "ab" are left
            // to the parts of the rule.
            { "parts joined by a rule (COMPOUNDRULE)",
                "COMPOUNDMIN 1\nCOMPOUNDRULE 1\nCOMPOUNDRULE AB*\n", "2\nab/A\nc/B\n", "abccc" },
            // "de" may only end a compound, never stand in its middle.
            { "a part that only ends (COMPOUNDEND)",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\nCOMPOUNDMIN 1\n",
                "3\nab/B\nc/M\nde/E\n", "abcde" },
        });
    }
    void cut()
    {
        QFETCH(CutRow, row);
        const WrittenDictionary dictionary("SET UTF-8\n" + row.aff, row.dic);
        bool anyAccepted = false;
        for (const Engine engine : kEngines) {
            const auto checker = dictionary.checker(engine);
            QVERIFY(checker);
            const std::set<std::string> accepted = acceptedArrangements(*checker, row.letters);
            anyAccepted = anyAccepted || !accepted.empty();
            const WordIndexBuild build = dictionary.index(engine);
            QVERIFY2(build.forms, build.refusal.c_str());
            const FormsWithin within = build.forms->within(row.letters);
            QVERIFY(within.index);
            const CompoundCandidates named = compoundCandidates(*within.index, row.letters);
            QCOMPARE(QString::fromStdString(named.unfinished), QString());
            std::set<std::string> missing = accepted;
            for (const std::string &word : named.words)
                missing.erase(word);
            QCOMPARE(listOf(missing), QStringList());
        }
        QVERIFY2(anyAccepted, "neither engine accepts an arrangement of the letters");
    }

    void namedOnce_data()
    {
        addRows<NamedRow>({
            { "a word again", { "ab", "cd", "ab" }, { 0, 1, 0 } },
            { "a word and a longer one it begins", { "abc", "ab", "abc", "ab" }, { 0, 1, 0, 1 } },
            { "the same letters in another order", { "abc", "cab", "bca", "cab" }, { 0, 1, 2, 1 } },
            manyTwice("words past every table's growth", 20000),
        });
    }
    void namedOnce()
    {
        QFETCH(NamedRow, row);
        compoundsearch::NamedWords named;
        std::set<std::size_t> seen;
        for (std::size_t i = 0; i < row.words.size(); ++i) {
            const auto [number, fresh] = named.name(row.words[i]);
            QCOMPARE(number, row.numbers[i]);
            QCOMPARE(fresh, seen.insert(number).second);
        }
        QCOMPARE(named.size(), seen.size());
    }
};

QTEST_GUILESS_MAIN(TestCompoundSearch)
#include "tst_compoundsearch.moc"
