// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/CheckerQuestions.h"
#include "spelling/LoadedDictionary.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"
#include "wordgames/GameRun.h"
#include "wordindex/IndexBuilder.h"

#include <QTest>
#include <set>

namespace {

struct DictionaryRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    QStringList pools; // letters and blanks
    QString sample; // a word (lower case) both must find in the first pool
};

using WordSet = std::set<std::string>;

QStringList listOf(const WordSet &words)
{
    QStringList list;
    for (const std::string &word : words)
        list.append(QString::fromStdString(word));
    return list;
}

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The words of some of the pool's letters by their definition: every
// string of them, of two letters on, each blank any letter, asked in lower
// case, capitalised and in capitals.
class Reference {
public:
    explicit Reference(SpellChecker &checker)
        : m_checker(checker)
    {
    }

    WordSet words(LetterPool pool)
    {
        std::string prefix;
        extend(pool, prefix);
        return m_found;
    }

private:
    void extend(LetterPool &pool, std::string &prefix)
    {
        for (char c = 'a'; c <= 'z'; ++c) {
            auto &count = pool.counts[static_cast<std::size_t>(c - 'a')];
            const bool blank = count == 0; // a letter there goes before a blank
            if (blank && pool.blanks == 0)
                continue;
            blank ? --pool.blanks : --count;
            prefix.push_back(c);
            if (prefix.size() >= 2
                && (testword(m_checker, prefix)
                    || testword(m_checker, upper(prefix.substr(0, 1)) + prefix.substr(1))
                    || testword(m_checker, upper(prefix))))
                m_found.insert(prefix);
            extend(pool, prefix);
            prefix.pop_back();
            blank ? ++pool.blanks : ++count;
        }
    }

    SpellChecker &m_checker;
    WordSet m_found;
};

constexpr char kFlag[] = "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n";

} // namespace

class TestGameCompounds : public QObject {
    Q_OBJECT

private slots:
    // Each row a way the engines join words (or add affixes), on pools
    // small enough to try every string: the games find exactly the words
    // the reference finds, with each engine that loads the files and the
    // index read as that engine reads them, and each word is accepted as
    // printed.
    void sameAsEveryString_data()
    {
        addRows<DictionaryRow>({
            { "COMPOUNDFLAG", kFlag, "3\nab/X\ncd/X\nef\n", { "abcd", "cdab?", "abab" }, "abcd" },
            { "COMPOUNDBEGIN, COMPOUNDMIDDLE, COMPOUNDEND",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\nCOMPOUNDMIN 1\n",
                "3\nab/B\nc/M\nde/E\n", { "abcde", "abde?" }, "abcde" },
            { "ONLYINCOMPOUND", "COMPOUNDFLAG X\nONLYINCOMPOUND O\nCOMPOUNDMIN 2\n",
                "2\nab/X\ncd/OX\n", { "abcd?" }, "cdab" },
            { "COMPOUNDRULE", "COMPOUNDMIN 1\nCOMPOUNDRULE 1\nCOMPOUNDRULE AB*\n", "2\nab/A\nc/B\n",
                { "abcc?" }, "abcc" },
            { "a capital at the start of a part", kFlag, "2\nAb/X\ncd/X\n", { "abcd", "abc?" },
                "abcd" },
            { "CHECKCOMPOUNDPATTERN with a replacement",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "2\nfooo/X\nbbar/X\n", { "foozbar" }, "foozbar" },
            { "SIMPLIFIEDTRIPLE",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 2\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n",
                "2\nabb/X\nbcd/X\n", { "abbcd", "abcd?" }, "abbcd" },
            { "a suffix, and a blank for it", "SFX S Y 1\nSFX S 0 s .\n", "1\ncat/S\n",
                { "cats", "cat?" }, "cats" },
        });
    }
    void sameAsEveryString()
    {
        QFETCH(DictionaryRow, row);
        TempFolder folder;
        const QByteArray aff = "SET UTF-8\n" + row.aff;
        folder.write(QStringLiteral("xx.aff"), aff);
        folder.write(QStringLiteral("xx.dic"), row.dic);
        const std::filesystem::path base = folder.path(QStringLiteral("xx")).toStdString();
        int engines = 0;
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, base);
            if (!loaded)
                continue;
            ++engines;
            const auto checker = loaded->checker();
            // Both kinds of index: every form kept, or the stems whose
            // forms within the letters (and blanks) are made when asked.
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems })
                checkPools(row, *checker, engineName(engine),
                    buildWordIndex(aff.toStdString(), row.dic.toStdString(), dialectOf(engine), {},
                        nullptr, kind));
        }
        QVERIFY2(engines > 0, "neither engine loads the row's dictionary");
    }

private:
    static void checkPools(const DictionaryRow &row, SpellChecker &checker, const char *engine,
        const WordIndexBuild &build)
    {
        QVERIFY2(build.forms, build.refusal.c_str());
        for (const QString &typed : row.pools) {
            GameQuery query;
            query.pool = std::get<LetterPool>(parsePool(typed.toStdString()));
            const FormsWithin within = build.forms->within(query.pool.reach());
            QVERIFY2(within.index, within.unfinished.c_str());
            const GameOutcome outcome = playGame(query, *within.index, checker);
            QVERIFY(outcome.unfinished.empty());
            WordSet found;
            for (const GameResult &result : outcome.results) {
                const std::string &word = result.words.front();
                QVERIFY2(testword(checker, word), word.c_str());
                found.insert(QString::fromStdString(word).toLower().toStdString());
            }
            const WordSet expected = Reference(checker).words(query.pool);
            QCOMPARE(listOf(found), listOf(expected));
            if (typed == row.pools.first())
                QVERIFY2(found.contains(row.sample.toStdString()), engine);
        }
    }
};

QTEST_GUILESS_MAIN(TestGameCompounds)
#include "tst_gamecompounds.moc"
