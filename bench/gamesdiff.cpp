// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the words of --some (and with --crosswords, of --pattern alone:
// see CrosswordDiff.h) against a slow reference written from what
// the option promises, on real dictionaries: for seeded inputs (letters of
// the dictionary's own words with their marks and case, or random letters
// of its alphabet, some made blanks) the reference takes every string of
// the alphabet's letters of at least the shortest length that the tiles
// make, each tile standing for the letters that count as it when letters
// match loosely and each blank for any letter, and asks the checker about
// each in lower case, capitalised and in capitals, and with the capitals
// of any of the dictionary's words spelt with a capital inside (THz, EU)
// that begins it, so that THz and EUs are found; a string is a word when
// any of these is accepted. The word sets, compared with case folded,
// must be the same, and each word the games print must be accepted exactly
// as printed. Both ask the same checker, which the program's own
// dictionary service chose and loaded. With --no-compounds the games leave
// out what compounding rules make, and the reference is the dictionary's
// expanded list instead (ExpandedList.h), for the words of some of the
// tiles and for those of all of them (plain anagrams). One line per
// dictionary: the engine, the inputs, the differences.
#include "CrosswordDiff.h"
#include "DictionaryInputs.h"
#include "DifferentialInputs.h"
#include "ExpandedList.h"
#include "StringsReference.h"
#include "WordsReference.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/LooseSearch.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"
#include "wordgames/GameRun.h"
#include "wordgames/LooseTiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <thread>

namespace {

using gamesdiff::referenceWords;
using gamesdiff::WordSet;

// Letters of the dictionary's words, with their marks and case, and blanks
// in place of some: the letters that are none (an apostrophe) left out.
std::string gameInput(DictionaryInputs &inputs, std::size_t blanks)
{
    std::string typed;
    std::size_t letters = 0;
    for (const std::string &letter : lettersOf(inputs.next(false))) {
        if (!keyLettersOf(&letter, 1))
            continue;
        typed += letters++ < blanks ? std::string("?") : letter;
    }
    return typed;
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
    bool noCompounds; // against the expanded list
};

// The words of a game's result, folded by letterCase; those the checker
// does not accept as printed are told (the first ten) and counted.
WordSet gameWords(const GameOutcome &outcome, const LetterCase &letterCase, SpellChecker &checker,
    const std::string &typed, std::size_t &unaccepted)
{
    WordSet game;
    for (const GameResult &result : outcome.results) {
        const std::string &word = result.words.front();
        game.insert(letterCase.folded(word));
        if (!testword(checker, word) && ++unaccepted <= 10)
            std::printf("  NOT ACCEPTED as printed: %s (input %s)\n", word.c_str(), typed.c_str());
    }
    return game;
}

// Tells a difference (the first ten); true when there is one.
bool differ(const WordSet &game, const WordSet &reference, const GameOutcome &outcome,
    const std::string &what, std::size_t &differences)
{
    if (game == reference && outcome.unfinished.empty())
        return false;
    if (++differences <= 10)
        std::printf("  DIFFERENCE for %s: only the games:%s; only the reference:%s%s\n",
            what.c_str(), onlyIn(game, reference).c_str(), onlyIn(reference, game).c_str(),
            outcome.unfinished.c_str());
    return true;
}

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
    if (!offer.alphabet) {
        std::printf("%-10s no alphabet comes with the word index\n", name.c_str());
        return 1;
    }
    // The letters a tile can be: no ligature (ﬁ) or other compatibility
    // character, which the dictionary reads as the letters it stands for.
    std::vector<std::string> alphabet;
    for (const std::string &letter : offer.alphabet->letters()) {
        if (normalised(letter)
            == QString::fromStdString(letter)
                   .normalized(QString::NormalizationForm_KC)
                   .toStdString())
            alphabet.push_back(letter);
    }
    const LooseAlphabet loose(name, alphabet);
    const LetterCase letterCase(name);
    const std::set<std::string> known(alphabet.begin(), alphabet.end());
    std::optional<ExpandedList> expanded;
    if (settings.noCompounds) {
        expanded.emplace(base, settings.maxLength);
        if (!expanded->read()) {
            std::printf("%-10s its files cannot be read for the expanded list\n", name.c_str());
            return 1;
        }
    }
    DictionaryInputs inputs(settings.seed, base, offer.index.get(), 1, settings.maxLength);
    std::mt19937_64 random(settings.seed);
    std::size_t differences = 0;
    std::size_t unaccepted = 0;
    std::size_t words = 0;
    std::size_t withBlanks = 0;
    std::size_t referenceQuestions = 0;
    std::chrono::steady_clock::duration gameTime {};
    std::chrono::steady_clock::duration referenceTime {};
    for (std::size_t i = 0; i < settings.count; ++i) {
        const std::size_t blanks
            = std::uniform_int_distribution<std::size_t>(0, settings.maxBlanks)(random);
        const std::string typed = gameInput(inputs, blanks);
        const auto parsed = parsePool(typed);
        if (!std::holds_alternative<LetterPool>(parsed))
            continue;
        GameQuery query;
        query.dictionaryForms = true;
        query.pool = std::get<LetterPool>(parsed);
        query.minLength = settings.minLength;
        query.compounds = !settings.noCompounds;
        withBlanks += query.pool.blanks > 0;
        auto tiles = LooseTiles::of(query.pool, loose, alphabet);
        if (const auto *why = std::get_if<std::string>(&tiles)) {
            std::printf("  NO TILES for %s: %s\n", typed.c_str(), why->c_str());
            ++differences;
            continue;
        }
        query.looseTiles = &std::get<LooseTiles>(tiles);
        auto at = std::chrono::steady_clock::now();
        // As the command line asks: the blanks as blanks, not as every
        // letter at once (an index of stems then makes ten times the forms).
        const LetterPool &walked = std::get<LooseTiles>(tiles).walked();
        const FormsWithin within = offer.index->withinPool(walked, walked.size());
        if (!within.index) {
            std::printf("  NO FORMS within %s: %s\n", typed.c_str(), within.unfinished.c_str());
            ++differences;
            continue;
        }
        const GameOutcome outcome = playGame(query, *within.index, *checker);
        gameTime += std::chrono::steady_clock::now() - at;
        const WordSet game = gameWords(outcome, letterCase, *checker, typed, unaccepted);
        at = std::chrono::steady_clock::now();
        std::vector<std::set<std::string>> standsFor;
        for (const std::string &tile : query.pool.tiles) {
            std::set<std::string> letters;
            for (const std::string &variant : loose.variants(tile)) {
                if (known.contains(variant))
                    letters.insert(variant);
            }
            standsFor.push_back(std::move(letters));
        }
        const WordSet reference = expanded
            ? expanded->words(standsFor, query.pool.blanks, known, settings.minLength, false,
                letterCase, *checker, referenceQuestions)
            : referenceWords(standsFor, query.pool.blanks, settings.minLength, inner, alphabet,
                letterCase, *checker, second.get(), referenceQuestions);
        referenceTime += std::chrono::steady_clock::now() - at;
        words += reference.size();
        (void)differ(game, reference, outcome, typed, differences);
        if (!expanded)
            continue;
        // The plain anagrams: the words of every tile.
        const std::size_t every = query.pool.tiles.size() + query.pool.blanks;
        query.minLength = every;
        at = std::chrono::steady_clock::now();
        const GameOutcome anagrams = playGame(query, *within.index, *checker);
        gameTime += std::chrono::steady_clock::now() - at;
        const WordSet all = expanded->words(standsFor, query.pool.blanks, known, every, true,
            letterCase, *checker, referenceQuestions);
        (void)differ(gameWords(anagrams, letterCase, *checker, typed, unaccepted), all, anagrams,
            typed + " (anagrams)", differences);
    }
    if (expanded)
        std::printf("%-10s expanded list of %zu forms; games without compounds, also of every "
                    "tile\n",
            name.c_str(), expanded->size());
    std::printf("%-10s %-8s %5zu inputs (%zu with blanks), %zu words; %zu differences, %zu "
                "printed words not accepted as printed; ready %.1f s, games %.2f s, reference "
                "%.1f s (%zu questions)\n",
        name.c_str(), checker->engineName().c_str(), settings.count, withBlanks, words, differences,
        unaccepted, prepared, seconds(gameTime), seconds(referenceTime), referenceQuestions);
    std::fflush(stdout);
    if (settings.crosswords == 0)
        return differences + unaccepted;
    CrosswordTally crosswords;
    // A word may take its inner capitals from an affix (GGy of the prefix
    // G and Gy): those of the expanded list's forms are asked too.
    std::vector<std::string> crosswordInner = inner;
    {
        const ExpandedList list(base, CrosswordDiff::kMaxLetters);
        std::ranges::copy(list.innerCapitals(), std::back_inserter(crosswordInner));
    }
    CrosswordDiff(base, *offer.alphabet, settings.seed, settings.maxOpen)
        .check(*offer.index, *checker, crosswordInner, settings.crosswords, crosswords);
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
    const QCommandLineOption noCompoundsOption(QStringLiteral("no-compounds"),
        QStringLiteral("The games without compounds, against the dictionary's expanded list "
                       "(its words with their affixes), for some of the letters and for all."));
    parser.addOptions({ dictionaryOption, countOption, seedOption, maxOption, blanksOption,
        minOption, crosswordOption, openOption, noCompoundsOption });
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
        std::clamp<std::size_t>(parser.value(openOption).toULongLong(), 1, 4),
        parser.isSet(noCompoundsOption) };
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
