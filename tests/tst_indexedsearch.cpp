// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/Alphabet.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "tests/support/AllStrings.h"
#include "tests/support/EveryArrangement.h"
#include "tests/support/OneLetterParts.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordforms/KeyLetters.h"

#include <QTest>
#include <limits>

namespace {

using namespace FormRole;

struct GiveUpRow {
    const char *name;
    std::string letters;
    std::size_t limit;
    std::size_t enough; // a limit that lets it answer; 0: none does
    const char *cause; // a word the reason given names its cause by
    std::size_t compoundSteps = CompoundBudget {}.maxSteps;
};

QString indexed(const std::string &letters, const WordIndex &index, SpellChecker &checker)
{
    const auto answer = indexedSearch(letters, index, checker);
    return answer.words ? resultFor(*answer.words).text : QStringLiteral("(none)");
}

} // namespace

class TestIndexedSearch : public QObject {
    Q_OBJECT

private slots:
    // Every input of up to 5 letters over a small alphabet, with a checker
    // that accepts a fixed set of strings in some cases only.
    void exhaustiveSmallInputs()
    {
        const QSet<QString> accepted { "ab", "Ab", "bA", "aab", "ABA", "baA", "bab", "aabb", "BbAa",
            "abab", "baba", "abBa", "aaabb", "bAbaA", "bbbaa", "a", "B", "aAb", "Aab" };
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        for (const QString &word : accepted)
            forms.emplace_back(word.toLower().toStdString(), Word);
        const WordIndex index = WordIndex::fromForms(forms);
        ScriptedChecker checker(std::make_shared<CheckerScript>(accepted));
        for (const std::string &letters : allStrings("aAbB", 5))
            QCOMPARE(indexed(letters, index, checker), enumerated(letters, checker));
    }

    // The same with compounds: the checker accepts words of the index and
    // words its parts join into (a part at the start, parts inside, one at
    // the end, at least two letters each); the index finds exactly what
    // trying every arrangement finds, in the same order.
    void exhaustiveSmallCompounds()
    {
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 2;
        const WordIndex index = WordIndex::fromForms(
            { { "ab", Word | Begin }, { "ba", Middle }, { "bb", End }, { "Ca", Begin | End } },
            settings);
        // As the engines do, the part spelt "Ca" stands in a word only with
        // its capital: "abca" is no word where "abCa" is.
        const QSet<QString> accepted { "ab", "abbb", "Abbb", "abCa", "Cabb", "abbabb", "CabaCa" };
        ScriptedChecker checker(std::make_shared<CheckerScript>(accepted));
        for (const std::string &letters : allStrings("abcC", 6))
            QCOMPARE(indexed(letters, index, checker), enumerated(letters, checker));
    }

    // The index only names candidates: only they are asked about, a word it
    // holds that the checker refuses is not found, and a failing question
    // counts as "no". With no candidate there is nothing to ask, however many
    // spreads of case the letters have.
    void onlyCandidatesAreAsked()
    {
        const WordIndex index = wordsIndex({ "cat", "act", "tac" });
        const auto answers = std::make_shared<CheckerScript>(
            QSet<QString> { "act", "tac" }, QSet<QString> { "tac" });
        ScriptedChecker checker(answers);
        const auto none = indexedSearch("aAbBcCdDeEfFgGhHiIjJ", index, checker, 10);
        QVERIFY(none.words && none.words->empty());
        QVERIFY(answers->asked.isEmpty());
        QCOMPARE(indexed("cat", index, checker), QStringLiteral("Done - Found 1 words: act"));
        QCOMPARE(answers->asked.size(), 3); // one question per candidate arrangement
    }

    // A compatibility letter is left to every arrangement only where the
    // dictionary converts it: Dutch words are spelt with the ĳ ligature
    // itself, and the index answers it.
    void ligatureOfTheWords()
    {
        // The index keeps its forms in key letters.
        const std::vector<std::string> spelt { "\u0133", "s" };
        const auto key = keyLettersOf(spelt.data(), spelt.size());
        const WordIndex index = WordIndex::fromForms({ { *key, Word } });
        ScriptedChecker checker(std::make_shared<CheckerScript>(QSet<QString> { "\u0133s" }));
        auto alphabet = Alphabet::of({ "\u0133", "s", "\uFB01" });
        alphabet->setConverted({ "\uFB01" });
        const auto words = indexedSearch(
            "s\u0133", index, checker, kMaxArrangementsTried, {}, {}, 0, &*alphabet);
        QVERIFY2(words.words, words.fallback.c_str());
        QCOMPARE(words.words->size(), 1u);
        const auto converted = indexedSearch(
            "s\uFB01", index, checker, kMaxArrangementsTried, {}, {}, 0, &*alphabet);
        QVERIFY(!converted.words);
        QVERIFY(converted.fallback.find("files apart") != std::string::npos);
    }

    void givesUp_data()
    {
        // aAaAb: 6 spreads of case, times 2 forms = 12 questions.
        addRows<GiveUpRow>({
            { "not letters", "ca t", 100, 0, "no letter a word" },
            { "digits", "cat1", 100, 0, "no letter a word" },
            { "a lone mark", "\u0301cat", 100, 0, "no letter a word" },
            { "nothing typed", "", 100, 0, "no letters" },
            // The checker converts them (ICONV) into letters the forms hold.
            { "the Arabic lam-alif ligature", "cat\uFEFB", 100, 0, "files apart" },
            { "the fi ligature", "\uFB01cat", 100, 0, "files apart" },
            { "too many questions", "aAaAb", 11, 12, "arrangements" },
            { "too many spreads of case", "aaaaAAAA", 69, 70, "spread" },
            { "too many letters to count", std::string(std::size_t(1) << 20, 'a'), 100, 0,
                "too many" },
            { "compounds past their budget", "abba", 100, 0, "compounds", 0 },
        });
    }
    void givesUp()
    {
        QFETCH(GiveUpRow, row);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 2;
        const WordIndex index
            = WordIndex::fromForms({ { "aaaab", Word }, { "baaaa", Word }, { "cat", Word },
                                       { "aaaaaaaa", Word }, { "ab", Begin }, { "ba", End } },
                settings);
        ScriptedChecker checker(std::make_shared<CheckerScript>());
        CompoundBudget budget;
        budget.maxSteps = row.compoundSteps;
        const auto answer = indexedSearch(row.letters, index, checker, row.limit, budget);
        QVERIFY(!answer.words);
        QVERIFY(!answer.stopped);
        // The reason names its cause: a script reading "every arrangement
        // tried: REASON" tells one from another.
        QVERIFY2(answer.fallback.find(row.cause) != std::string::npos, answer.fallback.c_str());
        QCOMPARE(answer.questions, 0u);
        if (row.enough)
            QVERIFY(indexedSearch(row.letters, index, checker, row.enough).words);
    }

    // A compound of parts that leave no doubt (FormRole::Sure) is taken
    // without a question in small letters and capitalised; any other spread
    // of case, and a compound with a part in doubt, is asked: the answer is
    // the enumeration's with a checker that takes those compounds. A
    // candidate counts as settled by the rules only where nothing about it
    // was asked (cdAb is asked, Abcd is not).
    void sureCompoundsAreNotAsked_data()
    {
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("settled");
        QTest::newRow("abcd") << 0 << 2;
        QTest::newRow("Abcd") << 1 << 1;
        QTest::newRow("ABcd") << 2 << 0;
        QTest::newRow("abef") << 2 << 0;
    }
    void sureCompoundsAreNotAsked()
    {
        QFETCH(int, questions);
        QFETCH(int, settled);
        const std::string letters = QTest::currentDataTag();
        const WordIndex index = sureAndDoubtfulParts();
        const auto answers = std::make_shared<CheckerScript>(
            QSet<QString> { "abcd", "cdab", "Abcd", "Cdab", "abef" });
        ScriptedChecker checker(answers);
        const auto answer = indexedSearch(letters, index, checker);
        QVERIFY(answer.words);
        QCOMPARE(answer.questions, std::size_t(questions));
        QCOMPARE(answers->asked.size(), questions);
        QCOMPARE(answer.candidates, 2u);
        QCOMPARE(answer.settled, std::size_t(settled));
        QCOMPARE(resultFor(*answer.words).text, enumerated(letters, checker));
    }

    // The index asks at most the limit, or a hundredth of the questions
    // trying every arrangement would ask where that is more: 8 anagrams are
    // 8 questions, 6 letters arrange in 720 ways, 7 in 5,040, 8 in 40,320.
    void questionsGrowWithTheArrangements_data()
    {
        addRows("answers",
            { std::pair { "6 letters", false }, { "7 letters", true }, { "8 letters", true } });
    }
    void questionsGrowWithTheArrangements()
    {
        QFETCH(bool, answers);
        const std::string name = QTest::currentDataTag();
        std::string letters = std::string("abcdefgh").substr(0, name.front() - '0');
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        for (int anagram = 0; anagram < 8; ++anagram) {
            forms.emplace_back(letters, Word);
            std::ranges::next_permutation(letters);
        }
        const WordIndex index = WordIndex::fromForms(forms, {});
        ScriptedChecker checker(std::make_shared<CheckerScript>());
        const auto answer = indexedSearch(letters, index, checker, 5);
        QCOMPARE(answer.words.has_value(), answers);
        QCOMPARE(answer.questions, answers ? 8u : 0u);
    }

    // Compounds past their budget: no answer, and the reason is told so
    // that the user sees why every arrangement is tried.
    void compoundsPastTheirBudget()
    {
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        for (const char c : std::string("abcdef"))
            forms.emplace_back(std::string(1, c), Begin | Middle | End);
        const WordIndex index = WordIndex::fromForms(forms, settings);
        ScriptedChecker checker(std::make_shared<CheckerScript>());
        CompoundBudget budget;
        budget.maxCandidates = 100;
        const auto answer = indexedSearch("abcdef", index, checker, kMaxArrangementsTried, budget);
        QVERIFY(!answer.words && !answer.stopped);
        QVERIFY(!answer.fallback.empty());
        // Every order of the six parts is a candidate: within a larger budget
        // the index answers.
        budget.maxCandidates = 720;
        QVERIFY(indexedSearch("abcdef", index, checker, kMaxArrangementsTried, budget).words);
    }

    // A short input soon falls back to its few arrangements; one whose
    // arrangements would take longer than kLongestWayOut never falls back
    // for time, steps or candidates (the user stops it): 11 letters take
    // minutes to arrange, 10 some seconds.
    void compoundTimeGrowsWithTheLetters()
    {
        const auto least = CompoundBudget {}.maxTime;
        const auto endless = std::chrono::steady_clock::duration::max();
        QCOMPARE(compoundTimeFor(3), least);
        QCOMPARE(compoundTimeFor(10), least);
        QCOMPARE(compoundTimeFor(11), endless);
        QCOMPARE(compoundTimeFor(12), endless);
        for (std::size_t letters = 1; letters < 40; ++letters)
            QVERIFY(compoundTimeFor(letters) <= compoundTimeFor(letters + 1));
        const CompoundBudget shortWord = compoundBudgetFor(10);
        QCOMPARE(shortWord.maxSteps, CompoundBudget {}.maxSteps);
        QCOMPARE(shortWord.maxCandidates, CompoundBudget {}.maxCandidates);
        const CompoundBudget longWord = compoundBudgetFor(24);
        QCOMPARE(longWord.maxTime, endless);
        QCOMPARE(longWord.maxSteps, std::numeric_limits<std::size_t>::max());
        // Bounded still, by what memory holds, and far past a short search.
        QCOMPARE(longWord.maxCandidates, kMostLongCandidates);
        QVERIFY(kMostLongCandidates > CompoundBudget {}.maxCandidates);
        QCOMPARE(compoundBudgetFor(11).maxCandidates, longWord.maxCandidates);
    }

    // Where trying every arrangement has no end in sight, the index answers
    // however many candidates it names: 720 orders of six one-letter parts
    // are past a bound of 100 standing for the least budget's, which only a
    // shorter input keeps to.
    void noFallbackPastTheCandidates_data()
    {
        addRows("answers",
            { std::pair { "10 letters", false }, { "11 letters", true }, { "24 letters", true } });
    }
    void noFallbackPastTheCandidates()
    {
        QFETCH(bool, answers);
        const auto letterCount = static_cast<std::size_t>(std::stoi(QTest::currentDataTag()));
        const WordIndex index = oneLetterParts("abcdef");
        const auto script = std::make_shared<CheckerScript>(QSet<QString> { "fedcba", "abcdef" });
        ScriptedChecker checker(script);
        CompoundBudget budget = compoundBudgetFor(letterCount);
        if (budget.maxCandidates == CompoundBudget {}.maxCandidates)
            budget.maxCandidates = 100;
        const auto answer = indexedSearch("abcdef", index, checker, kMaxArrangementsTried, budget);
        QCOMPARE(answer.words.has_value(), answers);
        QCOMPARE(answer.fallback.empty(), answers);
        if (answers) {
            QCOMPARE(answer.candidates, std::size_t(720));
            QCOMPARE(resultFor(*answer.words).text, enumerated("abcdef", checker));
        }
    }
};

QTEST_GUILESS_MAIN(TestIndexedSearch)
#include "tst_indexedsearch.moc"
