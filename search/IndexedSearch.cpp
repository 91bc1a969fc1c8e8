// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include "letters/Alphabet.h"

#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/InnerCapitals.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/LetterCounts.h"

#include <QtGlobal>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <chrono>
#include <limits>
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

// Tells the progress now and then, not at every candidate: a window
// repaints its bar, a terminal redraws its line.
class PacedProgress {
public:
    explicit PacedProgress(const IndexedProgress &progress)
        : m_told(progress.told)
    {
    }

    void operator()(std::size_t confirmed, std::size_t named)
    {
        if (!m_told)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < kProgressEvery)
            return;
        m_last = now;
        m_told(confirmed, named);
    }

private:
    static constexpr auto kProgressEvery = std::chrono::milliseconds(50);
    const std::function<void(std::size_t, std::size_t)> &m_told;
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
};

// The candidates the index names, each once (the forms filed under the
// typed letters' key letters, then the compounds), held until a batch is
// full and then confirmed: a long word's millions of compounds are never
// all held at once.
class CandidateBatches {
public:
    struct Limits {
        std::size_t perForm = 1; // spreads of the typed letters over a candidate
        bool spreadTooMany = false; // more than maxArrangements
        std::size_t maxArrangements = 0;
        std::size_t batch = kConfirmedAtOnce;
    };

    CandidateBatches(Confirmer &confirmer, const Limits &limits, PacedProgress &progress)
        : m_confirmer(confirmer)
        , m_limits(limits)
        , m_progress(progress)
    {
    }

    // A form: a compound the same as one is not named again.
    void addForm(std::string form)
    {
        if (m_forms.insert(form).second && admit())
            hold(std::move(form));
    }
    // The next compound the search names (numbered from 0 as it numbers them).
    void addCompound(const std::string &word)
    {
        if (m_forms.contains(word))
            m_slots.push_back(kNoSlot);
        else if (admit()) {
            m_slots.push_back(m_words.size());
            hold(word);
        }
    }
    // The compound of this number is sure: unless it has already been
    // confirmed (by asking, which takes it just as well).
    void markSure(std::size_t number)
    {
        if (number >= m_firstNumber && number - m_firstNumber < m_slots.size()
            && m_slots[number - m_firstNumber] != kNoSlot)
            m_sure[m_slots[number - m_firstNumber]] = true;
    }
    // Confirms what is held; false when the rest is not wanted.
    bool flush()
    {
        if (!m_words.empty() && !m_ended) {
            const auto sure = static_cast<std::size_t>(std::ranges::count(m_sure, true));
            if (!m_confirmer.confirm(m_words, m_sure, m_words.size() * m_limits.perForm - sure))
                end({}, true);
        }
        m_firstNumber += m_slots.size();
        m_slots.clear();
        m_words.clear();
        m_sure.clear();
        return !m_ended;
    }
    [[nodiscard]] bool ended() const { return m_ended; }
    [[nodiscard]] bool stopped() const { return m_stopped; }
    [[nodiscard]] const std::string &fallback() const { return m_fallback; }
    [[nodiscard]] std::size_t named() const { return m_named; }

private:
    static constexpr std::size_t kNoSlot = std::numeric_limits<std::size_t>::max();

    // Whether one more candidate is wanted; a full batch is confirmed first
    // (as the next candidate comes: the search tells that a compound is sure
    // just after naming it).
    bool admit()
    {
        if (m_ended || (m_words.size() >= m_limits.batch && !flush()))
            return false;
        ++m_named;
        if (m_limits.spreadTooMany) {
            end(QT_TRANSLATE_NOOP("Reason", "the letters typed spread in too many ways"), false);
            return false;
        }
        if (m_limits.perForm > m_limits.maxArrangements / m_named) {
            end(QT_TRANSLATE_NOOP(
                    "Reason", "the index names more arrangements than trying them all is worth"),
                false);
            return false;
        }
        if (m_named % 256 == 0)
            m_progress(m_confirmer.confirmed(), m_named);
        return true;
    }

    void hold(std::string word)
    {
        m_words.push_back(std::move(word));
        m_sure.push_back(false);
    }

    void end(std::string fallback, bool stopped)
    {
        m_ended = true;
        m_fallback = std::move(fallback);
        m_stopped = stopped;
    }

    Confirmer &m_confirmer;
    const Limits &m_limits;
    PacedProgress &m_progress;
    std::unordered_set<std::string> m_forms;
    std::vector<std::string> m_words; // the batch
    std::vector<bool> m_sure;
    std::size_t m_firstNumber = 0; // of the compounds in m_slots
    std::vector<std::size_t> m_slots; // of each compound since, its place in the batch
    std::size_t m_named = 0;
    bool m_ended = false;
    bool m_stopped = false;
    std::string m_fallback;
};
} // namespace

IndexedAnswer indexedSearch(std::string_view letters, const WordIndex &index, SpellChecker &checker,
    std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads, const Alphabet *alphabet,
    const IndexedProgress &progress)
{
    return indexedSearch(letters, KeptForms(index), checker, maxArrangements, budget, keepGoing,
        threads, alphabet, progress);
}

IndexedAnswer indexedSearch(std::string_view letters, const FormSource &forms,
    SpellChecker &checker, std::size_t maxArrangements, const CompoundBudget &budget,
    const std::function<bool()> &keepGoing, unsigned threads, const Alphabet *alphabet,
    const IndexedProgress &progress)
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
    // The index is worth a hundredth of the different arrangements (as the
    // time the compounds may take is); where trying every arrangement is no
    // way out (arrangingIsWayOut, the rule the compounds' budget keeps), as
    // many questions as there are different ones, so that trying them is
    // never the answer (twelve Estonian letters name a million candidates,
    // most settled without a question, of 80 million arrangements; eleven
    // letters, nine of them the same, have 110 arrangements but 40 million
    // counter values to try). Past 12 letters no count of candidates makes
    // trying them all the quicker way.
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
    const std::size_t arrangements = arrangementsOf(typedCounts, kMostQuestions);
    const bool wayOut = arrangingIsWayOut(typed.size());
    maxArrangements = std::min(
        kMostQuestions, std::max(maxArrangements, wayOut ? arrangements / 100 : arrangements));
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto token = std::ranges::lower_bound(tokens.letters, typed[i]);
        const auto c = static_cast<char>(token - tokens.letters.begin() + 1);
        tokens.typed.push_back(c);
        tokens.byKey[static_cast<std::size_t>(keyLetterNumber((*keys)[i]))].push_back(c);
    }
    CandidateBatches::Limits limits;
    limits.maxArrangements = maxArrangements;
    limits.batch = std::max<std::size_t>(1, progress.batch);
    for (std::size_t x = 0; x < tokens.byKey.size() && !limits.spreadTooMany; ++x) {
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
        // Told only if a candidate is named: without one no spread is a word.
        limits.spreadTooMany = ways > maxArrangements / limits.perForm;
        limits.perForm *= ways;
    }

    const FormsWithin within = forms.within(*keys, keepGoing);
    if (!within.index) {
        answer.fallback = within.unfinished;
        answer.stopped = within.stopped;
        return answer;
    }
    const WordIndex &index = *within.index;
    PacedProgress paced(progress);
    std::size_t named = 0;
    const InnerCapitals capitals(index, *keys, typedCapitals(typed, *keys));
    Confirmer confirmer(
        tokens, checker, threads, keepGoing,
        [&paced, &named](std::size_t confirmed) { paced(confirmed, named); }, &capitals,
        progress.settledRefused);
    CandidateBatches batches(confirmer, limits, paced);
    const auto filed = index.formsFor(WordIndex::keyOf(*keys));
    for (std::size_t i = 0; i < filed.size() && !batches.ended(); ++i) {
        std::string form(filed[i]);
        std::ranges::transform(form, form.begin(), asciiLower);
        batches.addForm(std::move(form));
        named = batches.named();
    }
    // The search for compounds stops as soon as the batches are done with.
    CompoundBudget ours = budget;
    ours.keepGoing
        = [&batches, &going = budget.keepGoing] { return !batches.ended() && (!going || going()); };
    CompoundSearchEnd end;
    if (!batches.ended()) {
        end = searchCompoundCandidates(
            index, *keys, ours, typedCapitals(typed, *keys), TypedLetters(typed, *keys),
            [&](const std::string &word) {
                batches.addCompound(word);
                named = batches.named();
            },
            [&batches](std::size_t number) { batches.markSure(number); });
    }
    if (end.unfinished.empty())
        (void)batches.flush();
    answer.questions = confirmer.questions();
    answer.candidates = batches.named();
    answer.settled = confirmer.settled();
    answer.settledSpellings = confirmer.settledSpellings();
    if (batches.ended()) {
        answer.fallback = batches.fallback();
        answer.stopped = batches.stopped();
        return answer;
    }
    if (!end.unfinished.empty()) {
        answer.fallback = std::move(end.unfinished);
        answer.stopped = end.stopped;
        return answer;
    }
    if (progress.told)
        progress.told(confirmer.confirmed(), batches.named());
    answer.words = confirmer.words();
    answer.stopped = !answer.words;
    return answer;
}
