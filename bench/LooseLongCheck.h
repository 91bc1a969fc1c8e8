// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quorvel-loosediff --long: inputs too long for the reference, from the
// dictionary's own words (each letter's mark dropped where the language
// lets it, the case changed), answered by the word index alone. The answer
// must hold the word the letters came from (the checker taking it as the
// dictionary spells it), and every word shown must be accepted exactly as
// shown.
#include "letters/Alphabet.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "letters/LooseLetters.h"
#include "search/CheckerQuestions.h"
#include "search/LooseBudget.h"
#include "search/LooseSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

struct LongCheck {
    std::size_t inputs = 0;
    std::size_t indexed = 0;
    std::size_t problems = 0;
    double seconds = 0;
    double slowest = 0;
    double questions = 0;
};

// Each word of a .dic file's text (the line's word before its flags, the
// count line skipped) of shortest to longest letters, all of them letters,
// given with its letters.
template<typename Each>
void forEachWordOfLetters(
    const std::string &dicText, std::size_t shortest, std::size_t longest, Each &&each)
{
    std::istringstream lines(dicText);
    std::string line;
    std::getline(lines, line); // the count
    while (std::getline(lines, line)) {
        const std::string word = line.substr(0, line.find_first_of("/\t "));
        auto letters = splitLetters(word);
        if (letters && letters->size() >= shortest && letters->size() <= longest
            && std::ranges::all_of(*letters, isAlphabetic))
            each(word, std::move(*letters));
    }
}

// count inputs of shortest to longest letters, from the words of dicText,
// each searched with the index's forms and threads and the program's budget
// for its letters.
inline LongCheck checkLongInputs(const std::string &language, const std::string &dicText,
    const LooseAlphabet &alphabet, SpellChecker &checker, const LooseIndex &index,
    std::size_t count, std::uint64_t seed, std::size_t shortest, std::size_t longest)
{
    const LetterCase letterCase(language);
    const LooseLetters loose(language);
    std::vector<std::string> words;
    forEachWordOfLetters(
        dicText, shortest, longest, [&](const std::string &word, std::vector<std::string> &&) {
            if (testword(checker, word))
                words.push_back(word);
        });
    LongCheck result;
    std::mt19937_64 random(seed);
    const auto pick = [&random](std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random);
    };
    for (std::size_t i = 0; i < count && !words.empty(); ++i) {
        const std::string &word = words[pick(0, words.size() - 1)];
        std::vector<std::string> letters = splitLetters(word).value_or(std::vector<std::string> {});
        const std::size_t style = pick(0, 2); // small, capitals, as spelt
        for (std::string &letter : letters) {
            if (pick(0, 1) == 0)
                letter = loose.key(letter);
            if (style == 0)
                letter = letterCase.lower(letter);
            else if (style == 1)
                letter = loose.capital(letter); // a tile: ẞ, not SS
        }
        std::shuffle(letters.begin(), letters.end(), random);
        std::string typed;
        for (const std::string &letter : letters)
            typed += letter;
        // The index used as the program uses it for this many letters.
        LooseIndex only = looseIndexFor(index.forms, letters.size());
        only.threads = index.threads;
        only.indexOnly = true;
        const auto start = std::chrono::steady_clock::now();
        const LooseAnswer answer = looseWords(
            typed, alphabet, checker, [](double) { return true; }, only);
        const double took
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++result.inputs;
        result.seconds += took;
        result.slowest = std::max(result.slowest, took);
        result.questions += answer.questions;
        std::string problem;
        if (!answer.indexed) {
            problem = "not by the word index: " + answer.fallback;
        } else {
            ++result.indexed;
            const std::string folded = letterCase.folded(word);
            if (std::ranges::none_of(answer.words,
                    [&](const std::string &w) { return letterCase.folded(w) == folded; }))
                problem = "the word is missing";
            for (const std::string &shown : answer.words) {
                if (!testword(checker, shown))
                    problem = "not accepted as shown: " + shown;
            }
        }
        if (!problem.empty() && ++result.problems <= 10)
            std::printf(
                "  LONG (%s) for %s from %s\n", problem.c_str(), typed.c_str(), word.c_str());
    }
    return result;
}
