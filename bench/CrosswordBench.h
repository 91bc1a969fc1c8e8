// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The crossword's times for the games bench: patterns from the dictionary's
// own words (its .dic file, the word before any flags), some letters kept
// and the rest opened to "?", each searched as --pattern alone is, the
// dictionary's letters bound as quorvel-search binds them.
#include "DictionaryWords.h"
#include "letters/Letters.h"
#include "wordgames/GameRun.h"
#include "wordindex/IndexSource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

inline void timeCrosswords(const std::filesystem::path &base, const IndexSource::Offer &offer,
    SpellChecker &checker, std::size_t count)
{
    constexpr std::size_t kShortest = 3;
    constexpr std::size_t kLongest = 15;
    const std::string language = base.filename().string();
    std::vector<std::vector<std::string>> words;
    LetterSplitter splitter;
    for (const std::string &word : dictionaryWords(base)) {
        const auto letters = splitter.split(word);
        if (letters && letters->size() >= kShortest && letters->size() <= kLongest
            && std::ranges::all_of(*letters, isAlphabetic))
            words.push_back(*letters);
    }
    if (words.empty()) {
        std::printf(
            "  no words of %zu to %zu letters in %s.dic\n", kShortest, kLongest, base.c_str());
        return;
    }
    const auto gameLetters = offer.alphabet
        ? std::make_shared<const GameLetters>(*offer.alphabet, language)
        : std::make_shared<const GameLetters>(language);
    std::mt19937_64 random(17);
    std::vector<double> times;
    std::string slowest;
    std::size_t overSecond = 0;
    std::size_t unfinished = 0;
    std::size_t found = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto &word
            = words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)];
        std::vector<std::size_t> squares(word.size());
        std::iota(squares.begin(), squares.end(), 0);
        std::ranges::shuffle(squares, random);
        const std::size_t kept = std::uniform_int_distribution<std::size_t>(
            1, std::max<std::size_t>(1, word.size() / 2))(random);
        std::vector<std::string> pattern(word.size(), "?");
        for (std::size_t k = 0; k < kept; ++k)
            pattern[squares[k]] = word[squares[k]];
        const std::string text = std::accumulate(pattern.begin(), pattern.end(), std::string());
        auto parsed = WordPattern::parse(text);
        if (!std::holds_alternative<WordPattern>(parsed))
            continue;
        GameQuery query;
        query.pattern = std::get<WordPattern>(std::move(parsed));
        query.crossword = true;
        query.tiles = false;
        query.minLength = word.size();
        if (bindLetters(query, gameLetters))
            continue;
        const auto start = std::chrono::steady_clock::now();
        const FormsWithin within = offer.index->withinUpTo(query.pool.reach(), word.size());
        bool stopped = !within.index;
        if (within.index) {
            const GameOutcome outcome = playGame(query, *within.index, checker);
            stopped = !outcome.unfinished.empty();
            found += outcome.results.size();
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (times.back() >= std::ranges::max(times))
            slowest = text;
        overSecond += times.back() > 1000;
        unfinished += stopped;
    }
    std::ranges::sort(times);
    std::printf("  crossword, %zu patterns of %zu to %zu letters, 1 to half kept: median %8.1f "
                "ms, slowest %8.1f ms (%s; target 1000 ms), %zu over 1 s, %zu stopped at the "
                "budget, %zu words in all\n",
        times.size(), kShortest, kLongest, times.empty() ? 0 : times[times.size() / 2],
        times.empty() ? 0 : times.back(), slowest.c_str(), overSecond, unfinished, found);
}
