// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "spelling/LoadedDictionary.h"
#include "wordforms/KeyLetters.h"
#include "wordindex/IndexBuilder.h"

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

QStringList sorted(const std::vector<std::string> &words)
{
    std::set<std::string> unique(words.begin(), words.end());
    QStringList list;
    for (const std::string &word : unique)
        list.append(QString::fromStdString(word));
    return list;
}

// What the run over every arrangement finds.
QString enumerated(const std::string &letters, SpellChecker &checker)
{
    WordList list;
    Arrangements arrangements(letters);
    do {
        if (testword(checker, arrangements.current()))
            addword(arrangements.current(), list);
    } while (arrangements.advance());
    return resultFor(list).text;
}

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
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, kLetters);
            QVERIFY(loaded);
            const auto checker = loaded->checker();
            const WordIndexBuild build = buildWordIndexFromFiles(kLetters, dialectOf(engine));
            QVERIFY2(build.forms, build.refusal.c_str());
            const auto answer = indexedSearch(typed, *build.forms, *checker);
            QVERIFY2(answer.words, answer.fallback.c_str());
            QCOMPARE(resultFor(*answer.words).text, enumerated(typed, *checker));
            const auto index = build.forms->within(*keys).index;
            QVERIFY(index);
            QCOMPARE(sorted(compoundCandidates(
                         *index, *keys, {}, typedCapitals(each, *keys), TypedLetters(each, *keys))
                                .words),
                row.named);
            QCOMPARE(sorted(compoundCandidates(*index, *keys).words), row.namedByKeys);
        }
    }
};

QTEST_GUILESS_MAIN(TestCompoundLetters)
#include "tst_compoundletters.moc"
