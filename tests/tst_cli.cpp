// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AnalysisTool.h"
#include "cli/ProgressLine.h"
#include "cli/QueryLines.h"
#include "tests/support/Rows.h"
#include "tests/support/ToolFixture.h"

#include <QTest>

namespace {

// Lines of standard input, how each is answered, and what the run gives.
struct LinesRow {
    const char *name;
    QByteArray input;
    QHash<QString, ExitStatus> failing; // the others are answered
    QStringList answered; // the letters asked, in order
    int errLines; // told on standard error by the loop itself
    ExitStatus status;
};

// Many queries whose answers are told apart: what stdout holds, each line
// answered by its letters and a line's end, a failing one with nothing.
struct ApartRow {
    const char *name;
    QByteArray input;
    QByteArray afterEach;
    QByteArray out;
    QByteArray unanswered {}; // in place of a refused line's answer
};

// A clock the test moves on by hand.
struct HandClock {
    std::chrono::steady_clock::time_point now {};
    void advance(std::chrono::milliseconds time) { now += time; }
};

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

    // The letters go in as typed ones do: checked and trimmed by the
    // request, answered by the index where it can, and the results box's
    // line printed.
    void analysis_data()
    {
        addRows<RunRow>({
            { "by the index", {}, "  tca ", Index::Forms, ExitStatus::Success,
                "Done - Found 2 words: cat, act\n", "answered by the word index" },
            // The line after it counts the candidates: act, cat and the
            // four other orders as compounds of one-letter parts, none
            // settled by the rules (their parts leave a doubt).
            { "the candidates the rules settled", {}, "tca", Index::Forms, ExitStatus::Success,
                "Done - Found 2 words: cat, act\n", "s\n0 of 6 " },
            // And the line after that counts their spellings: none settled
            // by the rules, each of the six asked.
            { "the spellings the rules settled", {}, "tca", Index::Forms, ExitStatus::Success,
                "Done - Found 2 words: cat, act\n", "checker\n0 " },
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

    // The count on the line is exact where the window's bar scale is not:
    // n! - 1 of 11 letters and more is no float.
    void analysisProgressCount_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::newRow("11 letters") << QStringLiteral("abcdefghijk");
        QTest::newRow("13 letters") << QStringLiteral("abcdefghijklm");
    }
    void analysisProgressCount()
    {
        QFETCH(QString, letters);
        ToolFixture tool(Index::Forms);
        HandClock clock;
        QStringList drawn;
        // The first line drawn is all the row needs: the program ends then.
        tool.io.terminal = [&](const std::string &text) {
            drawn.append(QString::fromStdString(text));
            tool.terminator.endNow();
        };
        tool.io.clock = [&clock] {
            clock.advance(std::chrono::milliseconds(300));
            return clock.now;
        };
        SearchOptions options;
        options.exhaustive = true;
        options.threads = 1;
        // Ended at the first line, as the program's end ends it.
        QCOMPARE(runAnalysis(letters, tool.services(), options, tool.io, "xx_XX"),
            ExitStatus::NoChecker);
        quint64 arrangements = 1;
        for (qsizetype k = 2; k <= letters.size(); ++k)
            arrangements *= static_cast<quint64>(k);
        QVERIFY(!drawn.isEmpty());
        QVERIFY2(drawn.first().contains(QStringLiteral(" of %1 ").arg(arrangements)),
            qPrintable(drawn.first()));
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

    // Where asked, each answer is followed by the separator, a refused
    // line's empty answer too, so that the n-th answer is the n-th line's.
    void queryLinesApart_data()
    {
        const QByteArray longLine(QueryLines::kMaxLineBytes + 1, 'a');
        addRows<ApartRow>({
            { "each answer ended", "tca\nact\n", "\n", "tca\n\nact\n\n" },
            { "an empty line has no answer", "tca\n\nact\n", "\n", "tca\n\nact\n\n" },
            { "a refused line's empty answer", "bad\ntca\n", "\n", "\ntca\n\n" },
            { "a line too long's empty answer", longLine + "\ntca\n", "\n", "\ntca\n\n" },
            { "none asked", "tca\nbad\nact\n", {}, "tca\nact\n" },
            // An answer a line each (JSON) stays in step with the lines read.
            { "a refused line's stand-in", "tca\nbad\nact\n", {}, "tca\nnull\nact\n", "null\n" },
            { "a line too long's stand-in", longLine + "\ntca\n", {}, "null\ntca\n", "null\n" },
            { "only for a line unanswered", "tca\nact\n", {}, "tca\nact\n", "null\n" },
        });
    }
    void queryLinesApart()
    {
        QFETCH(ApartRow, row);
        QByteArray input = row.input;
        std::unique_ptr<std::FILE, int (*)(std::FILE *)> in(
            fmemopen(input.data(), static_cast<std::size_t>(input.size()), "r"), &std::fclose);
        QVERIFY(in);
        QByteArray out;
        ToolIo io;
        io.out = [&out](const QByteArray &bytes) { out += bytes; };
        io.errLine = [](const std::string &) {};
        const auto answer = [&io](const QString &letters) {
            if (letters == QStringLiteral("bad"))
                return ExitStatus::Usage;
            io.out(letters.toUtf8() + '\n');
            return ExitStatus::Success;
        };
        (void)QueryLines::answerAll(in.get(), answer, io, {}, row.afterEach, row.unanswered);
        QCOMPARE(out, row.out);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
