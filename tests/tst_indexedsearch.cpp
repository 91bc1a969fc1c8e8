// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "search/Oracle.h"
#include "tests/support/ScriptedChecker.h"

#include <QTest>

namespace {

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

std::shared_ptr<CheckerScript> script(const QStringList &accepted)
{
    auto result = std::make_shared<CheckerScript>();
    result->accepted = QSet<QString>(accepted.begin(), accepted.end());
    return result;
}

} // namespace

class TestIndexedSearch : public QObject {
    Q_OBJECT

private slots:
    // Every input of up to 5 letters over a small alphabet, with a checker
    // that accepts a fixed set of strings in some cases only.
    void exhaustiveSmallInputs()
    {
        const QStringList accepted { "ab", "Ab", "bA", "aab", "ABA", "baA", "bab", "aabb", "BbAa",
            "abab", "baba", "abBa", "aaabb", "bAbaA", "bbbaa", "a", "B" };
        std::vector<std::string> forms;
        for (const QString &word : accepted)
            forms.push_back(word.toLower().toStdString());
        const WordIndex index = WordIndex::fromForms(forms);
        ScriptedChecker checker(script(accepted));
        std::vector<std::string> inputs { "" };
        for (int length = 1; length <= 5; ++length) {
            std::vector<std::string> longer;
            for (const std::string &s : inputs) {
                for (const char c : std::string("aAbB")) {
                    longer.push_back(s + c);
                    QCOMPARE(
                        indexed(longer.back(), index, checker), enumerated(longer.back(), checker));
                }
            }
            inputs = std::move(longer);
        }
    }

    // The index only names candidates: a word it holds that the checker
    // refuses is not found, and a failing question counts as "no".
    void onlyTheCheckerDecides()
    {
        const WordIndex index = WordIndex::fromForms({ "cat", "act", "tac" });
        auto answers = script({ "act", "tac" });
        answers->failing.insert(QStringLiteral("tac"));
        ScriptedChecker checker(answers);
        QCOMPARE(indexed("cat", index, checker), QStringLiteral("Done - Found 1 words: act"));
        QCOMPARE(answers->asked.size(), 3); // one question per candidate arrangement
    }

    void givesUp_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("limit");
        QTest::newRow("not letters") << "ca t" << 100;
        QTest::newRow("digits") << "cat1" << 100;
        QTest::newRow("nothing typed") << "" << 100;
        // aAaA: 6 spreads of case, times 2 forms = 12 questions.
        QTest::newRow("too many questions") << "aAaAb" << 11;
    }
    void givesUp()
    {
        QFETCH(QString, letters);
        QFETCH(int, limit);
        const WordIndex index = WordIndex::fromForms({ "aaaab", "baaaa", "cat" });
        ScriptedChecker checker(script({}));
        QVERIFY(
            !indexedSearch(letters.toStdString(), index, checker, static_cast<std::size_t>(limit)));
        QVERIFY(indexedSearch("aAaAb", index, checker, 12));
    }

    // With no candidate there is nothing to ask, however many spreads of
    // case the letters have.
    void noCandidateNeedsNoQuestion()
    {
        const WordIndex index = WordIndex::fromForms({ "cat" });
        auto answers = script({});
        ScriptedChecker checker(answers);
        const auto list = indexedSearch("aAbBcCdDeEfFgGhHiIjJ", index, checker, 10);
        QVERIFY(list && list->empty());
        QVERIFY(answers->asked.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIndexedSearch)
#include "tst_indexedsearch.moc"
