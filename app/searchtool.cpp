// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-search: one analysis without a window, for scripts and for
// measuring; it prints exactly the line the results box would show. With
// --some or --phrases it plays the word games instead. The command line
// and what is printed are cli/'s; here the real services are made.
#include "BuildConfig.h"
#include "HelperPath.h"
#include "cli/AnalysisTool.h"
#include "cli/GameTool.h"
#include "cli/Interrupt.h"
#include "cli/QueryLines.h"
#include "cli/SearchCommand.h"
#include "search/HeadlessView.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/DictionaryService.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void printLine(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The answer on standard output, the rest on standard error, and the
// progress there too when it is a terminal.
ToolIo standardStreams()
{
    ToolIo io;
    io.out = [](const QByteArray &bytes) {
        const Interrupt::Writing writing;
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    };
    io.errLine = printLine;
    if (isatty(STDERR_FILENO))
        io.terminal = [](const std::string &text) {
            std::fputs(text.c_str(), stderr);
            std::fflush(stderr);
        };
    return io;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-search"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));

    // The language first, so that the usage text and every error speak it.
    const QStringList catalogues
        = InterfaceLanguage::catalogueFolders(QCoreApplication::applicationDirPath());
    const InterfaceLanguage::Choice speaking = InterfaceLanguage::choose(
        QCoreApplication::arguments(), QLocale::system().uiLanguages(), catalogues);
    InterfaceLanguage::install(speaking.language, catalogues);
    if (speaking.unknown)
        return exitCode(
            tellRefusal({ ExitStatus::Usage,
                            InterfaceLanguage::unknownLanguage(*speaking.unknown, catalogues) },
                QStringLiteral("quorvel-search")));

    const auto folders = DictionaryLocator::defaultFolders();
    SearchCommandLine commandLine;
    auto read = commandLine.read(
        QCoreApplication::arguments(), folders, DictionaryLocator::userLanguage());
    if (const auto *refusal = std::get_if<CommandRefusal>(&read))
        return exitCode(tellRefusal(*refusal, QStringLiteral("quorvel-search")));
    const SearchCommand command = std::get<SearchCommand>(std::move(read));
    if (command.listDictionaries) {
        for (const std::string &line : dictionaryList(folders, command.dictionary.language,
                 command.noCache ? std::nullopt : std::optional(cacheFolder())))
            std::printf("%s\n", line.c_str());
        return exitCode(ExitStatus::Success);
    }

    DictionaryService dictionaries(
        { [&command] { return command.dictionary.candidates; }, command.dictionary.language,
            helperPath(QCoreApplication::applicationDirPath()),
            command.noCache ? std::nullopt : std::optional(cacheFolder()) },
        // Which dictionary an engine turned down, and why, before another answers.
        printLine);
    const ToolIo io = standardStreams();
    ToolMessageBox box(io.errLine);
    Interrupt::install(Interrupt::Backstop::Exit);
    InterruptTerminator terminator;
    const ToolServices services { dictionaries, dictionaries, box, terminator };
    const auto answer = [&](const SearchCommand &query) {
        return query.game
            ? runGameTool(*query.game, services, io)
            : runAnalysis(query.letters, services, query.search, io, query.dictionary.language);
    };
    ExitStatus status = ExitStatus::Success;
    if (command.readLines) {
        // The prompt goes where the progress goes, so that the answers piped on stay clean.
        std::function<void()> prompt;
        if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO))
            prompt = [] {
                std::fputs(
                    qPrintable(QCoreApplication::translate("SearchTool", "Letters: ")), stderr);
                std::fflush(stderr);
            };
        status = QueryLines::answerAll(
            stdin,
            [&](const QString &letters) {
                auto line = commandLine.withLetters(command, letters);
                if (const auto *refusal = std::get_if<CommandRefusal>(&line)) {
                    printLine(refusal->message.toStdString());
                    return refusal->status;
                }
                return answer(std::get<SearchCommand>(line));
            },
            io, prompt, commandLine.answersInLines() ? QByteArray("\n") : QByteArray(),
            // In JSON a line that got no answer gets null, so that the n-th
            // answer stays the n-th line's.
            commandLine.answersInJson() ? QByteArray("null\n") : QByteArray());
    } else {
        status = answer(command);
    }
    // Ctrl-C: the answer under way was dropped whole; the index is not
    // waited for.
    // Nor are the index and the checkers freed, which takes longer than the
    // tenth of a second a stop may.
    if (status == ExitStatus::Interrupted || Interrupt::requested()) {
        std::fflush(nullptr);
        std::_Exit(exitCode(ExitStatus::Interrupted));
    }
    if (status == ExitStatus::Success || status == ExitStatus::Unfinished)
        // The answer is out; the index built meanwhile is kept for the next run.
        dictionaries.finish();
    return exitCode(status);
}
