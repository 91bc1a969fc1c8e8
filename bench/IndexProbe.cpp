// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexProbe.h"

#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

double milliseconds(std::chrono::steady_clock::duration time)
{
    return std::chrono::duration<double, std::milli>(time).count();
}

} // namespace

// One input, its time in each stage: the forms within the letters, the
// compounds of them, and the whole search with the checker.
// With indexOnly, not the whole search: the index's own work alone, which a
// long input's checker would bury under minutes of questions.
void probeStages(const std::filesystem::path &base, const std::filesystem::path &helper,
    const std::string &letters, bool indexOnly)
{
    const std::string name = base.filename().string();
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, helper, {} });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    if (!checker) {
        std::printf("%-28s no checker\n", name.c_str());
        return;
    }
    const auto offer = service.indexFor(base, std::chrono::hours(1));
    if (!offer.index) {
        std::printf("%-28s no index\n", name.c_str());
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    const FormsWithin within = offer.index->within(letters);
    const auto formsDone = std::chrono::steady_clock::now();
    const std::clock_t cpuBefore = std::clock();
    CompoundCandidates compounds;
    CompoundBudget budget = compoundBudgetFor(letterCount(letters));
    const std::vector<std::string> each = lettersOf(letters);
    const std::string keys = keyLettersOf(each.data(), each.size()).value_or("");
    if (within.index)
        compounds = compoundCandidates(
            *within.index, keys, budget, typedCapitals(each, keys), TypedLetters(each, keys));
    const auto compoundsDone = std::chrono::steady_clock::now();
    const double compoundsCpu
        = 1e3 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    const IndexedAnswer answer = indexOnly
        ? IndexedAnswer {}
        : indexedSearch(letters, *offer.index, *checker, kMaxArrangementsTried, budget);
    const auto end = std::chrono::steady_clock::now();
    std::printf("%-28s %s: forms within %.2f ms, compounds %.2f ms (processor %.2f ms; %zu "
                "candidates%s%s), whole "
                "search %.2f ms (%zu questions, %zu of %zu candidates settled unasked, %zu "
                "words%s%s)\n",
        name.c_str(), letters.c_str(), milliseconds(formsDone - start),
        milliseconds(compoundsDone - formsDone), compoundsCpu, compounds.words.size(),
        compounds.unfinished.empty() ? "" : ", ", compounds.unfinished.c_str(),
        milliseconds(end - compoundsDone), answer.questions, answer.settled, answer.candidates,
        answer.words ? answer.words->size() : 0,
        answer.words ? "" : "; every arrangement: ", answer.fallback.c_str());
    std::fflush(stdout);
}
