// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseSearch.h"

#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "letters/LooseLetters.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace {

// How many questions go by between two calls of keepGoing: the checker
// answers one in a few microseconds, so the window still gets its events
// well within its 5 ms.
constexpr double kQuestionsBetweenCalls = 64;

// Every distinct string of the typed letters, each replaced by each of its
// variants, asked of the checker in turn.
class LooseWalk {
public:
    LooseWalk(std::vector<std::vector<std::string>> variants, SpellChecker &checker,
        const std::function<bool(double)> &keepGoing)
        : m_variants(std::move(variants))
        , m_used(m_variants.size(), false)
        , m_checker(checker)
        , m_keepGoing(keepGoing)
    {
    }

    // False when keepGoing said to stop.
    bool walk() { return place(0); }
    [[nodiscard]] const std::vector<std::string> &accepted() const { return m_accepted; }
    [[nodiscard]] double questions() const { return m_questions; }

private:
    bool place(std::size_t depth)
    {
        if (depth == m_variants.size())
            return ask();
        // A string placed here once is not placed again: the letters it
        // could have come from count as the same letter, so what is left
        // to arrange after it is the same either way.
        std::unordered_set<std::string> placed;
        for (std::size_t i = 0; i < m_variants.size(); ++i) {
            if (m_used[i])
                continue;
            for (const std::string &variant : m_variants[i]) {
                if (!placed.insert(variant).second)
                    continue;
                m_used[i] = true;
                const std::size_t length = m_prefix.size();
                m_prefix += variant;
                const bool going = place(depth + 1);
                m_prefix.resize(length);
                m_used[i] = false;
                if (!going)
                    return false;
            }
        }
        return true;
    }

    bool ask()
    {
        if (testword(m_checker, m_prefix))
            m_accepted.push_back(m_prefix);
        m_questions += 1;
        if (--m_countdown > 0)
            return true;
        m_countdown = kQuestionsBetweenCalls;
        return m_keepGoing(m_questions);
    }

    std::vector<std::vector<std::string>> m_variants;
    std::vector<bool> m_used;
    SpellChecker &m_checker;
    const std::function<bool(double)> &m_keepGoing;
    std::string m_prefix;
    std::vector<std::string> m_accepted;
    double m_questions = 0;
    double m_countdown = kQuestionsBetweenCalls;
};

} // namespace

LooseAlphabet::LooseAlphabet(std::string_view language, const std::vector<std::string> &letters,
    std::optional<std::vector<std::string>> converted)
    : m_language(language)
    , m_case(std::make_unique<LetterCase>(language))
    , m_loose(std::make_unique<LooseLetters>(language))
{
    for (const std::string &letter : letters) {
        auto &same = m_byKey[m_loose->key(letter)];
        if (std::ranges::find(same, letter) == same.end())
            same.push_back(letter);
    }
    if (converted) {
        m_converted.emplace();
        for (const std::string &letter : *converted)
            m_converted->insert(m_case->folded(letter));
    }
}

LooseAlphabet::~LooseAlphabet() = default;

std::vector<std::string> LooseAlphabet::variants(std::string_view letter) const
{
    const auto same = m_byKey.find(m_loose->key(letter));
    const std::vector<std::string> small
        = same != m_byKey.end() ? same->second : std::vector { m_case->lower(letter) };
    std::vector<std::string> out;
    for (const std::string &each : small) {
        for (std::string form : { each, m_loose->capital(each) }) {
            if (std::ranges::find(out, form) == out.end())
                out.push_back(std::move(form));
        }
    }
    return out;
}

bool LooseAlphabet::knows(std::string_view letter) const
{
    return m_byKey.contains(m_loose->key(letter));
}

bool LooseAlphabet::mayConvert(std::string_view letter) const
{
    return !m_converted || m_converted->contains(m_case->folded(letter));
}

std::string LooseAlphabet::caseless(std::string_view word) const
{
    return m_case->folded(word);
}

std::size_t LooseAlphabet::capitals(std::string_view word) const
{
    std::size_t count = 0;
    for (const std::string &letter : lettersOf(std::string(word)))
        count += m_case->lower(letter) != letter ? 1 : 0;
    return count;
}

double looseQuestionBound(const std::string &letters, const LooseAlphabet &alphabet)
{
    const std::vector<std::string> each = lettersOf(letters);
    double bound = fact(static_cast<double>(each.size()));
    for (const std::string &letter : each)
        bound *= static_cast<double>(alphabet.variants(letter).size());
    return bound;
}

std::vector<std::string> looseSpellings(
    const std::vector<std::string> &accepted, const LooseAlphabet &alphabet)
{
    // Of the spellings the checker accepts that differ only in case, the
    // one with the fewest capitals, which the others are made from.
    std::map<std::string, std::pair<std::size_t, std::string>> spelling;
    for (const std::string &word : accepted) {
        const std::pair<std::size_t, std::string> candidate { alphabet.capitals(word), word };
        auto [at, added] = spelling.try_emplace(alphabet.caseless(word), candidate);
        if (!added && candidate < at->second)
            at->second = candidate;
    }
    std::vector<std::string> words;
    words.reserve(spelling.size());
    for (auto &[caseless, best] : spelling)
        words.push_back(std::move(best.second));
    sortInLanguageOrder(words, alphabet.language());
    return words;
}

LooseAnswer looseWords(const std::string &letters, const LooseAlphabet &alphabet,
    SpellChecker &checker, const std::function<bool(double asked)> &keepGoing,
    const LooseIndex &index)
{
    std::string fallback;
    if (index.forms) {
        LooseAnswer indexed = indexedLooseWords(letters, alphabet, checker, keepGoing, index);
        if (indexed.indexed || indexed.stopped || index.indexOnly)
            return indexed;
        fallback = std::move(indexed.fallback);
    }
    std::vector<std::vector<std::string>> variants;
    for (const std::string &letter : lettersOf(letters))
        variants.push_back(alphabet.variants(letter));
    LooseWalk walk(std::move(variants), checker, keepGoing);
    LooseAnswer answer;
    answer.fallback = std::move(fallback);
    answer.stopped = !walk.walk();
    answer.questions = walk.questions();
    if (answer.stopped)
        return answer;
    answer.words = looseSpellings(walk.accepted(), alphabet);
    return answer;
}
