// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include "letters/Alphabet.h"

#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/FirstCounter.h"
#include "search/WorkerCheckers.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/LetterCounts.h"

#include <QtGlobal>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <iterator>
#include <limits>
#include <thread>
#include <unordered_set>
#include <vector>

namespace {

// Whether a typed letter is a compatibility character whose letters the
// index files apart or under another key letter: the Arabic lam-alif
// ligature, which the dictionary converts to lam and alif before it checks
// a word, the fi ligature. The forms hold the letters, not the character.
bool filedApart(const std::string &letter, char key)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status))
        return true;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
    if (nfkc->isNormalized(text, status) && U_SUCCESS(status))
        return false;
    const icu::UnicodeString compatible = nfkc->normalize(text, status);
    if (U_FAILURE(status))
        return true;
    std::string written;
    compatible.toUTF8String(written);
    const std::vector<std::string> letters = lettersOf(written);
    const auto keys = keyLettersOf(letters.data(), letters.size());
    return letters.size() != 1 || !keys || (*keys)[0] != key;
}

// Ways to arrange a multiset whose kinds come count by count (a multinomial
// coefficient), saturating at limit + 1.
std::size_t arrangementsOf(const std::vector<std::size_t> &counts, std::size_t limit)
{
    std::size_t ways = 1;
    std::size_t placed = 0;
    for (const std::size_t count : counts) {
        for (std::size_t i = 1; i <= count; ++i) {
            // Exact: each step multiplies by a binomial's next factor; it
            // stays below 2^40 * 2^20 since ways <= limit and placed is a count of letters.
            ++placed;
            ways = ways * placed / i;
            if (ways > limit)
                return limit + 1;
        }
    }
    return ways;
}

} // namespace

LetterCounts typedCapitals(const std::vector<std::string> &typed, std::string_view keys)
{
    // A letter counts as a capital where its small letter differs, so that none is missed.
    LetterCounts capitals {};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (keys[i] < 'a' || keys[i] > 'z')
            continue;
        icu::UnicodeString letter = icu::UnicodeString::fromUTF8(typed[i]);
        const icu::UnicodeString original = letter;
        if (letter.toLower() != original) {
            auto &count = capitals[static_cast<std::size_t>(keys[i] - 'a')];
            count = static_cast<std::uint8_t>(std::min(255, count + 1));
        }
    }
    return capitals;
}

namespace {

struct Found {
    std::vector<int> offsets;
    std::string word;
};

// The strings of exactly the typed letters' key letters, in small letters,
// that the index names: the forms filed under the letters, then the compounds.
std::optional<std::vector<std::string>> candidatesFor(std::string_view keys, const WordIndex &index,
    const CompoundBudget &budget, const std::optional<LetterCounts> &capitals,
    const std::optional<TypedLetters> &typed, std::string &fallback, bool &stopped,
    std::vector<bool> &sure)
{
    std::vector<std::string> candidates;
    std::unordered_set<std::string> seen;
    const auto forms = index.formsFor(WordIndex::keyOf(keys));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        std::string form(forms[i]);
        std::ranges::transform(form, form.begin(), asciiLower);
        if (seen.insert(form).second)
            candidates.push_back(std::move(form));
    }
    CompoundCandidates compounds = compoundCandidates(index, keys, budget, capitals, typed);
    if (!compounds.unfinished.empty()) {
        fallback = compounds.unfinished;
        stopped = compounds.stopped;
        return std::nullopt;
    }
    // The search names each compound once: only a form can be the same
    // string, and a long word's compounds are too many to keep twice.
    candidates.reserve(candidates.size() + compounds.words.size());
    sure.assign(candidates.size(), false);
    for (std::size_t c = 0; c < compounds.words.size(); ++c) {
        if (!seen.contains(compounds.words[c])) {
            candidates.push_back(std::move(compounds.words[c]));
            sure.push_back(compounds.sure[c]);
        }
    }
    return candidates;
}

// Candidates a thread takes at once, and the fewest questions for which
// workers ask too: Hunspell gives a worker its own checker by loading the
// dictionary again, as long as a few thousand questions take.
constexpr std::size_t kJudgedAtOnce = 16;
constexpr std::size_t kParallelFrom = 8192;

// The typed letters as one byte each (a token for each different letter,
// from 1), so that arrangements compare and count as the enumerator's do.
struct Tokens {
    std::vector<std::string> letters; // each different letter, by its token - 1
    std::string typed; // the typed letters' tokens, in the order typed
    // The typed tokens of each key letter, sorted: their permutations are
    // the distinct ways to spread those letters over the key letter's places.
    std::array<std::string, kKeyLetters> byKey;
    std::vector<std::size_t> present; // key letters typed
};

// Whether a spelling is a sure compound's own (FormRole::Sure): in small
// letters as the index keeps it, or capitalised.
bool spelledAsSure(std::string_view spelling, std::string_view form)
{
    return spelling.size() == form.size() && !form.empty()
        && (spelling[0] == form[0]
            || (form[0] >= 'a' && form[0] <= 'z' && spelling[0] == form[0] - 'a' + 'A'))
        && spelling.substr(1) == form.substr(1);
}

// Finds the arrangements of the typed letters that spell a candidate and
// that the checker accepts, each with the counter value at which the
// enumeration would reach it first. Spreads of a candidate's letters can
// be different words (ένοχες and ενοχές; Ab and aB are one, since the word
// list tells A to Z by their letters, not their case): the list keeps each
// at the first counter value that spells it.
class Judge {
public:
    Judge(const Tokens &tokens, SpellChecker &checker)
        : m_tokens(tokens)
        , m_checker(checker)
        , m_candidate(tokens.typed.size(), ' ')
    {
    }

    // sure: the form is a compound the checker takes for certain in small
    // letters and capitalised (KeyCandidates::sure); those spellings are
    // not asked about.
    void judge(
        const std::string &form, bool sure, std::size_t &questions, std::vector<Found> &accepted)
    {
        for (auto &p : m_places)
            p.clear();
        for (std::size_t i = 0; i < form.size(); ++i)
            m_places[static_cast<std::size_t>(keyLetterNumber(form[i]))].push_back(i);
        auto patterns = m_tokens.byKey;
        while (true) {
            for (const std::size_t x : m_tokens.present) {
                for (std::size_t k = 0; k < m_places[x].size(); ++k)
                    m_candidate[m_places[x][k]] = patterns[x][k];
            }
            m_word.clear();
            for (const char token : m_candidate)
                m_word += m_tokens.letters[static_cast<unsigned char>(token) - 1];
            const bool certain = sure && spelledAsSure(m_word, form);
            questions += certain ? 0 : 1;
            if (certain || testword(m_checker, m_word)) {
                if (auto offsets = firstOffsets(m_tokens.typed, m_candidate))
                    accepted.push_back({ std::move(*offsets), m_word });
            }
            // Next spread of the letters: an odometer over the key letters.
            std::size_t d = 0;
            while (d < m_tokens.present.size()
                && !std::ranges::next_permutation(patterns[m_tokens.present[d]]).found)
                ++d;
            if (d == m_tokens.present.size())
                return;
        }
    }

private:
    const Tokens &m_tokens;
    SpellChecker &m_checker;
    std::array<std::vector<std::size_t>, kKeyLetters> m_places;
    std::string m_candidate;
    std::string m_word;
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

KeyCandidates keyCandidates(std::string_view keys, const FormSource &forms,
    const CompoundBudget &budget, const std::function<bool()> &keepGoing,
    const std::optional<LetterCounts> &capitals, const std::optional<TypedLetters> &typed)
{
    KeyCandidates named;
    const FormsWithin within = forms.within(keys, keepGoing);
    if (!within.index) {
        named.fallback = within.unfinished;
        named.stopped = within.stopped;
        return named;
    }
    named.words = candidatesFor(
        keys, *within.index, budget, capitals, typed, named.fallback, named.stopped, named.sure);
    return named;
}

CompoundBudget compoundBudgetFor(std::size_t letters, std::function<bool()> keepGoing)
{
    CompoundBudget budget;
    budget.keepGoing = std::move(keepGoing);
    budget.maxTime = compoundTimeFor(letters);
    // Where trying every arrangement takes longer than the least time, the
    // index is worth the candidates of many short parts (12 Estonian
    // letters name some 300,000).
    if (budget.maxTime > CompoundBudget {}.maxTime)
        budget.maxCandidates = kMostCompoundCandidates;
    if (budget.maxTime == std::chrono::steady_clock::duration::max())
        budget.maxSteps = std::numeric_limits<std::size_t>::max();
    return budget;
}

IndexedAnswer indexedSearch(std::string_view letters, const WordIndex &index, SpellChecker &checker,
    std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads, const Alphabet *alphabet)
{
    return indexedSearch(
        letters, KeptForms(index), checker, maxArrangements, budget, keepGoing, threads, alphabet);
}

IndexedAnswer indexedSearch(std::string_view letters, const FormSource &forms,
    SpellChecker &checker, std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads, const Alphabet *alphabet)
{
    IndexedAnswer answer;
    if (letters.empty()) {
        answer.fallback = QT_TRANSLATE_NOOP("Reason", "no letters were typed");
        return answer;
    }
    // Every different letter gets a byte of its own: the most a byte holds.
    Tokens tokens;
    const std::vector<std::string> typed = lettersOf(std::string(letters));
    tokens.letters = typed;
    std::ranges::sort(tokens.letters);
    tokens.letters.erase(
        std::unique(tokens.letters.begin(), tokens.letters.end()), tokens.letters.end());
    if (tokens.letters.size() > 255) {
        answer.fallback = QT_TRANSLATE_NOOP("Reason", "more than 255 different letters were typed");
        return answer;
    }
    const auto keys = keyLettersOf(typed.data(), typed.size());
    if (!keys) {
        answer.fallback
            = QT_TRANSLATE_NOOP("Reason", "a letter typed is no letter a word is spelt with");
        return answer;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if ((!alphabet || alphabet->isConverted(typed[i])) && filedApart(typed[i], (*keys)[i])) {
            answer.fallback = QT_TRANSLATE_NOOP(
                "Reason", "a letter typed stands for letters the word index files apart");
            return answer;
        }
    }
    if (typed.size() >= (std::size_t(1) << 20)) {
        answer.fallback = QT_TRANSLATE_NOOP(
            "Reason", "the letters are too many to count their arrangements exactly");
        return answer;
    }
    // The index is worth a hundredth of the questions that trying every
    // arrangement asks (as the time the compounds may take is): past 12
    // letters no count of candidates makes trying them all the quicker way.
    constexpr std::size_t kMostQuestions = std::size_t(1) << 40;
    std::vector<std::string> sorted = typed;
    std::ranges::sort(sorted);
    std::vector<std::size_t> typedCounts;
    for (auto at = sorted.begin(); at != sorted.end();) {
        const auto end
            = std::ranges::find_if(at, sorted.end(), [&](const auto &l) { return l != *at; });
        typedCounts.push_back(static_cast<std::size_t>(end - at));
        at = end;
    }
    maxArrangements = std::min(kMostQuestions,
        std::max(maxArrangements, arrangementsOf(typedCounts, kMostQuestions) / 100));
    KeyCandidates named = keyCandidates(
        *keys, forms, budget, keepGoing, typedCapitals(typed, *keys), TypedLetters(typed, *keys));
    if (!named.words) {
        answer.fallback = std::move(named.fallback);
        answer.stopped = named.stopped;
        return answer;
    }
    const auto &candidates = named.words;
    answer.candidates = candidates->size();
    if (candidates->empty()) {
        answer.words = WordList(); // however the letters spread, no arrangement is a word
        return answer;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto token = std::ranges::lower_bound(tokens.letters, typed[i]);
        const auto c = static_cast<char>(token - tokens.letters.begin() + 1);
        tokens.typed.push_back(c);
        tokens.byKey[static_cast<std::size_t>(keyLetterNumber((*keys)[i]))].push_back(c);
    }
    std::size_t perForm = 1;
    for (std::size_t x = 0; x < tokens.byKey.size(); ++x) {
        std::string &pattern = tokens.byKey[x];
        if (pattern.empty())
            continue;
        tokens.present.push_back(x);
        std::ranges::sort(pattern);
        std::vector<std::size_t> counts;
        for (std::size_t at = 0; at < pattern.size();) {
            const std::size_t end = pattern.find_first_not_of(pattern[at], at);
            const std::size_t stop = end == std::string::npos ? pattern.size() : end;
            counts.push_back(stop - at);
            at = stop;
        }
        const std::size_t ways = arrangementsOf(counts, maxArrangements);
        if (ways > maxArrangements / perForm) {
            answer.fallback
                = QT_TRANSLATE_NOOP("Reason", "the letters typed spread in too many ways");
            return answer;
        }
        perForm *= ways;
    }
    if (perForm > maxArrangements / candidates->size()) {
        answer.fallback = QT_TRANSLATE_NOOP(
            "Reason", "the index names more arrangements than trying them all is worth");
        return answer;
    }

    // Each candidate's accepted spreads of the letters, judged on all
    // cores where there are enough questions to pay for the workers.
    std::vector<std::vector<Found>> judged(candidates->size());
    std::atomic<std::size_t> nextCandidate { 0 };
    std::atomic<bool> stop { false };
    std::atomic<std::size_t> questions { 0 };
    const auto judgeAll = [&](SpellChecker &asked, bool ownThread) {
        Judge judge(tokens, asked);
        std::size_t mine = 0;
        std::size_t told = 0;
        while (!stop.load(std::memory_order_relaxed)) {
            const std::size_t first = nextCandidate.fetch_add(kJudgedAtOnce);
            if (first >= candidates->size())
                break;
            const std::size_t end = std::min(first + kJudgedAtOnce, candidates->size());
            for (std::size_t c = first; c < end; ++c) {
                judge.judge((*candidates)[c], named.sure[c], mine, judged[c]);
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
    // A sure compound is asked about its other spreads of the letters only.
    const auto sure = static_cast<std::size_t>(std::ranges::count(named.sure, true));
    if (candidates->size() * perForm - sure >= kParallelFrom) {
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
    for (auto &words : judged)
        std::ranges::move(words, std::back_inserter(found));
    std::ranges::sort(
        found, [](const Found &a, const Found &b) { return counterBefore(a.offsets, b.offsets); });
    WordList list;
    for (const Found &word : found)
        addword(word.word, list);
    answer.words = std::move(list);
    return answer;
}
