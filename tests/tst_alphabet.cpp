// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word index on letters beyond A to Z: for each tiny dictionary of
// tests/data/alphabet, built both ways (every form kept, stems) and judged by
// each engine that loads it, the indexed search answers (it does not fall
// back) with exactly what trying every arrangement finds.
#include "letters/Letters.h"
#include "search/AlphabetCheck.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "search/Messages.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include "tests/support/EveryArrangement.h"
#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct AlphabetRow {
    const char *name;
    const char *dictionary; // in tests/data/alphabet
    const char *typed;
    const char *found; // a word the letters make, or empty: none; null: as each engine has it
};

struct LetterRow {
    const char *name;
    const char *dictionary; // in tests/data/alphabet
    const char *letter;
    bool inAlphabet;
};

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
            { "Cyrillic where ICONV turns Latin letters into digits", "uk_UA", "\u0456\u0442\u043a",
                "кіт" },
            { "a stress mark the checker ignores", "uk_UA", "\u0442\u0456\u0301\u043a", "кі́т" },
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
            const WordList words = enumeratedWords(typed, *checker);
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

    // The dictionary's alphabet, found with its index: the letters of its
    // words as the checker takes them, in their small form.
    void alphabetOfTheWords_data()
    {
        addRows<LetterRow>({
            { "a letter of a word", "uk_UA", "к", true },
            { "a letter only an ending adds", "uk_UA", "ї", true },
            { "a letter ICONV turns into one", "uk_UA", "ґ", true },
            { "a letter ICONV turns into none of them", "uk_UA", "ё", false },
            { "a mark IGNORE drops makes no other letter", "uk_UA", "о́", false },
            { "a Latin letter", "uk_UA", "a", false },
            { "the small form of a capital", "de_DE", "s", true },
            { "not the capital", "de_DE", "S", false },
            { "a vowel sign an ending joins to the stem", "hi_IN", "मा", true },
            { "the stem's letter alone too", "hi_IN", "म", true },
            { "the sign alone is no letter", "hi_IN", "ा", false },
            { "the dotless i of Turkish", "tr_TR", "ı", true },
            { "Greek final sigma", "el_GR", "ς", true },
        });
    }
    void alphabetOfTheWords()
    {
        QFETCH(LetterRow, row);
        const std::filesystem::path base
            = std::filesystem::path(QUORVEL_TEST_DATA) / "alphabet" / row.dictionary;
        for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
            const WordIndexBuild build
                = buildWordIndexFromFiles(base, Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY(build.alphabet);
            QCOMPARE(build.alphabet->id(row.letter).has_value(), row.inAlphabet);
        }
    }

    // Which of the alphabet's letters the checker converts before it looks a
    // word up: the index holds no form spelt with them.
    void convertedLetters_data()
    {
        addRows<LetterRow>({
            { "a letter ICONV turns into one", "uk_UA", "ґ", true },
            { "a letter of a word", "uk_UA", "г", false },
        });
    }
    void convertedLetters()
    {
        QFETCH(LetterRow, row);
        const std::filesystem::path base
            = std::filesystem::path(QUORVEL_TEST_DATA) / "alphabet" / row.dictionary;
        const WordIndexBuild build = buildWordIndexFromFiles(base, Dialect::Nuspell, {}, nullptr);
        QVERIFY(build.alphabet);
        QVERIFY(build.alphabet->id(row.letter));
        QCOMPARE(build.alphabet->isConverted(row.letter), row.inAlphabet);
    }

    // A typed letter is one of the alphabet's once what the checker ignores
    // (uk_UA's stress mark) is taken out of it; a mark alone is none.
    void ignoredCharactersTyped_data()
    {
        addRows<LetterRow>({
            { "a stressed vowel", "uk_UA", "кі\u0301т", true },
            { "a stressed capital", "uk_UA", "КІ\u0301Т", true },
            { "the stress mark alone", "uk_UA", "\u0301кіт", false },
            { "a mark the checker does not ignore", "uk_UA", "кі\u0300т", false },
            { "a Latin letter, which ICONV makes a digit", "uk_UA", "кat", false },
        });
    }
    void ignoredCharactersTyped()
    {
        QFETCH(LetterRow, row);
        const WordIndexBuild build = buildWordIndexFromFiles(
            std::filesystem::path(QUORVEL_TEST_DATA) / "alphabet" / row.dictionary);
        QVERIFY(build.alphabet);
        QCOMPARE(!letterOutside(row.letter, *build.alphabet, row.dictionary), row.inAlphabet);
    }

    // A character outside the alphabet is named as no letter when it is a
    // modifier letter (a lengthening line, an apostrophe), else as a letter
    // of another alphabet.
    void outsideText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("letter");
        QTest::newRow("a lone Arabic tatweel") << QStringLiteral("\u0640") << false;
        QTest::newRow("the modifier letter apostrophe") << QStringLiteral("\u02BC") << false;
        QTest::newRow("a Cyrillic letter") << QStringLiteral("ж") << true;
        QTest::newRow("a Latin letter with a mark") << QStringLiteral("ǖ") << true;
    }
    void outsideText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, letter);
        const std::string typedLetter = typed.toStdString();
        const QString described = QString::fromStdString(describeLetter(typedLetter));
        const QString expected = letter
            ? Messages::text(Messages::kOutsideAlphabet).arg(described, QStringLiteral("fr"))
            : Messages::text(Messages::kNotALetter).arg(described);
        QCOMPARE(outsideAlphabetText(typedLetter, QStringLiteral("fr")), expected);
    }

    // A dictionary whose rules the index refuses still has an alphabet; one
    // whose words are no text has none.
    void alphabetWithoutIndex()
    {
        ReadLimits limits;
        limits.maxStoredForms = 2;
        const WordIndexBuild refused = buildWordIndex("SET UTF-8\n", "3\nкіт\nтік\nкит\n",
            Dialect::Nuspell, limits, nullptr, IndexKind::Forms, "uk_UA");
        QVERIFY(!refused.forms);
        QVERIFY(refused.alphabet);
        QCOMPARE(refused.alphabet->size(), std::size_t(4));
        // More letters than any alphabet has: a word list of one letter each.
        QString many = QString::number(Alphabet::kMaxLetters + 1) + "\n";
        for (char32_t c = 0x4E00; c <= 0x4E00 + Alphabet::kMaxLetters; ++c)
            many += QString::fromUcs4(&c, 1) + "\n";
        const WordIndexBuild broken = buildWordIndex("SET UTF-8\n", many.toStdString(),
            Dialect::Nuspell, {}, nullptr, IndexKind::Stems, "zh_CN");
        QVERIFY(!broken.alphabet);
    }
};

QTEST_GUILESS_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
