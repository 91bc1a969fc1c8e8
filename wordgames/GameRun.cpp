// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameRun.h"

#include "search/Enumerator.h"
#include "wordforms/AsciiLetters.h"
#include "wordgames/GameStops.h"
#include "wordgames/PhraseSearch.h"
#include "wordgames/WordHunt.h"

#include <QtGlobal>
#include <algorithm>
#include <bit>
#include <functional>
#include <ranges>
#include <string_view>

namespace {

// Whether the loose letters of a word hold every letter named, as often
// as named, and none of those left out.
bool holds(const GameQuery &query, const std::vector<std::string> &word)
{
    for (const std::string &letter : query.exclude.loose) {
        if (std::ranges::find(word, letter) != word.end())
            return false;
    }
    const auto &named = query.include.loose;
    return std::ranges::all_of(named, [&](const std::string &letter) {
        return std::ranges::count(word, letter) >= std::ranges::count(named, letter);
    });
}

// The words a query wants besides their letters: those that fit the place
// of the pattern (or any place), hold the letters named and none left out.
std::function<bool(std::string_view)> wantedBy(const GameQuery &query, bool onePlace)
{
    if (!query.pattern && query.exclude.empty() && query.include.empty())
        return {};
    return [&query, onePlace](std::string_view word) {
        const auto &pattern = query.pattern;
        const std::vector<std::string> loose = query.letters->looseLetters(word);
        if (pattern) {
            bool fits = false;
            const std::size_t places = onePlace ? 1 : pattern->words().size();
            for (std::size_t place = 0; place < places && !fits; ++place)
                fits = pattern->fits(place, loose);
            if (!fits)
                return false;
        }
        return holds(query, loose);
    };
}

// For each word of a line, the positions (of its letters) of those blanks
// stand for: the loose letters the tiles lack, the last of the line.
std::vector<std::vector<std::size_t>> blanksOf(
    const LooseTiles &tiles, const std::vector<std::string> &words)
{
    std::vector<std::vector<LetterCounts>> letters(words.size());
    LetterCounts need {};
    for (std::size_t w = 0; w < words.size(); ++w) {
        for (const std::size_t x : tiles.counted(lettersOf(words[w]))) {
            letters[w].emplace_back();
            if (x < need.size()) {
                ++letters[w].back()[x];
                ++need[x];
            }
        }
    }
    const LetterCounts &have = tiles.counted().counts;
    for (std::size_t x = 0; x < need.size(); ++x)
        need[x] = need[x] > have[x] ? static_cast<std::uint8_t>(need[x] - have[x]) : 0;
    std::vector<std::vector<std::size_t>> blanks(words.size());
    for (std::size_t w = words.size(); w-- > 0;) {
        for (std::size_t at = letters[w].size(); at-- > 0;) {
            for (std::size_t x = 0; x < need.size(); ++x) {
                if (letters[w][at][x] && need[x]) {
                    --need[x];
                    blanks[w].insert(blanks[w].begin(), at);
                }
            }
        }
    }
    return blanks;
}

// The blanks and the score of a line, where the query asks for them.
void tell(const GameQuery &query, const LooseTiles &tiles, GameResult &result)
{
    result.blanks = query.tiles && query.pool.blanks > 0
        ? blanksOf(tiles, result.words)
        : std::vector<std::vector<std::size_t>>(result.words.size());
    if (!query.scores)
        return;
    unsigned score = 0;
    for (std::size_t w = 0; w < result.words.size(); ++w)
        score += query.scores->score(result.words[w], result.blanks[w]);
    result.score = score;
}

bool inCapitals(std::string_view word)
{
    return word.size() > 1
        && std::ranges::none_of(word, [](char c) { return isAsciiLetter(c) && !isAsciiUpper(c); });
}

// Leaves out the words the query does not want as printed: abbreviations,
// names.
void leaveOut(const GameQuery &query, std::vector<FoundWord> &words)
{
    std::erase_if(words, [&query](const FoundWord &word) {
        if (!query.abbreviations && inCapitals(word.text))
            return true;
        if (query.names)
            return false;
        return query.capitalNouns ? inCapitals(word.text) : isAsciiUpper(word.text.front());
    });
}

// The loose letters every word (of a phrase, one word) holds.
LetterCounts heldBy(const GameQuery &query, const LooseTiles &tiles)
{
    if (!query.looseTiles)
        return query.contains.value_or(LetterCounts {});
    return tiles.countsOf(query.containsLetters);
}

GameOutcome someWords(const GameQuery &query, const LooseTiles &tiles, const WordIndex &index,
    SpellChecker &checker, const HuntBudget &budget)
{
    WordQuery words { query.pool, query.minLength, query.pool.size(), {}, {}, true, {} };
    if (query.contains)
        words.required = *query.contains;
    for (std::size_t x = 0; x < words.required.size(); ++x)
        words.required[x] = std::max(words.required[x], query.include.keys[x]);
    if (const auto &pattern = query.pattern) {
        words.maxLength = pattern->letters();
        words.squares = pattern->keySquares(0);
        if (query.crossword && query.letters->beyondKeys()) {
            words.spread = query.letters.get();
            words.place = &pattern->words().front();
        }
        for (std::size_t x = 0; x < words.required.size(); ++x)
            words.required[x] = std::max(words.required[x], pattern->fixed()[x]);
    }
    words.wanted = wantedBy(query, true);
    words.compounds = query.compounds;
    words.dictionaryForms = query.dictionaryForms;
    words.tiles = &tiles;
    words.letters = query.letters.get();
    words.held = heldBy(query, tiles);
    WordHunt hunt = huntWords(index, checker, words, budget);
    leaveOut(query, hunt.words);
    std::vector<GameResult> results;
    results.reserve(hunt.words.size());
    for (FoundWord &word : hunt.words) {
        GameResult result { { std::move(word.text) }, {}, {} };
        tell(query, tiles, result);
        results.push_back(std::move(result));
    }
    const WordCollation alphabetical(query.letters->language());
    const auto longer = [&alphabetical](const GameResult &a, const GameResult &b) {
        return longestFirst(a.words.front(), b.words.front(), alphabetical);
    };
    switch (query.sort) {
    case GameSort::Length:
        std::ranges::sort(results, longer);
        break;
    case GameSort::Alpha:
        std::ranges::sort(results, [&alphabetical](const GameResult &a, const GameResult &b) {
            return alphabetical.before(a.words.front(), b.words.front());
        });
        break;
    case GameSort::Score:
        std::ranges::sort(results, [&longer](const GameResult &a, const GameResult &b) {
            return a.score != b.score ? a.score > b.score : longer(a, b);
        });
        break;
    }
    GameOutcome outcome;
    outcome.found = results.size();
    outcome.candidates = hunt.candidates;
    outcome.questions = hunt.questions;
    outcome.unfinished = hunt.unfinished;
    outcome.leftOut = hunt.leftOut;
    outcome.leftOutAtLeast = hunt.leftOutAtLeast;
    outcome.stopped = hunt.stopped;
    const std::size_t shown = std::min(results.size(), query.limit.value_or(SIZE_MAX));
    outcome.limited = shown < results.size();
    results.resize(shown);
    outcome.results = std::move(results);
    return outcome;
}

GameOutcome phrases(const GameQuery &query, const LooseTiles &tiles, const WordIndex &index,
    SpellChecker &checker, const HuntBudget &budget, const GameBudget &game)
{
    WordQuery words { query.pool, query.minLength, query.pool.size(), {}, {}, true, {} };
    words.wanted = wantedBy(query, false);
    words.compounds = query.compounds;
    words.dictionaryForms = query.dictionaryForms;
    words.tiles = &tiles;
    words.letters = query.letters.get();
    // The words are judged first, and their progress told; then the phrases'.
    WordHunt hunt = huntWords(index, checker, words, budget);
    leaveOut(query, hunt.words);
    // In the language's alphabetical order, which the phrases' words keep.
    const WordCollation alphabetical(query.letters->language());
    std::ranges::sort(hunt.words, [&alphabetical](const FoundWord &a, const FoundWord &b) {
        return alphabetical.before(a.text, b.text);
    });
    GameOutcome outcome;
    outcome.candidates = hunt.candidates;
    outcome.questions = hunt.questions;
    outcome.unfinished = hunt.unfinished;
    outcome.leftOut = hunt.leftOut;
    outcome.leftOutAtLeast = hunt.leftOutAtLeast;
    outcome.stopped = hunt.stopped;
    if (outcome.stopped)
        return outcome;
    std::function<bool(std::string_view)> isWord;
    if (query.containsWord)
        isWord = [&tiles, &query](std::string_view word) {
            return tiles.sameLoosely(word, *query.containsWord);
        };
    const PhraseQuery phraseQuery { tiles.counted(), query.maxWords,
        query.pattern ? &*query.pattern : nullptr,
        query.contains ? std::optional(heldBy(query, tiles)) : std::nullopt, isWord, query.limit };
    PhraseBudget phraseBudget;
    phraseBudget.deadline = budget.deadline;
    phraseBudget.keepGoing = game.keepGoing;
    if (game.progress)
        phraseBudget.progress = [&game](std::size_t done, std::size_t total) {
            game.progress(
                done, total, QT_TRANSLATE_NOOP("ProgressLine", "first words of phrases tried"));
        };
    Phrases found = findPhrases(hunt.words, phraseQuery, phraseBudget);
    if (outcome.unfinished.empty())
        outcome.unfinished = found.unfinished;
    outcome.stopped = found.unfinished == GameStops::kStopped;
    outcome.limited = found.more;
    outcome.found = found.phrases.size();
    for (const auto &phrase : found.phrases) {
        GameResult result;
        for (const std::uint32_t word : phrase)
            result.words.push_back(hunt.words[word].text);
        // A phrase of a pattern reads as the crossword's row does.
        if (query.pattern) {
            if (const auto order = query.pattern->order(result.words)) {
                std::vector<std::string> placed;
                for (const std::size_t word : *order)
                    placed.push_back(result.words[word]);
                result.words = std::move(placed);
            }
        }
        tell(query, tiles, result);
        outcome.results.push_back(std::move(result));
    }
    return outcome;
}

} // namespace

std::optional<std::string> bindLetters(GameQuery &query, std::shared_ptr<const GameLetters> letters)
{
    query.letters = std::move(letters);
    if (query.pattern) {
        if (auto outside = query.pattern->bind(query.letters))
            return outside;
        if (query.crossword) {
            query.pool = query.pattern->pool();
            // Its open squares may be any letter of the alphabet.
            query.pool.blankKeys = query.letters->anyKeyLetter();
        }
    }
    for (NamedLetters *named : { &query.include, &query.exclude }) {
        named->loose.clear();
        named->keys = {};
        for (const std::string &typed : named->typed) {
            auto loose = query.letters->looseLetter(typed);
            if (!loose)
                return typed;
            const std::uint64_t keys = query.letters->keyLetters(*loose);
            if (std::has_single_bit(keys))
                ++named->keys[static_cast<std::size_t>(std::countr_zero(keys))];
            named->loose.push_back(std::move(*loose));
        }
    }
    return std::nullopt;
}

bool capitalisesNouns(std::string_view language)
{
    // German, and Luxembourgish, which writes as German does.
    return languageIs(language, "de") || languageIs(language, "lb");
}

GameOutcome playGame(
    const GameQuery &query, const WordIndex &index, SpellChecker &checker, const GameBudget &budget)
{
    const auto started = std::chrono::steady_clock::now();
    if (!query.letters) {
        // Bound by no dictionary: every letter is known.
        GameQuery bound = query;
        (void)bindLetters(bound, std::make_shared<const GameLetters>(std::string_view()));
        return playGame(bound, index, checker, budget);
    }
    HuntBudget hunt;
    hunt.maxCandidates = budget.maxCandidates;
    hunt.deadline = started + budget.maxTime;
    hunt.threads = budget.threads;
    hunt.keepGoing = budget.keepGoing;
    if (budget.progress)
        hunt.progress = [&budget](std::size_t done, std::size_t total) {
            budget.progress(
                done, total, QT_TRANSLATE_NOOP("ProgressLine", "candidate words judged"));
        };
    if (budget.progress)
        hunt.naming = [&budget](std::size_t named, std::size_t most) {
            budget.progress(
                named, most, QT_TRANSLATE_NOOP("ProgressLine", "compounds named (of a bound)"));
        };
    // Without the dictionary's alphabet each key letter is a letter of its own.
    std::optional<LooseTiles> own;
    if (!query.looseTiles)
        own.emplace(query.pool);
    const LooseTiles &tiles = query.looseTiles ? *query.looseTiles : *own;
    GameOutcome outcome = query.mode == GameMode::Some
        ? someWords(query, tiles, index, checker, hunt)
        : phrases(query, tiles, index, checker, hunt, budget);
    outcome.time = std::chrono::steady_clock::now() - started;
    return outcome;
}
