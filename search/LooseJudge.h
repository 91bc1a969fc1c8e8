// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

class WordIndex;
struct CompoundBudget;

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Judges a loose search's spellings a batch at a time, on all cores where a
// batch has enough of them to pay for the workers (whose checkers are made
// once, at the first such batch), and keeps only those accepted: a long
// input's compounds are spelt in millions of ways, which are not all held.
class LooseJudge {
public:
    // keepGoing is asked on the calling thread only, now and then, with the
    // questions asked so far.
    LooseJudge(SpellChecker &checker, unsigned threads, std::function<bool(double)> keepGoing);
    ~LooseJudge();
    LooseJudge(const LooseJudge &) = delete;
    LooseJudge &operator=(const LooseJudge &) = delete;

    // The spellings to be judged at the next judge().
    [[nodiscard]] std::vector<std::string> &pending() { return m_pending; }
    // A spelling the checker takes for certain, kept unasked.
    void settle(std::string spelling)
    {
        m_accepted.push_back(std::move(spelling));
        ++m_settled;
    }
    // Judges the pending spellings; false when keepGoing said to stop.
    [[nodiscard]] bool judge();

    [[nodiscard]] double asked() const { return m_asked; }
    [[nodiscard]] std::size_t settled() const { return m_settled; }
    [[nodiscard]] std::vector<std::string> takeAccepted() { return std::move(m_accepted); }

private:
    SpellChecker &m_checker;
    unsigned m_threads;
    std::function<bool(double)> m_keepGoing;
    std::vector<std::unique_ptr<SpellChecker>> m_clones;
    bool m_clonesMade = false;
    std::vector<std::string> m_pending;
    std::vector<std::string> m_accepted;
    double m_asked = 0;
    std::size_t m_settled = 0;
};

// The spellings made of a sure compound (FormRole::Sure), from the first
// pending on, that the checker takes for certain are kept unasked.
void settleSure(const std::string &form, std::size_t first, LooseJudge &judge);

// The compound (key letters, small) with its parts' capitals where a
// part has a capital inside (kB, KiB), each once; none where no part has.
[[nodiscard]] std::vector<std::string> casedByParts(
    const WordIndex &index, const std::string &compound);

// Whether a compound of the index's parts can have a capital after its
// first letter: a part has one after its own first letter (kB, KiB), or one
// that need not come first begins with one (SEK). Where none can,
// casedByParts names nothing, and need not look for the compound's splits.
// Looked for once for each index and remembered while the index is in use.
[[nodiscard]] bool partsCapitalInside(const std::shared_ptr<const WordIndex> &index);

struct CompoundStream {
    std::string unfinished; // why the search for compounds did not finish
    bool stopped = false; // by keepGoing
};

// The compounds of the key letters, each spread (spread: false when the
// search is to end, having said why) and judged a batch at a time, so that
// only the spellings accepted are held; one of forms (spread already) is
// left out. seen is what the spreads of a batch have spelt.
[[nodiscard]] CompoundStream streamCompounds(const std::shared_ptr<const WordIndex> &index,
    std::string_view keys, const CompoundBudget &budget,
    const std::unordered_set<std::string> &forms,
    const std::function<bool(const std::string &, bool)> &spread, LooseJudge &judge,
    std::unordered_set<std::string> &seen);
