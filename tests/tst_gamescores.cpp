// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"
#include "cli/GameOutput.h"
#include "tests/support/GameLexicon.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordgames/GameRun.h"
#include "wordgames/TileSet.h"

#include <QFile>
#include <QTest>

namespace {

using namespace GameLexicon;

// A command line of the games, and the lines they print.
struct GameRow {
    const char *name;
    QStringList options;
    QString letters;
    QStringList lines; // each result as printed
};

// What the tests' tile set makes a word worth, blanks at these positions.
struct ScoreRow {
    const char *name;
    const char *word;
    std::vector<std::size_t> blanks;
    unsigned score;
};

// A table of tiles that is wrong, and what its refusal names.
struct TableRow {
    const char *name;
    const char *table;
    const char *named;
};

// The tests' own tile set (tests/data/wordgames/tiles.txt).
TileSet testTiles()
{
    QFile file(QStringLiteral(QUORVEL_TEST_DATA "/wordgames/tiles.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no tiles.txt");
    const QByteArray text = file.readAll();
    auto sets = TileSet::parse(std::string_view(text.constData(), text.size()));
    if (const auto *why = std::get_if<std::string>(&sets))
        qFatal("%s", why->c_str());
    return std::get<std::vector<TileSet>>(sets).front();
}

} // namespace

// Scores and tiles: a word's value, the letters blanks stand for, the
// orders of words, and the tables of tiles.
class TestGameScores : public QObject {
    Q_OBJECT

private slots:
    // Scores, blanks marked and the orders of words, with the tests' tiles.
    void scores_data()
    {
        addRows<GameRow>({
            { "each word's value", { "--some", "--scores", "--min-length", "5" }, "lgnae",
                { "angel\t6", "angle\t6", "Galen\t6", "glean\t6" } },
            { "a blank worth 0, marked", { "--some", "--scores", "--min-length", "5" }, "?ngel",
                { "[a]ngel\t5", "[a]ngle\t5", "G[a]len\t5", "gle[a]n\t5" } },
            { "the last letter is the blank's", { "--some", "--scores", "--pattern", "a??" }, "ab?",
                { "ab[a]\t4" } },
            { "blanks marked without scores", { "--some", "--min-length", "3" }, "??", {} },
            { "two blanks", { "--some" }, "a??",
                { "a[b][a]", "a[l][e]", "[b]a[a]", "[g]a[l]", "[l]a[g]", "[n]a[g]", "a[a]", "a[b]",
                    "a[n]", "[b][b]" } },
            { "highest score first",
                { "--some", "--scores", "--sort", "score", "--min-length", "3" }, "bagle",
                { "gal\t4", "gel\t4", "lag\t4", "leg\t4", "ale\t3" } },
            { "longest first", { "--some", "--sort", "length", "--min-length", "3" }, "bagle",
                { "ale", "gal", "gel", "lag", "leg" } },
            { "alphabetical", { "--some", "--sort", "alpha" }, "lgnae",
                { "ale", "an", "angel", "angle", "gal", "Galen", "gel", "glean", "lag", "lean",
                    "leg", "nag" } },
            { "a phrase's blanks and score", { "--phrases", "--scores" }, "abab?",
                { "ab ab[a]\t8", "ab ba[a]\t8", "aba b[b]\t8", "baa b[b]\t8" } },
            { "a crossword has no blanks", { "--pattern", "gl???", "--scores" }, "",
                { "glean\t6" } },
        });
    }
    void scores()
    {
        QFETCH(GameRow, row);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        const WordIndex index = WordIndex::fromForms(kForms, settings);
        ScriptedChecker checker(std::make_shared<CheckerScript>(acceptedWords()));
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        QVERIFY(parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + row.options)));
        auto read = games.read(parser, row.letters);
        QVERIFY(std::holds_alternative<GameCommand>(read));
        GameCommand command = std::get<GameCommand>(read);
        if (command.scores)
            command.query.scores = testTiles();
        const GameOutcome outcome = playGame(command.query, index, checker);
        const QString printed
            = QString::fromUtf8(formatResults(outcome.results, GameFormat::Lines));
        QCOMPARE(printed.split(u'\n', Qt::SkipEmptyParts), row.lines);
    }

    // A word's value: a tile of two letters before its letters, none for a
    // letter the set has no tile for, any case.
    void tileScore_data()
    {
        addRows<ScoreRow>({
            { "letters", "bagel", {}, 8 },
            { "capitals", "BAGEL", {}, 8 },
            { "a blank", "bagel", { 0 }, 5 },
            { "two blanks", "bagel", { 0, 4 }, 4 },
            { "a tile of two letters", "ach", {}, 6 },
            { "a blank for a tile of two letters", "ach", { 2 }, 1 },
            { "its letters apart", "hac", {}, 7 },
            { "a letter with no tile", "ax", {}, 1 },
            { "a capital beyond A to Z", "AÑO", {}, 10 },
            // A letter the set has no tile for as the tiles players spell it with.
            { "a mark the set has no tile for", "b\u00e9b\u00e9", {}, 8 },
            { "a capital with such a mark", "\u00c9G\u00c9E", {}, 5 },
            { "a blank for such a letter", "b\u00e9b\u00e9", { 1 }, 7 },
            { "\u0153 as its two letters", "\u0153il", {}, 3 },
        });
    }
    void tileScore()
    {
        QFETCH(ScoreRow, row);
        QCOMPARE(testTiles().score(row.word, row.blanks), row.score);
    }

    // A table that is wrong is refused with the line that is wrong.
    void tileTables_data()
    {
        addRows<TableRow>({
            { "a tile before any section", "a 1 2\n", "line 1" },
            { "a value not a number", "[qq]\na x 2\n", "line 2" },
            { "no tiles of a letter", "[qq]\na 1 0\n", "line 2" },
            { "a value past the bound", "[qq]\na 1001 1\n", "line 2" },
            { "two fields", "[qq]\na 1\n", "line 2" },
            { "two letters not in []", "[qq]\nch 1 1\n", "line 2" },
            { "a capital", "[qq]\nA 1 1\n", "line 2" },
            { "a tile twice", "# twice\n[qq]\na 1 1\na 2 1\n", "line 4" },
            { "a section of no language", "[ ]\n", "line 1" },
        });
    }
    void tileTables()
    {
        QFETCH(TableRow, row);
        const auto parsed = TileSet::parse(row.table);
        const auto *why = std::get_if<std::string>(&parsed);
        QVERIFY(why);
        QVERIFY2(why->starts_with(std::string(row.named) + ":"), why->c_str());
    }

    // The program's own table: every language the players asked for has a
    // set, each with blanks and tiles; a language without one has none.
    void programTiles_data()
    {
        addRows<ScoreRow>({
            { "en_US", "quiz", {}, 22 },
            { "fr", "whisky", {}, 36 },
            { "de_DE", "Quiz", {}, 15 },
            { "es_ES", "chorro", {}, 15 }, // CH and RR are tiles of their own
            { "it_IT", "zucchero", {}, 27 },
            { "nl", "quiz", {}, 19 },
            { "pl_PL", "\u017c\u00f3\u0142w", {}, 14 }, // żółw
            { "pt_BR", "xadrez", {}, 21 },
            { "sv_SE", "kaffe", {}, 10 },
            { "nb_NO", "fjord", {}, 10 },
            { "da_DK", "hygge", {}, 15 },
            { "cs_CZ", "xylofon", {}, 21 },
            { "el_GR", "\u03c8\u03c5\u03c7\u03b7", {}, 21 }, // ψυχη
            { "ru_RU", "\u0449\u0443\u043a\u0430", {}, 15 }, // щука
            { "tr_TR", "\u00e7ay", {}, 8 },
            // été, cœur, Straße, ёж: as E T E, C O E U R, S T R A S S E, Е Ж.
            { "fr_FR", "\u00e9t\u00e9", {}, 3 },
            { "fr_BE", "c\u0153ur", {}, 7 },
            { "de_AT", "Stra\u00dfe", {}, 7 },
            { "ru", "\u0451\u0436", {}, 6 },
        });
    }
    // The program's own table: every language the players asked for has a
    // set, and a word worked out by hand from the published set scores so.
    void programTiles()
    {
        QFETCH(ScoreRow, row);
        const auto tiles = TileSet::forLanguage(row.name);
        QVERIFY(tiles);
        QVERIFY(tiles->blanks() > 0);
        QCOMPARE(tiles->score(row.word, row.blanks), row.score);
        QVERIFY(!TileSet::forLanguage("hu_HU"));
    }

    // Each set has as many tiles as the published one, blanks included: a
    // count mistyped in the table shows here.
    void programTileTotals_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<unsigned>("total");
        const std::pair<const char *, unsigned> sets[] = { { "en_US", 100 }, { "fr", 102 },
            { "de_DE", 102 }, { "es_ES", 100 }, { "it_IT", 120 }, { "nl", 102 }, { "pl_PL", 100 },
            { "pt_BR", 120 }, { "sv_SE", 100 }, { "nb_NO", 100 }, { "da_DK", 100 },
            { "cs_CZ", 100 }, { "el_GR", 104 }, { "ru_RU", 104 }, { "tr_TR", 100 } };
        for (const auto &[language, total] : sets)
            QTest::newRow(language) << QString::fromLatin1(language) << total;
    }
    void programTileTotals()
    {
        QFETCH(QString, language);
        QFETCH(unsigned, total);
        const auto tiles = TileSet::forLanguage(language.toStdString());
        QVERIFY(tiles);
        unsigned count = tiles->blanks();
        for (const TileSet::Tile &tile : tiles->tiles())
            count += tile.count;
        QCOMPARE(count, total);
    }
};

QTEST_GUILESS_MAIN(TestGameScores)
#include "tst_gamescores.moc"
