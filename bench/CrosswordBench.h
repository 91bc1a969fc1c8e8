// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The crossword's times for the games bench: patterns of 4, 8, 12 and 15
// squares with one or two letters kept, from the dictionary's own words
// (its .dic file, the word before any flags), the rest opened to "?", each
// searched as --pattern alone is, the dictionary's letters bound as
// quorvel-search binds them. Each pattern is searched twice in turn, the
// forms asked within its squares (as the tool asks them) and within its
// letters alone (as it asked them before: an index of stems then makes
// every stem's forms that the letters allow), so that one run compares
// the two; the words the two find must be the same.
#include "DictionaryWords.h"
#include "letters/Letters.h"
#include "wordgames/GameRun.h"
#include "wordindex/IndexSource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

// The times of one way of asking for the forms, over a row's patterns.
struct CrosswordTimes {
    std::vector<double> times; // milliseconds
    std::string slowest;
    std::size_t unfinished = 0;
    std::size_t found = 0;

    void add(double ms, const std::string &pattern)
    {
        if (times.empty() || ms > std::ranges::max(times))
            slowest = pattern;
        times.push_back(ms);
    }
    [[nodiscard]] double median()
    {
        std::ranges::sort(times);
        return times.empty() ? 0 : times[times.size() / 2];
    }
    [[nodiscard]] double longest() const { return times.empty() ? 0 : std::ranges::max(times); }
};

// The words found and the time taken for one pattern, with the forms asked
// within its squares or within its letters alone.
inline double timeCrossword(const GameQuery &query, const IndexSource::Offer &offer,
    SpellChecker &checker, bool squares, std::vector<std::string> &words, bool &stopped)
{
    const auto start = std::chrono::steady_clock::now();
    const LetterPool pool = query.pattern->givenPool();
    const std::size_t longest = query.pattern->letters();
    const FormsWithin within = squares
        ? offer.index->withinSquares(pool, longest, query.pattern->keySquares())
        : offer.index->withinPool(pool, longest);
    stopped = !within.index;
    words.clear();
    if (within.index) {
        const GameOutcome outcome = playGame(query, *within.index, checker);
        stopped = !outcome.unfinished.empty();
        for (const GameResult &result : outcome.results)
            words.push_back(result.words.front());
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline void timeCrosswords(const std::filesystem::path &base, const IndexSource::Offer &offer,
    SpellChecker &checker, std::size_t count)
{
    constexpr std::size_t kLengths[] = { 4, 8, 12, 15 };
    const std::string language = base.filename().string();
    std::map<std::size_t, std::vector<std::vector<std::string>>> words;
    LetterSplitter splitter;
    for (const std::string &word : dictionaryWords(base)) {
        const auto letters = splitter.split(word);
        if (letters && std::ranges::find(kLengths, letters->size()) != std::end(kLengths)
            && std::ranges::all_of(*letters, isAlphabetic))
            words[letters->size()].push_back(*letters);
    }
    const auto gameLetters = offer.alphabet
        ? std::make_shared<const GameLetters>(*offer.alphabet, language)
        : std::make_shared<const GameLetters>(language);
    std::mt19937_64 random(17);
    std::size_t differences = 0;
    std::printf("  crossword, %zu patterns a row; forms within the squares | within the letters "
                "alone (median, slowest ms; target 1000 ms)\n",
        count);
    for (const std::size_t length : kLengths) {
        const auto &of = words[length];
        for (std::size_t kept = 1; kept <= 2 && !of.empty(); ++kept) {
            CrosswordTimes bySquares;
            CrosswordTimes byLetters;
            for (std::size_t i = 0; i < count; ++i) {
                const auto &word
                    = of[std::uniform_int_distribution<std::size_t>(0, of.size() - 1)(random)];
                std::vector<std::size_t> squares(word.size());
                std::iota(squares.begin(), squares.end(), 0);
                std::ranges::shuffle(squares, random);
                std::vector<std::string> pattern(word.size(), "?");
                for (std::size_t k = 0; k < kept; ++k)
                    pattern[squares[k]] = word[squares[k]];
                const std::string text
                    = std::accumulate(pattern.begin(), pattern.end(), std::string());
                auto parsed = WordPattern::parse(text);
                if (!std::holds_alternative<WordPattern>(parsed))
                    continue;
                GameQuery query;
                query.dictionaryForms = true;
                query.pattern = std::get<WordPattern>(std::move(parsed));
                query.crossword = true;
                query.tiles = false;
                query.minLength = word.size();
                if (bindLetters(query, gameLetters))
                    continue;
                std::vector<std::string> found[2];
                bool stopped[2] = { false, false };
                bySquares.add(
                    timeCrossword(query, offer, checker, true, found[0], stopped[0]), text);
                byLetters.add(
                    timeCrossword(query, offer, checker, false, found[1], stopped[1]), text);
                bySquares.unfinished += stopped[0];
                byLetters.unfinished += stopped[1];
                bySquares.found += found[0].size();
                byLetters.found += found[1].size();
                if (found[0] != found[1] && !stopped[0] && !stopped[1] && ++differences <= 10)
                    std::printf("  DIFFERENT WORDS for %s: %zu within the squares, %zu within "
                                "the letters\n",
                        text.c_str(), found[0].size(), found[1].size());
            }
            std::printf("  %2zu squares, %zu kept: %8.1f %8.1f (%s) %zu stopped, %zu words | "
                        "%8.1f %8.1f (%s) %zu stopped, %zu words\n",
                length, kept, bySquares.median(), bySquares.longest(), bySquares.slowest.c_str(),
                bySquares.unfinished, bySquares.found, byLetters.median(), byLetters.longest(),
                byLetters.slowest.c_str(), byLetters.unfinished, byLetters.found);
        }
    }
    std::printf("  %zu patterns found other words within the squares than within the letters\n",
        differences);
}
