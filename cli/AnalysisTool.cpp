// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AnalysisTool.h"

#include "cli/ProgressLine.h"
#include "platform/ProgramTerminator.h"
#include "search/HeadlessView.h"
#include "search/RunSummary.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

ExitStatus runAnalysis(const QString &letters, const ToolServices &services,
    const SearchOptions &options, const ToolIo &io, const std::optional<std::string> &askedLanguage)
{
    HeadlessView view(letters);
    NoEvents events;
    SearchOptions englishResult = options;
    englishResult.resultLanguage = ResultLanguage::English; // what scripts read stays as it is
    WordSearch search(view,
        { services.messageBox, services.checkers, services.terminator, events, &services.indexes },
        englishResult);
    std::optional<RunReport> finished;
    search.setRunFinished([&finished](const RunReport &run) { finished = run; });
    // Trying every arrangement of many letters takes long: a terminal sees
    // how far it is from the first second on.
    std::optional<ProgressLine> progress;
    if (io.terminal) {
        progress.emplace(io.terminal, io.clock);
        const auto count
            = [](double value) { return static_cast<std::size_t>(std::clamp(value, 0.0, 1e18)); };
        view.setProgressReport([&progress, count](double done, double total) {
            progress->update(
                count(done), count(total), QT_TRANSLATE_NOOP("ProgressLine", "arrangements tried"));
        });
        // So does confirming the millions of candidates the index names for a long word.
        view.setConfirmedReport([&progress, count](double confirmed, double named) {
            progress->update(count(confirmed), count(named),
                QT_TRANSLATE_NOOP("ProgressLine", "candidates confirmed"));
        });
    }
    search.startanalysis();
    if (progress)
        progress->clear();
    if (services.terminator.isEnding())
        return ExitStatus::NoChecker;
    // No run, and the program goes on: the request was refused, and the
    // message box has told why.
    if (!finished)
        return search.outsideAlphabet() ? ExitStatus::Usage : ExitStatus::Refused;

    io.out(view.resultsText().toUtf8() + '\n');
    if (finished->dictionary)
        io.errLine(answeredByLine(*finished->dictionary, finished->engine));
    if (const QString note = missingLanguageNote(askedLanguage, *finished); !note.isEmpty())
        io.errLine(note.toStdString());
    // Scripts read these two lines: in English (LANGUAGE=en, or no
    // catalogue) they are word for word what they have always been.
    if (!finished->fallback.empty())
        io.errLine(QCoreApplication::translate("AnalysisTool", "every arrangement tried: %1")
                       .arg(reasonText(finished->fallback))
                       .toStdString());
    const double seconds = std::chrono::duration<double>(finished->time).count();
    if (finished->indexed) {
        char number[32];
        std::snprintf(number, sizeof number, "%.3f", seconds);
        io.errLine(QCoreApplication::translate("AnalysisTool", "answered by the word index, %1 s")
                       .arg(QString::fromLatin1(number))
                       .toStdString());
        // Told apart from the line above, which scripts read as it is.
        if (finished->candidates > 0) {
            const int named = static_cast<int>(
                std::min<std::size_t>(finished->candidates, std::numeric_limits<int>::max()));
            io.errLine(QCoreApplication::translate("AnalysisTool",
                "%1 of %n candidate(s) settled by the dictionary's rules, without the checker",
                nullptr, named)
                           .arg(static_cast<qulonglong>(finished->settled))
                           .toStdString());
            // The share of the spellings the checker was spared.
            const int spellings = static_cast<int>(
                std::min<std::size_t>(finished->settledSpellings, std::numeric_limits<int>::max()));
            io.errLine(QCoreApplication::translate("AnalysisTool",
                "%n spelling(s) settled by the dictionary's rules, %1 asked of the checker",
                nullptr, spellings)
                           .arg(finished->questions, 0, 'f', 0)
                           .toStdString());
        }
    } else {
        // A loose run shows its progress every few questions, not every one.
        const double tried = finished->loose ? finished->questions : view.progressUpdates();
        io.errLine(
            QCoreApplication::translate("AnalysisTool", "%1 arrangements, %2 s, %3 arrangements/s")
                .arg(tried, 0, 'f', 0)
                .arg(seconds, 0, 'f', 3)
                .arg(tried / seconds, 0, 'f', 0)
                .toStdString());
    }
    return ExitStatus::Success;
}
