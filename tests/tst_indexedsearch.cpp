// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "search/Oracle.h"
#include "tests/support/AllStrings.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"

#include <QTest>

namespace {

struct GiveUpRow {
    const char *name;
    std::string letters;
    std::size_t limit;
};

// What the run over every arrangement, in counter order, finds.
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

QString indexed(const std::string &letters, const WordIndex &index, SpellChecker &checker)
{
    const auto list = indexedSearch(letters, index, checker);
    return list ? resultFor(*list).text : QStringLiteral("(none)");
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
        std::vector<std::string> forms;
        for (const QString &word : accepted)
            forms.push_back(word.toLower().toStdString());
        const WordIndex index = WordIndex::fromForms(forms);
        ScriptedChecker checker(std::make_shared<CheckerScript>(accepted));
        for (const std::string &letters : allStrings("aAbB", 5))
            QCOMPARE(indexed(letters, index, checker), enumerated(letters, checker));
    }

    // The index only names candidates: only they are asked about, a word it
    // holds that the checker refuses is not found, and a failing question
    // counts as "no". With no candidate there is nothing to ask, however many
    // spreads of case the letters have.
    void onlyCandidatesAreAsked()
    {
        const WordIndex index = WordIndex::fromForms({ "cat", "act", "tac" });
        const auto answers = std::make_shared<CheckerScript>(
            QSet<QString> { "act", "tac" }, QSet<QString> { "tac" });
        ScriptedChecker checker(answers);
        const auto none = indexedSearch("aAbBcCdDeEfFgGhHiIjJ", index, checker, 10);
        QVERIFY(none && none->empty());
        QVERIFY(answers->asked.isEmpty());
        QCOMPARE(indexed("cat", index, checker), QStringLiteral("Done - Found 1 words: act"));
        QCOMPARE(answers->asked.size(), 3); // one question per candidate arrangement
    }

    void givesUp_data()
    {
        // aAaA: 6 spreads of case, times 2 forms = 12 questions.
        addRows<GiveUpRow>({
            { "not letters", "ca t", 100 },
            { "digits", "cat1", 100 },
            { "nothing typed", "", 100 },
            { "too many questions", "aAaAb", 11 },
        });
    }
    void givesUp()
    {
        QFETCH(GiveUpRow, row);
        const WordIndex index = WordIndex::fromForms({ "aaaab", "baaaa", "cat" });
        ScriptedChecker checker(std::make_shared<CheckerScript>());
        QVERIFY(!indexedSearch(row.letters, index, checker, row.limit));
        QVERIFY(indexedSearch("aAaAb", index, checker, 12));
    }
};

QTEST_GUILESS_MAIN(TestIndexedSearch)
#include "tst_indexedsearch.moc"
