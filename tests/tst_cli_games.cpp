// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOutput.h"
#include "tests/support/Rows.h"
#include "tests/support/ToolFixture.h"
#include "wordgames/PlayerList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

// Where --wordlist points: a file of these bytes, or something else.
enum class ListFile { Bytes, Missing, Directory, Fifo, Huge };

struct WordListRow {
    const char *name;
    ListFile file;
    QByteArray bytes;
    ExitStatus status;
    QString out;
    QString err; // a piece of a line on standard error
};

// A game on a list of tests/data/wordgames/lists, in the language of its
// dictionary.
struct ListGameRow {
    const char *name;
    const char *language;
    const char *list;
    QStringList options;
    QString letters;
    QString out;
};

struct NotesRow {
    const char *name;
    GameMode mode;
    bool limited;
    std::string unfinished;
    QString note; // a piece of the last note
    CheckerAsked checker = CheckerAsked::Yes;
    std::size_t leftOut = 0; // candidates the budget left out
    bool atLeast = false; // their count cut short too
};

} // namespace

// The word games of quorvel-search, run as the tool runs them.
class TestCliGames : public QObject {
    Q_OBJECT

private slots:
    void game_data()
    {
        addRows<RunRow>({
            { "words", { "--some" }, "tca", Index::Forms, ExitStatus::Success, "act\ncat\n",
                "dictionary xx_XX (/dictionaries/xx_XX), engine Scripted" },
            { "JSON", { "--some", "--json" }, "tca", Index::Forms, ExitStatus::Success,
                R"([{"blanks":[[]],"letters":3,"words":["act"]},{"blanks":[[]],"letters":3,"words":["cat"]}])"
                "\n",
                "" },
            { "no index", { "--some" }, "tca", Index::Refused, ExitStatus::IndexRefused, "",
                "two encodings" },
            { "no forms within the letters", { "--phrases" }, "tca", Index::RefusedWithin,
                ExitStatus::IndexRefused, "", "too many forms" },
            // The refusal names the option given.
            { "no forms within a crossword's letters", { "--pattern", "c?t" }, "",
                Index::RefusedWithin, ExitStatus::IndexRefused, "", "--pattern" },
            { "stopped by --limit", { "--some", "--limit", "1" }, "tca", Index::Forms,
                ExitStatus::Success, "act\n", "--limit" },
            // What was found is printed, and that the budget stopped it told.
            // A language with no tile set gets a clear message, not zeros.
            { "no tile set", { "--some", "--scores" }, "tca", Index::Forms, ExitStatus::Usage, "",
                "--scores" },
            { "stopped by the budget", { "--some" }, "??????", Index::Forms, ExitStatus::Unfinished,
                "[a][c][t]\n[c][a][t]\n", "1000" },
        });
    }
    void game()
    {
        QFETCH(RunRow, row);
        ToolFixture tool(row.index);
        GameBudget budget;
        budget.maxCandidates = 1000;
        QCOMPARE(runGameTool(gameFor(row.options, row.letters), tool.services(), tool.io, budget),
            row.status);
        QCOMPARE(QString::fromUtf8(tool.out), row.out);
        QVERIFY2(tool.errText().contains(row.err), qPrintable(tool.errText()));
        QVERIFY(tool.box.shown().isEmpty());
    }

    // An index still being built is waited for, then the game is played.
    void gameWaitsForTheIndex()
    {
        ToolFixture tool(Index::Forms);
        tool.indexes.pendingFor = 2;
        QCOMPARE(runGameTool(gameFor({ "--some" }, "tca"), tool.services(), tool.io),
            ExitStatus::Success);
        QCOMPARE(tool.indexes.offers, 3);
        QCOMPARE(tool.out, QByteArray("act\ncat\n"));
    }

    // Without a checker the user is told as the whole-word search tells,
    // and nothing is printed.
    void gameWithoutChecker()
    {
        ToolFixture tool(Index::Forms);
        tool.checkers.creatable.clear();
        QCOMPARE(runGameTool(gameFor({ "--some" }, "tca"), tool.services(), tool.io),
            ExitStatus::NoChecker);
        QCOMPARE(tool.box.shown().size(), 1);
        QVERIFY(tool.out.isEmpty());
    }

    // A line a result, its words between single spaces, the letters blanks
    // stand for in brackets, a tab and the score where there is one; or one
    // JSON array, an object a result with its words, their letters, the
    // blanks' positions and the score where there is one.
    void formats()
    {
        const std::vector<GameResult> results { { { "dirt", "roomy" }, { {}, { 1 } }, {} },
            { { "angel" }, { { 0, 4 } }, 7 } };
        QCOMPARE(
            formatResults(results, GameFormat::Lines), QByteArray("dirt r[o]omy\n[a]nge[l]\t7\n"));
        const QJsonDocument document
            = QJsonDocument::fromJson(formatResults(results, GameFormat::Json));
        QVERIFY(document.isArray());
        const QJsonArray array = document.array();
        QCOMPARE(array.size(), 2);
        const QJsonObject first = array.first().toObject();
        QCOMPARE(first.value("words").toArray(), (QJsonArray { "dirt", "roomy" }));
        QCOMPARE(first.value("letters").toInt(), 9);
        QCOMPARE(first.value("blanks").toArray(), (QJsonArray { QJsonArray {}, QJsonArray { 1 } }));
        QVERIFY(!first.contains("score"));
        const QJsonObject last = array.last().toObject();
        QCOMPARE(last.value("letters").toInt(), 5);
        QCOMPARE(last.value("blanks").toArray(), (QJsonArray { QJsonArray { 0, 4 } }));
        QCOMPARE(last.value("score").toInt(), 7);
    }

    // After the count, where a limit or the budget stopped the game.
    void notes_data()
    {
        addRows<NotesRow>({
            { "all words", GameMode::Some, false, "", "1 word(s); candidate words: 7" },
            { "words past the limit", GameMode::Some, true, "", "after 1 of 2 words" },
            { "phrases past the limit", GameMode::Phrases, true, "", "there are more" },
            { "the budget", GameMode::Phrases, false, "the search took longer than its budget",
                "stopped early: the search took longer than its budget" },
            // On the player's list no checker is asked: no count of questions to it.
            { "words of a list", GameMode::Some, false, "", "1 word(s); candidate words: 7",
                CheckerAsked::No },
            { "phrases of a list", GameMode::Phrases, false, "", "1 phrase(s); candidate words: 7",
                CheckerAsked::No },
            { "what the budget left out", GameMode::Some, false, "a word had too many spellings",
                "3 candidate word(s) left out", CheckerAsked::Yes, 3 },
            { "at least what the budget left out", GameMode::Some, false,
                "the search for compounds named too many", "at least 5 candidate word(s)",
                CheckerAsked::Yes, 5, true },
        });
    }
    void notes()
    {
        QFETCH(NotesRow, row);
        GameQuery query;
        query.mode = row.mode;
        GameOutcome outcome;
        outcome.results = { { { "angel" }, {}, {} } };
        outcome.found = 2;
        outcome.candidates = 7;
        outcome.limited = row.limited;
        outcome.unfinished = row.unfinished;
        outcome.questions = 4321;
        outcome.leftOut = row.leftOut;
        outcome.leftOutAtLeast = row.atLeast;
        const auto notes = gameNotes(query, outcome, row.checker);
        QCOMPARE(notes.size(),
            (row.limited || !row.unfinished.empty() ? 2u : 1u) + (row.leftOut > 0 ? 1u : 0u));
        QVERIFY2(QString::fromStdString(notes.back()).contains(row.note), notes.back().c_str());
        // The questions are counted where the checker was asked, and only there.
        QCOMPARE(QString::fromStdString(notes.front()).contains(u"4321"),
            row.checker == CheckerAsked::Yes);
    }

    // The player's own list: its words judged by nothing but the list, the
    // checker never asked; a file that is no word list is refused, status 2.
    void wordList_data()
    {
        addRows<WordListRow>({
            { "the list's words", ListFile::Bytes, "# my list\nact\ncat\ntac\n",
                ExitStatus::Success, "act\ncat\ntac\n", "not asked" },
            { "no end of line", ListFile::Bytes, "act\ncat", ExitStatus::Success, "act\ncat\n",
                "2 word(s)" },
            { "lines as on Windows, spaces", ListFile::Bytes, " act \r\ncat\r\n",
                ExitStatus::Success, "act\ncat\n", "2 word(s)" },
            { "a word twice", ListFile::Bytes, "act\nact\n", ExitStatus::Success, "act\n",
                "1 word(s)" },
            { "a word with a digit", ListFile::Bytes, "act\nb2b\n", ExitStatus::Success, "act\n",
                "1 left out" },
            { "a word of letters beyond A to Z", ListFile::Bytes, "act\nna\xc3\xafve\n",
                ExitStatus::Success, "act\n", "2 word(s), 0 left out" },
            { "NUL bytes", ListFile::Bytes, QByteArray("act\nc\0t\n", 8), ExitStatus::Usage, "",
                "line 2" },
            { "not UTF-8", ListFile::Bytes, "act\n\xff\xfe\n", ExitStatus::Usage, "", "UTF-8" },
            { "a huge line", ListFile::Bytes, QByteArray(PlayerList::kMaxLine + 1, 'a'),
                ExitStatus::Usage, "", "line 1" },
            { "no word", ListFile::Bytes, "# nothing\n", ExitStatus::Usage, "", "no word" },
            { "missing", ListFile::Missing, {}, ExitStatus::Usage, "", "--wordlist" },
            { "a folder", ListFile::Directory, {}, ExitStatus::Usage, "", "not a regular file" },
            { "a FIFO", ListFile::Fifo, {}, ExitStatus::Usage, "", "not a regular file" },
            // The refusal names the bound, which the user can keep to.
            { "a file of a gigabyte", ListFile::Huge, {}, ExitStatus::Usage, "",
                QStringLiteral("%1 MB").arg(kMaxWordListBytes >> 20) },
        });
    }
    // A list's words of any alphabet are matched as the language's players
    // count letters, however its marks are written, and come in the
    // language's alphabetical order.
    void wordListLanguages_data()
    {
        const QStringList some { "--some", "--min-length", "3" };
        const QStringList alpha = some + QStringList { "--sort", "alpha" };
        addRows<ListGameRow>({
            { "é is e in French", "fr", "fr.txt", some, "ete", "été\ntee\n" },
            { "marks written apart", "fr", "fr-nfd.txt", some, "ete", "été\ntee\n" },
            { "French order", "fr", "fr.txt", some, "eeftzu", "été\nfée\ntee\nzut\n" },
            { "French order, --sort alpha", "fr", "fr.txt", alpha, "eehftzu",
                "été\nfée\ntee\nthé\nzut\n" },
            { "a is not ą in Polish", "pl_PL", "pl.txt", some, "tak", "kat\n" },
            { "ą is its own letter", "pl_PL", "pl.txt", some, "tąk", "kąt\n" },
            { "Polish order: ł before n", "pl_PL", "pl.txt", some, "łanm", "łan\nnam\n" },
            { "c is not č in Czech", "cs_CZ", "cs.txt", some, "sac", "cas\n" },
            { "Czech order: č before d", "cs_CZ", "cs.txt", alpha, "časdr", "čas\ndar\n" },
            { "Greek accent and final sigma", "el_GR", "el.txt", some, "γοσολ", "λόγος\n" },
            { "German order: ä with a", "de_DE", "de.txt", some, "bärus", "Bär\nBus\n" },
            { "a crossword's open square, ą among its letters", "pl_PL", "pl.txt",
                { "--pattern", "k?t" }, "", "kat\nkąt\n" },
            { "a crossword's letter no word has", "pl_PL", "pl.txt", { "--pattern", "x?t" }, "",
                "" },
        });
    }
    void wordListLanguages()
    {
        QFETCH(ListGameRow, row);
        GameCommand command = gameFor(row.options
                + QStringList { "--wordlist",
                    QStringLiteral(QUORVEL_TEST_DATA "/wordgames/lists/") + row.list },
            row.letters);
        command.listLanguage = row.language;
        ToolFixture tool(Index::Forms);
        QCOMPARE(runGameTool(command, tool.services(), tool.io), ExitStatus::Success);
        QCOMPARE(QString::fromUtf8(tool.out), row.out);
        QVERIFY(tool.checkers.script->asked.isEmpty());
    }

    void wordList()
    {
        QFETCH(WordListRow, row);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString path = folder.filePath("list.txt");
        QFile file(path);
        switch (row.file) {
        case ListFile::Bytes:
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(row.bytes), row.bytes.size());
            file.close();
            break;
        case ListFile::Missing:
            break;
        case ListFile::Directory:
            path = folder.path();
            break;
        case ListFile::Fifo:
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case ListFile::Huge:
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30)); // sparse: nothing is written
            file.close();
            break;
        }
        ToolFixture tool(Index::Forms);
        QCOMPARE(runGameTool(gameFor({ "--some", "--min-length", "3", "--wordlist", path }, "tca"),
                     tool.services(), tool.io),
            row.status);
        QCOMPARE(QString::fromUtf8(tool.out), row.out);
        QVERIFY2(tool.errText().contains(row.err), qPrintable(tool.errText()));
        // The dictionary's checker was never made, let alone asked.
        QVERIFY(tool.checkers.script->asked.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliGames)
#include "tst_cli_games.moc"
