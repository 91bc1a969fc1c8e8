// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"
#include "letters/Alphabet.h"
#include "search/LooseSearch.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordgames/GameRun.h"
#include "wordgames/LooseTiles.h"
#include "wordindex/IndexBuilder.h"

#include <QTest>
#include <array>

namespace {

// Some tiles in tests/data/wordgames/own/fr, where the parts dö and mi
// make compounds and French counts o, ô and ö as one letter: the words
// printed, and of the strings the checker was asked those spelt with the
// row's key letters (case and marks aside), some that must be asked and
// some that must not.
struct JudgeRow {
    const char *name;
    const char *letters;
    QStringList options;
    QStringList lines;
    QStringList asked;
    QStringList notAsked;
};

// What the checker takes: the dictionary's words and its compounds.
const QSet<QString> kAccepted { "côte", "coté", "cote", "École", "Straße", "STRASSE", "łza",
    "crème", "tête", "Noël", "dômi", "dömi", "midö", "midömi" };

constexpr std::array kBothKinds { IndexKind::Forms, IndexKind::Stems };

std::variant<GameQuery, std::string> queryFor(
    const QStringList &options, const Alphabet &alphabet, const QString &letters)
{
    QCommandLineParser parser;
    const GameOptions games;
    games.addTo(parser);
    if (!parser.parse(QStringList { "tool" } + options))
        qFatal("%s", qPrintable(parser.errorText()));
    auto read = games.read(parser, letters);
    if (const auto *refusal = std::get_if<CommandRefusal>(&read))
        qFatal("%s", qPrintable(refusal->message));
    GameQuery query = std::get<GameCommand>(read).query;
    if (auto outside = bindLetters(query, std::make_shared<const GameLetters>(alphabet, "fr")))
        return std::move(*outside);
    return query;
}

} // namespace

// How the hunt for --some and --phrases judges the compounds of a game's
// tiles in a dictionary whose letters go beyond the index's key letters.
class TestWordJudge : public QObject {
    Q_OBJECT

private slots:
    void compoundSpellings_data()
    {
        addRows<JudgeRow>({
            // Each o tile may be o, ô or ö; only dö spells that letter, as ö
            // (dômi is a word of the dictionary, asked as it spells itself).
            { "asked in the marks its parts spell", "mido", { "--some", "--min-length", "4" },
                { "dômi", "dömi", "midö" }, { "midö", "dömi" }, { "midô", "Midô", "MIDÔ" } },
            // The plain spelling stays: in capitals the checker may take
            // it for a letter the parts spell otherwise (SS for ß).
            { "the plain spelling still asked", "mido", { "--some", "--min-length", "4" },
                { "dômi", "dömi", "midö" }, { "mido", "Mido", "MIDO" }, {} },
            { "in phrases too", "midomi", { "--phrases", "1", "--min-length", "6" }, { "midömi" },
                { "midömi", "midomi" }, { "midômi", "Midômi" } },
        });
    }
    void compoundSpellings()
    {
        QFETCH(JudgeRow, row);
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build = buildWordIndexFromFiles(
                QUORVEL_TEST_DATA "/wordgames/own/fr", Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms && build.alphabet, build.refusal.c_str());
            const auto read = queryFor(row.options, *build.alphabet, row.letters);
            QVERIFY(std::holds_alternative<GameQuery>(read));
            auto query = std::get<GameQuery>(read);
            // The tiles over the alphabet, as the command line makes them.
            const LooseAlphabet loose("fr", build.alphabet->letters());
            auto tiles = LooseTiles::of(query.pool, loose, build.alphabet->letters());
            QVERIFY(std::holds_alternative<LooseTiles>(tiles));
            query.looseTiles = &std::get<LooseTiles>(tiles);
            const FormsWithin within
                = build.forms->withinUpTo(query.pool.reach(), query.pool.size());
            QVERIFY(within.index);
            const auto script = std::make_shared<CheckerScript>(kAccepted);
            ScriptedChecker checker(script);
            const GameOutcome outcome = playGame(query, *within.index, checker);
            QVERIFY(outcome.unfinished.empty());
            QStringList lines;
            for (const GameResult &result : outcome.results) {
                QStringList words;
                for (const std::string &word : result.words)
                    words.append(QString::fromStdString(word));
                lines.append(words.join(u' '));
            }
            lines.sort();
            QCOMPARE(lines, row.lines);
            for (const QString &spelling : row.asked)
                QVERIFY2(script->asked.contains(spelling), qPrintable(spelling));
            for (const QString &spelling : row.notAsked)
                QVERIFY2(!script->asked.contains(spelling), qPrintable(spelling));
        }
    }
};

QTEST_GUILESS_MAIN(TestWordJudge)
#include "tst_wordjudge.moc"
