// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/PhraseSearch.h"

#include "wordforms/AsciiLetters.h"
#include "wordgames/GameStops.h"
#include "wordgames/PhraseSplits.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>

namespace {

// The sets of a pattern's places that the words so far can fill, one bit
// per set (a pattern has at most eight places).
using Fillings = std::bitset<256>;

struct Word {
    LetterCounts letters {};
    LetterMask mask = 0; // the letters it has, a bit each
    std::size_t length = 0;
    std::uint32_t places = 0; // of the pattern, a bit each
    bool contains = false; // it holds the letters the query asks for (is its word)
};

// What is left to fill at one depth of the search.
struct Level {
    LetterPool rest;
    std::vector<std::uint32_t> words; // that fit the rest, in alphabetical order
    bool contains = false;
    Fillings fillings;
};

class Search {
public:
    Search(
        const std::vector<FoundWord> &found, const PhraseQuery &query, const PhraseBudget &budget)
        : m_query(query)
        , m_budget(budget)
    {
        std::vector<LetterCounts> letters;
        letters.reserve(found.size());
        for (const FoundWord &word : found) {
            Word w { word.letters, maskOf(word.letters), letterTotal(word.letters),
                query.pattern ? query.pattern->placesOf(word.text) : 0,
                query.contains && fitsWithin(*query.contains, word.letters)
                    && (!query.isWord || query.isWord(word.text)) };
            m_shortest = std::min(m_shortest, w.length);
            m_longest = std::max(m_longest, w.length);
            m_words.push_back(w);
            letters.push_back(word.letters);
        }
        m_proofs.emplace(letters, [this](std::size_t steps) {
            tick(steps);
            return !m_stop;
        });
    }

    Phrases run()
    {
        Level top { m_query.pool, {}, !m_query.contains, {} };
        top.fillings.set(0);
        for (std::uint32_t i = 0; i < m_words.size(); ++i) {
            if (fits(top.rest, usable(top.rest), top.rest.size(), m_words[i])
                && (!m_query.pattern || m_words[i].places))
                top.words.push_back(i);
        }
        const std::size_t first = m_query.pattern ? m_query.pattern->words().size() : 1;
        const std::size_t last = m_query.pattern ? first : m_query.maxWords;
        for (m_count = first; m_count <= last && !m_stop; ++m_count) {
            m_chosen.clear();
            m_levels.assign(m_count + 1, {});
            m_levels[0] = top;
            m_progressBase = (m_count - first) * top.words.size();
            m_progressTotal = (last - first + 1) * top.words.size();
            m_progressDone = m_progressBase;
            if (m_count >= 2 && top.rest.blanks == 0
                && !m_proofs->splits(top.rest.counts, top.rest.size(), m_count))
                continue;
            descend(0, 0);
        }
        if (m_budget.progress)
            m_budget.progress(m_progressTotal, m_progressTotal);
        return std::move(m_result);
    }

private:
    // Whether the word's letters come from the rest (whose letters are the
    // mask, or any with a blank left), and leave enough for the words after it.
    bool fits(const LetterPool &rest, LetterMask mask, std::size_t longest, const Word &word)
    {
        tick();
        if (word.length > longest || (word.mask & ~mask) != 0)
            return false;
        return shortfall(rest.counts, word.letters) <= rest.blanks;
    }

    void tick(std::size_t steps = 1)
    {
        const std::size_t before = m_steps;
        m_steps += steps;
        if (before / 65536 != m_steps / 65536) {
            // Proving that letters do not split may take a while at one word.
            if (m_budget.progress)
                m_budget.progress(m_progressDone, m_progressTotal);
            if (m_steps > m_budget.maxSteps)
                stopFor(GameStops::written(GameStops::kPhraseSteps, { m_budget.maxSteps }));
            else if (std::chrono::steady_clock::now() > m_budget.deadline)
                stopFor(GameStops::kLate);
            else if (m_budget.keepGoing && !m_budget.keepGoing())
                stopFor(GameStops::kStopped);
        }
    }

    // The letters a word may have to fit the rest: any, while a blank is left.
    static LetterMask usable(const LetterPool &rest)
    {
        return rest.blanks ? ~LetterMask(0) : maskOf(rest.counts);
    }

    void stopFor(std::string why)
    {
        m_result.unfinished = std::move(why);
        m_stop = true;
    }

    [[nodiscard]] Fillings fill(const Fillings &before, const Word &word) const
    {
        if (!m_query.pattern)
            return before;
        Fillings after;
        for (std::size_t set = 0; set < before.size(); ++set) {
            if (!before.test(set))
                continue;
            for (std::size_t place = 0; place < m_query.pattern->words().size(); ++place) {
                if ((word.places >> place & 1) && !(set >> place & 1))
                    after.set(set | (std::size_t(1) << place));
            }
        }
        return after;
    }

    // Chooses the word at depth from the level's words at from on.
    void descend(std::size_t depth, std::size_t from)
    {
        const Level &level = m_levels[depth];
        const std::size_t wordsLeft = m_count - depth;
        for (std::size_t at = from; at < level.words.size() && !m_stop; ++at) {
            if (depth == 0) {
                m_progressDone = m_progressBase + at;
                if (m_budget.progress && at % 64 == 0)
                    m_budget.progress(m_progressDone, m_progressTotal);
            }
            const std::uint32_t id = level.words[at];
            const Word &word = m_words[id];
            Level &next = m_levels[depth + 1];
            next.rest = level.rest;
            if (!take(next.rest, word.letters))
                continue;
            next.contains = level.contains || word.contains;
            next.fillings = fill(level.fillings, word);
            if (m_query.pattern && next.fillings.none())
                continue;
            // The last word, or the last two, are found by their letters anyway.
            if (wordsLeft >= 4 && next.rest.blanks == 0
                && !m_proofs->splits(next.rest.counts, next.rest.size(), wordsLeft - 1))
                continue;
            m_chosen.push_back(id);
            if (wordsLeft == 1)
                finish(next);
            else if (hopeful(next, wordsLeft - 1))
                onward(depth, at, id);
            m_chosen.pop_back();
        }
    }

    // Whether the rest can still make wordsLeft words of the phrase.
    bool hopeful(const Level &next, std::size_t wordsLeft) const
    {
        const std::size_t size = next.rest.size();
        if (size < wordsLeft * m_shortest || size > wordsLeft * m_longest)
            return false;
        // The word that holds the letters asked for is still to come.
        return next.contains || !m_query.contains
            || shortfall(next.rest.counts, *m_query.contains) <= next.rest.blanks;
    }

    // The next words, from the chosen one on: the last one is looked up
    // by its letters where no blank is left.
    void onward(std::size_t depth, std::size_t at, std::uint32_t id)
    {
        Level &next = m_levels[depth + 1];
        if (m_count - depth - 1 == 1 && next.rest.blanks == 0) {
            const auto *found = m_proofs->wordsOf(next.rest.counts);
            if (!found)
                return;
            for (const std::uint32_t last : *found) {
                if (last < id)
                    continue;
                const Word &word = m_words[last];
                Level &end = m_levels[depth + 2];
                end.rest = {};
                end.contains = next.contains || word.contains;
                end.fillings = fill(next.fillings, word);
                m_chosen.push_back(last);
                finish(end);
                m_chosen.pop_back();
                if (m_stop)
                    return;
            }
            return;
        }
        if (m_count - depth - 1 == 2 && next.rest.blanks == 0) {
            lastTwo(depth, at);
            return;
        }
        const Level &level = m_levels[depth];
        next.words.clear();
        const LetterMask mask = usable(next.rest);
        // The words after the next one need some letters too.
        const std::size_t longest = next.rest.size() - (m_count - depth - 2) * m_shortest;
        for (std::size_t later = at; later < level.words.size(); ++later) {
            if (fits(next.rest, mask, longest, m_words[level.words[later]]))
                next.words.push_back(level.words[later]);
        }
        descend(depth + 1, 0);
    }

    // The last two words where no blank is left, the first of them from the
    // level's words at from on: one of the two holds the letter that the
    // fewest words hold, and the other is looked up by the letters left, so
    // that the work follows the pairs found, not the whole list of words.
    void lastTwo(std::size_t depth, std::size_t from)
    {
        const Level &level = m_levels[depth];
        const Level &next = m_levels[depth + 1];
        const LetterCounts &rest = next.rest.counts;
        std::size_t pivot = rest.size();
        for (std::size_t x = 0; x < rest.size(); ++x) {
            if (rest[x]
                && (pivot == rest.size()
                    || m_proofs->wordsHolding(x).size() < m_proofs->wordsHolding(pivot).size()))
                pivot = x;
        }
        if (pivot == rest.size())
            return;
        const LetterMask mask = maskOf(rest);
        const std::size_t size = next.rest.size();
        std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
        for (const std::uint32_t one : m_proofs->wordsHolding(pivot)) {
            tick();
            if (m_stop)
                return;
            const Word &word = m_words[one];
            if (word.length >= size || (word.mask & ~mask) != 0 || !fitsWithin(word.letters, rest))
                continue;
            LetterCounts left = rest;
            for (std::size_t x = 0; x < left.size(); ++x)
                left[x] = static_cast<std::uint8_t>(left[x] - word.letters[x]);
            const auto *found = m_proofs->wordsOf(left);
            if (!found)
                continue;
            for (const std::uint32_t other : *found) {
                const std::uint32_t first = std::min(one, other);
                if (std::binary_search(level.words.begin() + static_cast<std::ptrdiff_t>(from),
                        level.words.end(), first))
                    pairs.emplace_back(first, std::max(one, other));
            }
        }
        std::sort(pairs.begin(), pairs.end());
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        for (const auto &[first, second] : pairs) {
            Level &middle = m_levels[depth + 2];
            middle.contains = next.contains || m_words[first].contains;
            middle.fillings = fill(next.fillings, m_words[first]);
            Level &done = m_levels[depth + 3];
            done.rest = {};
            done.contains = middle.contains || m_words[second].contains;
            done.fillings = fill(middle.fillings, m_words[second]);
            m_chosen.push_back(first);
            m_chosen.push_back(second);
            finish(done);
            m_chosen.resize(m_chosen.size() - 2);
            if (m_stop)
                return;
        }
    }

    void finish(const Level &end)
    {
        if (end.rest.size() != 0 || !end.contains)
            return;
        if (m_query.pattern && !end.fillings.test((std::size_t(1) << m_count) - 1))
            return;
        if (m_query.limit && m_result.phrases.size() >= *m_query.limit) {
            m_result.more = true;
            m_stop = true;
            return;
        }
        if (m_result.phrases.size() >= m_budget.maxPhrases) {
            stopFor(GameStops::written(GameStops::kPhrases, { m_budget.maxPhrases }));
            return;
        }
        m_result.phrases.push_back(m_chosen);
    }

    const PhraseQuery &m_query;
    const PhraseBudget &m_budget;
    std::vector<Word> m_words;
    std::optional<PhraseSplits> m_proofs; // made once the words are known
    std::vector<Level> m_levels;
    std::vector<std::uint32_t> m_chosen;
    std::size_t m_shortest = SIZE_MAX;
    std::size_t m_longest = 0;
    std::size_t m_count = 0; // words in the phrases sought now
    std::size_t m_steps = 0;
    std::size_t m_progressBase = 0;
    std::size_t m_progressTotal = 0;
    std::size_t m_progressDone = 0;
    bool m_stop = false;
    Phrases m_result;
};

} // namespace

Phrases findPhrases(
    const std::vector<FoundWord> &words, const PhraseQuery &query, const PhraseBudget &budget)
{
    return Search(words, query, budget).run();
}
