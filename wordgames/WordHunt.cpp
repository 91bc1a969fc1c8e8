// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordHunt.h"

#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "search/WorkerCheckers.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordindex/KeyWalk.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>

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
            if (m_spellings.empty() || (m_query.wanted && !m_query.wanted(m_lower)))
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
        if (m_query.wanted && !m_query.wanted(word))
            return;
        const auto forms = m_index.formsFor(WordIndex::keyOf(word));
        for (std::size_t f = 0; f < forms.size(); ++f) {
            if ((forms.roles[f] & FormRole::Word)
                && std::ranges::equal(
                    forms[f], word, [](char a, char b) { return asciiLower(a) == b; }))
                return;
        }
        ++m_result.candidates;
        if (sure) {
            m_result.words.push_back({ word, countLetters(word) });
            return;
        }
        m_lower = word;
        askInEveryCase(false);
    }

private:
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
    if (query.compounds)
        result.unfinished = searchCompounds(
            index, { query.pool, false, query.minLength, query.maxLength, query.required }, limits,
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
    const auto judge = [&](SpellChecker &asked, WordHunt &part, std::size_t first, bool tells) {
        Hunt hunt(index, asked, query, part);
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
    if (late && result.unfinished.empty())
        result.unfinished = "the search took longer than its budget";
    if (budget.progress)
        budget.progress(judged, total);
    return result;
}
