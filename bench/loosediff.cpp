// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks loose matching (quorvel-search --loose, the window's loose entry)
// against a slow reference written from what loose matching promises, on
// real dictionaries. Inputs are the dictionary's own words with their marks
// and case, some letters folded to the letter they count as, some put in
// capitals, shuffled; and some random letters of the dictionary. The
// reference takes every letter written anywhere in the dictionary's two
// files, lets each typed letter stand for every one of them that counts as
// the same letter (and for its capital), tries every arrangement of the
// typed letters with every such choice, and asks the checker about each
// string; of the strings accepted that differ only in case, the one with the
// fewest capitals is the word. The words must be the same, each accepted as
// printed, in the language's order. Both ask the same checker, which the
// program's own dictionary service chose and loaded. One line per dictionary.
#include "DictionaryWords.h"
#include "LooseLongCheck.h"
#include "LooseReference.h"
#include "hunspellfiles/TextDecoder.h"
#include "letters/Alphabet.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "letters/LooseLetters.h"
#include "search/CheckerQuestions.h"
#include "search/LooseBudget.h"
#include "search/LooseSearch.h"
#include "spelling/DictionaryService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration time)
{
    return std::chrono::duration<double>(time).count();
}

std::string fileText(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The two files' text as UTF-8, in the encoding the affix file names.
std::pair<std::string, std::string> dictionaryText(const std::filesystem::path &base)
{
    const std::string aff = fileText(base.string() + ".aff");
    const std::string dic = fileText(base.string() + ".dic");
    const auto decoder = dictionaryDecoder(aff);
    const auto utf8 = [&](const std::string &bytes) {
        if (!decoder)
            return bytes;
        const std::u32string text = decoder->decode(bytes);
        return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
    };
    return { utf8(aff), utf8(dic) };
}

struct Settings {
    std::size_t count;
    std::uint64_t seed;
    std::size_t maxLength;
    double maxStrings; // an input whose reference would try more is drawn again
    std::filesystem::path helper;
    bool longInputs = false; // --long: 10 to 16 letters, by the word index alone
};

// Inputs from the dictionary's words of up to maxLength letters.
class Inputs {
public:
    Inputs(std::uint64_t seed, const std::string &dicText, const Reference &reference,
        std::size_t maxLength)
        : m_random(seed)
        , m_reference(reference)
        , m_maxLength(maxLength)
        , m_alphabet(reference.alphabet())
    {
        forEachWordOfLetters(
            dicText, 1, maxLength, [this](const std::string &, std::vector<std::string> &&letters) {
                // A word with a letter that is two in capitals (ß, SS) is
                // rare, and where the index files it apart: drawn more often.
                if (twoInCapitals(letters))
                    m_twoInCapitals.push_back(letters);
                m_words.push_back(std::move(letters));
            });
    }

    // Whether a letter is two in capitals (ß, whose capital tile is ẞ).
    [[nodiscard]] bool twoInCapitals(const std::vector<std::string> &letters) const
    {
        const LetterCase &letterCase = m_reference.letterCase();
        return std::ranges::any_of(letters, [&](const std::string &letter) {
            return splitLetters(letterCase.upper(letterCase.lower(letter)))
                       .value_or(std::vector<std::string> {})
                       .size()
                != 1;
        });
    }

    std::vector<std::string> next()
    {
        std::vector<std::string> letters;
        const std::size_t from = pick(0, 5);
        if (m_words.empty() || from == 0) {
            const std::size_t length = pick(1, m_maxLength);
            while (!m_alphabet.empty() && letters.size() < length)
                letters.push_back(m_alphabet[pick(0, m_alphabet.size() - 1)]);
        } else if (from == 1 && !m_twoInCapitals.empty()) {
            letters = m_twoInCapitals[pick(0, m_twoInCapitals.size() - 1)];
        } else {
            letters = m_words[pick(0, m_words.size() - 1)];
        }
        const std::size_t style = pick(0, 3); // as spelt, small, capitals, mixed
        for (std::string &letter : letters) {
            if (pick(0, 1) == 0)
                letter = m_reference.loose().key(letter); // the mark dropped where it may be
            if (style == 1 || (style == 3 && pick(0, 1) == 0))
                letter = m_reference.letterCase().lower(letter);
            else if (style == 2 || (style == 3 && pick(0, 1) == 0))
                letter = m_reference.capital(letter);
        }
        std::shuffle(letters.begin(), letters.end(), m_random);
        return letters;
    }

private:
    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }

    std::mt19937_64 m_random;
    const Reference &m_reference;
    std::size_t m_maxLength;
    std::vector<std::string> m_alphabet;
    std::vector<std::vector<std::string>> m_words;
    std::vector<std::vector<std::string>> m_twoInCapitals;
};

std::string joined(const std::vector<std::string> &words, const char *separator)
{
    std::string out;
    for (const std::string &word : words)
        out += (out.empty() ? "" : separator) + word;
    return out;
}

// Checks one dictionary; gives the number of differences.
std::size_t check(const std::filesystem::path &base, const Settings &settings)
{
    const auto start = Clock::now();
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
    // The loose search under test answers from the word index where it can,
    // with the alphabet found with it, as the window and the tool do.
    const auto offer = service.indexFor(base, std::chrono::hours(1));
    if (!offer.alphabet) {
        std::printf("%-10s no alphabet: %s\n", name.c_str(), offer.refusal.c_str());
        return 1;
    }
    const auto alphabet = std::make_unique<const LooseAlphabet>(
        name, offer.alphabet->letters(), offer.alphabet->converted());
    LooseIndex index;
    index.forms = offer.index.get();
    std::size_t indexed = 0;
    const auto [affText, dicText] = dictionaryText(base);
    if (settings.longInputs) {
        const LongCheck checked = checkLongInputs(
            name, dicText, *alphabet, *checker, index, settings.count, settings.seed, 10, 16);
        std::printf("%-10s %-8s %4zu inputs of 10 to 16 letters; %zu by the word index; %zu "
                    "problems; --loose %.2f s (slowest %.2f s, %.0f questions)\n",
            name.c_str(), checker->engineName().c_str(), checked.inputs, checked.indexed,
            checked.problems, checked.seconds, checked.slowest, checked.questions);
        std::fflush(stdout);
        return checked.problems;
    }
    Reference reference(name, affText, dicText);
    Inputs inputs(settings.seed, dicText, reference, settings.maxLength);
    const double prepared = seconds(Clock::now() - start);
    std::size_t differences = 0;
    std::size_t words = 0;
    std::size_t redrawn = 0;
    std::size_t twoInCapitals = 0; // inputs with a letter that is two in capitals (ß)
    std::size_t referenceQuestions = 0;
    double looseQuestions = 0;
    Clock::duration looseTime {};
    Clock::duration referenceTime {};
    for (std::size_t i = 0; i < settings.count; ++i) {
        std::vector<std::string> typed = inputs.next();
        while (reference.strings(typed) > settings.maxStrings) {
            ++redrawn;
            typed = inputs.next();
        }
        const std::string letters = joined(typed, "");
        twoInCapitals += inputs.twoInCapitals(typed) ? 1 : 0;
        auto at = Clock::now();
        const LooseAnswer answer = looseWords(
            letters, *alphabet, *checker, [](double) { return true; },
            looseIndexFor(index.forms, typed.size()));
        indexed += answer.indexed ? 1 : 0;
        if (!answer.indexed && !answer.fallback.empty() && settings.count <= 1000)
            std::printf(
                "  every arrangement tried for %s: %s\n", letters.c_str(), answer.fallback.c_str());
        looseTime += Clock::now() - at;
        looseQuestions += answer.questions;
        at = Clock::now();
        const std::set<std::string> expected = reference.words(typed, *checker, referenceQuestions);
        referenceTime += Clock::now() - at;
        words += expected.size();
        std::vector<std::string> ordered = answer.words;
        sortInLanguageOrder(ordered, name);
        const std::set<std::string> found(answer.words.begin(), answer.words.end());
        std::string problem;
        if (found != expected || found.size() != answer.words.size())
            problem = "words";
        else if (ordered != answer.words)
            problem = "order";
        for (const std::string &word : answer.words) {
            if (!testword(*checker, word))
                problem = "not accepted as printed: " + word;
        }
        if (!problem.empty() && ++differences <= 10) {
            std::vector<std::string> expectedList(expected.begin(), expected.end());
            sortInLanguageOrder(expectedList, name);
            std::printf("  DIFFERENCE (%s) for %s: --loose: %s; reference: %s\n", problem.c_str(),
                letters.c_str(), joined(answer.words, ", ").c_str(),
                joined(expectedList, ", ").c_str());
        }
    }
    std::printf("%-10s %-8s %4zu inputs (%zu drawn again as too costly, %zu with a letter two "
                "in capitals), %zu words, alphabet "
                "%zu; %zu differences; %zu by the word index; ready %.1f s, --loose %.2f s (%.0f "
                "questions), reference "
                "%.1f s (%zu questions)\n",
        name.c_str(), checker->engineName().c_str(), settings.count, redrawn, twoInCapitals, words,
        reference.alphabet().size(), differences, indexed, prepared, seconds(looseTime),
        looseQuestions, seconds(referenceTime), referenceQuestions);
    std::fflush(stdout);
    return differences;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compares loose matching with a reference that tries every arrangement of every "
        "letter that counts as each typed one, in either case."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("A dictionary path without .aff/.dic; may be given more than once "
                       "(default: the installed de_DE)."),
        QStringLiteral("path"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Inputs per dictionary."), QStringLiteral("n"), QStringLiteral("300"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption maxOption(QStringLiteral("max-length"),
        QStringLiteral("Longest input, in letters."), QStringLiteral("n"), QStringLiteral("6"));
    const QCommandLineOption stringsOption(QStringLiteral("max-strings"),
        QStringLiteral("Most strings the reference may try for one input; a costlier input is "
                       "drawn again."),
        QStringLiteral("n"), QStringLiteral("200000"));
    const QCommandLineOption longOption(QStringLiteral("long"),
        QStringLiteral("Inputs of 10 to 16 letters from the dictionary's words, too long for the "
                       "reference: the word index must answer, with the word, and every word it "
                       "shows must be accepted as shown."));
    parser.addOptions(
        { dictionaryOption, countOption, seedOption, maxOption, stringsOption, longOption });
    parser.process(app);

    QStringList given = parser.values(dictionaryOption);
    if (given.isEmpty())
        given.append(QStringLiteral("/usr/share/hunspell/de_DE"));
    const Settings settings { parser.value(countOption).toULongLong(),
        parser.value(seedOption).toULongLong(),
        std::clamp<std::size_t>(parser.value(maxOption).toULongLong(), 1, 8),
        std::max(1.0, parser.value(stringsOption).toDouble()),
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("quorvel-probe"))
            .toStdString(),
        parser.isSet(longOption) };
    std::printf("inputs: %zu per dictionary, 1 to %zu letters, seed %llu, at most %.0f strings\n",
        settings.count, settings.maxLength, static_cast<unsigned long long>(settings.seed),
        settings.maxStrings);
    std::size_t failures = 0;
    for (const QString &path : given)
        failures += check(path.toStdString(), settings);
    std::printf(
        "dictionaries: %lld; differences: %zu\n", static_cast<long long>(given.size()), failures);
    return failures == 0 ? 0 : 1;
}
