// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A word hunt and a phrase search at the end of their budgets and time,
// and the compounds a hunt takes without a question.
#include "tests/support/OneLetterParts.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/PhraseSearch.h"
#include "wordgames/WordHunt.h"

#include <QTest>

namespace {

using namespace FormRole;

// A hunt's budget of compounds judged, and what it says it left out.
struct LeftOutRow {
    const char *name;
    std::size_t budget;
};

} // namespace

class TestWordHunts : public QObject {
    Q_OBJECT

private slots:
    // Every string of two or three letters is a compound of one-letter
    // parts: past the budget the rest are counted, not judged, and the hunt
    // says how many it left out; at least so many where even the count
    // passes its bound.
    void leftOutIsCounted_data()
    {
        addRows<LeftOutRow>({
            { "every compound judged", 20000 },
            { "the rest counted to the end", 10000 },
            { "the count cut short too", 8000 },
        });
    }
    void leftOutIsCounted()
    {
        QFETCH(LeftOutRow, row);
        const WordIndex index = oneLetterParts("abcdefghijklmnopqrstuvwxyz");
        ScriptedChecker checker(std::make_shared<CheckerScript>(QSet<QString> { "ab", "zzz" }));
        WordQuery query;
        query.pool.blanks = 3;
        query.minLength = 2;
        query.maxLength = 3;
        HuntBudget budget;
        budget.maxCandidates = row.budget;
        budget.threads = 1;
        // The naming is told as it goes, against the bound of the count.
        std::size_t named = 0;
        std::size_t bound = 0;
        budget.naming = [&](std::size_t sofar, std::size_t most) {
            named = sofar;
            bound = most;
        };
        const WordHunt hunt = huntWords(index, checker, query, budget);
        QCOMPARE(bound, row.budget * HuntBudget::kCountedPast);
        QVERIFY(named > 0);
        const std::size_t strings = 26 * 26 + 26 * 26 * 26;
        const std::size_t counted = std::min(strings, row.budget * HuntBudget::kCountedPast);
        const std::size_t judged = std::min(strings, row.budget);
        QVERIFY(named <= counted);
        QCOMPARE(hunt.leftOut, counted - judged);
        QCOMPARE(hunt.leftOutAtLeast, counted < strings);
        QCOMPARE(hunt.candidates, judged);
        QCOMPARE(hunt.unfinished.empty(), judged == strings);
        if (judged < strings)
            QVERIFY2(hunt.unfinished.find(std::to_string(hunt.leftOut)) != std::string::npos,
                hunt.unfinished.c_str());
    }
    // A hunt past its time stops after the word it was judging, not after
    // its chunk of words, and counts the rest as left out.
    void lateHuntStopsAtOnce()
    {
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        for (char a = 'a'; a <= 'z'; ++a) {
            for (char b = 'a'; b <= 'z'; ++b)
                forms.emplace_back(std::string { a, b }, Word);
        }
        const WordIndex index = WordIndex::fromForms(forms, CompoundSettings {});
        ScriptedChecker checker(std::make_shared<CheckerScript>(QSet<QString> { "ab" }));
        WordQuery query;
        query.pool.blanks = 2;
        query.compounds = false;
        HuntBudget budget;
        budget.deadline = std::chrono::steady_clock::now() - std::chrono::seconds(1);
        budget.threads = 1;
        const WordHunt hunt = huntWords(index, checker, query, budget);
        // The index keeps ab and ba under one key, which is judged whole.
        const std::size_t keys = 26 * 27 / 2;
        QCOMPARE(hunt.leftOut, keys - 1);
        QVERIFY2(hunt.unfinished.find(std::to_string(hunt.leftOut)) != std::string::npos,
            hunt.unfinished.c_str());
    }
    // Phrases past their budget stop the search, the first ones kept.
    void phraseBudget()
    {
        std::vector<FoundWord> words;
        for (const char *word : { "aa", "ab", "bb" })
            words.push_back({ word, countLetters(word) });
        PhraseBudget budget;
        budget.maxPhrases = 1;
        const Phrases phrases = findPhrases(
            words, { std::get<LetterPool>(parsePool("aabb")), 2, nullptr, {}, {}, {} }, budget);
        QCOMPARE(phrases.phrases, (std::vector<std::vector<std::uint32_t>> { { 0, 2 } }));
        QVERIFY(!phrases.unfinished.empty());
        QVERIFY(!phrases.more);
    }

    // A compound of parts that leave no doubt (FormRole::Sure) is found in
    // small letters without a question; one with a part in doubt is asked.
    void sureCompoundsAreNotAsked()
    {
        const WordIndex index = sureAndDoubtfulParts();
        const auto script = std::make_shared<CheckerScript>();
        ScriptedChecker checker(script);
        WordQuery query;
        query.pool.counts = countLetters("abcd");
        query.pool.blanks = 2;
        query.minLength = 4;
        query.maxLength = 4;
        const WordHunt hunt = huntWords(index, checker, query);
        QStringList found;
        for (const FoundWord &word : hunt.words)
            found.append(QString::fromStdString(word.text));
        found.sort();
        // Two blanks make abab and cdcd too; abef, efab, cdef and efcd
        // have a part in doubt: each asked in small letters, capitalised and
        // in capitals, and refused.
        QCOMPARE(found, (QStringList { "abab", "abcd", "cdab", "cdcd" }));
        QCOMPARE(hunt.candidates, std::size_t(8));
        QCOMPARE(hunt.questions, std::size_t(12));
        QCOMPARE(script->asked.size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestWordHunts)
#include "tst_wordhunts.moc"
