// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AnalysisWiring.h"

#include "mainwindow/frmMain.h"
#include "platform/ProgramTerminator.h"
#include "search/RunSummary.h"
#include "search/WordSearch.h"

#include <memory>

void connectAnalysis(frmMain &window, WordSearch &search, ProgramTerminator &terminator)
{
    QObject::connect(
        &window, &frmMain::analysisRequested, &window, [&search] { search.startanalysis(); });
    QObject::connect(
        &window, &frmMain::cancelRequested, &window, [&search] { search.cmdCancel_Click(); });
    QObject::connect(
        &window, &frmMain::exitRequested, &window, [&terminator] { terminator.endNow(); });
    // Closing the window during an analysis ends the program as Exit does;
    // otherwise the hidden window's search would run on with nobody to see it.
    QObject::connect(&window, &frmMain::closeRequested, &window, [&search, &terminator] {
        if (search.isRunning())
            terminator.endNow();
    });
}

void connectRunNotes(
    frmMain &window, WordSearch &search, const std::optional<std::string> &askedLanguage)
{
    auto firstRun = std::make_shared<bool>(true);
    search.setRunStarting([&window, askedLanguage, firstRun](const RunReport &run) {
        if (*firstRun)
            window.setRunNotes({}, missingLanguageNote(askedLanguage, run));
    });
    search.setRunFinished([&window, askedLanguage, firstRun](const RunReport &run) {
        const QString note = *firstRun ? missingLanguageNote(askedLanguage, run) : QString();
        window.setRunNotes(
            note.isEmpty() ? runSummary(run) : runSummary(run) + QStringLiteral("\n\n") + note,
            note);
        *firstRun = false;
    });
}
