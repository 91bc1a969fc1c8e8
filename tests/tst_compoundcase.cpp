// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/EveryArrangement.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>
#include <set>

// The engines look a compound's part up as the word spells it, in small
// letters, or capitalised for a word in capitals: a part the dictionary
// spells with a capital stands only where a capital was typed. The search
// for compounds leaves the others out before it joins them.
namespace {

const std::filesystem::path kCapitals
    = std::filesystem::path(QUORVEL_TEST_DATA) / "compounds/capitals";

// Letters as typed, and the strings the search names for them, given the
// typed capitals; and, where the capitals are not given, what it names then.
struct CapitalsRow {
    const char *name;
    const char *typed;
    QStringList named;
    QStringList namedWithoutCapitals;
};

// The capitals of A to Z in letters typed in A to Z, by key letter.
LetterCounts asciiCapitals(std::string_view typed)
{
    LetterCounts capitals {};
    for (const char c : typed) {
        if (c >= 'A' && c <= 'Z')
            ++capitals[static_cast<std::size_t>(c - 'A')];
    }
    return capitals;
}

bool ascii(std::string_view typed)
{
    return std::ranges::all_of(typed, [](char c) { return (c & 0x80) == 0; });
}

} // namespace

class TestCompoundCase : public QObject {
    Q_OBJECT

private slots:
    void capitals_data()
    {
        addRows<CapitalsRow>({
            { "a capitalised first part, typed with its capital", "tierHaus", { "haustier" },
                { "haustier", "tierhaus" } },
            { "no capital typed: a capitalised part is none", "tierhaus", {},
                { "haustier", "tierhaus" } },
            { "a capital of another letter does not stand for it", "tierhauS", {},
                { "haustier", "tierhaus" } },
            { "two capitals typed: either part may begin", "TierHaus", { "haustier", "tierhaus" },
                { "haustier", "tierhaus" } },
            { "a part with two capitals, both typed", "cdTVab", { "tvabcd" }, { "tvabcd" } },
            { "a part with two capitals, the second typed", "cdtVab", {}, { "tvabcd" } },
            { "in capitals throughout", "CDTVAB", { "tvabcd" }, { "tvabcd" } },
            { "a capital beyond A to Z",
                "cd\xc3\x9c"
                "ber",
                { "ubercd" }, { "ubercd" } },
            { "a small letter beyond A to Z",
                "cd\xc3\xbc"
                "ber",
                {}, { "ubercd" } },
        });
    }

    // The strings named for the typed capitals, and that the indexed search
    // answers as trying every arrangement does, by each engine.
    void capitals()
    {
        QFETCH(CapitalsRow, row);
        const std::string typed = row.typed;
        for (const Engine engine : kEngines) {
            const EngineDictionary dictionary = engineDictionary(engine, kCapitals);
            QVERIFY2(dictionary.checker && dictionary.build.forms, dictionary.whyNot.c_str());
            const auto &checker = dictionary.checker;
            const WordIndexBuild &build = dictionary.build;
            const auto answer = indexedSearch(typed, *build.forms, *checker);
            QVERIFY2(answer.words, answer.fallback.c_str());
            QCOMPARE(resultFor(*answer.words).text, enumerated(typed, *checker));
            if (!ascii(typed))
                continue;
            const std::string keys = QString::fromStdString(typed).toLower().toStdString();
            const auto index = build.forms->within(keys).index;
            QVERIFY(index);
            QCOMPARE(sortedOnce(compoundCandidates(*index, keys, {}, asciiCapitals(typed)).words),
                row.named);
            QCOMPARE(sortedOnce(compoundCandidates(*index, keys).words), row.namedWithoutCapitals);
        }
    }

    // A split whose letters left only parts spelt with capitals could use up
    // is left at once, as one whose letters no part holds.
    void capitalsCut()
    {
        std::string dic = "16\nZ/M\n";
        for (char c = 'a'; c <= 'o'; ++c)
            dic += std::string(1, c) + "/BM\n";
        const WordIndexBuild build
            = buildWordIndex("COMPOUNDMIDDLE M\nCOMPOUNDBEGIN B\nCOMPOUNDMIN 1\n", dic);
        QVERIFY(build.forms);
        const std::string letters = "abcdefghijklmnoz";
        const auto index = build.forms->within(letters).index;
        CompoundBudget budget;
        budget.maxSteps = 2000;
        const auto candidates = compoundCandidates(*index, letters, budget, LetterCounts {});
        QCOMPARE(QString::fromStdString(candidates.unfinished), QString());
        QVERIFY(candidates.words.empty());
    }
};

QTEST_GUILESS_MAIN(TestCompoundCase)
#include "tst_compoundcase.moc"
