// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Interrupt.h"
#include "tests/support/Rows.h"
#include "tests/support/ToolFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// A game interrupted by Ctrl-C as its progress line is first drawn.
struct InterruptRow {
    const char *name;
    QStringList options;
    QString letters;
    QStringList words {}; // the dictionary's, in place of the fixture's act and cat
};

// What a terminal shows on the line the writes leave: a carriage return
// goes back to its start, ESC [ K erases from the cursor on.
QString lineLeft(const QStringList &writes)
{
    QString line;
    qsizetype at = 0;
    for (const QString &text : writes) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                at = 0;
            } else if (text.mid(i, 3) == QStringLiteral("\x1b[K")) {
                line.truncate(at);
                i += 2;
            } else {
                line = line.left(at) + text[i] + line.mid(at + 1);
                ++at;
            }
        }
    }
    return line;
}

// quorvel-search on the tiny dictionary of tests/data/wordgames, its cache
// left alone.
void startTool(QProcess &tool, const QStringList &options)
{
    tool.setProgram(QStringLiteral(QUORVEL_SEARCH));
    tool.setArguments(QStringList { "--no-cache", "--language", "en", "--dictionary",
                          QUORVEL_TEST_DATA "/wordgames/qq_QQ" }
        + options);
    tool.start();
}

// Reads the tool's standard output until it ends with end.
bool readUntil(QProcess &tool, QByteArray &out, const QByteArray &end)
{
    while (!out.endsWith(end)) {
        if (!tool.waitForReadyRead(10'000))
            return false;
        out += tool.readAllStandardOutput();
    }
    return true;
}

} // namespace

// Ctrl-C on a run of quorvel-search: it stops within a tenth of a second,
// leaves no progress line and no half answer, and ends with status 130.
class TestCliInterrupt : public QObject {
    Q_OBJECT

private slots:
    void duringGame_data()
    {
        addRows<InterruptRow>({
            // Six blanks over parts of a letter each: compounds by the thousand.
            { "while compounds are named", { "--some" }, "??????" },
            // Words of three keys: it stops after the first.
            { "while words are judged", { "--some", "--no-compounds" }, "??????",
                { "at", "act", "tact" } },
            { "while the words of phrases are judged", { "--phrases", "3" }, "??????" },
        });
    }
    void duringGame()
    {
        QFETCH(InterruptRow, row);
        ToolFixture tool(Index::Forms);
        if (!row.words.isEmpty()) {
            std::vector<std::pair<std::string, std::uint8_t>> forms;
            for (const QString &word : row.words) {
                forms.emplace_back(word.toStdString(), FormRole::Word);
                tool.checkers.script->accepted.insert(word);
            }
            tool.indexes.index = std::make_shared<const KeptForms>(
                WordIndex::fromForms(forms, CompoundSettings {}));
        }
        Interrupt::install(Interrupt::Backstop::None);
        InterruptTerminator terminator;
        const ToolServices services { tool.checkers, tool.indexes, tool.box, terminator };
        // A second on the clock at each look: the progress line is drawn at once.
        auto now = std::chrono::steady_clock::time_point();
        tool.io.clock = [&now] { return now += std::chrono::seconds(1); };
        QStringList writes;
        qsizetype askedBefore = -1;
        tool.io.terminal = [&](const std::string &text) {
            writes.append(QString::fromStdString(text));
            if (askedBefore < 0) {
                askedBefore = tool.checkers.script->asked.size();
                std::raise(SIGINT);
            }
        };
        GameBudget budget;
        budget.maxCandidates = 100'000;
        QCOMPARE(runGameTool(gameFor(row.options, row.letters), services, tool.io, budget),
            ExitStatus::Interrupted);
        QVERIFY(Interrupt::requested());
        QVERIFY(askedBefore >= 0);
        // Nothing asked once it was pressed, nothing printed, the line cleared.
        QCOMPARE(tool.checkers.script->asked.size(), askedBefore);
        QCOMPARE(tool.out, QByteArray());
        QCOMPARE(lineLeft(writes), QString());
    }

    // At the wait for the next line of --stdin the tool ends at once, the
    // answers before it whole.
    void atTheNextLine()
    {
        QProcess tool;
        startTool(tool, { "--stdin", "--some", "--min-length", "5" });
        QVERIFY(tool.waitForStarted());
        tool.write("angel\n");
        QByteArray out;
        // A game's answer ends with an empty line.
        QVERIFY2(readUntil(tool, out, "\n\n"), tool.readAllStandardError().constData());
        QVERIFY(out.contains("glean\n"));
        ::kill(static_cast<pid_t>(tool.processId()), SIGINT);
        QVERIFY(tool.waitForFinished(5000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), exitCode(ExitStatus::Interrupted));
        out += tool.readAllStandardOutput();
        QVERIFY(out.endsWith('\n'));
    }

    // With --json each line's answer is one line, a refused line's null, so
    // that the n-th answer is the n-th line's.
    void jsonLines()
    {
        QProcess tool;
        startTool(tool, { "--stdin", "--some", "--min-length", "5", "--json" });
        QVERIFY(tool.waitForStarted());
        tool.write("angel\nab-c\nroomy\n");
        tool.closeWriteChannel();
        QVERIFY(tool.waitForFinished(10'000));
        const QList<QByteArray> lines = tool.readAllStandardOutput().split('\n');
        QCOMPARE(lines.size(), 4); // and nothing after the last end of line
        QVERIFY(lines.back().isEmpty());
        QVERIFY(QJsonDocument::fromJson(lines[0]).array().size() >= 3); // angel, angle, glean
        QVERIFY(QJsonDocument::fromJson(lines[1]).isNull());
        QCOMPARE(lines[1], QByteArray("null"));
        QCOMPARE(QJsonDocument::fromJson(lines[2]).array().size(), 1); // roomy
        QVERIFY(!tool.readAllStandardError().isEmpty()); // the refusal
        QCOMPARE(tool.exitCode(), exitCode(ExitStatus::Refused));
    }
};

QTEST_GUILESS_MAIN(TestCliInterrupt)
#include "tst_cli_interrupt.moc"
