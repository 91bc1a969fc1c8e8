// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word index on letters beyond A to Z: for each tiny dictionary of
// tests/data/alphabet, built both ways (every form kept, stems) and judged by
// each engine that loads it, the indexed search answers (it does not fall
// back) with exactly what trying every arrangement finds.
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct AlphabetRow {
    const char *name;
    const char *dictionary; // in tests/data/alphabet
    const char *typed;
    const char *found; // a word the letters make, or empty: none; null: as each engine has it
};

WordList enumerated(const std::string &letters, SpellChecker &checker)
{
    WordList list;
    Arrangements arrangements(letters);
    do {
        if (testword(checker, arrangements.current()))
            addword(arrangements.current(), list);
    } while (arrangements.advance());
    return list;
}

} // namespace

class TestAlphabet : public QObject {
    Q_OBJECT

private slots:
    void indexAnswersAsTyped_data()
    {
        addRows<AlphabetRow>({
            { "a combining accent typed separately", "fr", "te\u0301e\u0301", "été" },
            { "accents as one code point each", "fr", "\u00e9t\u00e9", "été" },
            { "letters without their accents are others", "fr", "ete", "" },
            { "Turkish capital I is the dotless i", "tr_TR", "KILI", "ILIK" },
            { "Turkish capital I with a dot is i", "tr_TR", "\u015e\u0130", "\u0130\u015e" },
            { "Turkish dotless i typed small", "tr_TR", "\u0131k\u0131l", "\u0131l\u0131k" },
            { "Greek final sigma", "el_GR", "\u03c2\u03bf\u03bb\u03b3\u03cc", "λόγος" },
            { "Greek capitals", "el_GR", "\u0391\u0398\u0389\u039d\u0391", "ΑΘΉΝΑ" },
            { "two words of one key, their accents on other letters", "el_GR",
                "\u03ad\u03b5\u03bf\u03c2\u03bd\u03c7", "ενοχές" },
            { "German sharp s in capitals as SS", "de_DE", "ESSTRAS", "STRASSE" },
            { "German sharp s small", "de_DE", "u\u00dfF", "Fuß" },
            // Nuspell takes FUẞ for Fuß, Hunspell does not.
            { "German capital sharp s", "de_DE", "\u1e9eUF", nullptr },
            { "a Hebrew final letter", "he_IL", "\u05dd\u05d5\u05dc\u05e9", "שלום" },
            { "a Hebrew letter not in its final form", "he_IL", "\u05de\u05d5\u05dc\u05e9", "" },
            { "an Indic cluster kept whole", "bn_BD", "\u09ac\u09a4\u09be\u0995\u09bf", "কিতাব" },
            { "an Indic conjunct kept whole", "bn_BD",
                "\u09aa\u09c1\u09a4\u09cd\u09ae\u09be\u09a3\u09cd\u09af\u09be", "পুণ্যাত্মা" },
            { "an Indic vowel sign on another letter", "bn_BD", "\u09ac\u09a4\u0995\u09be\u09bf",
                "" },
        });
    }
    void indexAnswersAsTyped()
    {
        QFETCH(AlphabetRow, row);
        const std::filesystem::path base
            = std::filesystem::path(QUORVEL_TEST_DATA) / "alphabet" / row.dictionary;
        const std::string typed = row.typed;
        bool loaded = false;
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto dictionary = LoadedDictionary::load(engine, base);
            if (!dictionary)
                continue;
            loaded = true;
            const auto checker = dictionary->checker();
            const WordList words = enumerated(typed, *checker);
            const QString expected = resultFor(words).text;
            if (row.found && *row.found)
                QVERIFY2(std::ranges::find(words, std::string(row.found)) != words.end(),
                    qPrintable(expected));
            else if (row.found)
                QVERIFY2(words.empty(), qPrintable(expected));
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build
                    = buildWordIndexFromFiles(base, dialectOf(engine), {}, nullptr, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                const IndexedAnswer answer = indexedSearch(typed, *build.forms, *checker);
                const std::string where = std::string(engineName(engine))
                    + (kind == IndexKind::Stems ? ", stems: " : ", forms: ") + answer.fallback;
                QVERIFY2(answer.words, where.c_str());
                QCOMPARE(resultFor(*answer.words).text, expected);
            }
        }
        QVERIFY(loaded);
    }
};

QTEST_GUILESS_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
