// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordHunt.h"

#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "search/WorkerCheckers.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordgames/FormSpellings.h"
#include "wordindex/KeyWalk.h"

#include <QScopeGuard>
#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <thread>
#include <unordered_set>

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isLower(std::string_view text)
{
    return std::ranges::none_of(text, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Keys and compounds judged at a time, between two looks at the clock.
constexpr std::size_t kChunk = 256;

// From so many keys and compounds on, workers judge them too: each needs a
// checker of its own, which Hunspell makes by loading its dictionary again
// (as long as a few thousand of its questions take).
constexpr std::size_t kParallelFrom = 8192;

// Steps through the tree of keys the search for compounds may take: a
// pool with blanks walks more of it than the letters of a word do.
constexpr std::size_t kMaxCompoundSteps = 50'000'000;

// Spellings of one form asked at most (FormSpellings.h).
constexpr std::size_t kMaxSpellings = 4096;

class Hunt {
public:
    Hunt(const WordIndex &index, SpellChecker &checker, const WordQuery &query, WordHunt &result)
        : m_index(index)
        , m_checker(checker)
        , m_query(query)
        , m_result(result)
    {
    }

    // The key's forms that may stand alone, a word each of those alike but
    // for case (the index keeps them together, in the dictionary's order).
    void judgeKey(WordIndex::KeyId key)
    {
        const auto forms = m_index.formsOf(key);
        for (std::size_t first = 0; first < forms.size();) {
            std::size_t end = first;
            m_lower.assign(forms[first]);
            std::ranges::transform(m_lower, m_lower.begin(), asciiLower);
            m_spellings.clear();
            for (; end < forms.size(); ++end) {
                const std::string_view form = forms[end];
                if (!std::ranges::equal(
                        form, m_lower, [](char a, char b) { return asciiLower(a) == b; }))
                    break;
                if (forms.roles[end] & FormRole::Word)
                    m_spellings.push_back(form);
            }
            first = end;
            if (m_spellings.empty())
                continue;
            if (m_query.spread) {
                judgeSpellings();
                continue;
            }
            if (m_query.wanted && !m_query.wanted(m_lower))
                continue;
            ++m_result.candidates;
            // Where the dictionary lists the word in several spellings, the
            // one in lower case is preferred.
            const auto plain = std::ranges::find_if(m_spellings, isLower);
            if (plain != m_spellings.end() && ask(*plain))
                continue;
            if (std::ranges::any_of(m_spellings, [&](std::string_view spelling) {
                    return spelling != m_lower && ask(spelling);
                }))
                continue;
            askInEveryCase(plain != m_spellings.end());
        }
    }

    // A compound, unless a form of the index is the same word; one of
    // parts that leave no doubt is taken in small letters unasked.
    void judgeCompound(const std::string &word, bool sure)
    {
        if (!m_query.spread && m_query.wanted && !m_query.wanted(word))
            return;
        const auto forms = m_index.formsFor(WordIndex::keyOf(word));
        for (std::size_t f = 0; f < forms.size(); ++f) {
            if ((forms.roles[f] & FormRole::Word)
                && std::ranges::equal(
                    forms[f], word, [](char a, char b) { return asciiLower(a) == b; }))
                return;
        }
        // A crossword's compound is spread over the alphabet's letters
        // below, each spelling asked.
        if (sure && !m_query.spread) {
            ++m_result.candidates;
            m_result.words.push_back({ word, countLetters(word) });
            return;
        }
        m_lower = word;
        if (m_query.spread) {
            m_spellings.clear();
            judgeSpellings();
            return;
        }
        ++m_result.candidates;
        askInEveryCase(false);
    }

    // Whether some form had more spellings than are asked.
    [[nodiscard]] bool tooMany() const { return m_tooMany; }

private:
    // Each spelling of the form in lower case and of the forms alike but
    // for case that the query wants: in lower case, as the dictionary
    // spells the form, capitalised, in capitals; the first the checker takes.
    void judgeSpellings()
    {
        const GameLetters &letters = *m_query.spread;
        std::vector<std::vector<std::string>> spread(m_spellings.size() + 1);
        if (!formSpellings(m_lower, letters, m_query.place, kMaxSpellings, spread[0])) {
            m_tooMany = true;
            return;
        }
        for (std::size_t s = 0; s < m_spellings.size(); ++s)
            (void)formSpellings(m_spellings[s], letters, m_query.place, SIZE_MAX, spread[s + 1]);
        std::vector<std::string> asked;
        for (std::size_t k = 0; k < spread[0].size(); ++k) {
            const std::string &lower = spread[0][k];
            // Forms of other stems may spell it too.
            if ((m_query.wanted && !m_query.wanted(lower)) || !m_judged.insert(lower).second)
                continue;
            ++m_result.candidates;
            asked.clear();
            // A spelling in capitals may no longer fit (ß as SS).
            const auto askOnce = [&](std::string spelling) {
                if (std::ranges::find(asked, spelling) != asked.end()
                    || (m_query.wanted && !m_query.wanted(spelling)))
                    return false;
                asked.push_back(spelling);
                return ask(spelling);
            };
            if (askOnce(lower))
                continue;
            bool found = false;
            // The spellings of a cased form follow the lower case one's, letter for letter.
            for (std::size_t s = 1; s < spread.size() && !found; ++s)
                found = k < spread[s].size() && askOnce(spread[s][k]);
            if (found || askOnce(letters.title(lower)))
                continue;
            (void)askOnce(letters.upper(lower));
        }
    }

    bool ask(std::string_view spelling)
    {
        ++m_result.questions;
        if (!testword(m_checker, spelling))
            return false;
        std::string text(spelling);
        m_result.words.push_back({ std::move(text), countLetters(spelling) });
        return true;
    }

    // The checker may take a word in another case than the index keeps it
    // in ("STRASSE" for "Straße"): lower case, capitalised, capitals.
    void askInEveryCase(bool lowerAsked)
    {
        if (!lowerAsked && ask(m_lower))
            return;
        m_variant = m_lower;
        m_variant[0] = upper(m_variant[0]);
        if (std::ranges::find(m_spellings, m_variant) == m_spellings.end() && ask(m_variant))
            return;
        std::ranges::transform(m_variant, m_variant.begin(), upper);
        if (std::ranges::find(m_spellings, m_variant) == m_spellings.end())
            (void)ask(m_variant);
    }

    const WordIndex &m_index;
    SpellChecker &m_checker;
    const WordQuery &m_query;
    WordHunt &m_result;
    std::string m_lower;
    std::string m_variant;
    std::vector<std::string_view> m_spellings;
    bool m_tooMany = false;
    std::unordered_set<std::string> m_judged; // spellings in lower case
};

} // namespace

WordHunt huntWords(
    const WordIndex &index, SpellChecker &checker, const WordQuery &query, const HuntBudget &budget)
{
    WordHunt result;
    std::vector<WordIndex::KeyId> keys;
    forEachKeyWithin(index,
        { query.pool, FormRole::Word, query.minLength, query.maxLength, query.required },
        [&keys](WordIndex::KeyId key, std::size_t) {
            keys.push_back(key);
            return true;
        });
    std::vector<std::string> compounds;
    std::vector<bool> sure; // of each compound
    CompoundBudget limits;
    limits.maxCandidates = budget.maxCandidates;
    limits.maxSteps = kMaxCompoundSteps;
    limits.maxTime = std::chrono::steady_clock::duration::max();
    limits.deadline = budget.deadline;
    // The squares count letters; the search's greatest length, bytes.
    const std::size_t longest
        = query.squares.empty() ? query.maxLength : std::numeric_limits<std::size_t>::max();
    if (query.compounds)
        result.unfinished = searchCompounds(index,
            { query.pool, false, query.minLength, longest, query.required, query.squares }, limits,
            [&](const std::string &word) {
                compounds.push_back(word);
                sure.push_back(false);
            },
            [&sure](std::size_t number) {
                sure[number] = true;
            }).unfinished;

    // The keys and compounds are judged in chunks: each thread's first one
    // its own, the others taken in turn by whichever thread is free.
    const std::size_t total = keys.size() + compounds.size();
    const auto clones = total >= kParallelFrom
        ? workerCheckers(checker, budget.threads, CallerAsks::Yes)
        : std::vector<std::unique_ptr<SpellChecker>>();
    std::atomic<std::size_t> next = (clones.size() + 1) * kChunk;
    std::atomic<std::size_t> judged = 0;
    std::atomic<bool> late = false;
    std::atomic<bool> tooMany = false;
    const auto judge = [&](SpellChecker &asked, WordHunt &part, std::size_t first, bool tells) {
        Hunt hunt(index, asked, query, part);
        const auto told = qScopeGuard([&] {
            if (hunt.tooMany())
                tooMany = true;
        });
        for (std::size_t begin = first; begin < total && !late; begin = next.fetch_add(kChunk)) {
            const std::size_t end = std::min(total, begin + kChunk);
            for (std::size_t item = begin; item < end; ++item) {
                if (item < keys.size())
                    hunt.judgeKey(keys[item]);
                else
                    hunt.judgeCompound(compounds[item - keys.size()], sure[item - keys.size()]);
            }
            judged += end - begin;
            if (std::chrono::steady_clock::now() > budget.deadline)
                late = true;
            if (tells && budget.progress)
                budget.progress(judged, total);
        }
    };
    std::vector<WordHunt> parts(clones.size());
    std::vector<std::jthread> workers;
    for (std::size_t i = 0; i < clones.size(); ++i)
        workers.emplace_back([&, i] { judge(*clones[i], parts[i], (i + 1) * kChunk, false); });
    judge(checker, result, 0, true);
    workers.clear(); // joins them
    for (WordHunt &part : parts) {
        std::ranges::move(part.words, std::back_inserter(result.words));
        result.candidates += part.candidates;
        result.questions += part.questions;
    }
    if (query.spread) {
        // Threads may have judged one spelling each: the first in lower case is kept.
        std::vector<std::pair<std::string, FoundWord>> keyed;
        for (FoundWord &word : result.words)
            keyed.emplace_back(query.spread->lower(word.text), std::move(word));
        std::ranges::stable_sort(keyed, {}, [](const auto &word) {
            return std::pair(std::string_view(word.first), word.first != word.second.text);
        });
        result.words.clear();
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            if (i == 0 || keyed[i].first != keyed[i - 1].first)
                result.words.push_back(std::move(keyed[i].second));
        }
    }
    if (tooMany && result.unfinished.empty())
        result.unfinished = "a word found had more than " + std::to_string(kMaxSpellings)
            + " spellings in the letters of the pattern";
    if (late && result.unfinished.empty())
        result.unfinished = "the search took longer than its budget";
    if (budget.progress)
        budget.progress(judged, total);
    return result;
}
