// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/GameOptions.h"
#include "wordgames/GameTool.h"
#include "wordindex/IndexSource.h"

#include <QTest>

namespace {

struct RefusalRow {
    const char *name;
    QStringList options;
    QString letters;
    int status;
    QString named; // what the message names
};

struct PhrasesRow {
    const char *name;
    QStringList arguments;
    std::size_t words;
};

struct ToolRow {
    const char *name;
    QStringList options;
    QString letters;
    bool indexed; // the dictionary has an index; else it is refused
    int status;
    QString out;
    QString err; // a piece of a line on standard error
};

// The index of the checker's dictionary, or a refusal, at once.
class FixedIndexSource final : public IndexSource {
public:
    Offer offer;
    Offer indexFor(const std::filesystem::path &, std::chrono::steady_clock::duration) override
    {
        return offer;
    }
    std::chrono::steady_clock::duration buildTimeLeft(const std::filesystem::path &) const override
    {
        return {};
    }
};

// A clock the test moves on by hand.
struct HandClock {
    std::chrono::steady_clock::time_point now {};
    void advance(std::chrono::milliseconds time) { now += time; }
};

} // namespace

class TestGameOptions : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        addRows<RefusalRow>({
            { "both games", { "--some", "--phrases" }, "abc", 2, "--phrases" },
            { "no words", { "--phrases", "0" }, "abc", 2, "--phrases" },
            { "too many words", { "--phrases", "9" }, "abc", 2, "--phrases" },
            { "words not a number", { "--phrases=x" }, "abc", 2, "--phrases" },
            { "min-length 0", { "--some", "--min-length", "0" }, "abc", 2, "--min-length" },
            { "min-length not a number", { "--some", "--min-length", "two" }, "abc", 2,
                "--min-length" },
            { "limit 0", { "--some", "--limit", "0" }, "abc", 2, "--limit" },
            { "limit below 0", { "--some", "--limit", "-1" }, "abc", 2, "--limit" },
            { "contains a digit", { "--some", "--contains", "a1" }, "abc", 2, "--contains" },
            { "contains nothing", { "--some", "--contains", "" }, "abc", 2, "--contains" },
            { "contains a blank", { "--some", "--contains", "a?" }, "abc", 2, "--contains" },
            { "contains more than given", { "--some", "--contains", "abb" }, "abc", 2,
                "--contains" },
            { "a pattern of other characters", { "--some", "--pattern", "a?c!" }, "abcd", 2,
                "--pattern" },
            { "an empty pattern", { "--some", "--pattern", "" }, "abcd", 2, "--pattern" },
            { "two spaces", { "--phrases", "--pattern", "??  ??" }, "abcd", 2, "--pattern" },
            { "a space first", { "--phrases", "--pattern", " ????" }, "abcd", 2, "--pattern" },
            { "a space last", { "--phrases", "--pattern", "???? " }, "abcd", 2, "--pattern" },
            { "spaces in a word's pattern", { "--some", "--pattern", "?? ??" }, "abcd", 2,
                "--pattern" },
            { "more words than phrases have", { "--phrases", "--pattern", "?? ?? ??" }, "abcdef", 2,
                "--phrases" },
            { "a phrase pattern too short", { "--phrases", "--pattern", "??? ??" }, "abcdef", 2,
                "--pattern" },
            { "a word pattern too long", { "--some", "--pattern", "?????" }, "abcd", 2,
                "--pattern" },
            { "a word shorter than min-length", { "--some", "--pattern", "?" }, "abcd", 2,
                "--min-length" },
            // The letters themselves: refused as the whole-word search refuses them.
            { "a digit among the letters", { "--some" }, "ab1", 1, "" },
            { "no letters", { "--some" }, " ", 1, "" },
        });
    }
    void refusals()
    {
        QFETCH(RefusalRow, row);
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        QVERIFY(parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + row.options)));
        const auto read = games.read(parser, row.letters);
        const auto *refusal = std::get_if<GameRefusal>(&read);
        QVERIFY(refusal);
        QCOMPARE(refusal->status, row.status);
        QVERIFY2(refusal->message.contains(row.named), qPrintable(refusal->message));
    }

    // "--phrases" alone means two words; a number after it is its own.
    void phrasesAlone_data()
    {
        addRows<PhrasesRow>({
            { "before the letters", { "--phrases", "abc" }, 2 },
            { "last", { "abc", "--phrases" }, 2 },
            { "with its number", { "--phrases", "3", "abc" }, 3 },
            { "in the = form", { "--phrases=4", "abc" }, 4 },
        });
    }
    void phrasesAlone()
    {
        QFETCH(PhrasesRow, row);
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        QVERIFY(
            parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + row.arguments)));
        QCOMPARE(parser.positionalArguments(), QStringList { "abc" });
        const auto read = games.read(parser, QStringLiteral("abc"));
        QCOMPARE(std::get<GameQuery>(read).maxWords, row.words);
    }

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

    void tool_data()
    {
        addRows<ToolRow>({
            { .name = "words",
                .options = { "--some" },
                .letters = "tca",
                .indexed = true,
                .status = 0,
                .out = "act\ncat\n",
                .err = "" },
            { .name = "JSON",
                .options = { "--some", "--json" },
                .letters = "tca",
                .indexed = true,
                .status = 0,
                .out = R"([{"letters":3,"words":["act"]},{"letters":3,"words":["cat"]}])"
                       "\n",
                .err = "" },
            { .name = "no index",
                .options = { "--some" },
                .letters = "tca",
                .indexed = false,
                .status = kExitNoChecker,
                .out = "",
                .err = "two encodings" },
            { .name = "stopped by --limit",
                .options = { "--some", "--limit", "1" },
                .letters = "tca",
                .indexed = true,
                .status = 0,
                .out = "act\n",
                .err = "--limit" },
            // What was found is printed, and that the budget stopped it told.
            { .name = "stopped by the budget",
                .options = { "--some" },
                .letters = "??????",
                .indexed = true,
                .status = kExitUnfinished,
                .out = "act\ncat\n",
                .err = "1000" },
        });
    }
    void tool()
    {
        QFETCH(ToolRow, row);
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        QVERIFY(parser.parse(QStringList { "tool" } + row.options));
        const GameQuery query = std::get<GameQuery>(games.read(parser, row.letters));
        ScriptedCheckerFactory checkers;
        checkers.script->accepted = { "act", "cat", "hello" };
        checkers.script->dictionary = std::filesystem::path("/dictionaries/xx_XX");
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        std::vector<std::pair<std::string, std::uint8_t>> forms { { "act", FormRole::Word },
            { "cat", FormRole::Word } };
        for (char c = 'a'; c <= 'z'; ++c)
            forms.emplace_back(std::string(1, c), FormRole::Parts);
        FixedIndexSource indexes;
        if (row.indexed)
            indexes.offer.index
                = std::make_shared<const KeptForms>(WordIndex::fromForms(forms, settings));
        else
            indexes.offer.refusal = "the affix file has two encodings";
        FakeMessageBox box;
        FakeTerminator terminator;
        QByteArray out;
        QStringList err;
        GameToolIo io;
        io.out = [&out](const QByteArray &bytes) { out += bytes; };
        io.errLine = [&err](const std::string &line) { err.append(QString::fromStdString(line)); };
        io.budget.maxCandidates = 1000;
        QCOMPARE(runGameTool(query, { checkers, indexes, box, terminator }, io), row.status);
        QCOMPARE(QString::fromUtf8(out), row.out);
        QVERIFY2(err.join(u'\n').contains(row.err), qPrintable(err.join(u'\n')));
        QVERIFY(box.shown().isEmpty());
    }

    // Without a checker the user is told as the whole-word search tells,
    // and nothing is printed.
    void noChecker()
    {
        ScriptedCheckerFactory checkers;
        checkers.creatable.clear();
        FixedIndexSource indexes;
        FakeMessageBox box;
        FakeTerminator terminator;
        QByteArray out;
        GameToolIo io;
        io.out = [&out](const QByteArray &bytes) { out += bytes; };
        io.errLine = [](const std::string &) {};
        GameQuery query;
        query.pool = std::get<LetterPool>(parsePool("tca"));
        QCOMPARE(runGameTool(query, { checkers, indexes, box, terminator }, io), kExitNoChecker);
        QCOMPARE(box.shown().size(), 1);
        QVERIFY(out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameOptions)
#include "tst_gameoptions.moc"
