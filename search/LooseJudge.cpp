// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseJudge.h"

#include "candidates/CompoundSearch.h"
#include "candidates/CompoundSpellings.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/WorkerCheckers.h"
#include "wordforms/FormRole.h"
#include "wordindex/WordIndex.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <limits>
#include <mutex>
#include <thread>

namespace {

// Compounds spread and judged at a time: a long input names millions.
constexpr std::size_t kCompoundBatch = 4096;
// The spellings of a compound's splits looked through for its parts' case.
constexpr std::size_t kMostCasedSpellings = 64;

// The fewest questions for which workers ask too (as the indexed search).
constexpr std::size_t kParallelFrom = 8192;
constexpr std::size_t kJudgedAtOnce = 256;

} // namespace

LooseJudge::LooseJudge(
    SpellChecker &checker, unsigned threads, std::function<bool(double)> keepGoing)
    : m_checker(checker)
    , m_threads(threads)
    , m_keepGoing(std::move(keepGoing))
{
}

LooseJudge::~LooseJudge() = default;

bool LooseJudge::judge()
{
    const std::vector<std::string> &strings = m_pending;
    std::vector<char> accepted(strings.size(), 0);
    std::atomic<std::size_t> next { 0 };
    std::atomic<bool> stop { false };
    const double before = m_asked;
    const auto judgeAll = [&](SpellChecker &asked, bool ownThread) {
        while (!stop.load(std::memory_order_relaxed)) {
            const std::size_t first = next.fetch_add(kJudgedAtOnce);
            if (first >= strings.size())
                break;
            const std::size_t end = std::min(first + kJudgedAtOnce, strings.size());
            for (std::size_t s = first; s < end; ++s)
                accepted[s] = testword(asked, strings[s]) ? 1 : 0;
            // A window handles its events now and then, on its own thread.
            if (ownThread && !m_keepGoing(before + static_cast<double>(end)))
                stop = true;
        }
    };
    std::vector<std::jthread> workers;
    if (strings.size() >= kParallelFrom) {
        if (!m_clonesMade) {
            m_clones = workerCheckers(m_checker, m_threads, CallerAsks::Yes);
            m_clonesMade = true;
        }
        for (auto &clone : m_clones)
            workers.emplace_back([&judgeAll, &clone] { judgeAll(*clone, false); });
    }
    judgeAll(m_checker, true);
    for (auto &worker : workers)
        worker.join();
    m_asked += static_cast<double>(strings.size());
    if (stop)
        return false;
    for (std::size_t s = 0; s < strings.size(); ++s) {
        if (accepted[s])
            m_accepted.push_back(std::move(m_pending[s]));
    }
    m_pending.clear();
    return true;
}

std::vector<std::string> casedByParts(const WordIndex &index, const std::string &compound)
{
    std::vector<std::string> cased;
    const CompoundSplits splits = compoundSplits(index, compound);
    std::vector<std::string> joined;
    // Not whole: its letters are spread as they are, in the three cases.
    (void)joinedSpellings(splits, kMostCasedSpellings, joined);
    // Its capitals put on the compound's letters, one letter for each of
    // the compound's key letters (SEK and õu make SEKou).
    for (const std::string &spelling : joined) {
        const std::vector<std::string> letters = lettersOf(spelling);
        if (letters.size() != compound.size())
            continue;
        std::string capitals = compound;
        bool inside = false;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const std::string &letter = letters[i];
            if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z'
                && letter[0] - 'A' + 'a' == compound[i]) {
                capitals[i] = letter[0];
                inside = inside || i > 0;
            }
        }
        if (inside && std::ranges::find(cased, capitals) == cased.end())
            cased.push_back(std::move(capitals));
    }
    return cased;
}

namespace {

bool capitalInside(const WordIndex &index)
{
    constexpr std::uint8_t kNotFirst
        = FormRole::Middle | FormRole::End | FormRole::Rule | FormRole::RuleLast;
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    for (WordIndex::KeyId key = 0; key < index.keyCount(); ++key) {
        const WordIndex::Forms forms = index.formsOf(key);
        for (std::size_t i = 0; i < forms.size(); ++i) {
            if ((forms.roles[i] & FormRole::Parts) == 0)
                continue;
            const std::string_view form = forms[i];
            if (std::ranges::any_of(form.substr(std::min<std::size_t>(1, form.size())), capital)
                || ((forms.roles[i] & kNotFirst) != 0 && !form.empty() && capital(form[0])))
                return true;
        }
    }
    return false;
}

} // namespace

bool partsCapitalInside(const std::shared_ptr<const WordIndex> &index)
{
    // The last index asked about: a search asks for each batch of compounds,
    // the window and the tool search one dictionary's index at a time.
    static std::mutex guard;
    static std::weak_ptr<const WordIndex> last;
    static bool lastInside = false;
    const std::scoped_lock lock(guard);
    if (!last.owner_before(index) && !index.owner_before(last) && !last.expired())
        return lastInside;
    lastInside = capitalInside(*index);
    last = index;
    return lastInside;
}

void settleSure(const std::string &form, std::size_t first, LooseJudge &judge)
{
    std::vector<std::string> &strings = judge.pending();
    const auto kept = std::remove_if(strings.begin() + static_cast<std::ptrdiff_t>(first),
        strings.end(), [&](std::string &spelling) {
            if (!spelledAsSure(spelling, form))
                return false;
            judge.settle(std::move(spelling));
            return true;
        });
    strings.erase(kept, strings.end());
}

CompoundStream streamCompounds(const std::shared_ptr<const WordIndex> &index, std::string_view keys,
    const CompoundBudget &budget, const std::unordered_set<std::string> &forms,
    const std::function<bool(const std::string &, bool)> &spread, LooseJudge &judge,
    std::unordered_set<std::string> &seen)
{
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    CompoundStream result;
    std::vector<std::string> batch;
    std::vector<bool> sure;
    std::size_t firstNumber = 0; // of the compounds in placeInBatch
    std::vector<std::size_t> placeInBatch; // each compound's place in the batch
    bool ended = false;
    const bool cased = partsCapitalInside(index);
    // The search tells that a compound is sure just after naming it: a full
    // batch is spread as the next one comes.
    const auto flush = [&](bool judged) {
        for (std::size_t i = 0; i < batch.size() && !ended; ++i)
            ended = !spread(batch[i], sure[i]);
        // A part the dictionary spells with a capital inside (kB, KiB) is
        // asked in its own case too: the compound is named in small letters.
        for (std::size_t i = 0; cased && i < batch.size() && !ended; ++i) {
            if (sure[i])
                continue;
            for (const std::string &spelling : casedByParts(*index, batch[i])) {
                if (ended)
                    break;
                ended = !spread(spelling, false);
            }
        }
        if (!ended && judged && !judge.judge()) {
            ended = true;
            result.stopped = true;
        }
        // Spellings of other compounds are other strings.
        if (judged)
            seen.clear();
        firstNumber += placeInBatch.size();
        placeInBatch.clear();
        batch.clear();
        sure.clear();
        return !ended;
    };
    // Spreading and asking during the search would count against its time:
    // a search with an end spreads its compounds once it has named them all
    // (no more than its budget's candidates).
    const bool endless = budget.maxTime == std::chrono::steady_clock::duration::max();
    CompoundBudget going = budget;
    going.keepGoing = [&] { return !ended && (!budget.keepGoing || budget.keepGoing()); };
    const CompoundSearchEnd end = searchCompoundCandidates(
        *index, keys, going, {}, {},
        [&](const std::string &word) {
            if (ended || (endless && batch.size() >= kCompoundBatch && !flush(true)))
                return;
            placeInBatch.push_back(forms.contains(word) ? kNone : batch.size());
            if (placeInBatch.back() != kNone) {
                batch.push_back(word);
                sure.push_back(false);
            }
        },
        [&](std::size_t number) {
            if (number >= firstNumber && number - firstNumber < placeInBatch.size()
                && placeInBatch[number - firstNumber] != kNone)
                sure[placeInBatch[number - firstNumber]] = true;
        });
    if (ended)
        return result;
    if (!end.unfinished.empty()) {
        result.unfinished = end.unfinished;
        result.stopped = end.stopped;
        return result;
    }
    // The last batch is judged with the rest.
    flush(false);
    return result;
}
