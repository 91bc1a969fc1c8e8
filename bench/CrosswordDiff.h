// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The crossword's part of the games differential: patterns made from the
// dictionary's own words (some squares opened to "?", to a class of three
// letters that holds the word's letter, or to one of three that does not),
// now and then with letters left out or kept, read by quorvel-search's own
// options; the reference takes every string that fits the pattern over the
// alphabet, keeps those the letter options allow, and asks the checker
// about each as the words' reference does.
#include "WordsReference.h"
#include "cli/GameOptions.h"
#include "wordgames/GameRun.h"
#include "wordindex/FormSource.h"

#include <QCommandLineParser>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

struct CrosswordTally {
    std::size_t patterns = 0;
    std::size_t words = 0;
    std::size_t differences = 0;
    std::size_t unaccepted = 0;
    std::size_t questions = 0;
    std::chrono::steady_clock::duration gameTime {};
    std::chrono::steady_clock::duration referenceTime {};
};

class CrosswordDiff {
public:
    // The letters the reference tries in an open square.
    static constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyz";

    CrosswordDiff(const std::filesystem::path &base, std::uint64_t seed, std::size_t maxOpen)
        : m_random(seed)
        , m_maxOpen(maxOpen)
    {
        // The dictionary's words of three to ten letters A to Z, in lower case.
        std::ifstream list(base.string() + ".dic");
        std::string line;
        std::getline(list, line);
        while (std::getline(list, line)) {
            const std::string word = lowered(line.substr(0, line.find_first_of("/\t ")));
            if (word.size() >= 3 && word.size() <= 10
                && std::ranges::all_of(word, [](char c) { return c >= 'a' && c <= 'z'; }))
                m_words.push_back(word);
        }
    }

    void check(const FormSource &index, SpellChecker &checker,
        const std::vector<std::string> &inner, std::size_t count, CrosswordTally &tally)
    {
        for (std::size_t i = 0; i < count && !m_words.empty(); ++i) {
            const QStringList options = next();
            QCommandLineParser parser;
            const GameOptions games;
            games.addTo(parser);
            if (!parser.parse(QStringList { "tool" } + options)) {
                std::printf("  BAD OPTIONS %s\n", qPrintable(options.join(u' ')));
                ++tally.differences;
                continue;
            }
            const auto read = games.read(parser, {});
            if (const auto *refusal = std::get_if<CommandRefusal>(&read)) {
                std::printf("  REFUSED %s: %s\n", qPrintable(options.join(u' ')),
                    qPrintable(refusal->message));
                ++tally.differences;
                continue;
            }
            const GameQuery &query = std::get<GameCommand>(read).query;
            ++tally.patterns;
            auto at = std::chrono::steady_clock::now();
            const FormsWithin within = index.within(query.pool.reach());
            std::set<std::string> game;
            std::string unfinished = within.unfinished;
            if (within.index) {
                const GameOutcome outcome = playGame(query, *within.index, checker);
                unfinished = outcome.unfinished;
                for (const GameResult &result : outcome.results) {
                    game.insert(lowered(result.words.front()));
                    if (!testword(checker, result.words.front()) && ++tally.unaccepted <= 10)
                        std::printf("  NOT ACCEPTED as printed: %s (%s)\n",
                            result.words.front().c_str(), qPrintable(options.join(u' ')));
                }
            }
            tally.gameTime += std::chrono::steady_clock::now() - at;
            at = std::chrono::steady_clock::now();
            const std::set<std::string> reference = referenceWords(query, checker, inner, tally);
            tally.referenceTime += std::chrono::steady_clock::now() - at;
            tally.words += reference.size();
            if (game != reference || !unfinished.empty()) {
                if (++tally.differences <= 10) {
                    std::string onlyGame;
                    std::string onlyReference;
                    for (const auto &word : game)
                        onlyGame += reference.contains(word) ? "" : " " + word;
                    for (const auto &word : reference)
                        onlyReference += game.contains(word) ? "" : " " + word;
                    std::printf("  CROSSWORD DIFFERENCE for %s: only the games:%s; only the "
                                "reference:%s %s\n",
                        qPrintable(options.join(u' ')), onlyGame.c_str(), onlyReference.c_str(),
                        unfinished.c_str());
                }
            }
        }
    }

private:
    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }
    char letter() { return kAlphabet[pick(0, kAlphabet.size() - 1)]; }

    // Three letters, the word's own among them, or not.
    std::string classOf(char own, bool holds)
    {
        std::string letters = holds ? std::string(1, own) : std::string();
        while (letters.size() < 3) {
            const char c = letter();
            if (c != own && letters.find(c) == std::string::npos)
                letters.push_back(c);
        }
        return (holds ? "[" : "[^") + letters + "]";
    }

    // The options of the next crossword.
    QStringList next()
    {
        const std::string &word = m_words[pick(0, m_words.size() - 1)];
        std::vector<std::size_t> squares(word.size());
        std::iota(squares.begin(), squares.end(), 0);
        std::ranges::shuffle(squares, m_random);
        squares.resize(pick(1, std::min(m_maxOpen, word.size())));
        std::vector<std::string> pattern;
        for (const char c : word)
            pattern.emplace_back(1, c);
        for (const std::size_t square : squares) {
            const std::size_t kind = pick(0, 4);
            pattern[square] = kind < 3 ? std::string("?") : classOf(word[square], kind == 3);
        }
        std::string text;
        for (const auto &square : pattern)
            text += square;
        QStringList options { QStringLiteral("--pattern"), QString::fromStdString(text) };
        if (pick(0, 3) == 0)
            options << QStringLiteral("--exclude")
                    << QString::fromStdString(std::string { letter(), letter() });
        if (pick(0, 3) == 0)
            options << QStringLiteral("--include")
                    << QString::fromStdString(std::string(1, word[pick(0, word.size() - 1)]));
        return options;
    }

    // Every string that fits the pattern and the letter options, asked.
    static std::set<std::string> referenceWords(const GameQuery &query, SpellChecker &checker,
        const std::vector<std::string> &inner, CrosswordTally &tally)
    {
        const WordPattern::Place &place = query.pattern->words().front();
        std::set<std::string> found;
        std::string text(place.size(), ' ');
        const std::function<void(std::size_t)> fill = [&](std::size_t at) {
            if (at == place.size()) {
                const std::vector<std::string> letters = query.letters->looseLetters(text);
                for (const std::string &left : query.exclude.loose) {
                    if (std::ranges::count(letters, left) > 0)
                        return;
                }
                for (const std::string &kept : query.include.loose) {
                    if (std::ranges::count(letters, kept)
                        < std::ranges::count(query.include.loose, kept))
                        return;
                }
                tally.questions += 3;
                if (acceptedInSomeCase(checker, text, inner))
                    found.insert(text);
                return;
            }
            for (const char c : kAlphabet) {
                if (place[at].takes(std::string(1, c))) {
                    text[at] = c;
                    fill(at + 1);
                }
            }
        };
        fill(0);
        return found;
    }

    std::mt19937_64 m_random;
    std::size_t m_maxOpen;
    std::vector<std::string> m_words;
};
