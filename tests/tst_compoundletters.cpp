// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "candidates/CompoundSpellings.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "wordforms/KeyLetters.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/EveryArrangement.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <set>

// The engines look a compound's part up as the word spells it: the index
// files tür under "tur", but letters typed without a ü (or a letter the
// dictionary converts into one) spell no part tür. The search for compounds
// leaves such a part out before it joins it, and keeps every part the
// checker could still take.
namespace {

const std::filesystem::path kLetters
    = std::filesystem::path(QUORVEL_TEST_DATA) / "compounds/letters";

// Letters as typed; the strings the search names for them, given the typed
// letters; and what it names without them (the key letters alone).
struct LettersRow {
    const char *name;
    const char *typed;
    QStringList named;
    QStringList namedByKeys;
};

// A compound's letters, and the spellings its parts give it.
struct SpellingsRow {
    const char *name;
    const char *aff;
    const char *dic;
    const char *word;
    QStringList spellings;
    bool whole;
};

constexpr char kBeginEnd[] = "SET UTF-8\nCOMPOUNDBEGIN B\nCOMPOUNDEND E\nCOMPOUNDMIN 2\n";

} // namespace

class TestCompoundLetters : public QObject {
    Q_OBJECT

private slots:
    void letters_data()
    {
        const QStringList both { "haustur", "turhaus" };
        addRows<LettersRow>({
            { "no ü typed: a part spelt with one is none", "haustur", {}, both },
            { "ü typed: the part stands", "haust\xc3\xbcr", both, both },
            { "Ü typed in capitals", "HAUST\xc3\x9cR", both, both },
            { "a letter the dictionary converts into ü", "haust\xc3\xb9r", both, both },
            { "a typed ö is no o", "haust\xc3\xb6r", {}, { "haustor", "torhaus" } },
            { "ß filed as ss: the part is kept", "fusstor", { "fusstor", "torfuss" },
                { "fusstor", "torfuss" } },
        });
    }

    // The strings named for the typed letters, and that the indexed search
    // answers as trying every arrangement does, by each engine.
    void letters()
    {
        QFETCH(LettersRow, row);
        const std::string typed = row.typed;
        const std::vector<std::string> each = lettersOf(typed);
        const auto keys = keyLettersOf(each.data(), each.size());
        QVERIFY(keys);
        for (const Engine engine : kEngines) {
            const EngineDictionary dictionary = engineDictionary(engine, kLetters);
            QVERIFY2(dictionary.checker && dictionary.build.forms, dictionary.whyNot.c_str());
            const auto &checker = dictionary.checker;
            const WordIndexBuild &build = dictionary.build;
            const auto answer = indexedSearch(typed, *build.forms, *checker);
            QVERIFY2(answer.words, answer.fallback.c_str());
            QCOMPARE(resultFor(*answer.words).text, enumerated(typed, *checker));
            const auto index = build.forms->within(*keys).index;
            QVERIFY(index);
            QCOMPARE(sortedOnce(compoundCandidates(
                         *index, *keys, {}, typedCapitals(each, *keys), TypedLetters(each, *keys))
                                    .words),
                row.named);
            QCOMPARE(sortedOnce(compoundCandidates(*index, *keys).words), row.namedByKeys);
        }
    }

    void spellings_data()
    {
        addRows<SpellingsRow>({
            { "each part as the dictionary spells it", kBeginEnd,
                "3\nhaus/BE\nt\xc3\xbcr/BE\nfu\xc3\x9f/BE\n", "haustur", { "haust\xc3\xbcr" },
                true },
            { "a part of another length (ß filed as ss)", kBeginEnd,
                "3\nhaus/BE\nt\xc3\xbcr/BE\nfu\xc3\x9f/BE\n", "fusshaus", { "fu\xc3\x9fhaus" },
                true },
            { "a part only where its role lets it stand", kBeginEnd, "2\nhaus/B\nt\xc3\xbcr/E\n",
                "turhaus", {}, true },
            { "every spelling of a key's forms", kBeginEnd, "3\nhaus/BE\nt\xc3\xbcr/BE\ntur/BE\n",
                "haustur", { "haustur", "haust\xc3\xbcr" }, true },
            { "a letter the part before lends (SIMPLIFIEDTRIPLE)",
                "SET UTF-8\nCOMPOUNDFLAG X\nCOMPOUNDMIN 2\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n",
                "2\n\xc3\xa4"
                "bb/X\nb\xc3\xa7"
                "d/X\n",
                "abbcd",
                { "\xc3\xa4"
                  "bb\xc3\xa7"
                  "d" },
                true },
            { "letters a rule replaces at a boundary: not whole",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "2\nfooo/X\nbbar/X\n", "foozbar", {}, false },
        });
    }

    // The spellings a compound's splits give it, and whether they are all.
    void spellings()
    {
        QFETCH(SpellingsRow, row);
        const WordIndexBuild build = buildWordIndex(row.aff, row.dic);
        QVERIFY2(build.forms, build.refusal.c_str());
        const auto index = build.forms->within(row.word).index;
        QVERIFY(index);
        std::vector<std::string> joined;
        const bool whole = joinedSpellings(compoundSplits(*index, row.word), 100, joined);
        QCOMPARE(sortedOnce(joined), row.spellings);
        QCOMPARE(whole, row.whole);
    }
};

QTEST_GUILESS_MAIN(TestCompoundLetters)
#include "tst_compoundletters.moc"
