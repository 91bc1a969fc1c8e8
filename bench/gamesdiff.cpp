// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the words of --some (and with --crosswords, of --pattern alone:
// see CrosswordDiff.h) against a slow reference written from what
// the option promises, on real dictionaries: for seeded inputs (letters
// made from the dictionary's own forms, or random, with blanks) the
// reference takes every sub-multiset of the letters of at least the
// shortest length, every arrangement of it and every letter for each
// blank, and asks the checker about each string in lower case, capitalised
// and in capitals, and with the capitals of any of the dictionary's words
// spelt with a capital inside (THz, EU) that begins it, so that THz and EUs
// are found; a string is a word when any of these is accepted.
// The word sets, compared without letter case, must be the same, and each
// word the games print must be accepted exactly as printed. Both ask the
// same checker, which the program's own dictionary service chose and
// loaded. One line per dictionary: the engine, the inputs, the differences.
#include "CrosswordDiff.h"
#include "DifferentialInputs.h"
#include "WordsReference.h"
#include "search/CheckerQuestions.h"
#include "spelling/DictionaryService.h"
#include "wordgames/GameRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>
#include <thread>

namespace {

using WordSet = std::set<std::string>;

// Every distinct string of the letters and blanks, of minLength letters
// on, whose first letter is one of firsts: each string is an arrangement of
// a sub-multiset of the letters, blanks standing for any letter.
class Reference {
public:
    Reference(SpellChecker &checker, std::size_t minLength, const std::vector<std::string> &inner)
        : m_checker(checker)
        , m_minLength(minLength)
        , m_inner(inner)
    {
    }

    WordSet words(LetterPool pool, const std::string &firsts)
    {
        m_found.clear();
        m_questions = 0;
        std::string prefix;
        for (const char c : firsts)
            place(pool, prefix, c);
        return m_found;
    }
    [[nodiscard]] std::size_t questions() const { return m_questions; }

private:
    void place(LetterPool &pool, std::string &prefix, char c)
    {
        auto &count = pool.counts[static_cast<std::size_t>(c - 'a')];
        // A letter there is taken before a blank, so that each string comes once.
        const bool blank = count == 0;
        if (blank && pool.blanks == 0)
            return;
        blank ? --pool.blanks : --count;
        prefix.push_back(c);
        if (prefix.size() >= m_minLength) {
            m_questions += 3;
            if (acceptedInSomeCase(m_checker, prefix, m_inner))
                m_found.insert(prefix);
        }
        for (char next = 'a'; next <= 'z'; ++next)
            place(pool, prefix, next);
        prefix.pop_back();
        blank ? ++pool.blanks : ++count;
    }

    SpellChecker &m_checker;
    std::size_t m_minLength;
    const std::vector<std::string> &m_inner;
    WordSet m_found;
    std::size_t m_questions = 0;
};

// The reference on two threads, each with a checker of its own, the first
// letters split between them.
WordSet referenceWords(const LetterPool &pool, std::size_t minLength,
    const std::vector<std::string> &inner, SpellChecker &checker, SpellChecker *second,
    std::size_t &questions)
{
    const std::string all = "abcdefghijklmnopqrstuvwxyz";
    if (!second) {
        Reference reference(checker, minLength, inner);
        WordSet words = reference.words(pool, all);
        questions += reference.questions();
        return words;
    }
    Reference late(*second, minLength, inner);
    WordSet lateWords;
    std::thread worker([&] { lateWords = late.words(pool, all.substr(13)); });
    Reference early(checker, minLength, inner);
    WordSet words = early.words(pool, all.substr(0, 13));
    worker.join();
    words.insert(lateWords.begin(), lateWords.end());
    questions += early.questions() + late.questions();
    return words;
}

double seconds(std::chrono::steady_clock::duration time)
{
    return std::chrono::duration<double>(time).count();
}

struct Settings {
    std::size_t count;
    std::uint64_t seed;
    std::size_t maxLength; // letters and blanks together
    std::size_t maxBlanks;
    std::size_t minLength;
    std::filesystem::path helper;
    std::size_t crosswords; // patterns per dictionary
    std::size_t maxOpen; // open squares in a pattern
};

// Checks one dictionary; gives the number of differences.
std::size_t check(const std::filesystem::path &base, const Settings &settings)
{
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> passedOver;
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, settings.helper, {} },
        [&passedOver](const std::string &line) { passedOver.push_back(line); });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    const std::string name = base.filename().string();
    if (!checker) {
        std::printf("%-10s no engine serves: %s\n", name.c_str(),
            passedOver.empty() ? "" : passedOver.back().c_str());
        return 1;
    }
    const auto offer = service.indexFor(base, std::chrono::hours(1));
    const double prepared = seconds(std::chrono::steady_clock::now() - start);
    if (!offer.index) {
        std::printf("%-10s no word index: %s\n", name.c_str(), offer.refusal.c_str());
        return 1;
    }
    const auto second = checker->cloneForThread();
    const std::vector<std::string> inner = innerCapitals(base);
    DifferentialInputs inputs(settings.seed, base, offer.index.get(), 1, settings.maxLength);
    std::mt19937_64 random(settings.seed);
    std::size_t differences = 0;
    std::size_t unaccepted = 0;
    std::size_t words = 0;
    std::size_t withBlanks = 0;
    std::size_t referenceQuestions = 0;
    std::chrono::steady_clock::duration gameTime {};
    std::chrono::steady_clock::duration referenceTime {};
    for (std::size_t i = 0; i < settings.count; ++i) {
        std::string typed = inputs.next(false);
        // Blanks in place of some letters.
        const std::size_t blanks = std::uniform_int_distribution<std::size_t>(
            0, std::min(settings.maxBlanks, typed.size()))(random);
        typed.replace(0, blanks, std::string(blanks, '?'));
        GameQuery query;
        query.pool = std::get<LetterPool>(parsePool(typed));
        query.minLength = settings.minLength;
        withBlanks += query.pool.blanks > 0;
        auto at = std::chrono::steady_clock::now();
        const FormsWithin within = offer.index->within(query.pool.reach());
        if (!within.index) {
            std::printf("  NO FORMS within %s: %s\n", typed.c_str(), within.unfinished.c_str());
            ++differences;
            continue;
        }
        const GameOutcome outcome = playGame(query, *within.index, *checker);
        gameTime += std::chrono::steady_clock::now() - at;
        WordSet game;
        for (const GameResult &result : outcome.results) {
            const std::string &word = result.words.front();
            game.insert(lowered(word));
            if (!testword(*checker, word) && ++unaccepted <= 10)
                std::printf(
                    "  NOT ACCEPTED as printed: %s (input %s)\n", word.c_str(), typed.c_str());
        }
        at = std::chrono::steady_clock::now();
        const WordSet reference = referenceWords(
            query.pool, settings.minLength, inner, *checker, second.get(), referenceQuestions);
        referenceTime += std::chrono::steady_clock::now() - at;
        words += reference.size();
        if (game != reference || !outcome.unfinished.empty()) {
            if (++differences <= 10) {
                std::string onlyGame;
                std::string onlyReference;
                for (const auto &word : game)
                    onlyGame += reference.contains(word) ? "" : " " + word;
                for (const auto &word : reference)
                    onlyReference += game.contains(word) ? "" : " " + word;
                std::printf("  DIFFERENCE for %s: only the games:%s; only the reference:%s%s\n",
                    typed.c_str(), onlyGame.c_str(), onlyReference.c_str(),
                    outcome.unfinished.c_str());
            }
        }
    }
    std::printf("%-10s %-8s %5zu inputs (%zu with blanks), %zu words; %zu differences, %zu "
                "printed words not accepted as printed; ready %.1f s, games %.2f s, reference "
                "%.1f s (%zu questions)\n",
        name.c_str(), checker->engineName().c_str(), settings.count, withBlanks, words, differences,
        unaccepted, prepared, seconds(gameTime), seconds(referenceTime), referenceQuestions);
    std::fflush(stdout);
    if (settings.crosswords == 0)
        return differences + unaccepted;
    CrosswordTally crosswords;
    if (offer.alphabet)
        CrosswordDiff(base, *offer.alphabet, settings.seed, settings.maxOpen)
            .check(*offer.index, *checker, inner, settings.crosswords, crosswords);
    else
        std::printf("%-10s no alphabet for the crosswords\n", name.c_str());
    std::printf("%-10s %-8s %5zu crossword patterns (up to %zu open squares), %zu words; %zu "
                "differences, %zu printed words not accepted as printed; games %.2f s, "
                "reference %.1f s (%zu questions); %zu passed over, their reference too large\n",
        name.c_str(), checker->engineName().c_str(), crosswords.patterns, settings.maxOpen,
        crosswords.words, crosswords.differences, crosswords.unaccepted,
        seconds(crosswords.gameTime), seconds(crosswords.referenceTime), crosswords.questions,
        crosswords.passedOver);
    std::fflush(stdout);
    return differences + unaccepted + crosswords.differences + crosswords.unaccepted;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compares the words of --some with a reference that tries every string."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("A dictionary path without .aff/.dic; may be given more than once "
                       "(default: the installed en_US)."),
        QStringLiteral("path"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Inputs per dictionary."), QStringLiteral("n"), QStringLiteral("2000"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption maxOption(QStringLiteral("max-length"),
        QStringLiteral("Longest input, letters and blanks."), QStringLiteral("n"),
        QStringLiteral("7"));
    const QCommandLineOption blanksOption(QStringLiteral("max-blanks"),
        QStringLiteral("Most blanks in an input."), QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption minOption(QStringLiteral("min-length"),
        QStringLiteral("Shortest word."), QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption crosswordOption(QStringLiteral("crosswords"),
        QStringLiteral("Crossword patterns per dictionary (--pattern alone, with classes, "
                       "--exclude and --include)."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption openOption(QStringLiteral("max-open"),
        QStringLiteral("Most open squares in a crossword pattern."), QStringLiteral("n"),
        QStringLiteral("4"));
    parser.addOptions({ dictionaryOption, countOption, seedOption, maxOption, blanksOption,
        minOption, crosswordOption, openOption });
    parser.process(app);

    QStringList given = parser.values(dictionaryOption);
    if (given.isEmpty())
        given.append(QStringLiteral("/usr/share/hunspell/en_US"));
    const Settings settings { parser.value(countOption).toULongLong(),
        parser.value(seedOption).toULongLong(),
        std::clamp<std::size_t>(parser.value(maxOption).toULongLong(), 1, 9),
        std::clamp<std::size_t>(parser.value(blanksOption).toULongLong(), 0, 3),
        std::clamp<std::size_t>(parser.value(minOption).toULongLong(), 1, 9),
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("quorvel-probe"))
            .toStdString(),
        parser.value(crosswordOption).toULongLong(),
        std::clamp<std::size_t>(parser.value(openOption).toULongLong(), 1, 4) };
    std::printf("inputs: %zu per dictionary, up to %zu letters and blanks, up to %zu blanks, "
                "words of %zu letters on, seed %llu\n",
        settings.count, settings.maxLength, settings.maxBlanks, settings.minLength,
        static_cast<unsigned long long>(settings.seed));
    std::size_t failures = 0;
    for (const QString &path : given)
        failures += check(path.toStdString(), settings);
    std::printf("dictionaries: %lld; differences and words not accepted: %zu\n",
        static_cast<long long>(given.size()), failures);
    return failures == 0 ? 0 : 1;
}
