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
// dictionary service chose and loaded. One line per dictionary: the
// engine, the inputs, the differences.
#include "CrosswordDiff.h"
#include "DictionaryInputs.h"
#include "DifferentialInputs.h"
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
#include <set>
#include <thread>

namespace {

using WordSet = std::set<std::string>;

// Strings of up to so many letters are asked in every mix of small letters and capitals.
constexpr std::size_t kEveryCaseUpTo = 3;

// Every distinct string of the alphabet's letters of minLength letters on,
// whose first letter is one of firsts, that the tiles and blanks make: each
// letter is taken by a tile it counts as (search/LooseSearch.h: the letters
// of a tile's variants), else by a blank, which stands for any letter of
// the alphabet. Each string is asked of the checker in lower case,
// capitalised and in capitals.
class Reference {
public:
    Reference(SpellChecker &checker, std::size_t minLength, const std::vector<std::string> &inner,
        const std::vector<std::string> &alphabet, const LetterCase &letterCase)
        : m_checker(checker)
        , m_minLength(minLength)
        , m_inner(inner)
        , m_alphabet(alphabet)
        , m_case(letterCase)
    {
    }

    // tiles: for each tile, the letters of the alphabet it stands for.
    WordSet words(std::vector<std::set<std::string>> tiles, std::size_t blanks,
        const std::vector<std::string> &firsts)
    {
        m_found.clear();
        m_questions = 0;
        m_tiles = std::move(tiles);
        m_used.assign(m_tiles.size(), false);
        m_blanks = blanks;
        std::vector<std::string> prefix;
        for (const std::string &letter : firsts)
            place(prefix, letter);
        return m_found;
    }
    [[nodiscard]] std::size_t questions() const { return m_questions; }

private:
    void place(std::vector<std::string> &prefix, const std::string &letter)
    {
        // A tile is taken before a blank, so that each string comes once.
        std::size_t tile = 0;
        while (tile < m_tiles.size() && (m_used[tile] || !m_tiles[tile].contains(letter)))
            ++tile;
        const bool blank = tile == m_tiles.size();
        if (blank && m_blanks == 0)
            return;
        blank ? --m_blanks : (m_used[tile] = true, 0);
        prefix.push_back(letter);
        if (prefix.size() >= m_minLength)
            ask(prefix);
        for (const std::string &next : m_alphabet)
            place(prefix, next);
        prefix.pop_back();
        blank ? ++m_blanks : (m_used[tile] = false, 0);
    }

    void ask(const std::vector<std::string> &letters)
    {
        std::string lower;
        for (const std::string &letter : letters)
            lower += letter;
        // A short word may have a capital anywhere (cT, a prefix on a unit).
        if (letters.size() <= kEveryCaseUpTo) {
            for (std::size_t capitals = 0; capitals < (std::size_t(1) << letters.size());
                 ++capitals) {
                std::string spelt;
                for (std::size_t i = 0; i < letters.size(); ++i)
                    spelt += (capitals >> i) & 1 ? m_case.upper(letters[i]) : letters[i];
                ++m_questions;
                if (lettersOf(spelt).size() == letters.size() && testword(m_checker, spelt)) {
                    m_found.insert(m_case.folded(spelt));
                    return;
                }
            }
            return;
        }
        std::string capital = m_case.upper(letters.front());
        for (std::size_t i = 1; i < letters.size(); ++i)
            capital += letters[i];
        // The word is the spelling accepted: a string's capitals may be
        // another's (TI of tı and of ti).
        m_questions += 3;
        for (const std::string &spelt : { lower, capital, m_case.upper(lower) }) {
            // A capital that is two letters (SS of ß) is no spelling of these tiles.
            if (lettersOf(spelt).size() == letters.size() && testword(m_checker, spelt)) {
                m_found.insert(m_case.folded(spelt));
                return;
            }
        }
        if (lower.size() == letters.size() && acceptedInSomeCase(m_checker, lower, m_inner))
            m_found.insert(m_case.folded(lower));
    }

    SpellChecker &m_checker;
    std::size_t m_minLength;
    const std::vector<std::string> &m_inner;
    const std::vector<std::string> &m_alphabet;
    const LetterCase &m_case;
    std::vector<std::set<std::string>> m_tiles;
    std::vector<bool> m_used;
    std::size_t m_blanks = 0;
    WordSet m_found;
    std::size_t m_questions = 0;
};

// The reference on two threads, each with a checker of its own, the first
// letters split between them.
WordSet referenceWords(const std::vector<std::set<std::string>> &tiles, std::size_t blanks,
    std::size_t minLength, const std::vector<std::string> &inner,
    const std::vector<std::string> &alphabet, const LetterCase &letterCase, SpellChecker &checker,
    SpellChecker *second, std::size_t &questions)
{
    if (!second) {
        Reference reference(checker, minLength, inner, alphabet, letterCase);
        WordSet words = reference.words(tiles, blanks, alphabet);
        questions += reference.questions();
        return words;
    }
    const auto half = static_cast<std::ptrdiff_t>(alphabet.size() / 2);
    const std::vector<std::string> early(alphabet.begin(), alphabet.begin() + half);
    const std::vector<std::string> late(alphabet.begin() + half, alphabet.end());
    Reference lateReference(*second, minLength, inner, alphabet, letterCase);
    WordSet lateWords;
    std::thread worker([&] { lateWords = lateReference.words(tiles, blanks, late); });
    Reference earlyReference(checker, minLength, inner, alphabet, letterCase);
    WordSet words = earlyReference.words(tiles, blanks, early);
    worker.join();
    words.insert(lateWords.begin(), lateWords.end());
    questions += earlyReference.questions() + lateReference.questions();
    return words;
}

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
        query.pool = std::get<LetterPool>(parsed);
        query.minLength = settings.minLength;
        withBlanks += query.pool.blanks > 0;
        auto tiles = LooseTiles::of(query.pool, loose, alphabet);
        if (const auto *why = std::get_if<std::string>(&tiles)) {
            std::printf("  NO TILES for %s: %s\n", typed.c_str(), why->c_str());
            ++differences;
            continue;
        }
        query.looseTiles = &std::get<LooseTiles>(tiles);
        auto at = std::chrono::steady_clock::now();
        const FormsWithin within
            = offer.index->within(std::get<LooseTiles>(tiles).walked().reach());
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
            game.insert(letterCase.folded(word));
            if (!testword(*checker, word) && ++unaccepted <= 10)
                std::printf(
                    "  NOT ACCEPTED as printed: %s (input %s)\n", word.c_str(), typed.c_str());
        }
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
        const WordSet reference = referenceWords(standsFor, query.pool.blanks, settings.minLength,
            inner, alphabet, letterCase, *checker, second.get(), referenceQuestions);
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
