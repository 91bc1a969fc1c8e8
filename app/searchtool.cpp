// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-search: one analysis without a window, for scripts and for
// measuring; it prints exactly the line the results box would show. With
// --some or --phrases it plays the word games instead (wordgames/).
#include "BuildConfig.h"
#include "DictionaryOption.h"
#include "HelperPath.h"
#include "search/HeadlessView.h"
#include "search/Request.h"
#include "search/RunSummary.h"
#include "search/WordSearch.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/DictionaryService.h"
#include "wordgames/GameOptions.h"
#include "wordgames/GameTool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

// Exit statuses, as the manual page lists them.
constexpr int kExitRefused = 1; // the request itself was refused
constexpr int kExitUsage = 2;

constexpr unsigned kMaxThreads = 256;

int usageError(const QString &message)
{
    std::fprintf(
        stderr, "%s\nTry 'quorvel-search --help' for more information.\n", qPrintable(message));
    return kExitUsage;
}

void printLine(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

void tellChoice(const DictionaryService &dictionaries)
{
    if (const auto choice = dictionaries.choice())
        std::fprintf(stderr, "dictionary %s (%s), engine %s\n", choice->language.c_str(),
            choice->base.c_str(), engineName(choice->engine));
}

// The designed analysis: the results box's line, and how it was found.
int analyse(const QString &letters, DictionaryService &dictionaries, WordSearch::Options options,
    const std::optional<std::string> &askedLanguage)
{
    const CheckedRequest request = checkRequest(letters);
    if (request.refusal) {
        std::fprintf(stderr, "%s\n", qPrintable(request.refusal->text));
        return kExitRefused;
    }
    HeadlessView view(request.letters);
    StderrMessageBox box;
    FlagTerminator terminator;
    NoEvents events;
    WordSearch search(view, { box, dictionaries, terminator, events, &dictionaries }, options);

    search.f(request.letters.toStdString());
    if (terminator.isEnding())
        return kExitNoChecker;

    std::printf("%s\n", qPrintable(view.resultsText()));
    std::fflush(stdout);
    const RunReport &run = search.lastRun();
    const double seconds = std::chrono::duration<double>(run.time).count();
    tellChoice(dictionaries);
    if (const QString note = missingLanguageNote(askedLanguage, run); !note.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(note));
    if (!run.fallback.empty())
        std::fprintf(stderr, "every arrangement tried: %s\n", run.fallback.c_str());
    if (run.indexed)
        std::fprintf(stderr, "answered by the word index, %.3f s\n", seconds);
    else
        std::fprintf(stderr, "%.0f arrangements, %.3f s, %.0f arrangements/s\n",
            view.progressUpdates(), seconds, view.progressUpdates() / seconds);
    return 0;
}

int play(const GameQuery &query, DictionaryService &dictionaries)
{
    StderrMessageBox box;
    FlagTerminator terminator;
    GameToolIo io;
    io.out = [](const QByteArray &bytes) {
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    };
    io.errLine = printLine;
    if (isatty(STDERR_FILENO))
        io.terminal = [](const std::string &text) {
            std::fputs(text.c_str(), stderr);
            std::fflush(stderr);
        };
    const int status = runGameTool(query, { dictionaries, dictionaries, box, terminator }, io);
    tellChoice(dictionaries);
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-search"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every word made of all the given letters, as the Quorvel window does; with --some "
        "or --phrases, the words made of some of them or the phrases made of all of them."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption threadsOption(QStringLiteral("threads"),
        QStringLiteral("Ask the spelling checker from N threads (1: one question after another; "
                       "default: one per core)."),
        QStringLiteral("N"));
    parser.addOption(threadsOption);
    const QCommandLineOption exhaustiveOption(QStringLiteral("exhaustive"),
        QStringLiteral("Try every arrangement, even where the dictionary's word index could "
                       "answer at once."));
    parser.addOption(exhaustiveOption);
    const QCommandLineOption noCacheOption(QStringLiteral("no-cache"),
        QStringLiteral("Neither read nor write the dictionary cache (~/.cache/quorvel)."));
    parser.addOption(noCacheOption);
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("Use the dictionary of this language (de_DE) or at this path (a .dic "
                       "file, or its path without the extension)."),
        QStringLiteral("NAME_OR_PATH"));
    parser.addOption(dictionaryOption);
    const QCommandLineOption listOption(QStringLiteral("list-dictionaries"),
        QStringLiteral("List the dictionaries found, and which one the locale picks."));
    parser.addOption(listOption);
    const GameOptions games;
    games.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("letters"),
        QStringLiteral("The jumbled letters (A to Z, either case); with --some or --phrases "
                       "\"?\" is a blank tile."));
    if (!parser.parse(GameOptions::withPhraseDefault(QCoreApplication::arguments())))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const auto folders = DictionaryLocator::defaultFolders();
    DictionaryPick pick { {}, DictionaryLocator::userLanguage() };
    if (parser.isSet(listOption)) {
        for (const std::string &line : dictionaryList(folders, pick.language))
            std::printf("%s\n", line.c_str());
        return 0;
    }
    const bool game = games.asked(parser);
    if (const auto option = games.gameOnlyOption(parser); option && !game)
        return usageError(QStringLiteral("%1 needs --some or --phrases.").arg(*option));
    if (game && (parser.isSet(threadsOption) || parser.isSet(exhaustiveOption)))
        return usageError(QStringLiteral("--threads and --exhaustive belong to the search for "
                                         "words of all the letters, not to --some or --phrases."));
    WordSearch::Options options;
    options.resultLanguage = ResultLanguage::English; // what scripts read stays as it is
    if (parser.isSet(threadsOption)) {
        bool ok = false;
        const uint threads = parser.value(threadsOption).toUInt(&ok);
        if (!ok || threads < 1 || threads > kMaxThreads)
            return usageError(
                QStringLiteral("--threads takes a number from 1 to %1").arg(kMaxThreads));
        options.threads = threads;
    }
    options.exhaustive = parser.isSet(exhaustiveOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("Give the letters as one argument."));
    if (parser.isSet(dictionaryOption)) {
        auto named = pickDictionary(parser.value(dictionaryOption).toStdString(), folders);
        if (const auto *why = std::get_if<std::string>(&named))
            return usageError(
                QStringLiteral("--dictionary: %1.").arg(QString::fromStdString(*why)));
        pick = std::get<DictionaryPick>(std::move(named));
    } else {
        pick.candidates = DictionaryLocator::candidates(pick.language, folders);
    }
    std::optional<GameQuery> query;
    if (game) {
        auto read = games.read(parser, positional.first());
        if (const auto *refusal = std::get_if<GameRefusal>(&read)) {
            if (refusal->status == kExitUsage)
                return usageError(refusal->message);
            std::fprintf(stderr, "%s\n", qPrintable(refusal->message));
            return refusal->status;
        }
        query = std::get<GameQuery>(std::move(read));
    }

    DictionaryService dictionaries(
        { [&pick] { return pick.candidates; }, pick.language,
            helperPath(QCoreApplication::applicationDirPath()),
            parser.isSet(noCacheOption) ? std::nullopt : std::optional(cacheFolder()) },
        // Which dictionary an engine turned down, and why, before another answers.
        printLine);
    const int status = query ? play(*query, dictionaries)
                             : analyse(positional.first(), dictionaries, options, pick.language);
    if (status == 0 || status == kExitUnfinished)
        // The answer is out; the index built meanwhile is kept for the next run.
        dictionaries.finish();
    return status;
}
