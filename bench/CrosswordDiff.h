// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The crossword's part of the games differential: patterns made from the
// dictionary's own words in any of its letters (some squares opened to "?",
// to a class of three letters that holds the word's letter, or to one of
// three that does not), now and then with letters left out or kept, read by
// quorvel-search's own options and bound to the dictionary's alphabet as the
// tool binds them; the reference takes every string that fits the pattern
// over the alphabet (its small letters), keeps those the letter options
// allow, and asks the checker about each in small letters, capitalised and
// in capitals, and with the inner capitals of the words that have them. A
// pattern whose reference would ask more than kMaxReference strings is
// passed over and counted.
#include "DictionaryWords.h"
#include "WordsReference.h"
#include "cli/GameOptions.h"
#include "letters/Alphabet.h"
#include "letters/Letters.h"
#include "wordgames/GameRun.h"
#include "wordindex/FormSource.h"

#include <QCommandLineParser>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

// The words of one set the other lacks, each after a space: what a
// difference tells of either side.
inline std::string onlyIn(const std::set<std::string> &some, const std::set<std::string> &other)
{
    std::string only;
    for (const auto &word : some)
        only += other.contains(word) ? "" : " " + word;
    return only;
}

struct CrosswordTally {
    std::size_t patterns = 0;
    std::size_t words = 0;
    std::size_t differences = 0;
    std::size_t unaccepted = 0;
    std::size_t questions = 0;
    std::size_t passedOver = 0; // patterns whose reference is too large
    std::chrono::steady_clock::duration gameTime {};
    std::chrono::steady_clock::duration referenceTime {};
};

class CrosswordDiff {
public:
    static constexpr std::size_t kMaxReference = 2'000'000;
    static constexpr std::size_t kMaxLetters = 10; // of a word patterns are made from

    CrosswordDiff(const std::filesystem::path &base, const Alphabet &alphabet, std::uint64_t seed,
        std::size_t maxOpen)
        : m_random(seed)
        , m_maxOpen(maxOpen)
        , m_language(base.filename().string())
        , m_letters(std::make_shared<const GameLetters>(alphabet, m_language))
    {
        // A square holds one letter as the checker reads it: a ligature it
        // reads as two letters (ﬂ) holds none alone.
        for (const std::string &letter : alphabet.letters()) {
            if (isAlphabetic(letter) && !GameLetters::ligatureLetters(letter))
                m_alphabet.push_back(letter);
        }
        // The dictionary's words of three to ten letters of its alphabet, in small letters.
        LetterSplitter splitter;
        for (const std::string &word : dictionaryWords(base)) {
            const auto letters = splitter.split(m_letters->lower(word));
            if (letters && letters->size() >= 3 && letters->size() <= kMaxLetters
                && std::ranges::all_of(*letters, [&](const std::string &letter) {
                       return std::ranges::find(m_alphabet, letter) != m_alphabet.end();
                   }))
                m_words.push_back(*letters);
        }
    }

    // inner: the words spelt with a capital after their first letter.
    void check(const FormSource &index, SpellChecker &checker,
        const std::vector<std::string> &inner, std::size_t count, CrosswordTally &tally)
    {
        m_inner.clear();
        for (const std::string &word : inner)
            m_inner[m_letters->lower(word)].push_back(word);
        for (std::size_t i = 0; i < count && !m_words.empty() && !m_alphabet.empty(); ++i) {
            const QStringList options = next();
            QCommandLineParser parser;
            const GameOptions games;
            games.addTo(parser);
            if (!parser.parse(QStringList { "tool" } + options)) {
                std::printf("  BAD OPTIONS %s\n", qPrintable(options.join(u' ')));
                ++tally.differences;
                continue;
            }
            auto read = games.read(parser, {});
            if (const auto *refusal = std::get_if<CommandRefusal>(&read)) {
                std::printf("  REFUSED %s: %s\n", qPrintable(options.join(u' ')),
                    qPrintable(refusal->message));
                ++tally.differences;
                continue;
            }
            GameQuery query = std::get<GameCommand>(std::move(read)).query;
            query.dictionaryForms = true;
            if (const auto outside = bindLetters(query, m_letters)) {
                std::printf("  REFUSED %s: %s is outside the alphabet\n",
                    qPrintable(options.join(u' ')), outside->c_str());
                ++tally.differences;
                continue;
            }
            if (referenceSize(query) > kMaxReference) {
                ++tally.passedOver;
                continue;
            }
            ++tally.patterns;
            auto at = std::chrono::steady_clock::now();
            const FormsWithin within = index.withinSquares(
                query.pattern->givenPool(), query.pattern->letters(), query.pattern->keySquares());
            std::set<std::string> game;
            std::string unfinished = within.unfinished;
            if (within.index) {
                const GameOutcome outcome = playGame(query, *within.index, checker);
                unfinished = outcome.unfinished;
                for (const GameResult &result : outcome.results) {
                    game.insert(m_letters->lower(result.words.front()));
                    if (!testword(checker, result.words.front()) && ++tally.unaccepted <= 10)
                        std::printf("  NOT ACCEPTED as printed: %s (%s)\n",
                            result.words.front().c_str(), qPrintable(options.join(u' ')));
                }
            }
            tally.gameTime += std::chrono::steady_clock::now() - at;
            at = std::chrono::steady_clock::now();
            const std::set<std::string> reference = referenceWords(query, checker, tally);
            tally.referenceTime += std::chrono::steady_clock::now() - at;
            tally.words += reference.size();
            if (game != reference || !unfinished.empty()) {
                if (++tally.differences <= 10)
                    std::printf("  CROSSWORD DIFFERENCE for %s: only the games:%s; only the "
                                "reference:%s %s\n",
                        qPrintable(options.join(u' ')), onlyIn(game, reference).c_str(),
                        onlyIn(reference, game).c_str(), unfinished.c_str());
            }
        }
    }

private:
    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }
    const std::string &letter() { return m_alphabet[pick(0, m_alphabet.size() - 1)]; }

    // Three letters, the word's own among them, or not.
    std::string classOf(const std::string &own, bool holds)
    {
        std::vector<std::string> letters;
        if (holds)
            letters.push_back(own);
        for (std::size_t tries = 0; letters.size() < 3 && tries < 100; ++tries) {
            const std::string &c = letter();
            if (m_letters->looseOf(c) != m_letters->looseOf(own)
                && std::ranges::find(letters, c) == letters.end())
                letters.push_back(c);
        }
        std::string text = holds ? "[" : "[^";
        for (const std::string &c : letters)
            text += c;
        return text + "]";
    }

    // The options of the next crossword.
    QStringList next()
    {
        const auto &word = m_words[pick(0, m_words.size() - 1)];
        std::vector<std::size_t> squares(word.size());
        std::iota(squares.begin(), squares.end(), 0);
        std::ranges::shuffle(squares, m_random);
        squares.resize(pick(1, std::min(m_maxOpen, word.size())));
        std::vector<std::string> pattern = word;
        for (const std::size_t square : squares) {
            const std::size_t kind = pick(0, 4);
            pattern[square] = kind < 3 ? std::string("?") : classOf(word[square], kind == 3);
        }
        std::string text;
        for (const auto &square : pattern)
            text += square;
        QStringList options { QStringLiteral("--pattern"), QString::fromStdString(text) };
        if (pick(0, 3) == 0)
            options << QStringLiteral("--exclude") << QString::fromStdString(letter() + letter());
        if (pick(0, 3) == 0)
            options << QStringLiteral("--include")
                    << QString::fromStdString(word[pick(0, word.size() - 1)]);
        return options;
    }

    // The letters of the alphabet each square takes.
    std::vector<std::vector<std::string>> choices(const GameQuery &query) const
    {
        std::vector<std::vector<std::string>> out;
        for (const WordPattern::Square &square : query.pattern->words().front()) {
            out.emplace_back();
            for (const std::string &letter : m_alphabet) {
                if (square.takes(m_letters->looseOf(letter)))
                    out.back().push_back(letter);
            }
        }
        return out;
    }

    std::size_t referenceSize(const GameQuery &query) const
    {
        std::size_t size = 1;
        for (const auto &square : choices(query)) {
            size *= std::max<std::size_t>(1, square.size());
            if (size > kMaxReference)
                return size;
        }
        return size;
    }

    // The first spelling the checker takes of the string in small letters,
    // capitalised, in capitals, or with the inner capitals of a word (GGy)
    // that begins it; nothing when it takes none. (In capitals two strings
    // may be one word: "esnıfar" and "esnifar" are both ESNIFAR.)
    std::optional<std::string> accepted(
        SpellChecker &checker, const std::string &lower, CrosswordTally &tally) const
    {
        tally.questions += 3;
        for (std::string spelling : { lower, m_letters->title(lower), m_letters->upper(lower) }) {
            if (testword(checker, spelling))
                return spelling;
        }
        for (std::size_t length = 1; length <= lower.size(); ++length) {
            const auto begins = m_inner.find(lower.substr(0, length));
            if (begins == m_inner.end())
                continue;
            for (const std::string &word : begins->second) {
                ++tally.questions;
                if (testword(checker, word + lower.substr(length)))
                    return word + lower.substr(length);
            }
        }
        return std::nullopt;
    }

    // Every string that fits the pattern and the letter options, asked.
    std::set<std::string> referenceWords(
        const GameQuery &query, SpellChecker &checker, CrosswordTally &tally) const
    {
        const auto squares = choices(query);
        std::set<std::string> found;
        std::vector<std::string> text(squares.size());
        const std::function<void(std::size_t)> fill = [&](std::size_t at) {
            if (at == squares.size()) {
                std::vector<std::string> loose;
                std::string word;
                for (const std::string &letter : text) {
                    loose.push_back(m_letters->looseOf(letter));
                    word += letter;
                }
                for (const std::string &left : query.exclude.loose) {
                    if (std::ranges::count(loose, left) > 0)
                        return;
                }
                for (const std::string &kept : query.include.loose) {
                    if (std::ranges::count(loose, kept)
                        < std::ranges::count(query.include.loose, kept))
                        return;
                }
                // What the checker takes must fit the squares too (ß in capitals is SS).
                const auto spelling = accepted(checker, word, tally);
                if (spelling && query.pattern->fits(0, *spelling))
                    found.insert(m_letters->lower(*spelling));
                return;
            }
            for (const std::string &letter : squares[at]) {
                text[at] = letter;
                fill(at + 1);
            }
        };
        fill(0);
        return found;
    }

    std::mt19937_64 m_random;
    std::size_t m_maxOpen;
    std::string m_language;
    std::shared_ptr<const GameLetters> m_letters;
    std::vector<std::string> m_alphabet; // small letters
    std::vector<std::vector<std::string>> m_words; // their letters
    // The words with inner capitals, by their spelling in small letters.
    std::map<std::string, std::vector<std::string>> m_inner;
};
