// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reasons the lower layers give, read by the user in the interface's
// language: why every arrangement was tried (the window's tooltip and
// quorvel-search's standard error), why a help file cannot be read, why a
// dictionary or an engine was passed over. Each is made twice, with no
// catalogue (English, the source texts) and under the German one.
#include "candidates/CompoundSearch.h"
#include "chmreader/ChmArchive.h"
#include "cli/AnalysisTool.h"
#include "cli/GameOptions.h"
#include "cli/GameOutput.h"
#include "cli/GameTool.h"
#include "search/HeadlessView.h"
#include "search/RunSummary.h"
#include "spelling/DictionaryChooser.h"
#include "spelling/IndexLoading.h"
#include "tests/support/Catalogue.h"
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"
#include "tests/support/TempFolder.h"
#include "wordgames/GameStops.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/LetterPool.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <functional>
#include <optional>

namespace {

const std::filesystem::path kDictionary("/dictionaries/xx_XX");

struct ReasonRow {
    const char *name;
    // The catalogue's contexts of the texts the reason is made of.
    QStringList contexts;
    // What the user reads, in the language installed.
    std::function<QString()> shown;
};

// A catalogue text as a pattern: its placeholders stand for anything.
QRegularExpression pattern(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(L?\\d+|n)"));
    QString expression;
    qsizetype at = 0;
    for (const auto &match : marker.globalMatch(text)) {
        expression += QRegularExpression::escape(text.mid(at, match.capturedStart() - at))
            + QStringLiteral(".*");
        at = match.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(at));
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

bool holds(const QString &shown, const QString &text)
{
    return pattern(text).match(shown).hasMatch();
}

SearchOptions everyArrangement()
{
    SearchOptions options { std::chrono::nanoseconds(0) };
    options.exhaustive = true;
    return options;
}

// The tooltip of the window's results after the fixture's run on "tca".
QString tooltipAfterRun(SearchFixture &fx)
{
    fx.checkers.script->dictionary = kDictionary;
    fx.view.input = QStringLiteral("tca");
    fx.search.startanalysis();
    return runSummary(fx.search.lastRun());
}

// The tooltip after a run asked to try every arrangement.
QString windowTooltip()
{
    SearchFixture fx(everyArrangement());
    fx.checkers.script->accepted = { "hello", "cat" };
    return tooltipAfterRun(fx);
}

// What quorvel-search is given to run with, and the lines of its standard error.
struct ToolRun {
    ScriptedCheckerFactory checkers;
    FakeIndexSource indexes;
    FakeMessageBox box;
    FlagTerminator terminator;
    QStringList lines;
    ToolIo io;

    ToolRun()
    {
        io.out = [](const QByteArray &) {};
        io.errLine = [this](const std::string &line) { lines << QString::fromStdString(line); };
    }
    ToolRun(const ToolRun &) = delete;
    ToolRun &operator=(const ToolRun &) = delete;

    [[nodiscard]] ToolServices services() { return { checkers, indexes, box, terminator }; }
    [[nodiscard]] QString errors() const { return lines.join(u'\n'); }
};

// quorvel-search's standard error after the same run.
QString toolErrors()
{
    ToolRun tool;
    tool.checkers.script->dictionary = kDictionary;
    tool.checkers.script->accepted = { "hello", "cat" };
    if (runAnalysis(
            QStringLiteral("tca"), tool.services(), everyArrangement(), tool.io, std::nullopt)
        != ExitStatus::Success)
        return {};
    return tool.errors();
}

// The tooltip of the window's results when the dictionary's word index is
// not there for the reason its builder gave.
QString windowTooltipWithout(const std::string &reason)
{
    // No index and no reason: the window would wait for one.
    if (reason.empty())
        return {};
    SearchFixture fx;
    fx.checkers.script->accepted = { "cat" };
    fx.indexes.refusal = reason;
    return tooltipAfterRun(fx);
}

// The window after the affix file reader turned down the affix file aff.
QString affixFileRefused(const std::string &aff)
{
    return windowTooltipWithout(buildWordIndex(aff, "1\ncat\n").refusal);
}

QString wordTooManyForms()
{
    ReadLimits limits;
    limits.maxFormsPerStem = 1;
    return windowTooltipWithout(buildWordIndex("SFX A Y 1\nSFX A 0 s .\n", "1\ncat/A\n",
        Dialect::Nuspell, limits, nullptr, IndexKind::Forms)
                                    .refusal);
}

QString dictionaryFilesMissing()
{
    const TempFolder folder;
    return windowTooltipWithout(
        buildWordIndexFromFiles(folder.path(QStringLiteral("xx_XX")).toStdString()).refusal);
}

// Every one-letter word compounds with every other: more candidates than
// the budget allows.
QString compoundBudget()
{
    std::string dic = "26\n";
    for (char c = 'a'; c <= 'z'; ++c)
        dic += std::string(1, c) + "/X\n";
    const WordIndexBuild build = buildWordIndex("COMPOUNDFLAG X\nCOMPOUNDMIN 1\n", dic);
    if (!build.forms)
        return {};
    CompoundBudget budget;
    budget.maxCandidates = 1000;
    return windowTooltipWithout(
        compoundCandidates(*build.forms->within("abcdefghij").index, "abcdefghij", budget)
            .unfinished);
}

// The note of a kept index of stems whose affix file is gone since.
QString keptIndexWithoutAffixFile()
{
    const TempFolder folder;
    const std::filesystem::path cache = folder.path(QStringLiteral("cache")).toStdString();
    std::filesystem::create_directory(cache);
    const WordIndexBuild stems = buildWordIndex(
        "SFX A Y 1\nSFX A 0 s .\n", "1\ncat/A\n", Dialect::Nuspell, {}, nullptr, IndexKind::Stems);
    KeptDictionary built = KeptDictionary::forFiles(cache, "xx_XX", {}, {});
    built.setIndexBuilt(Engine::Nuspell, {});
    if (!stems.forms || built.keep(cache, stems.forms->image()))
        return {};
    KeptDictionary kept = KeptDictionary::forFiles(cache, "xx_XX", {}, {});
    const std::atomic<bool> cancel = false;
    QStringList notes;
    (void)loadIndex(kept, folder.path(QStringLiteral("xx_XX")).toStdString(), Engine::Nuspell,
        cancel, [&notes](const std::string &line) { notes << QString::fromStdString(line); });
    return notes.join(u'\n');
}

// quorvel-search's word games, given one letter more than they take.
QString lettersRefused()
{
    QCommandLineParser parser;
    const GameOptions games;
    games.addTo(parser);
    if (!parser.parse(GameOptions::withPhraseDefault({ QStringLiteral("tool") })))
        return {};
    const auto read = games.read(parser, QString(qsizetype(LetterPool::kMaxTiles + 1), u'a'));
    const auto *refusal = std::get_if<CommandRefusal>(&read);
    return refusal ? refusal->message : QString();
}

// quorvel-search's last note after a word game that stopped early for why.
QString gameStopped(const std::string &why)
{
    GameOutcome outcome;
    outcome.unfinished = why;
    return QString::fromStdString(gameNotes(GameQuery {}, outcome).back());
}

// Why a help file of these bytes (or none) cannot be read.
QString helpFileRefusal(const std::optional<QByteArray> &bytes)
{
    const TempFolder folder;
    const QString path = bytes ? folder.write(QStringLiteral("qv.chm"), *bytes)
                               : folder.path(QStringLiteral("qv.chm"));
    QString why;
    if (ChmArchive::load(path, &why))
        return {};
    return why;
}

// The notes of trying the dictionary at base, with the engines tried first
// by the helper program given (none: loaded at once); nothing where it was
// loaded, unless even then.
QString dictionaryNotes(
    const std::filesystem::path &base, const std::filesystem::path &helper, bool evenLoaded = false)
{
    const std::atomic<bool> cancel = false;
    QStringList notes;
    DictionaryChooser chooser({ helper, std::nullopt, {} }, cancel,
        [&notes](const std::string &line) { notes << QString::fromStdString(line); });
    if (chooser.tryDictionary(base) && !evenLoaded)
        return {};
    return notes.join(u'\n');
}

// The notes of trying a dictionary of the tests with a helper that runs script.
QString helperSays(const QByteArray &script, const QString &dictionary = QStringLiteral("good"))
{
    const TempFolder folder;
    const QString helper = folder.write(QStringLiteral("helper"), "#!/bin/sh\n" + script + "\n");
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dictionaryNotes(QUORVEL_TEST_DATA "/dictionaries/" + dictionary.toStdString() + "/xx_XX",
        helper.toStdString());
}

// The notes of trying a dictionary that Nuspell throws on, loaded at once.
QString engineThrows()
{
    return dictionaryNotes(QUORVEL_TEST_DATA "/dictionaries/flag-bogus/xx_XX", {}, true);
}

// quorvel-search's standard error when --wordlist names a file of these
// bytes, or, with size, one of that many bytes that holds nothing.
QString wordListRefused(const QByteArray &bytes, qint64 size = 0)
{
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("list.txt"), bytes);
    if (path.isEmpty() || (size > 0 && !QFile(path).resize(size)))
        return {};
    ToolRun tool;
    GameCommand command;
    command.wordlist = std::filesystem::path(path.toStdString());
    (void)runGameTool(command, tool.services(), tool.io);
    return tool.errors();
}

} // namespace

class TestReasons : public QObject {
    Q_OBJECT

private slots:
    void inTheInterfaceLanguage_data()
    {
        using GameStops::written;
        addRows<ReasonRow>({
            { "search: the window's tooltip", { "RunSummary", "Reason" }, windowTooltip },
            { "search: quorvel-search's standard error", { "AnalysisTool", "Reason" }, toolErrors },
            { "help file reader: not a help file", { "ChmArchive" },
                [] { return helpFileRefusal("<html>no help</html>"); } },
            { "help file reader: no file", { "ChmArchive" },
                [] { return helpFileRefusal(std::nullopt); } },
            { "dictionaries: files not there", { "DictionaryChooser", "DictionaryCheck" },
                [] {
                    const TempFolder folder;
                    return dictionaryNotes(folder.path(QStringLiteral("xx_XX")).toStdString(), {});
                } },
            { "dictionaries: an engine's verdict", { "DictionaryChooser", "Reason" },
                [] { return helperSays("echo what"); } },
            { "dictionaries: an engine dies", { "DictionaryChooser", "Reason" },
                [] { return helperSays("kill -SEGV $$"); } },
            // The helper program itself, on a dictionary whose engines accept any string.
            { "dictionaries: the self-test", { "DictionaryChooser", "Reason" },
                [] {
                    return helperSays(
                        "exec " QUORVEL_PROBE " \"$@\"", QStringLiteral("accepts-anything"));
                } },
            { "dictionaries: an engine's own error", { "DictionaryChooser", "Reason" },
                engineThrows },
            { "word index: a kept one not read back", { "IndexLoading", "Reason" },
                keptIndexWithoutAffixFile },
            { "word index: too many letters for a game", { "GameOptions", "Reason" },
                lettersRefused },
            { "affix file reader: a directive", { "RunSummary", "Reason" },
                [] { return affixFileRefused("COMPLEXPREFIXES\n"); } },
            { "affix file reader: an encoding", { "RunSummary", "Reason" },
                [] { return affixFileRefused("SET FOO-9\n"); } },
            { "word index: a word's forms", { "RunSummary", "Reason" }, wordTooManyForms },
            { "word index: no files", { "RunSummary", "Reason" }, dictionaryFilesMissing },
            { "compound search: its budget", { "RunSummary", "Reason" }, compoundBudget },
            { "word games: candidates past the budget", { "GameOutput", "Reason" },
                [] {
                    return gameStopped(written(GameStops::kJudged, { 120, 250, 31 }));
                } },
            { "word games: at least so many past the budget", { "GameOutput", "Reason" },
                [] {
                    return gameStopped(written(GameStops::kJudgedAtLeast, { 120, 250, 31 }));
                } },
            { "word games: a word's spellings", { "GameOutput", "Reason" },
                [] { return gameStopped(written(GameStops::kSpellings, { 4096 })); } },
            { "word games: candidates left unjudged", { "GameOutput", "Reason" },
                [] { return gameStopped(written(GameStops::kLateUnjudged, { 17 })); } },
            { "word games: the time", { "GameOutput", "Reason" },
                [] { return gameStopped(GameStops::kLate); } },
            { "phrases: the steps", { "GameOutput", "Reason" },
                [] { return gameStopped(written(GameStops::kPhraseSteps, { 5000 })); } },
            { "phrases: how many", { "GameOutput", "Reason" },
                [] { return gameStopped(written(GameStops::kPhrases, { 300 })); } },
            // sparse: nothing is written
            { "word lists: a file too large", { "WordList" },
                [] { return wordListRefused({}, qint64(1) << 30); } },
            { "word lists: a line not UTF-8", { "PlayerList" },
                [] { return wordListRefused("act\n\xff\n"); } },
        });
    }

    void inTheInterfaceLanguage()
    {
        QFETCH(ReasonRow, row);
        const auto catalogue = readCatalogue(QStringLiteral(QUORVEL_TS_FOLDER "/quorvel_de.ts"));
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("quorvel_de"), QStringLiteral(QUORVEL_TRANSLATIONS)));
        const QString english = row.shown();
        QVERIFY(!english.isEmpty());
        QCoreApplication::installTranslator(&german);
        const QString translated = row.shown();
        QCoreApplication::removeTranslator(&german);
        for (const QString &context : row.contexts) {
            // The longest text of the context that the English reason holds.
            const CatalogueMessage *used = nullptr;
            for (const CatalogueMessage &message : catalogue) {
                if (message.context == context && holds(english, message.source)
                    && (!used || message.source.size() > used->source.size()))
                    used = &message;
            }
            QVERIFY2(used, qPrintable(context + QStringLiteral(": ") + english));
            const QString translation = used->translations.value(0);
            QVERIFY2(used->type.isEmpty() && !translation.isEmpty() && translation != used->source,
                qPrintable(used->source));
            QVERIFY2(holds(translated, translation),
                qPrintable(translated + QStringLiteral(" / ") + translation));
        }
    }

    // English says "1 word" and "2 words" where the code writes "%n
    // word(s)", from a catalogue of nothing but plural forms: what scripts
    // read of quorvel-search's standard error stays word for word.
    void englishPluralForms()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral("quorvel_en"), QStringLiteral(QUORVEL_TRANSLATIONS)));
        const auto wordsNote = [](std::size_t words) {
            GameOutcome outcome;
            outcome.results.resize(words);
            return QString::fromStdString(gameNotes(GameQuery {}, outcome).front());
        };
        const QString sourceOne = wordsNote(1);
        const QString errors = toolErrors();
        QCoreApplication::installTranslator(&english);
        const QString one = wordsNote(1);
        const QString two = wordsNote(2);
        const QString englishErrors = toolErrors();
        QCoreApplication::removeTranslator(&english);
        QVERIFY2(one != sourceOne && !one.contains(u'('), qPrintable(one));
        QVERIFY2(!two.contains(u'('), qPrintable(two));
        // The plural is a form of its own, not the singular's number changed.
        QVERIFY2(QString(one).replace(u'1', u'2') != two, qPrintable(one + u'|' + two));
        // The same lines, the times apart.
        const auto untimed = [](QString text) {
            static const QRegularExpression number(QStringLiteral("[0-9.]+"));
            return text.replace(number, QStringLiteral("#"));
        };
        QVERIFY(errors.contains(u'\n'));
        QCOMPARE(untimed(englishErrors), untimed(errors));
        for (const CatalogueMessage &message :
            readCatalogue(QStringLiteral(QUORVEL_TS_FOLDER "/quorvel_en.ts"))) {
            QVERIFY2(message.translations.size() == 2 && message.type.isEmpty(),
                qPrintable(message.source));
        }
    }
};

QTEST_GUILESS_MAIN(TestReasons)
#include "tst_reasons.moc"
