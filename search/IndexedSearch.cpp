// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include "search/CheckerQuestions.h"
#include "search/FirstCounter.h"
#include "search/WorkerCheckers.h"
#include "wordforms/AsciiLetters.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <limits>
#include <thread>
#include <unordered_set>
#include <vector>

namespace {

int letterIndex(char c)
{
    return c >= 'a' ? c - 'a' : c - 'A';
}

// Ways to place k capitals among n places, saturating at limit + 1.
std::size_t choose(std::size_t n, std::size_t k, std::size_t limit)
{
    k = std::min(k, n - k);
    std::size_t ways = 1;
    for (std::size_t i = 1; i <= k; ++i) {
        // Exact: ways * (n - k + i) is i times a binomial coefficient; it
        // stays below 2^40 * 2^20 since ways <= limit and n is a string length.
        ways = ways * (n - k + i) / i;
        if (ways > limit)
            return limit + 1;
    }
    return ways;
}

struct Found {
    std::vector<int> offsets;
    std::string word;
};

// The strings of exactly the typed letters, in lower case, that the index
// names: the forms filed under the letters, then the compounds.
std::optional<std::vector<std::string>> candidatesFor(std::string_view letters,
    const WordIndex &index, const CompoundBudget &budget, std::string &fallback, bool &stopped)
{
    std::vector<std::string> candidates;
    std::unordered_set<std::string> seen;
    const auto forms = index.formsFor(WordIndex::keyOf(letters));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        std::string form(forms[i]);
        std::ranges::transform(form, form.begin(), asciiLower);
        if (seen.insert(form).second)
            candidates.push_back(std::move(form));
    }
    CompoundCandidates compounds = compoundCandidates(index, letters, budget);
    if (!compounds.unfinished.empty()) {
        fallback = compounds.unfinished;
        stopped = compounds.stopped;
        return std::nullopt;
    }
    for (std::string &word : compounds.words) {
        if (seen.insert(word).second)
            candidates.push_back(std::move(word));
    }
    return candidates;
}

// Candidates a thread takes at once, and the fewest questions for which
// workers ask too: Hunspell gives a worker its own checker by loading the
// dictionary again, as long as a few thousand questions take.
constexpr std::size_t kJudgedAtOnce = 16;
constexpr std::size_t kParallelFrom = 8192;

// Finds the arrangement of the typed characters that spells a candidate and
// that the enumeration would reach first among those the checker accepts.
class Judge {
public:
    Judge(std::string_view letters, const std::array<std::string, 26> &typed,
        const std::vector<std::size_t> &present, SpellChecker &checker)
        : m_letters(letters)
        , m_typed(typed)
        , m_present(present)
        , m_checker(checker)
        , m_candidate(letters.size(), ' ')
    {
    }

    std::optional<Found> first(const std::string &form, std::size_t &questions)
    {
        for (auto &p : m_places)
            p.clear();
        for (std::size_t i = 0; i < form.size(); ++i)
            m_places[static_cast<std::size_t>(form[i] - 'a')].push_back(i);
        std::optional<Found> first;
        auto patterns = m_typed;
        while (true) {
            for (const std::size_t x : m_present) {
                for (std::size_t k = 0; k < m_places[x].size(); ++k)
                    m_candidate[m_places[x][k]] = patterns[x][k];
            }
            ++questions;
            if (testword(m_checker, m_candidate)) {
                auto offsets = firstOffsets(m_letters, m_candidate);
                if (offsets && (!first || counterBefore(*offsets, first->offsets)))
                    first = Found { std::move(*offsets), m_candidate };
            }
            // Next spread of cases: an odometer over the letters.
            std::size_t d = 0;
            while (d < m_present.size()
                && !std::ranges::next_permutation(patterns[m_present[d]]).found)
                ++d;
            if (d == m_present.size())
                return first;
        }
    }

private:
    std::string_view m_letters;
    const std::array<std::string, 26> &m_typed;
    const std::vector<std::size_t> &m_present;
    SpellChecker &m_checker;
    std::array<std::vector<std::size_t>, 26> m_places;
    std::string m_candidate;
};

} // namespace

std::chrono::steady_clock::duration compoundTimeFor(std::size_t letters)
{
    using Seconds = std::chrono::duration<double>;
    const Seconds least = CompoundBudget {}.maxTime;
    const Seconds most = std::chrono::seconds(30);
    double arrangements = 1;
    for (std::size_t k = 2; k <= letters && arrangements < 1e15; ++k)
        arrangements *= static_cast<double>(k);
    // A hundredth of what trying them all would take.
    const Seconds share(arrangements * Seconds(kQuestionCost).count() / 100);
    // Where trying every arrangement would take hours it is no way out: the
    // search for compounds goes on until it ends or the user stops it.
    if (share > most)
        return std::chrono::steady_clock::duration::max();
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::clamp(share, least, most));
}

CompoundBudget compoundBudgetFor(std::size_t letters, std::function<bool()> keepGoing)
{
    CompoundBudget budget;
    budget.keepGoing = std::move(keepGoing);
    budget.maxTime = compoundTimeFor(letters);
    if (budget.maxTime == std::chrono::steady_clock::duration::max()) {
        budget.maxSteps = std::numeric_limits<std::size_t>::max();
        budget.maxCandidates = kMostCompoundCandidates;
    }
    return budget;
}

IndexedAnswer indexedSearch(std::string_view letters, const WordIndex &index, SpellChecker &checker,
    std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads)
{
    return indexedSearch(
        letters, KeptForms(index), checker, maxArrangements, budget, keepGoing, threads);
}

IndexedAnswer indexedSearch(std::string_view letters, const FormSource &forms,
    SpellChecker &checker, std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads)
{
    IndexedAnswer answer;
    if (letters.empty() || !std::ranges::all_of(letters, isAsciiLetter)) {
        answer.fallback = "the letters are not all A to Z";
        return answer;
    }
    if (letters.size() >= (std::size_t(1) << 20)) {
        answer.fallback = "the letters are too many to count their arrangements exactly";
        return answer;
    }
    maxArrangements = std::min<std::size_t>(maxArrangements, std::size_t(1) << 40);
    const FormsWithin within = forms.within(letters, keepGoing);
    if (!within.index) {
        answer.fallback = within.unfinished;
        answer.stopped = within.stopped;
        return answer;
    }
    const auto candidates
        = candidatesFor(letters, *within.index, budget, answer.fallback, answer.stopped);
    if (!candidates)
        return answer;
    answer.candidates = candidates->size();
    if (candidates->empty()) {
        answer.words = WordList(); // however the cases spread, no arrangement is a word
        return answer;
    }
    // The typed characters of each letter, as a sorted pattern whose
    // permutations are the distinct ways to spread their cases.
    std::array<std::string, 26> typed;
    for (const char c : letters)
        typed[static_cast<std::size_t>(letterIndex(c))].push_back(c);
    std::size_t perForm = 1;
    std::vector<std::size_t> present;
    for (std::size_t x = 0; x < typed.size(); ++x) {
        if (typed[x].empty())
            continue;
        present.push_back(x);
        std::ranges::sort(typed[x]);
        const auto capitals
            = static_cast<std::size_t>(std::ranges::count_if(typed[x], isAsciiUpper));
        const std::size_t ways = choose(typed[x].size(), capitals, maxArrangements);
        if (ways > maxArrangements / perForm) {
            answer.fallback = "the capitals typed spread in too many ways";
            return answer;
        }
        perForm *= ways;
    }
    if (perForm > maxArrangements / candidates->size()) {
        answer.fallback = "the index names more arrangements than trying them all is worth";
        return answer;
    }

    // Each candidate's first accepted spread of the cases, judged on all
    // cores where there are enough questions to pay for the workers.
    std::vector<std::optional<Found>> judged(candidates->size());
    std::atomic<std::size_t> nextCandidate { 0 };
    std::atomic<bool> stop { false };
    std::atomic<std::size_t> questions { 0 };
    const auto judgeAll = [&](SpellChecker &asked, bool ownThread) {
        Judge judge(letters, typed, present, asked);
        std::size_t mine = 0;
        std::size_t told = 0;
        while (!stop.load(std::memory_order_relaxed)) {
            const std::size_t first = nextCandidate.fetch_add(kJudgedAtOnce);
            if (first >= candidates->size())
                break;
            const std::size_t end = std::min(first + kJudgedAtOnce, candidates->size());
            for (std::size_t c = first; c < end; ++c) {
                judged[c] = judge.first((*candidates)[c], mine);
                // A window handles its events now and then, on its own thread.
                if (ownThread && keepGoing && mine - told >= 64) {
                    told = mine;
                    if (!keepGoing()) {
                        stop = true;
                        break;
                    }
                }
            }
        }
        questions += mine;
    };
    std::vector<std::jthread> workers;
    if (candidates->size() * perForm >= kParallelFrom) {
        for (auto &clone : workerCheckers(checker, threads, CallerAsks::Yes)) {
            workers.emplace_back(
                [&judgeAll, clone = std::move(clone)] { judgeAll(*clone, false); });
        }
    }
    judgeAll(checker, true);
    for (auto &worker : workers)
        worker.join();
    answer.questions = questions;
    if (stop) {
        answer.stopped = true;
        return answer;
    }
    std::vector<Found> found;
    for (auto &word : judged) {
        if (word)
            found.push_back(std::move(*word));
    }
    std::ranges::sort(
        found, [](const Found &a, const Found &b) { return counterBefore(a.offsets, b.offsets); });
    WordList list;
    for (const Found &word : found)
        addword(word.word, list);
    answer.words = std::move(list);
    return answer;
}
