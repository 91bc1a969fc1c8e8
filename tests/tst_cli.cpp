// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AnalysisTool.h"
#include "cli/GameOptions.h"
#include "cli/GameOutput.h"
#include "cli/GameTool.h"
#include "cli/ProgressLine.h"
#include "cli/QueryLines.h"
#include "cli/ToolIo.h"
#include "search/HeadlessView.h"
#include "tests/support/FakeIndexSource.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/PlayerList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

// Which word index the dictionary has.
enum class Index {
    Forms, // every form of act and cat, and every letter as a compound's part
    Refused, // none: the index source refuses it
    RefusedWithin, // one that cannot tell the forms within the letters
};

// A run of the tool: its options, its letters, and what it ends with.
struct RunRow {
    const char *name;
    QStringList options;
    QString letters;
    Index index;
    ExitStatus status;
    QString out;
    QString err; // a piece of a line on standard error
};

// Lines of standard input, how each is answered, and what the run gives.
struct LinesRow {
    const char *name;
    QByteArray input;
    QHash<QString, ExitStatus> failing; // the others are answered
    QStringList answered; // the letters asked, in order
    int errLines; // told on standard error by the loop itself
    ExitStatus status;
};

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

struct NotesRow {
    const char *name;
    GameMode mode;
    bool limited;
    std::string unfinished;
    QString note; // a piece of the last note
};

// A clock the test moves on by hand.
struct HandClock {
    std::chrono::steady_clock::time_point now {};
    void advance(std::chrono::milliseconds time) { now += time; }
};

// An index of stems that cannot make the forms within any letters.
class RefusingForms final : public FormSource {
public:
    FormsWithin within(std::string_view, const std::function<bool()> &) const override
    {
        return { nullptr, "the letters have too many forms" };
    }
    const CompoundSettings &compounds() const override { return m_settings; }
    const std::vector<std::uint64_t> &image() const override { return m_image; }
    std::size_t size() const override { return 0; }
    std::size_t memoryBytes() const override { return 0; }
    bool keepsForms() const override { return false; }

private:
    CompoundSettings m_settings;
    std::vector<std::uint64_t> m_image;
};

const std::filesystem::path kDictionary("/dictionaries/xx_XX");

// The services of a run over a dictionary of act and cat, and what it writes.
struct ToolFixture {
    explicit ToolFixture(Index index)
    {
        checkers.script->accepted = { "act", "cat", "hello" };
        checkers.script->dictionary = kDictionary;
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        std::vector<std::pair<std::string, std::uint8_t>> forms { { "act", FormRole::Word },
            { "cat", FormRole::Word } };
        for (char c = 'a'; c <= 'z'; ++c)
            forms.emplace_back(std::string(1, c), FormRole::Parts);
        if (index == Index::Forms)
            indexes.index
                = std::make_shared<const KeptForms>(WordIndex::fromForms(forms, settings));
        else if (index == Index::RefusedWithin)
            indexes.index = std::make_shared<const RefusingForms>();
        else
            indexes.refusal = "the affix file has two encodings";
        // The letters of its words, and a few more of other alphabets.
        indexes.alphabet
            = std::make_shared<const Alphabet>(*Alphabet::of({ "a", "c", "t", "é", "ς" }));
        io.out = [this](const QByteArray &bytes) { out += bytes; };
        io.errLine = [this](const std::string &line) { err.append(QString::fromStdString(line)); };
    }

    [[nodiscard]] ToolServices services() { return { checkers, indexes, box, terminator }; }
    [[nodiscard]] QString errText() const { return err.join(u'\n'); }

    ScriptedCheckerFactory checkers;
    FakeIndexSource indexes;
    FakeMessageBox box;
    FlagTerminator terminator;
    ToolIo io;
    QByteArray out;
    QStringList err;
};

GameCommand gameFor(const QStringList &options, const QString &letters)
{
    QCommandLineParser parser;
    const GameOptions games;
    games.addTo(parser);
    if (!parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + options)))
        qFatal("%s", qPrintable(parser.errorText()));
    return std::get<GameCommand>(games.read(parser, letters));
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    // The line shows from a second on, with the count, the rate and the
    // time left, is drawn at most five times a second and cleared at the end.
    void progressLine()
    {
        HandClock clock;
        QStringList written;
        ProgressLine line(
            [&](const std::string &text) { written.append(QString::fromStdString(text)); },
            [&clock] { return clock.now; });
        line.update(0, 1000, "words");
        clock.advance(std::chrono::milliseconds(900));
        line.update(500, 1000, "words");
        line.clear();
        QVERIFY(written.isEmpty()); // a short run shows nothing, and clears nothing
        clock.advance(std::chrono::milliseconds(600)); // 1.5 s: 600 done, 400/s
        line.update(600, 1000, "words");
        QCOMPARE(written.size(), 1);
        QVERIFY2(written.last().contains("600") && written.last().contains("1000")
                && written.last().contains("400") && written.last().contains(" 1 s"),
            qPrintable(written.last()));
        clock.advance(std::chrono::milliseconds(100));
        line.update(700, 1000, "words");
        QCOMPARE(written.size(), 1);
        clock.advance(std::chrono::milliseconds(100));
        line.update(800, 1000, "words");
        QCOMPARE(written.size(), 2);
        line.clear();
        QCOMPARE(written.size(), 3);
        QVERIFY(!written.last().contains("800"));
    }

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

    // The letters go in as typed ones do: checked and trimmed by the
    // request, answered by the index where it can, and the results box's
    // line printed.
    void analysis_data()
    {
        addRows<RunRow>({
            { "by the index", {}, "  tca ", Index::Forms, ExitStatus::Success,
                "Done - Found 2 words: cat, act\n", "answered by the word index" },
            { "the dictionary named", {}, "tca", Index::Forms, ExitStatus::Success,
                "Done - Found 2 words: cat, act\n",
                "dictionary xx_XX (/dictionaries/xx_XX), engine Scripted" },
            { "every arrangement, the index refused", {}, "tca", Index::Refused,
                ExitStatus::Success, "Done - Found 2 words: cat, act\n",
                "every arrangement tried: the affix file has two encodings" },
            { "every arrangement, as asked", { "--exhaustive" }, "tca", Index::Forms,
                ExitStatus::Success, "Done - Found 2 words: cat, act\n", "6 arrangements" },
            { "no words", {}, "xqz", Index::Forms, ExitStatus::Success, "Done - No words found\n",
                "" },
            { "a character refused", {}, "c at", Index::Forms, ExitStatus::Refused, "",
                "invalid character" },
            { "no letters", {}, "   ", Index::Forms, ExitStatus::Refused, "",
                "didn't enter any letters" },
            { "letters of the alphabet beyond A to Z", {}, "tcaé", Index::Forms,
                ExitStatus::Success, "Done - No words found\n", "" },
            { "a capital of a letter of the alphabet", {}, "tcaÉ", Index::Forms,
                ExitStatus::Success, "Done - No words found\n", "" },
            { "the letter a final form is of", {}, "tcaσ", Index::Forms, ExitStatus::Success,
                "Done - No words found\n", "" },
            { "a letter outside the alphabet, named", {}, "tcaж", Index::Forms, ExitStatus::Usage,
                "", "ж (U+0436 CYRILLIC SMALL LETTER ZHE)" },
            { "a letter outside the alphabet, the dictionary named", { "--exhaustive" }, "жtca",
                Index::Forms, ExitStatus::Usage, "", "xx_XX" },
            { "A to Z outside it find nothing, as they always have", {}, "xqz", Index::Forms,
                ExitStatus::Success, "Done - No words found\n", "" },
        });
    }
    void analysis()
    {
        QFETCH(RunRow, row);
        ToolFixture tool(row.index);
        ToolMessageBox box(tool.io.errLine);
        SearchOptions options;
        options.exhaustive = row.options.contains("--exhaustive");
        options.threads = 1;
        options.letters = LetterRule::AnyLetter; // as the tool reads them
        const ToolServices services { tool.checkers, tool.indexes, box, tool.terminator };
        QCOMPARE(runAnalysis(row.letters, services, options, tool.io, "xx_XX"), row.status);
        QCOMPARE(QString::fromUtf8(tool.out), row.out);
        QVERIFY2(tool.errText().contains(row.err), qPrintable(tool.errText()));
    }

    // Trying every arrangement shows its progress on a terminal, and clears
    // it before the result.
    void analysisProgress()
    {
        ToolFixture tool(Index::Forms);
        HandClock clock;
        QStringList drawn;
        tool.io.terminal
            = [&drawn](const std::string &text) { drawn.append(QString::fromStdString(text)); };
        tool.io.clock = [&clock] {
            clock.advance(std::chrono::milliseconds(300));
            return clock.now;
        };
        SearchOptions options;
        options.exhaustive = true;
        options.threads = 1;
        QCOMPARE(
            runAnalysis("tca", tool.services(), options, tool.io, "xx_XX"), ExitStatus::Success);
        QVERIFY2(drawn.size() >= 2, qPrintable(drawn.join('|')));
        QVERIFY2(drawn.first().contains("of 6 arrangements tried"), qPrintable(drawn.first()));
        QCOMPARE(drawn.last(), QStringLiteral("\r\x1b[K")); // cleared
        QCOMPARE(QString::fromUtf8(tool.out), QStringLiteral("Done - Found 2 words: cat, act\n"));
    }

    void analysisWithoutChecker()
    {
        ToolFixture tool(Index::Forms);
        tool.checkers.creatable.clear();
        QCOMPARE(runAnalysis("tca", tool.services(), {}, tool.io, "xx_XX"), ExitStatus::NoChecker);
        QCOMPARE(tool.box.shown().size(), 1);
        QVERIFY(tool.out.isEmpty());
    }

    // A message is a line of standard error; a question, such as the one
    // before a long run, is answered Yes and never printed.
    void messages()
    {
        QStringList err;
        ToolMessageBox box([&err](const std::string &line) { err.append(line.c_str()); });
        QCOMPARE(
            box.show({ "Continue?", "Please Confirm", MessageButtons::YesNo, MessageIcon::None }),
            MessageAnswer::Yes);
        QVERIFY(err.isEmpty());
        QCOMPARE(box.show({ "Refused.", "PROBLEM", MessageButtons::Ok, MessageIcon::Critical }),
            MessageAnswer::Ok);
        QCOMPARE(err, QStringList { "Refused." });
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
        const auto notes = gameNotes(query, outcome);
        QCOMPARE(notes.size(), row.limited || !row.unfinished.empty() ? 2u : 1u);
        QVERIFY2(QString::fromStdString(notes.back()).contains(row.note), notes.back().c_str());
    }

    void queryLines_data()
    {
        const QByteArray longLine(QueryLines::kMaxLineBytes + 1, 'a');
        const QByteArray longest(QueryLines::kMaxLineBytes, 'a');
        addRows<LinesRow>({
            { "each line answered", "tca\npainters\n", {}, { "tca", "painters" }, 0,
                ExitStatus::Success },
            { "the last line without its end", "tca\npainters", {}, { "tca", "painters" }, 0,
                ExitStatus::Success },
            { "empty and blank lines skipped", "\n  \ntca\n\n", {}, { "tca" }, 0,
                ExitStatus::Success },
            { "lines ended as on Windows", "tca\r\nact\r\n", {}, { "tca", "act" }, 0,
                ExitStatus::Success },
            { "a space inside kept", "a b\n", {}, { "a b" }, 0, ExitStatus::Success },
            { "a refused line, the next answered", "ab-c\ntca\n",
                { { "ab-c", ExitStatus::Refused } }, { "ab-c", "tca" }, 0, ExitStatus::Refused },
            { "the first failure is the status", "ab-c\nxy\ntca\n",
                { { "ab-c", ExitStatus::Refused }, { "xy", ExitStatus::Usage } },
                { "ab-c", "xy", "tca" }, 0, ExitStatus::Refused },
            { "a stopped game, the next answered", "????\ntca\n",
                { { "????", ExitStatus::Unfinished } }, { "????", "tca" }, 0,
                ExitStatus::Unfinished },
            { "no checker ends it", "tca\nact\n", { { "tca", ExitStatus::NoChecker } }, { "tca" },
                0, ExitStatus::NoChecker },
            { "no word index ends it", "tca\nact\n", { { "tca", ExitStatus::IndexRefused } },
                { "tca" }, 0, ExitStatus::IndexRefused },
            { "a line too long", longLine + "\ntca\n", {}, { "tca" }, 1, ExitStatus::Usage },
            { "a line just short enough", longest + "\ntca\n", {},
                { QString::fromLatin1(longest), "tca" }, 0, ExitStatus::Success },
        });
    }
    void queryLines()
    {
        QFETCH(LinesRow, row);
        QByteArray input = row.input;
        std::unique_ptr<std::FILE, int (*)(std::FILE *)> in(
            fmemopen(input.data(), static_cast<std::size_t>(input.size()), "r"), &std::fclose);
        QVERIFY(in);
        QStringList answered;
        QStringList errors;
        ToolIo io;
        io.errLine
            = [&errors](const std::string &line) { errors.append(QString::fromStdString(line)); };
        int prompts = 0;
        const ExitStatus status = QueryLines::answerAll(
            in.get(),
            [&](const QString &letters) {
                answered.append(letters);
                return row.failing.value(letters, ExitStatus::Success);
            },
            io, [&prompts] { ++prompts; });
        QCOMPARE(answered, row.answered);
        QCOMPARE(errors.size(), row.errLines);
        QCOMPARE(status, row.status);
        // A prompt before each line read, and before the end of the input
        // where the run goes on to it.
        const bool toTheEnd
            = row.status != ExitStatus::NoChecker && row.status != ExitStatus::IndexRefused;
        QCOMPARE(prompts > answered.size(), toTheEnd);
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
            { "a word of other letters", ListFile::Bytes, "act\nna\xc3\xafve\n",
                ExitStatus::Success, "act\n", "1 left out" },
            { "NUL bytes", ListFile::Bytes, QByteArray("act\nc\0t\n", 8), ExitStatus::Usage, "",
                "line 2" },
            { "not UTF-8", ListFile::Bytes, "act\n\xff\xfe\n", ExitStatus::Usage, "", "UTF-8" },
            { "a huge line", ListFile::Bytes, QByteArray(PlayerList::kMaxLine + 1, 'a'),
                ExitStatus::Usage, "", "line 1" },
            { "no word", ListFile::Bytes, "# nothing\n", ExitStatus::Usage, "", "no word" },
            { "missing", ListFile::Missing, {}, ExitStatus::Usage, "", "--wordlist" },
            { "a folder", ListFile::Directory, {}, ExitStatus::Usage, "", "not a regular file" },
            { "a FIFO", ListFile::Fifo, {}, ExitStatus::Usage, "", "not a regular file" },
            { "a file of a gigabyte", ListFile::Huge, {}, ExitStatus::Usage, "", "larger" },
        });
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

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
