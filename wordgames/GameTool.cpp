// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameTool.h"

#include "platform/ProgramTerminator.h"
#include "search/IndexWait.h"
#include "search/Oracle.h"
#include "wordindex/IndexSource.h"

#include <optional>

namespace {

// How long one look at an index being built waits, so that the progress
// line can say how long it still takes.
constexpr auto kWaitSlice = std::chrono::milliseconds(100);

} // namespace

int runGameTool(const GameQuery &query, const GameToolServices &services, const GameToolIo &io)
{
    const auto checker
        = acquireChecker(services.checkers, services.messageBox, services.terminator);
    if (!checker || services.terminator.isEnding())
        return kExitNoChecker;
    std::optional<ProgressLine> progress;
    if (io.terminal)
        progress.emplace(io.terminal, io.clock);
    const auto dictionary = checker->dictionary();
    IndexSource::Offer offer { nullptr, "the checker reads no dictionary file" };
    if (dictionary) {
        offer = waitForIndex(services.indexes, *dictionary, kWaitSlice,
            [&progress](std::chrono::steady_clock::duration left) {
                if (progress)
                    progress->waiting("building the dictionary's word index",
                        std::chrono::ceil<std::chrono::seconds>(left));
                return true;
            });
    }
    // An index of stems makes the forms within the letters now; one of
    // forms has them all.
    const FormsWithin forms = offer.index ? offer.index->within(query.pool.reach())
                                          : FormsWithin { nullptr, offer.refusal };
    if (!forms.index) {
        if (progress)
            progress->clear();
        io.errLine("--some and --phrases need the word index of the dictionary, which cannot "
                   "serve it: "
            + forms.unfinished);
        return kExitNoChecker;
    }
    GameBudget budget = io.budget;
    if (progress)
        budget.progress = [&progress](std::size_t done, std::size_t total, const char *what) {
            progress->update(done, total, what);
        };
    const GameOutcome outcome = playGame(query, *forms.index, *checker, budget);
    if (progress)
        progress->clear();
    io.out(formatResults(outcome.results, query.json));
    for (const std::string &line : gameNotes(query, outcome))
        io.errLine(line);
    return outcome.unfinished.empty() ? 0 : kExitUnfinished;
}
