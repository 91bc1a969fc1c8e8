// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "candidates/CompoundSearchWords.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>
#include <functional>
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

// Compounds whose parts a state of the search may not pick out of the list
// the state before it was given, or whose letters left the cover of parts
// must still find coverable: each word must be named.
struct PartsRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    std::string letters; // in small letters
    std::vector<std::string> words; // compounds of all the letters that an engine accepts
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

// The dictionary of aff and dic loaded by each engine and indexed: tell is
// given the engine's checker and the compounds the index names of the letters.
void namedByEachEngine(const QByteArray &affText, const QByteArray &dic, const std::string &letters,
    const std::function<void(SpellChecker &, const CompoundCandidates &)> &tell)
{
    const WrittenDictionary dictionary("SET UTF-8\n" + affText, dic);
    for (const Engine engine : kEngines) {
        const auto checker = dictionary.checker(engine);
        QVERIFY(checker);
        const WordIndexBuild build = dictionary.index(engine);
        QVERIFY2(build.forms, build.refusal.c_str());
        const FormsWithin within = build.forms->within(letters);
        QVERIFY(within.index);
        const CompoundCandidates named = compoundCandidates(*within.index, letters);
        QCOMPARE(QString::fromStdString(named.unfinished), QString());
        tell(*checker, named);
    }
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
        bool anyAccepted = false;
        namedByEachEngine(row.aff, row.dic, row.letters,
            [&](SpellChecker &checker, const CompoundCandidates &named) {
                const std::set<std::string> accepted = acceptedArrangements(checker, row.letters);
                anyAccepted = anyAccepted || !accepted.empty();
                std::set<std::string> missing = accepted;
                for (const std::string &word : named.words)
                    missing.erase(word);
                QCOMPARE(listOf(missing), QStringList());
            });
        QVERIFY2(anyAccepted, "neither engine accepts an arrangement of the letters");
    }

    void partsPicked_data()
    {
        addRows<PartsRow>({
            // The first part's list holds no middle part: "cd" must be
            // looked for among the parts of their own role.
            { "a middle part after a first one of another role",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\nCOMPOUNDMIN 2\n",
                "3\nab/B\ncd/M\nef/E\n", "abcdef", { "abcdef" } },
            // "yo" ends in the letters of the pattern, so its state is given
            // an o the word lacks; the z that stands for "o b" leaves the
            // last part a b that neither the word nor "yo"'s list has.
            { "a part after a replacement, of letters the state before lacked",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b "
                "z\n",
                "3\nx/X\nyo/X\nbw/X\n", "xyzw", { "xyzw" } },
            // Ten different letters: those left after the first part are
            // the ninth and tenth of the pool's, counted apart from the
            // first eight.
            { "letters left past the pool's eighth different letter",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n", "2\nabcdefgh/X\nij/X\n", "abcdefghij",
                { "abcdefghij" } },
        });
    }
    void partsPicked()
    {
        QFETCH(PartsRow, row);
        std::set<std::string> acceptedByAny;
        namedByEachEngine(row.aff, row.dic, row.letters,
            [&](SpellChecker &checker, const CompoundCandidates &named) {
                for (const std::string &word : row.words) {
                    if (checker.checkSpelling(word) != true)
                        continue;
                    acceptedByAny.insert(word);
                    QVERIFY2(
                        std::ranges::find(named.words, word) != named.words.end(), word.c_str());
                }
            });
        // The row is true of some engine: each word is a compound it accepts.
        for (const std::string &word : row.words)
            QVERIFY2(acceptedByAny.contains(word), word.c_str());
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
