// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordHunt.h"

#include "candidates/CompoundSearch.h"
#include "search/WorkerCheckers.h"
#include "wordforms/FormRole.h"
#include "wordgames/FormSpellings.h"
#include "wordgames/GameStops.h"
#include "wordgames/WordJudge.h"
#include "wordindex/KeyWalk.h"

#include <QScopeGuard>
#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <thread>
#include <utility>

namespace {

// Keys and compounds judged at a time, between two looks at the clock.
constexpr std::size_t kChunk = 256;

// From so many keys and compounds on, workers judge them too: each needs a
// checker of its own, which Hunspell makes by loading its dictionary again
// (as long as a few thousand of its questions take).
constexpr std::size_t kParallelFrom = 8192;

// How often a hunt whose workers judge its last keys and compounds asks
// whether to stop: well within a tenth of a second.
constexpr auto kLookEvery = std::chrono::milliseconds(10);

// Steps through the tree of keys the search for compounds may take: a
// pool with blanks walks more of it than the letters of a word do.
constexpr std::size_t kMaxCompoundSteps = 50'000'000;

} // namespace

WordHunt huntWords(
    const WordIndex &index, SpellChecker &checker, const WordQuery &query, const HuntBudget &budget)
{
    WordHunt result;
    std::vector<WordIndex::KeyId> keys;
    // Without the dictionary's alphabet each key letter is a letter of its own.
    WordQuery hunted = query;
    const LooseTiles own(query.pool);
    if (!hunted.tiles) {
        hunted.tiles = &own;
        hunted.held = query.required;
    }
    const LetterPool &walked = hunted.tiles->walked();
    forEachKeyWithin(index,
        { walked, FormRole::Word, query.minLength, query.maxLength, query.required },
        [&keys](WordIndex::KeyId key, std::size_t) {
            keys.push_back(key);
            return true;
        });
    std::vector<std::string> compounds;
    std::vector<bool> sure; // of each compound
    CompoundBudget limits;
    std::size_t pastBudget = 0; // compounds counted, not kept
    // Past the budget the compounds are counted, not kept, so that the
    // hunt says how many it left out rather than stop without a word.
    const std::size_t judgedAtMost = budget.maxCandidates;
    limits.maxCandidates = judgedAtMost > SIZE_MAX / HuntBudget::kCountedPast
        ? SIZE_MAX
        : judgedAtMost * HuntBudget::kCountedPast;
    limits.maxSteps = kMaxCompoundSteps;
    limits.maxTime = std::chrono::steady_clock::duration::max();
    limits.deadline = budget.deadline;
    if (budget.naming || budget.keepGoing)
        limits.keepGoing = [&] {
            if (budget.naming)
                budget.naming(compounds.size() + pastBudget, limits.maxCandidates);
            return !budget.keepGoing || budget.keepGoing();
        };
    // The squares count letters; the search's greatest length, bytes.
    const std::size_t longest
        = query.squares.empty() ? query.maxLength : std::numeric_limits<std::size_t>::max();
    std::string compoundsCut;
    bool stopped = false;
    if (query.compounds) {
        const CompoundSearchEnd end = searchCompounds(
            index,
            { walked, false, query.minLength, longest, query.required, query.squares, {}, {} },
            limits,
            [&](const std::string &word) {
                if (compounds.size() >= judgedAtMost) {
                    ++pastBudget;
                    return;
                }
                compounds.push_back(word);
                sure.push_back(false);
            },
            [&sure](std::size_t number) {
                if (number < sure.size())
                    sure[number] = true;
            });
        compoundsCut = end.unfinished;
        stopped = end.stopped;
    }
    // The keys and compounds are judged in chunks: each thread's first one
    // its own, the others taken in turn by whichever thread is free.
    const std::size_t total = keys.size() + compounds.size();
    const auto clones = total >= kParallelFrom
        ? workerCheckers(checker, budget.threads, CallerAsks::Yes)
        : std::vector<std::unique_ptr<SpellChecker>>();
    std::atomic<std::size_t> next = (clones.size() + 1) * kChunk;
    std::atomic<std::size_t> judged = 0;
    // Stopped while naming: nothing is judged.
    std::atomic<bool> late = stopped;
    std::atomic<std::size_t> tooMany = 0;
    const auto judge = [&](SpellChecker &asked, WordHunt &part, std::size_t first, bool tells) {
        WordJudge hunt(index, asked, hunted, part);
        const auto told = qScopeGuard([&] { tooMany += hunt.tooMany(); });
        for (std::size_t begin = first; begin < total && !late; begin = next.fetch_add(kChunk)) {
            const std::size_t end = std::min(total, begin + kChunk);
            // One word may be spelt in hundreds of ways (every a as a or ä):
            // the clock is read after each, so that a late hunt stops soon.
            for (std::size_t item = begin; item < end && !late; ++item) {
                if (tells && budget.keepGoing && !budget.keepGoing()) {
                    stopped = true;
                    late = true;
                    break;
                }
                if (item < keys.size())
                    hunt.judgeKey(keys[item]);
                else
                    hunt.judgeCompound(compounds[item - keys.size()], sure[item - keys.size()]);
                ++judged;
                if (std::chrono::steady_clock::now() > budget.deadline)
                    late = true;
                if (tells && budget.progress)
                    budget.progress(judged, total);
            }
        }
    };
    std::vector<WordHunt> parts(clones.size());
    std::vector<std::jthread> workers;
    std::atomic<std::size_t> working = clones.size();
    for (std::size_t i = 0; i < clones.size(); ++i)
        workers.emplace_back([&, i] {
            judge(*clones[i], parts[i], (i + 1) * kChunk, false);
            --working;
        });
    judge(checker, result, 0, true);
    // The workers' last chunks are still asked to stop (Ctrl-C) as soon.
    while (working > 0 && !late) {
        if (budget.keepGoing && !budget.keepGoing()) {
            stopped = true;
            late = true;
        }
        std::this_thread::sleep_for(kLookEvery);
    }
    workers.clear(); // joins them
    for (WordHunt &part : parts) {
        std::ranges::move(part.words, std::back_inserter(result.words));
        result.candidates += part.candidates;
        result.questions += part.questions;
    }
    if (query.spread) {
        keepOneSpelling(result.words, *query.spread,
            [](const FoundWord &word) -> const std::string & { return word.text; });
    } else
        hunted.tiles->keepOneCase(
            result.words, [](const FoundWord &word) -> const std::string & { return word.text; });
    // What the budget and the clock left unjudged is counted and said.
    const std::size_t unjudged = late ? total - std::min(total, judged.load()) : 0;
    result.leftOut = pastBudget + unjudged + tooMany;
    result.leftOutAtLeast = pastBudget > 0 && !compoundsCut.empty();
    result.stopped = stopped;
    if (stopped)
        result.unfinished = GameStops::kStopped;
    else if (pastBudget > 0)
        result.unfinished = GameStops::written(
            result.leftOutAtLeast ? GameStops::kJudgedAtLeast : GameStops::kJudged,
            { total - unjudged, judgedAtMost, result.leftOut });
    else if (!compoundsCut.empty())
        result.unfinished = compoundsCut;
    else if (tooMany > 0)
        result.unfinished = GameStops::written(GameStops::kSpellings, { WordJudge::kMaxSpellings });
    else if (late)
        result.unfinished = GameStops::written(GameStops::kLateUnjudged, { unjudged });
    if (budget.progress)
        budget.progress(judged, total);
    return result;
}
