// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordHunt.h"

#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/WorkerCheckers.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordgames/CompoundSpread.h"
#include "wordgames/FormSpellings.h"
#include "wordgames/GameResult.h"
#include "wordgames/GameStops.h"
#include "wordindex/KeyWalk.h"

#include <QScopeGuard>
#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <optional>
#include <thread>
#include <unordered_set>
#include <utility>

namespace {

bool isLower(std::string_view text)
{
    return std::ranges::none_of(text, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The longest word asked in every mix of capitals at the letters whose case
// the index does not keep.
constexpr std::size_t kEveryMixUpTo = 3;

// Keys and compounds judged at a time, between two looks at the clock.
constexpr std::size_t kChunk = 256;

// From so many keys and compounds on, workers judge them too: each needs a
// checker of its own, which Hunspell makes by loading its dictionary again
// (as long as a few thousand of its questions take).
constexpr std::size_t kParallelFrom = 8192;

// Steps through the tree of keys the search for compounds may take: a
// pool with blanks walks more of it than the letters of a word do.
constexpr std::size_t kMaxCompoundSteps = 50'000'000;

// Strings of one word a crossword asks at most (FormSpellings.h).
constexpr std::size_t kMaxSpellings = 4096;

class Hunt {
public:
    Hunt(const WordIndex &index, SpellChecker &checker, const WordQuery &query, WordHunt &result)
        : m_index(index)
        , m_checker(checker)
        , m_query(query)
        , m_tiles(*query.tiles)
        , m_result(result)
        , m_own(index, *query.tiles)
    {
        if (query.spread) {
            m_speller.emplace(index, *query.spread, query.place, kMaxSpellings);
            m_compoundSpread.emplace(index, *query.spread, query.place, kMaxSpellings);
        }
    }

    // The key's forms that may stand alone, a word each of those alike but
    // for case (the index keeps them together, in the dictionary's order),
    // each spelt in the letters the tiles make of it.
    void judgeKey(WordIndex::KeyId key)
    {
        const auto forms = m_index.formsOf(key);
        for (std::size_t first = 0; first < forms.size();) {
            std::size_t end = first;
            m_lower.assign(forms[first]);
            std::ranges::transform(m_lower, m_lower.begin(), asciiLower);
            m_spellings.clear();
            m_words.clear();
            for (; end < forms.size(); ++end) {
                const std::string_view form = forms[end];
                if (!std::ranges::equal(
                        form, m_lower, [](char a, char b) { return asciiLower(a) == b; }))
                    break;
                if (forms.roles[end] & FormRole::Word) {
                    m_spellings.push_back(form);
                    m_words.push_back(end);
                }
            }
            first = end;
            if (m_spellings.empty())
                continue;
            if (m_speller) {
                judgeSpellings(m_speller->spellForms(forms, m_words, m_lower, m_crossword));
                continue;
            }
            if (m_query.wanted && !m_query.wanted(m_lower))
                continue;
            m_ownOnly = m_own.of(forms, m_words);
            spellAndJudge();
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
            // A crossword asks a form its own spellings alone: the compound
            // may spell it in more ways.
            if ((forms.roles[f] & FormRole::Word)
                && std::ranges::equal(
                    forms[f], word, [](char a, char b) { return asciiLower(a) == b; })
                && !m_own.keeps(forms, f))
                return;
        }
        m_lower = word;
        m_spellings.clear();
        m_ownOnly = false;
        // A crossword's compound is spread over the letters its parts may
        // be spelt in, each spelling asked; over the alphabet's where no
        // cut into parts is found.
        if (m_speller) {
            const std::optional<bool> narrowed = m_compoundSpread->spell(word, m_crossword);
            judgeSpellings(narrowed ? *narrowed : m_speller->spellCompound(word, m_crossword));
            return;
        }
        m_sure = sure;
        spellAndJudge();
        m_sure = false;
    }

    // How many forms had more spellings than are asked: each left out.
    [[nodiscard]] std::size_t tooMany() const { return m_tooMany; }

private:
    // Each spelling of a crossword in lower case that the query wants, as
    // spelt: in lower case, as the dictionary spells the forms alike but
    // for case, capitalised, in capitals; the first the checker takes.
    void judgeSpellings(bool spelt)
    {
        if (!spelt) {
            ++m_tooMany;
            return;
        }
        const GameLetters &letters = *m_query.spread;
        std::vector<std::string> asked;
        for (std::size_t k = 0; k < m_crossword.size();) {
            const std::string &lower = m_crossword[k].lower;
            // Those of one word in small letters come together.
            std::size_t end = k + 1;
            while (end < m_crossword.size() && m_crossword[end].lower == lower)
                ++end;
            const std::size_t begin = std::exchange(k, end);
            // Forms of other stems may spell it too.
            if ((m_query.wanted && !m_query.wanted(lower)) || !m_judged.insert(lower).second)
                continue;
            ++m_result.candidates;
            asked.clear();
            m_asked.clear();
            m_counts = countLetters(lower);
            // A spelling in capitals may no longer fit (ß as SS).
            const auto askOnce = [&](const std::string &spelling) {
                if (std::ranges::find(asked, spelling) != asked.end()
                    || (m_query.wanted && !m_query.wanted(spelling)))
                    return false;
                asked.push_back(spelling);
                return ask(spelling);
            };
            if (askOnce(lower))
                continue;
            bool found = false;
            for (std::size_t c = begin; c < end && !found; ++c)
                found = !m_crossword[c].cased.empty() && askOnce(m_crossword[c].cased);
            if (found || askOnce(letters.title(lower)))
                continue;
            (void)askOnce(letters.upper(lower));
        }
    }

    void spellAndJudge()
    {
        m_tiles.spell(m_lower, [this](const std::string &word, const LetterCounts &counts) {
            if (!fitsWithin(m_query.held, counts) || (m_ownOnly && !m_own.holds(word)))
                return;
            ++m_result.candidates;
            m_counts = counts;
            judge(word);
        });
    }

    // One spelling in small letters: where the dictionary lists the word in
    // several spellings, the one in lower case is preferred, then the
    // others (their capitals where they have them).
    void judge(const std::string &word)
    {
        m_asked.clear();
        if (m_sure && word == m_lower) {
            m_result.words.push_back({ word, m_counts });
            return;
        }
        const bool plain = std::ranges::any_of(m_spellings, isLower);
        if (plain && ask(word))
            return;
        const bool same = word == m_lower;
        for (const std::string_view spelling : m_spellings) {
            if (isLower(spelling))
                continue;
            m_capitals.clear();
            for (std::size_t at = 0; at < spelling.size(); ++at) {
                if (spelling[at] >= 'A' && spelling[at] <= 'Z')
                    m_capitals.push_back(at);
            }
            if (ask(same ? std::string(spelling) : m_tiles.withCapitals(word, m_capitals)))
                return;
        }
        askInEveryCase(word, plain);
    }

    bool ask(const std::string &spelling)
    {
        if (std::ranges::find(m_asked, spelling) != m_asked.end())
            return false;
        m_asked.push_back(spelling);
        ++m_result.questions;
        if (!testword(m_checker, spelling))
            return false;
        m_result.words.push_back({ spelling, m_counts });
        return true;
    }

    // The checker may take a word in another case than the index keeps it
    // in ("STRASSE" for "Straße"): lower case, capitalised, capitals.
    void askInEveryCase(const std::string &word, bool lowerAsked)
    {
        if (!lowerAsked && ask(word))
            return;
        if (ask(m_tiles.capitalised(word)))
            return;
        // Not a capital that is two letters (SS of ß, as many bytes): the tiles make one.
        const std::string capitals = m_tiles.upper(word);
        if (letterCount(capitals) == letterCount(word)) {
            if (ask(capitals))
                return;
        }
        askEveryMix(word);
    }

    // The index keeps the case of a to z only: a short word may have a
    // capital of another alphabet anywhere (cΩ, a prefix on a unit), so
    // each mix of capitals at those letters is asked.
    void askEveryMix(const std::string &word)
    {
        if (m_lower.size() > kEveryMixUpTo || std::ranges::all_of(m_lower, [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            }))
            return;
        const std::vector<std::string> letters = lettersOf(word);
        if (letters.size() != m_lower.size())
            return;
        for (std::size_t mix = 1; mix < (std::size_t(1) << letters.size()); ++mix) {
            m_capitals.clear();
            bool kept = true;
            for (std::size_t i = 0; i < letters.size(); ++i) {
                if (!((mix >> i) & 1))
                    continue;
                kept = kept && static_cast<unsigned char>(m_lower[i]) >= 0x80;
                m_capitals.push_back(i);
            }
            if (kept && ask(m_tiles.withCapitals(word, m_capitals)))
                return;
        }
    }

    const WordIndex &m_index;
    SpellChecker &m_checker;
    const WordQuery &m_query;
    const LooseTiles &m_tiles;
    WordHunt &m_result;
    std::string m_lower;
    std::vector<std::string_view> m_spellings;
    std::vector<std::size_t> m_words; // the numbers of those forms
    std::optional<CrosswordSpeller> m_speller; // of a crossword beyond the key letters
    std::optional<CompoundSpread> m_compoundSpread;
    std::vector<CrosswordSpelling> m_crossword;
    // The tiles' spellings of a form the index keeps its own spellings of
    // are asked only where they are one of those.
    TileOwnSpellings m_own;
    bool m_ownOnly = false;
    std::size_t m_tooMany = 0;
    std::unordered_set<std::string> m_judged; // spellings in lower case
    std::vector<std::string> m_asked; // of the spelling judged
    std::vector<std::size_t> m_capitals;
    LetterCounts m_counts {};
    // The compound judged is made of parts that leave no doubt: its
    // spelling in small letters is taken unasked.
    bool m_sure = false;
};

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
    if (budget.naming)
        limits.keepGoing = [&] {
            budget.naming(compounds.size() + pastBudget, limits.maxCandidates);
            return true;
        };
    // The squares count letters; the search's greatest length, bytes.
    const std::size_t longest
        = query.squares.empty() ? query.maxLength : std::numeric_limits<std::size_t>::max();
    std::string compoundsCut;
    if (query.compounds)
        compoundsCut = searchCompounds(
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
    std::atomic<std::size_t> tooMany = 0;
    const auto judge = [&](SpellChecker &asked, WordHunt &part, std::size_t first, bool tells) {
        Hunt hunt(index, asked, hunted, part);
        const auto told = qScopeGuard([&] { tooMany += hunt.tooMany(); });
        for (std::size_t begin = first; begin < total && !late; begin = next.fetch_add(kChunk)) {
            const std::size_t end = std::min(total, begin + kChunk);
            // One word may be spelt in hundreds of ways (every a as a or ä):
            // the clock is read after each, so that a late hunt stops soon.
            for (std::size_t item = begin; item < end && !late; ++item) {
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
        keepOneSpelling(result.words, *query.spread,
            [](const FoundWord &word) -> const std::string & { return word.text; });
    } else
        hunted.tiles->keepOneCase(
            result.words, [](const FoundWord &word) -> const std::string & { return word.text; });
    // What the budget and the clock left unjudged is counted and said.
    const std::size_t unjudged = late ? total - std::min(total, judged.load()) : 0;
    result.leftOut = pastBudget + unjudged + tooMany;
    result.leftOutAtLeast = pastBudget > 0 && !compoundsCut.empty();
    if (pastBudget > 0)
        result.unfinished = GameStops::written(
            result.leftOutAtLeast ? GameStops::kJudgedAtLeast : GameStops::kJudged,
            { total - unjudged, judgedAtMost, result.leftOut });
    else if (!compoundsCut.empty())
        result.unfinished = compoundsCut;
    else if (tooMany > 0)
        result.unfinished = GameStops::written(GameStops::kSpellings, { kMaxSpellings });
    else if (late)
        result.unfinished = GameStops::written(GameStops::kLateUnjudged, { unjudged });
    if (budget.progress)
        budget.progress(judged, total);
    return result;
}
