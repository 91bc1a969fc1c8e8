// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-search: one analysis without a window, for scripts and for
// measuring; it prints exactly the line the results box would show.
#include "BuildConfig.h"
#include "HelperPath.h"
#include "search/HeadlessView.h"
#include "search/Request.h"
#include "search/RunSummary.h"
#include "search/WordSearch.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/DictionaryService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

// Exit statuses, as the manual page lists them.
constexpr int kExitRefused = 1; // the request itself was refused
constexpr int kExitUsage = 2;
constexpr int kExitNoChecker = 3; // no usable spelling checker

constexpr unsigned kMaxThreads = 256;

int usageError(const QString &message)
{
    std::fprintf(
        stderr, "%s\nTry 'quorvel-search --help' for more information.\n", qPrintable(message));
    return kExitUsage;
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
        "Lists every word made of all the given letters, as the Quorvel window does."));
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
    parser.addPositionalArgument(
        QStringLiteral("letters"), QStringLiteral("The jumbled letters (A to Z, either case)."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    WordSearch::Options options;
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

    const CheckedRequest request = checkRequest(positional.first());
    if (request.refusal) {
        std::fprintf(stderr, "%s\n", qPrintable(request.refusal->text));
        return kExitRefused;
    }

    HeadlessView view(request.letters);
    StderrMessageBox box;
    const auto language = DictionaryLocator::userLanguage();
    DictionaryService dictionaries(
        { [&language] {
             return DictionaryLocator::candidates(language, DictionaryLocator::defaultFolders());
         },
            language, helperPath(QCoreApplication::applicationDirPath()),
            parser.isSet(noCacheOption) ? std::nullopt : std::optional(cacheFolder()) },
        // Which dictionary an engine turned down, and why, before another answers.
        [](const std::string &line) { std::fprintf(stderr, "%s\n", line.c_str()); });
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
    if (const auto choice = dictionaries.choice())
        std::fprintf(stderr, "dictionary %s (%s), engine %s\n", choice->language.c_str(),
            choice->base.c_str(), engineName(choice->engine));
    if (const QString note = missingLanguageNote(language, run); !note.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(note));
    if (!run.fallback.empty())
        std::fprintf(stderr, "every arrangement tried: %s\n", run.fallback.c_str());
    if (run.indexed)
        std::fprintf(stderr, "answered by the word index, %.3f s\n", seconds);
    else
        std::fprintf(stderr, "%.0f arrangements, %.3f s, %.0f arrangements/s\n",
            view.progressUpdates(), seconds, view.progressUpdates() / seconds);
    // The answer is out; the index built meanwhile is kept for the next run.
    dictionaries.finish();
    return 0;
}
