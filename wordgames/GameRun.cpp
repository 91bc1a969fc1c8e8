// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameRun.h"

#include "wordgames/PhraseSearch.h"
#include "wordgames/WordHunt.h"

#include <QtGlobal>
#include <algorithm>

namespace {

GameOutcome someWords(
    const GameQuery &query, const WordIndex &index, SpellChecker &checker, const HuntBudget &budget)
{
    WordQuery words { query.pool, query.minLength, query.pool.size(), {}, {} };
    if (query.contains)
        words.required = *query.contains;
    if (const auto &pattern = query.pattern) {
        words.maxLength = pattern->letters();
        for (std::size_t x = 0; x < words.required.size(); ++x)
            words.required[x] = std::max(words.required[x], pattern->fixed()[x]);
        words.wanted = [&pattern](std::string_view word) { return pattern->fits(0, word); };
    }
    WordHunt hunt = huntWords(index, checker, words, budget);
    std::ranges::sort(hunt.words,
        [](const FoundWord &a, const FoundWord &b) { return longestFirst(a.text, b.text); });
    GameOutcome outcome;
    outcome.found = hunt.words.size();
    outcome.candidates = hunt.candidates;
    outcome.questions = hunt.questions;
    outcome.unfinished = hunt.unfinished;
    const std::size_t shown = std::min(hunt.words.size(), query.limit.value_or(SIZE_MAX));
    outcome.limited = shown < hunt.words.size();
    for (std::size_t i = 0; i < shown; ++i)
        outcome.results.push_back({ { std::move(hunt.words[i].text) } });
    return outcome;
}

GameOutcome phrases(const GameQuery &query, const WordIndex &index, SpellChecker &checker,
    const HuntBudget &budget, const GameBudget &game)
{
    WordQuery words { query.pool, query.minLength, query.pool.size(), {}, {} };
    if (const auto &pattern = query.pattern)
        words.wanted = [&pattern](std::string_view word) { return pattern->placesOf(word) != 0; };
    // The words are judged first, and their progress told; then the phrases'.
    WordHunt hunt = huntWords(index, checker, words, budget);
    std::ranges::sort(hunt.words,
        [](const FoundWord &a, const FoundWord &b) { return wordOrder(a.text, b.text); });
    GameOutcome outcome;
    outcome.candidates = hunt.candidates;
    outcome.questions = hunt.questions;
    outcome.unfinished = hunt.unfinished;
    const PhraseQuery phraseQuery { query.pool, query.maxWords,
        query.pattern ? &*query.pattern : nullptr, query.contains, query.limit };
    PhraseBudget phraseBudget;
    phraseBudget.deadline = budget.deadline;
    if (game.progress)
        phraseBudget.progress = [&game](std::size_t done, std::size_t total) {
            game.progress(
                done, total, QT_TRANSLATE_NOOP("ProgressLine", "first words of phrases tried"));
        };
    Phrases found = findPhrases(hunt.words, phraseQuery, phraseBudget);
    if (outcome.unfinished.empty())
        outcome.unfinished = found.unfinished;
    outcome.limited = found.more;
    outcome.found = found.phrases.size();
    for (const auto &phrase : found.phrases) {
        GameResult result;
        for (const std::uint32_t word : phrase)
            result.words.push_back(hunt.words[word].text);
        outcome.results.push_back(std::move(result));
    }
    return outcome;
}

} // namespace

GameOutcome playGame(
    const GameQuery &query, const WordIndex &index, SpellChecker &checker, const GameBudget &budget)
{
    const auto started = std::chrono::steady_clock::now();
    HuntBudget hunt;
    hunt.maxCandidates = budget.maxCandidates;
    hunt.deadline = started + budget.maxTime;
    hunt.threads = budget.threads;
    if (budget.progress)
        hunt.progress = [&budget](std::size_t done, std::size_t total) {
            budget.progress(
                done, total, QT_TRANSLATE_NOOP("ProgressLine", "candidate words judged"));
        };
    GameOutcome outcome = query.mode == GameMode::Some
        ? someWords(query, index, checker, hunt)
        : phrases(query, index, checker, hunt, budget);
    outcome.time = std::chrono::steady_clock::now() - started;
    return outcome;
}
