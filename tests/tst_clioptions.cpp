// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DictionaryOption.h"
#include "cli/SearchCommand.h"
#include "spelling/KeptDictionary.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>

#include <QTest>

namespace {

struct RefusalRow {
    const char *name;
    QStringList arguments;
    ExitStatus status;
    QString named; // what the message names
};

// What a command line of quorvel-search asks for.
struct CommandRow {
    const char *name;
    QStringList arguments;
    unsigned threads = 0;
    bool exhaustive = false;
    bool noCache = false;
    bool game = false;
    bool list = false;
    QString dictionary = "/wordgames/qq_QQ"; // how the path of the dictionary chosen ends
};

const QString kData = QStringLiteral(QUORVEL_TEST_DATA);

// The command line read with the test's dictionaries, the user's
// language having none.
std::variant<SearchCommand, CommandRefusal> readCommand(const QStringList &arguments)
{
    SearchCommandLine commandLine;
    return commandLine.read(QStringList { "quorvel-search" } + arguments,
        { std::filesystem::path(kData.toStdString()) / "wordgames" }, "qq_QQ");
}

struct PhrasesRow {
    const char *name;
    QStringList arguments;
    std::size_t words;
};

} // namespace

class TestCliOptions : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        addRows<RefusalRow>({
            { "both games", { "--some", "--phrases", "abc" }, ExitStatus::Usage, "--phrases" },
            { "no words", { "--phrases", "0", "abc" }, ExitStatus::Usage, "--phrases" },
            { "too many words", { "--phrases", "9", "abc" }, ExitStatus::Usage, "--phrases" },
            { "words not a number", { "--phrases=x", "abc" }, ExitStatus::Usage, "--phrases" },
            { "min-length 0", { "--some", "--min-length", "0", "abc" }, ExitStatus::Usage,
                "--min-length" },
            { "min-length not a number", { "--some", "--min-length", "two", "abc" },
                ExitStatus::Usage, "--min-length" },
            { "limit 0", { "--some", "--limit", "0", "abc" }, ExitStatus::Usage, "--limit" },
            { "limit below 0", { "--some", "--limit", "-1", "abc" }, ExitStatus::Usage, "--limit" },
            { "contains a digit", { "--some", "--contains", "a1", "abc" }, ExitStatus::Usage,
                "--contains" },
            { "contains nothing", { "--some", "--contains", "", "abc" }, ExitStatus::Usage,
                "--contains" },
            { "contains a blank", { "--some", "--contains", "a?", "abc" }, ExitStatus::Usage,
                "--contains" },
            { "contains more than given", { "--some", "--contains", "abb", "abc" },
                ExitStatus::Usage, "--contains" },
            { "a pattern of other characters", { "--some", "--pattern", "a?c!", "abcd" },
                ExitStatus::Usage, "--pattern" },
            { "an empty pattern", { "--some", "--pattern", "", "abcd" }, ExitStatus::Usage,
                "--pattern" },
            { "two spaces", { "--phrases", "--pattern", "??  ??", "abcd" }, ExitStatus::Usage,
                "--pattern" },
            { "a space first", { "--phrases", "--pattern", " ????", "abcd" }, ExitStatus::Usage,
                "--pattern" },
            { "a space last", { "--phrases", "--pattern", "???? ", "abcd" }, ExitStatus::Usage,
                "--pattern" },
            { "spaces in a word's pattern", { "--some", "--pattern", "?? ??", "abcd" },
                ExitStatus::Usage, "--pattern" },
            { "more words than phrases have", { "--phrases", "--pattern", "?? ?? ??", "abcdef" },
                ExitStatus::Usage, "--phrases" },
            { "a phrase pattern too short", { "--phrases", "--pattern", "??? ??", "abcdef" },
                ExitStatus::Usage, "--pattern" },
            { "a word pattern too long", { "--some", "--pattern", "?????", "abcd" },
                ExitStatus::Usage, "--pattern" },
            { "a word shorter than min-length", { "--some", "--pattern", "?", "abcd" },
                ExitStatus::Usage, "--min-length" },
            // Classes of letters in a pattern.
            { "a class without its end", { "--some", "--pattern", "?[ab", "abcd" },
                ExitStatus::Usage, "\"]\"" },
            { "a class of no letters", { "--some", "--pattern", "?[]?", "abcd" }, ExitStatus::Usage,
                "names no letters" },
            { "a class of none but nothing", { "--some", "--pattern", "?[^]?", "abcd" },
                ExitStatus::Usage, "names no letters" },
            { "a blank in a class", { "--some", "--pattern", "?[a?]", "abcd" }, ExitStatus::Usage,
                "character 4" },
            { "a class counts one letter", { "--some", "--pattern", "[ab][cd]?", "ab" },
                ExitStatus::Usage, "3 letters" },
            // The crossword: a pattern alone, and no letters.
            { "a crossword with letters", { "--pattern", "c?t", "abc" }, ExitStatus::Usage,
                "--pattern" },
            { "a crossword read from standard input", { "--pattern", "c?t", "--stdin" },
                ExitStatus::Usage, "--pattern" },
            { "a crossword of two words", { "--pattern", "c?t d?g" }, ExitStatus::Usage,
                "--phrases" },
            { "a crossword shorter than min-length", { "--pattern", "c?", "--min-length", "3" },
                ExitStatus::Usage, "--min-length" },
            // Letters a word must have, or must not, or a phrase's word.
            { "include a digit", { "--some", "--include", "a1", "abc" }, ExitStatus::Usage,
                "--include" },
            { "exclude a blank", { "--some", "--exclude", "?", "abc" }, ExitStatus::Usage,
                "--exclude" },
            { "include in phrases", { "--phrases", "--include", "a", "abc" }, ExitStatus::Usage,
                "--include" },
            { "contains-word in words", { "--some", "--contains-word", "ab", "abc" },
                ExitStatus::Usage, "--contains-word" },
            { "contains-word not in the letters", { "--phrases", "--contains-word", "abb", "abc" },
                ExitStatus::Usage, "--contains-word abb" },
            { "contains and contains-word",
                { "--phrases", "--contains", "a", "--contains-word", "ab", "abc" },
                ExitStatus::Usage, "--contains-word" },
            { "contains-word alone", { "--contains-word", "ab", "abc" }, ExitStatus::Usage,
                "--contains-word" },
            // Many queries on standard input take no letters as an argument.
            { "--stdin and letters", { "--stdin", "abc" }, ExitStatus::Usage, "--stdin" },
            // The command line of the tool itself.
            { "--threads 0", { "--threads", "0", "tca" }, ExitStatus::Usage, "--threads" },
            { "--threads past the most", { "--threads", "257", "tca" }, ExitStatus::Usage,
                "--threads" },
            { "--threads not a number", { "--threads", "x", "tca" }, ExitStatus::Usage,
                "--threads" },
            { "an unknown option", { "--bogus", "tca" }, ExitStatus::Usage, "bogus" },
            { "two arguments", { "tca", "act" }, ExitStatus::Usage, "one argument" },
            { "no letters", {}, ExitStatus::Usage, "one argument" },
            { "a game's option alone", { "--json", "tca" }, ExitStatus::Usage, "--json" },
            { "--threads in a game", { "--some", "--threads", "2", "abc" }, ExitStatus::Usage,
                "--threads" },
            { "--exhaustive in a game", { "--phrases", "--exhaustive", "abc" }, ExitStatus::Usage,
                "--exhaustive" },
            { "no such dictionary", { "--dictionary", "xx_NOPE", "tca" }, ExitStatus::Usage,
                "--dictionary: no dictionary xx_NOPE" },
            { "no dictionary at the path", { "--dictionary", kData + "/missing.dic", "tca" },
                ExitStatus::Usage, "missing.aff" },
            { "a game's letters", { "--some", "ab-c" }, ExitStatus::Refused, "refused" },
            // The letters themselves: refused as the whole-word search refuses them.
            { "a digit among the letters", { "--some", "ab1" }, ExitStatus::Refused, "" },
            { "a game without letters", { "--some", " " }, ExitStatus::Refused, "" },
            { "letters that are not UTF-8", { QString::fromUtf8("k\xC3t") }, ExitStatus::Usage,
                "UTF-8" },
        });
    }
    void refusals()
    {
        QFETCH(RefusalRow, row);
        const auto read = readCommand(row.arguments);
        const auto *refusal = std::get_if<CommandRefusal>(&read);
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
        const auto read = readCommand(row.arguments);
        const SearchCommand &command = std::get<SearchCommand>(read);
        QCOMPARE(command.letters, QStringLiteral("abc"));
        QCOMPARE(command.game->query.maxWords, row.words);
    }

    void commands_data()
    {
        addRows<CommandRow>({
            { .name = "the whole-word search", .arguments = { "tca" } },
            { .name = "--threads and --exhaustive",
                .arguments = { "--threads", "256", "--exhaustive", "tca" },
                .threads = 256,
                .exhaustive = true },
            { .name = "--no-cache", .arguments = { "--no-cache", "tca" }, .noCache = true },
            { .name = "a game", .arguments = { "--some", "tca" }, .game = true },
            { .name = "a dictionary by its path",
                .arguments = { "--dictionary", kData + "/wordgames/noindex/qq_QQ.aff", "tca" },
                .dictionary = "/wordgames/noindex/qq_QQ" },
            // The list needs no letters, and names no dictionary.
            { .name = "--list-dictionaries",
                .arguments = { "--list-dictionaries" },
                .list = true,
                .dictionary = "" },
        });
    }
    void commands()
    {
        QFETCH(CommandRow, row);
        const auto read = readCommand(row.arguments);
        const auto *refusal = std::get_if<CommandRefusal>(&read);
        QVERIFY2(!refusal, refusal ? qPrintable(refusal->message) : "");
        const SearchCommand &command = std::get<SearchCommand>(read);
        QCOMPARE(command.listDictionaries, row.list);
        QCOMPARE(command.search.threads, row.threads);
        QCOMPARE(command.search.exhaustive, row.exhaustive);
        QCOMPARE(command.noCache, row.noCache);
        QCOMPARE(command.game.has_value(), row.game);
        QCOMPARE(command.letters, row.list ? QString() : QStringLiteral("tca"));
        // The whole-word search takes the letters of any alphabet.
        QCOMPARE(command.search.letters == LetterRule::AnyLetter, !row.list && !row.game);
        QCOMPARE(command.dictionary.candidates.size(), row.list ? 0u : 1u);
        for (const auto &base : command.dictionary.candidates)
            QVERIFY2(QString::fromStdString(base.string()).endsWith(row.dictionary), base.c_str());
    }

    // The list says the size of the alphabet the cache keeps for the
    // dictionary's files as they are, and else that it is not known yet.
    void listShowsTheKeptAlphabet()
    {
        TempFolder folder;
        QVERIFY(QDir(folder.dir.path()).mkpath("dictionaries"));
        folder.write("dictionaries/xx_XX.aff", "SET UTF-8\n");
        folder.write("dictionaries/xx_XX.dic", "2\nкіт\nтік\n");
        const std::filesystem::path base = folder.path("dictionaries/xx_XX").toStdString();
        const std::filesystem::path cache = folder.path("cache").toStdString();
        const auto alphabetColumn = [&] {
            const auto lines = dictionaryList({ base.parent_path() }, "xx_XX", cache);
            return QString::fromStdString(lines.front()).section('\t', 3);
        };
        const QString unknown = alphabetColumn();
        QVERIFY2(!unknown.contains(QRegularExpression("[0-9]")), qPrintable(unknown));
        const auto stamp = [&](const char *extension) {
            return std::get<FileStamp>(stampOf(base.string() + extension));
        };
        KeptDictionary kept
            = KeptDictionary::forFiles(cache, base.string(), stamp(".aff"), stamp(".dic"));
        kept.setIndexBuilt(Engine::Nuspell, "no index", Alphabet::of({ "і", "к", "т" }));
        QVERIFY(!kept.keep(cache, {}));
        QVERIFY2(alphabetColumn().contains(" 3 "), qPrintable(alphabetColumn()));
        // Other files: the kept alphabet is not theirs.
        folder.write("dictionaries/xx_XX.dic", "3\nкіт\nтік\nїжак\n");
        QCOMPARE(alphabetColumn(), unknown);
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_clioptions.moc"
