// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedConfirm.h"

#include "search/CheckerQuestions.h"
#include "search/FirstCounter.h"
#include "search/SpreadJudge.h"
#include "search/WorkerCheckers.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <optional>
#include <thread>

bool spelledAsSure(std::string_view spelling, std::string_view form)
{
    return spelling.size() == form.size() && !form.empty()
        && (spelling[0] == form[0]
            || (form[0] >= 'a' && form[0] <= 'z' && spelling[0] == form[0] - 'a' + 'A'))
        && spelling.substr(1) == form.substr(1);
}

namespace {

// Candidates a thread takes at once, and the fewest questions of a batch for
// which workers ask too: Hunspell gives a worker its own checker by loading
// the dictionary again, as long as a few thousand questions take.
constexpr std::size_t kJudgedAtOnce = 16;
constexpr std::size_t kParallelFrom = 8192;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

FoundWords::FoundWords(std::size_t letters)
{
    // A digit is at most the count of letters less one.
    for (std::size_t most = letters > 0 ? letters - 1 : 0; most > 255; most >>= 8)
        ++m_width;
    m_orderBytes = letters * m_width;
}

void FoundWords::add(const std::vector<int> &offsets, std::string_view word)
{
    m_starts.push_back(m_bytes.size());
    // The last digit is the most significant.
    for (std::size_t d = offsets.size(); d-- > 0;) {
        const auto value = static_cast<std::size_t>(offsets[d]);
        for (std::size_t b = m_width; b-- > 0;)
            m_bytes.push_back(static_cast<char>((value >> (8 * b)) & 0xff));
    }
    m_bytes.insert(m_bytes.end(), word.begin(), word.end());
}

std::string_view FoundWords::order(std::size_t i) const
{
    return { m_bytes.data() + m_starts[i], m_orderBytes };
}

std::string_view FoundWords::word(std::size_t i) const
{
    const std::size_t start = m_starts[i] + m_orderBytes;
    const std::size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_bytes.size();
    return { m_bytes.data() + start, end - start };
}

namespace {

// Steps of work (references placed, compared or copied, words kept) between
// two questions to keepGoing, so that a window asking it keeps turning its
// event loop while millions of words are put in order: a step reads a word's
// digits from anywhere in the lists, so 65,536 of them took 50 to 80 ms of
// 2.5 million words' ordering, and a few milliseconds is the aim.
constexpr std::size_t kWorkPerTurn = std::size_t(1) << 13;

// Asks keepGoing after every kWorkPerTurn steps of work.
class Turns {
public:
    explicit Turns(const std::function<bool()> &keepGoing)
        : m_keepGoing(keepGoing)
    {
    }

    // False once keepGoing said to stop.
    [[nodiscard]] bool step(std::size_t work = 1)
    {
        m_work += work;
        if (m_work < kWorkPerTurn)
            return true;
        m_work = 0;
        return !m_keepGoing || m_keepGoing();
    }

private:
    const std::function<bool()> &m_keepGoing;
    std::size_t m_work = 0;
};

// A found word by its list and place there, with the first bytes of its
// counter digits, which settle most comparisons without a look at the list.
struct Ref {
    std::uint64_t head;
    std::uint32_t list;
    std::uint32_t at;
};

std::uint64_t headOf(std::string_view order)
{
    std::uint64_t head = 0;
    for (std::size_t b = 0; b < sizeof head; ++b)
        head = (head << 8) | (b < order.size() ? static_cast<unsigned char>(order[b]) : 0U);
    return head;
}

// Sorts by before as a merge sort, whose every step is bounded, the caller's
// turns between them; false when they said to stop.
bool sortInTurns(std::vector<Ref> &refs, const auto &before, Turns &turns)
{
    constexpr std::size_t kRun = 256; // sorted at once
    const std::size_t n = refs.size();
    for (std::size_t at = 0; at < n; at += kRun) {
        const auto end = refs.begin() + static_cast<std::ptrdiff_t>(std::min(n, at + kRun));
        std::sort(refs.begin() + static_cast<std::ptrdiff_t>(at), end, before);
        if (!turns.step(kRun * 8))
            return false;
    }
    std::vector<Ref> merged(n);
    for (std::size_t width = kRun; width < n; width *= 2) {
        for (std::size_t at = 0; at < n; at += 2 * width) {
            const std::size_t middle = std::min(n, at + width);
            const std::size_t end = std::min(n, at + 2 * width);
            std::size_t left = at;
            std::size_t right = middle;
            std::size_t out = at;
            while (left < middle && right < end) {
                merged[out++] = before(refs[right], refs[left]) ? refs[right++] : refs[left++];
                if (!turns.step())
                    return false;
            }
            const std::size_t rest = (middle - left) + (end - right);
            out = std::copy(refs.begin() + static_cast<std::ptrdiff_t>(left),
                      refs.begin() + static_cast<std::ptrdiff_t>(middle),
                      merged.begin() + static_cast<std::ptrdiff_t>(out))
                - merged.begin();
            std::copy(refs.begin() + static_cast<std::ptrdiff_t>(right),
                refs.begin() + static_cast<std::ptrdiff_t>(end),
                merged.begin() + static_cast<std::ptrdiff_t>(out));
            if (!turns.step(rest))
                return false;
        }
        refs.swap(merged);
    }
    return true;
}

// The hash of a word in capitals, so that its case variants share it.
std::uint64_t caselessHash(std::string_view word)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(upper(c))) * 1099511628211ULL;
    return hash;
}

bool sameCaseless(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char p, char q) { return upper(p) == upper(q); });
}

} // namespace

std::optional<WordList> wordsInCounterOrder(
    const std::vector<FoundWords> &found, const std::function<bool()> &keepGoing)
{
    // Millions of words take seconds to order: the work goes in steps of a
    // bounded size, keepGoing asked between them, so that a window whose
    // thread this is keeps answering, and a Cancel ends it at once.
    Turns turns(keepGoing);
    std::size_t total = 0;
    for (const FoundWords &words : found)
        total += words.size();
    std::vector<Ref> refs;
    refs.reserve(total);
    // (A list's place fits 32 bits: four billion words of 25 bytes or more
    // would not have fitted in memory.)
    for (std::size_t l = 0; l < found.size(); ++l) {
        for (std::size_t i = 0; i < found[l].size(); ++i) {
            refs.push_back({ headOf(found[l].order(i)), static_cast<std::uint32_t>(l),
                static_cast<std::uint32_t>(i) });
            if (!turns.step())
                return std::nullopt;
        }
    }
    const auto before = [&found](const Ref &a, const Ref &b) {
        if (a.head != b.head)
            return a.head < b.head;
        return found[a.list].order(a.at) < found[b.list].order(b.at);
    };
    if (!sortInTurns(refs, before, turns))
        return std::nullopt;
    // Of the words that differ only in case, the first in counter order is
    // kept (as addword keeps the first found): each is looked up among those
    // kept so far, in a table of their places in the list, by its capitals.
    const std::size_t tableSize = std::bit_ceil(std::max<std::size_t>(16, 2 * refs.size()));
    std::vector<std::uint32_t> kept(tableSize, 0); // the place in the list + 1; 0: empty
    WordList list;
    // Room for every word at once: growing it would move millions of words
    // in one step.
    list.reserve(refs.size());
    for (const Ref &r : refs) {
        const std::string_view word = found[r.list].word(r.at);
        std::size_t slot = caselessHash(word) & (tableSize - 1);
        while (kept[slot] != 0 && !sameCaseless(list[kept[slot] - 1], word))
            slot = (slot + 1) & (tableSize - 1);
        if (kept[slot] == 0) {
            list.emplace_back(word);
            kept[slot] = static_cast<std::uint32_t>(list.size());
        }
        if (!turns.step())
            return std::nullopt;
    }
    return list;
}

Confirmer::Confirmer(const Tokens &tokens, SpellChecker &checker, unsigned threads,
    std::function<bool()> keepGoing, std::function<void(std::size_t)> confirmed,
    const InnerCapitals *capitals, std::atomic<std::size_t> *settledRefused)
    : m_tokens(tokens)
    , m_checker(checker)
    , m_threads(threads)
    , m_keepGoing(std::move(keepGoing))
    , m_told(std::move(confirmed))
    , m_capitals(capitals)
    , m_settledRefused(settledRefused)
{
    m_found.emplace_back(tokens.typed.size());
}

Confirmer::~Confirmer() = default;

bool Confirmer::confirm(const std::vector<std::string> &candidates, const std::vector<bool> &sure,
    std::size_t questions)
{
    if (!m_clonesMade && questions >= kParallelFrom) {
        m_clonesMade = true;
        m_clones = workerCheckers(m_checker, m_threads, CallerAsks::Yes);
        for (std::size_t w = 0; w < m_clones.size(); ++w)
            m_found.emplace_back(m_tokens.typed.size());
    }
    std::atomic<std::size_t> nextCandidate { 0 };
    std::atomic<std::size_t> done { 0 };
    std::atomic<bool> stop { false };
    std::atomic<std::size_t> asked { 0 };
    std::atomic<std::size_t> settled { 0 };
    std::atomic<std::size_t> spellingsSettled { 0 };
    const auto judgeAll = [&](SpellChecker &checker, FoundWords &found, bool ownThread) {
        SpreadJudge judge(m_tokens, checker, m_capitals, m_settledRefused);
        std::size_t mine = 0;
        std::size_t mineSettled = 0;
        std::size_t mineSpellings = 0;
        while (!stop.load(std::memory_order_relaxed)) {
            const std::size_t first = nextCandidate.fetch_add(kJudgedAtOnce);
            if (first >= candidates.size())
                break;
            const std::size_t end = std::min(first + kJudgedAtOnce, candidates.size());
            for (std::size_t c = first; c < end; ++c) {
                const std::size_t before = mine;
                judge.judge(candidates[c], sure[c], mine, mineSpellings, found);
                mineSettled += mine == before ? 1 : 0;
                done.fetch_add(1, std::memory_order_relaxed);
                // A window handles its events now and then, on its own
                // thread: every 64 questions or candidates, batch after batch.
                if (!ownThread)
                    continue;
                m_unasked += 1 + mine - before;
                if (m_unasked >= 64) {
                    m_unasked = 0;
                    if (m_told)
                        m_told(m_confirmed + done.load(std::memory_order_relaxed));
                    if (m_keepGoing && !m_keepGoing()) {
                        stop = true;
                        break;
                    }
                }
            }
        }
        asked += mine;
        settled += mineSettled;
        spellingsSettled += mineSpellings;
    };
    {
        std::vector<std::jthread> workers;
        if (questions >= kParallelFrom) {
            for (std::size_t w = 0; w < m_clones.size(); ++w) {
                workers.emplace_back([&judgeAll, &checker = *m_clones[w], &found = m_found[w + 1]] {
                    judgeAll(checker, found, false);
                });
            }
        }
        judgeAll(m_checker, m_found[0], true);
    }
    m_questions += asked;
    m_confirmed += done;
    m_settled += settled;
    m_settledSpellings += spellingsSettled;
    return !stop;
}
