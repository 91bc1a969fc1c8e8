// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameTool.h"

#include "cli/GameOutput.h"
#include "platform/ProgramTerminator.h"
#include "search/CheckerQuestions.h"
#include "search/IndexWait.h"
#include "search/RunSummary.h"
#include "wordindex/IndexSource.h"

#include <QCoreApplication>
#include <optional>
#include <variant>

namespace {

// How long one look at an index being built waits, so that the progress
// line can say how long it still takes.
constexpr auto kWaitSlice = std::chrono::milliseconds(100);

// The forms within the letters, or why the word index cannot give them.
std::variant<std::shared_ptr<const WordIndex>, std::string> formsWithin(
    const IndexSource::Offer &offer, const LetterPool &pool)
{
    if (!offer.index)
        return offer.refusal;
    // An index of stems makes the forms within the letters now; one of
    // forms has them all.
    FormsWithin forms = offer.index->within(pool.reach());
    if (!forms.index)
        return std::move(forms.unfinished);
    return std::move(forms.index);
}

} // namespace

ExitStatus runGameTool(const GameCommand &command, const ToolServices &services, const ToolIo &io,
    const GameBudget &gameBudget)
{
    const GameQuery &query = command.query;
    const auto checker
        = acquireChecker(services.checkers, services.messageBox, services.terminator);
    if (!checker || services.terminator.isEnding())
        return ExitStatus::NoChecker;
    std::optional<ProgressLine> progress;
    if (io.terminal)
        progress.emplace(io.terminal, io.clock);
    const auto dictionary = checker->dictionary();
    IndexSource::Offer offer { nullptr,
        QT_TRANSLATE_NOOP("Reason", "the checker reads no dictionary file"), nullptr };
    if (dictionary) {
        offer = waitForIndex(services.indexes, *dictionary, kWaitSlice,
            [&progress](std::chrono::steady_clock::duration left) {
                if (progress)
                    progress->waiting(
                        QT_TRANSLATE_NOOP("ProgressLine", "building the dictionary's word index"),
                        std::chrono::ceil<std::chrono::seconds>(left));
                return true;
            });
    }
    const auto forms = formsWithin(offer, query.pool);
    if (const auto *indexRefusal = std::get_if<std::string>(&forms)) {
        if (progress)
            progress->clear();
        io.errLine(QCoreApplication::translate("GameTool",
            "--some and --phrases need the word index of the dictionary, which cannot serve "
            "it: %1")
                       .arg(reasonText(*indexRefusal))
                       .toStdString());
        if (dictionary)
            io.errLine(answeredByLine(*dictionary, checker->engineName()));
        return ExitStatus::IndexRefused;
    }
    GameBudget budget = gameBudget;
    if (progress)
        budget.progress = [&progress](std::size_t done, std::size_t total, const char *what) {
            progress->update(done, total, what);
        };
    const GameOutcome outcome
        = playGame(query, *std::get<std::shared_ptr<const WordIndex>>(forms), *checker, budget);
    if (progress)
        progress->clear();
    io.out(formatResults(outcome.results, command.format));
    for (const std::string &line : gameNotes(query, outcome))
        io.errLine(line);
    io.errLine(answeredByLine(*dictionary, checker->engineName()));
    return outcome.unfinished.empty() ? ExitStatus::Success : ExitStatus::Unfinished;
}
