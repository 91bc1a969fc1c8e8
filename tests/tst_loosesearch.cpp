// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"
#include "search/LooseBudget.h"
#include "search/LooseJudge.h"
#include "search/LooseSearch.h"
#include "search/Messages.h"
#include "tests/support/EngineDictionary.h"
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"
#include "wordforms/FormRole.h"
#include "wordindex/WordIndex.h"

#include <QTest>

namespace {

const std::filesystem::path kLoose = std::filesystem::path(QUORVEL_TEST_DATA) / "loose";

struct WordsRow {
    const char *name;
    const char *dictionary; // in tests/data/loose
    QString letters;
    QStringList words; // in this order
    bool indexed = true; // the word index answers
    // The questions the word index asks, when it is to ask only the
    // dictionary's own spellings (three ways each: as spelt, a capital
    // first, all capitals); 0: not counted.
    double ownQuestions = 0;
    // The most questions the index may ask (0: as the tool has it).
    std::size_t maxQuestions = 0;
};

struct WindowRow {
    const char *name;
    Matching matching;
    QString letters;
    QSet<QString> accepted;
    QStringList words; // the words of the result line, in order
    bool confirmed; // the question for long inputs was asked
};

QStringList listOf(const std::vector<std::string> &words)
{
    QStringList out;
    for (const std::string &word : words)
        out << QString::fromStdString(word);
    return out;
}

} // namespace

class TestLooseSearch : public QObject {
    Q_OBJECT

private slots:
    // Each row runs on both engines: the words of a loose search over the
    // dictionary, each once, in its spelling and its language's order.
    void words_data()
    {
        addRows<WordsRow>({
            { "French marks do not count", "fr", "ete", { "été", "tee" } },
            { "a French capital with a mark", "fr", "ÉTÉ", { "été", "tee" } },
            { "a German noun typed in small letters", "de_DE", "hctsi", { "stich", "Tisch" } },
            { "German a never stands for ä", "de_DE", "bar", { "rab" } },
            { "German ä typed as a capital", "de_DE", "RÄB", { "Bär" } },
            { "German ß by the word index", "de_DE", "ßeastr", { "Straße" } },
            { "German ẞ typed as a capital", "de_DE", "STRAẞE", { "Straße" } },
            { "German ß never stands for SS", "de_DE", "ßam", { "Maß" } },
            { "German SS finds a word with ß in capitals", "de_DE", "sams", { "MASS" } },
            { "Swedish a never stands for ä", "sv_SE", "rah", {} },
            { "Swedish ä finds it", "sv_SE", "räh", { "här" } },
            { "Spanish n never stands for ñ", "es_ES", "oan", {} },
            { "Spanish ñ finds it", "es_ES", "OÑA", { "año" } },
            { "a letter only an affix adds", "es_ES", "natec", { "canté" } },
            { "Polish a never stands for ą", "pl_PL", "baz", {} },
            { "Polish ą finds it", "pl_PL", "bąz", { "ząb" } },
            { "Greek accent and final sigma", "el_GR", "λογοσ", { "λόγος" } },
            { "Greek in the language's order", "el_GR", "ΑΤΟΚ", { "κότα", "τόκα" } },
            { "Greek capital in the dictionary's spelling", "el_GR", "ναηθα", { "Αθήνα" } },
            { "a Greek capital with an accent", "el_GR", "ηςαρ", { "Άρης" } },
            { "a mark an ending puts on the stem's last letter", "ar", "ادس", { "سدًا" } },
            { "a Hebrew letter stands for its final form", "he_IL", "כלמ", { "מלך" } },
            { "a Hebrew final form stands for its letter", "he_IL", "ךלמ", { "מלך" } },
            { "a Hebrew letter typed twice, once final", "he_IL", "ככ", { "כך" } },
            { "a ligature the dictionary converts, with a mark", "ar", "ﻻ", { "ﻻ", "ﻻً" }, false },
            { "a letter the dictionary converts to no letter", "fr", "Ńʼ", { "nʼ" }, false },
            // A compatibility letter the words are spelt with is no conversion.
            { "Dutch ĳ, one letter", "nl", "sĳ", { "ĳs" } },
            { "Dutch Ĳ typed as a capital", "nl", "SĲ", { "ĳs" } },
            { "Dutch ĳ in a longer word", "nl", "ĳsberg", { "bergĳs" } },
            { "two spellings under one key, only they asked", "fr", "ETOC", { "coté", "côte" },
                true, 2 * 3 },
            { "a typed mark stands for the other marks", "fr", "étôc", { "coté", "côte" }, true,
                2 * 3 },
        });
    }
    void words()
    {
        QFETCH(WordsRow, row);
        for (const Engine engine : kEngines) {
            // The alphabet the window and the tool use: the one found with
            // the word index.
            const EngineDictionary dictionary = engineDictionary(engine, kLoose / row.dictionary);
            QVERIFY2(dictionary.ready(), dictionary.whyNot.c_str());
            SpellChecker *checker = dictionary.checker.get();
            const WordIndexBuild &build = dictionary.build;
            const LooseAlphabet alphabet(
                row.dictionary, build.alphabet->letters(), build.alphabet->converted());
            const LooseAnswer answer = looseWords(
                row.letters.toStdString(), alphabet, *checker, [](double) { return true; });
            QVERIFY(!answer.stopped);
            QCOMPARE(listOf(answer.words), row.words);
            // Every word is accepted exactly as listed.
            for (const std::string &word : answer.words)
                QCOMPARE(checker->checkSpelling(word), std::optional<bool>(true));
            // The word index gives the same words, without trying every
            // arrangement (a candidate left out or a letter's variant not
            // spelt at a place loses a word here).
            LooseIndex index;
            index.forms = build.forms.get();
            const LooseAnswer indexed = looseWords(
                row.letters.toStdString(), alphabet, *checker, [](double) { return true; }, index);
            QCOMPARE(listOf(indexed.words), row.words);
            // Only a letter the dictionary converts into others is beyond the index.
            QCOMPARE(indexed.indexed, row.indexed);
            QVERIFY(indexed.questions <= answer.questions);
            if (row.ownQuestions > 0)
                QCOMPARE(indexed.questions, row.ownQuestions);
        }
    }

    // Inputs too long for every arrangement, answered by the word index alone
    // with the dictionary's spellings: each candidate is put in case three
    // ways (as the dictionary spells it, with a capital first, all capitals),
    // not each letter in either case, which passes the most questions the
    // index may ask long before 13 letters.
    void longInputs_data()
    {
        addRows<WordsRow>({
            { "a long word of many marks typed without them", "fr", "eteghrieotnee",
                { "hétérogénéité" } },
            { "25 letters in capitals", "fr", "OINIULLOINAETTTNCTMETNNSE",
                { "anticonstitutionnellement" } },
            { "a compound of nouns typed in small letters", "de_DE", "eengretdarkirndnki",
                { "Gartenkinderkinder", "Kindergartenkinder", "Kinderkindergarten" } },
            // A part's capital stays inside the compound: the checker takes
            // gartenCafé as it takes Cafégarten.
            { "a part's own marked letter in a compound", "de_DE", "ETRAGNEFAC",
                { "Cafégarten", "gartenCafé" } },
            // e stands for é, è, ê and ë here, four times: only the parts'
            // letters at each place keep it within so few questions.
            { "a compound spread over its parts' letters only", "de_DE", "eengretdarkirndnki",
                { "Gartenkinderkinder", "Kindergartenkinder", "Kinderkindergarten" }, true, 0,
                100 },
            { "a capital inside a word", "de_DE", "noitatsyalp", { "PlayStation" } },
            // The compounds are named in small letters: their parts' capitals
            // are put back, also beside a part with a letter beyond A to Z.
            { "a compound's part with a capital inside", "et_EE", "rubku", { "kBuur", "uurkB" } },
            { "a compound's part in capitals beside õ", "et_EE", "KESõu", { "SEKõu", "õuSEK" } },
            { "a word of Greek capitals", "el_GR", "απη", { "ΗΠΑ" } },
            { "a Greek capital first", "el_GR", "ΝΑΗΘΑ", { "Αθήνα" } },
        });
    }
    void longInputs()
    {
        QFETCH(WordsRow, row);
        for (const Engine engine : kEngines) {
            const EngineDictionary dictionary
                = engineDictionary(engine, kLoose / "long" / row.dictionary);
            QVERIFY2(dictionary.ready(), dictionary.whyNot.c_str());
            SpellChecker *checker = dictionary.checker.get();
            const WordIndexBuild &build = dictionary.build;
            const LooseAlphabet alphabet(row.dictionary, build.alphabet->letters());
            LooseIndex index;
            index.forms = build.forms.get();
            index.indexOnly = true;
            if (row.maxQuestions > 0)
                index.maxQuestions = row.maxQuestions;
            const LooseAnswer answer = looseWords(
                row.letters.toStdString(), alphabet, *checker, [](double) { return true; }, index);
            QVERIFY2(answer.indexed, answer.fallback.c_str());
            QCOMPARE(listOf(answer.words), row.words);
            for (const std::string &word : answer.words)
                QCOMPARE(checker->checkSpelling(word), std::optional<bool>(true));
        }
    }

    // Eleven letters have no end of arrangements in sight: the index answers
    // however many compounds it names, spread and judged a batch at a time
    // (a batch or the last one not judged loses words here), those of parts
    // that leave no doubt unasked. Every arrangement of the letters is a
    // compound of this dictionary, each listed once.
    void manyCompounds()
    {
        const std::filesystem::path base = kLoose / "stream" / "et_EE";
        const std::string letters = "abcabcabcab";
        std::string arrangement = letters;
        std::ranges::sort(arrangement);
        QSet<QString> expected;
        do
            expected.insert(QString::fromStdString(arrangement));
        while (std::ranges::next_permutation(arrangement).found);
        for (const Engine engine : kEngines) {
            const EngineDictionary dictionary = engineDictionary(engine, base);
            QVERIFY2(dictionary.ready(), dictionary.whyNot.c_str());
            SpellChecker *checker = dictionary.checker.get();
            const WordIndexBuild &build = dictionary.build;
            const LooseAlphabet alphabet("et_EE", build.alphabet->letters());
            LooseIndex index;
            index.forms = build.forms.get();
            index.indexOnly = true;
            index.budget = compoundBudgetFor(letters.size(), [] { return true; });
            const LooseAnswer answer = looseWords(
                letters, alphabet, *checker, [](double) { return true; }, index);
            QVERIFY2(answer.indexed, answer.fallback.c_str());
            const QStringList words = listOf(answer.words);
            QCOMPARE(words.size(), expected.size());
            QCOMPARE(QSet<QString>(words.begin(), words.end()), expected);
            // Small letters and a capital first are sure: only all
            // capitals are asked, once for each compound.
            QCOMPARE(answer.questions, double(expected.size()));
        }
    }

    // A compound named in small letters is looked up by its parts for their
    // capitals only where a part could put one after its first letter.
    void partsCapitalInside_data()
    {
        QTest::addColumn<QStringList>("forms"); // form:roles
        QTest::addColumn<bool>("inside");
        using namespace FormRole;
        const auto form = [](const char *text, std::uint8_t roles) {
            return QStringLiteral("%1:%2").arg(QLatin1String(text)).arg(roles);
        };
        QTest::newRow("parts in small letters")
            << QStringList { form("haus", Begin | Word), form("tur", End) } << false;
        QTest::newRow("a capital first on a first part only")
            << QStringList { form("Haus", Begin | Word), form("tur", End) } << false;
        QTest::newRow("a word alone with a capital inside")
            << QStringList { form("PlayStation", Word), form("tur", End) } << false;
        QTest::newRow("a part with a capital inside")
            << QStringList { form("uur", Begin), form("kB", End) } << true;
        QTest::newRow("a part in capitals inside a compound")
            << QStringList { form("ou", Begin), form("SEK", Middle | End) } << true;
        QTest::newRow("a capitalised last part")
            << QStringList { form("garten", Begin), form("Cafe", End) } << true;
        QTest::newRow("a capitalised part a rule puts anywhere")
            << QStringList { form("Ab", Rule) } << true;
    }
    void partsCapitalInside()
    {
        QFETCH(QStringList, forms);
        QFETCH(bool, inside);
        std::vector<std::pair<std::string, std::uint8_t>> roles;
        for (const QString &each : forms) {
            const QStringList parts = each.split(u':');
            roles.emplace_back(
                parts[0].toStdString(), static_cast<std::uint8_t>(parts[1].toUInt()));
        }
        // A new index each row: what was found of the last one is not its.
        const auto index = std::make_shared<const WordIndex>(WordIndex::fromForms(roles));
        QCOMPARE(::partsCapitalInside(index), inside);
        QCOMPARE(::partsCapitalInside(index), inside);
    }

    // The window, the tool and the benches give a loose search of so many
    // letters the same budget: the one of the search as typed, and no
    // bound on the questions where trying every arrangement has no end.
    void budgetForLetters_data()
    {
        QTest::addColumn<int>("letters");
        QTest::addColumn<bool>("endless");
        QTest::newRow("six letters") << 6 << false;
        QTest::newRow("sixteen letters") << 16 << true;
    }
    void budgetForLetters()
    {
        QFETCH(int, letters);
        QFETCH(bool, endless);
        const auto count = static_cast<std::size_t>(letters);
        QCOMPARE(compoundTimeFor(count) == std::chrono::steady_clock::duration::max(), endless);
        const LooseIndex index = looseIndexFor(nullptr, count);
        const CompoundBudget expected = compoundBudgetFor(count);
        QVERIFY(index.budget.maxTime == expected.maxTime);
        QCOMPARE(index.budget.maxCandidates, expected.maxCandidates);
        QCOMPARE(index.budget.maxSteps, expected.maxSteps);
        QCOMPARE(index.maxQuestions == std::numeric_limits<std::size_t>::max(), endless);
        if (!endless)
            QCOMPARE(index.maxQuestions, LooseIndex {}.maxQuestions);
    }

    // Letters that count as one are arranged once: each distinct string is
    // asked once, however often its letters were typed or however typed.
    void eachStringAskedOnce_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<double>("strings");
        // e: e é and their capitals; t: t T. Arrangements of e e t, 3, each
        // with 4 * 4 * 2 spellings.
        QTest::newRow("a letter typed twice") << QStringLiteral("ete") << 3.0 * 32;
        QTest::newRow("the same letter typed two ways") << QStringLiteral("étE") << 3.0 * 32;
        QTest::newRow("different letters") << QStringLiteral("tea") << 6.0 * 4 * 2 * 2;
    }
    void eachStringAskedOnce()
    {
        QFETCH(QString, letters);
        QFETCH(double, strings);
        const LooseAlphabet alphabet("fr", { "a", "e", "é", "t" });
        auto shared = std::make_shared<CheckerScript>();
        ScriptedChecker checker(shared);
        const LooseAnswer answer
            = looseWords(letters.toStdString(), alphabet, checker, [](double) { return true; });
        QCOMPARE(answer.questions, strings);
        QCOMPARE(double(QSet<QString>(shared->asked.begin(), shared->asked.end()).size()), strings);
        QVERIFY(looseQuestionBound(letters.toStdString(), alphabet) >= strings);
    }

    // keepGoing is heard: a search told to stop says so and lists nothing.
    void stops()
    {
        const LooseAlphabet alphabet("fr", { "a", "e", "é", "t" });
        auto shared = std::make_shared<CheckerScript>();
        shared->accepted = { "tea" };
        ScriptedChecker checker(shared);
        int calls = 0;
        const LooseAnswer answer = looseWords("teatea", alphabet, checker, [&](double asked) {
            ++calls;
            return asked < 100;
        });
        QVERIFY(answer.stopped);
        QVERIFY(answer.words.empty());
        QCOMPARE(calls, 2);
        QVERIFY(answer.questions < 200);
    }

    // The window's search, loose or as typed, over a scripted checker that
    // answers from the German tiny dictionary's letters.
    void window_data()
    {
        addRows<WindowRow>({
            { "as typed, the case typed", Matching::AsTyped, "hctsi", { "Tisch" }, {}, false },
            { "loose, any case", Matching::Loose, "hctsi", { "Tisch", "TISCH" }, { "Tisch" },
                false },
            { "loose, a letter beyond A to Z", Matching::Loose, "räb", { "Bär" }, { "Bär" },
                false },
            { "loose, seven letters ask first", Matching::Loose, "abcdefg", {}, {}, true },
            { "as typed, seven letters do not", Matching::AsTyped, "abcdefg", {}, {}, false },
        });
    }
    void window()
    {
        QFETCH(WindowRow, row);
        SearchFixture fx;
        fx.checkers.script->dictionary = kLoose / "de_DE";
        fx.checkers.script->accepted = row.accepted;
        fx.indexes.refusal = "no index for it";
        fx.search.setMatching(row.matching);
        fx.view.input = row.letters;
        // Said No to, a question ends the request before it runs.
        fx.box.queueAnswer(MessageAnswer::No);
        fx.search.startanalysis();
        QCOMPARE(fx.box.shown().size(), row.confirmed ? 1 : 0);
        if (row.confirmed) {
            QCOMPARE(fx.view.resultsText, QString());
            return;
        }
        QCOMPARE(fx.search.lastRun().loose, row.matching == Matching::Loose);
        const QString noWords = Messages::text(Messages::kNoWordsFound);
        const QString found = Messages::text(Messages::kFound, row.words.size());
        QCOMPARE(fx.view.resultsText,
            row.words.isEmpty() ? noWords : found + row.words.join(QStringLiteral(", ")));
    }
};

QTEST_GUILESS_MAIN(TestLooseSearch)
#include "tst_loosesearch.moc"
