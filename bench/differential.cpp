// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the indexed search against the enumeration it stands in for, on
// real dictionaries of every script: for seeded inputs (the dictionary's own
// words with their marks, shuffled, two or three of them joined so that
// compounds occur, words with extra letters, random letters of its
// alphabet; all in mixed case) it compares the result
// line of the index with the result line of the full run over every
// arrangement in counter order, both asking the same checker, which the
// program's own dictionary service chose and loaded. The full run remembers
// the checker's answer for each distinct string and splits the counter range
// over two threads; the order of the words is still that of one run.
// One line per dictionary: the engine, how many inputs, and the differences.
#include "DictionaryInputs.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/IndexedSearch.h"
#include "search/WordList.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"
#include "wordindex/IndexBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unordered_map>

namespace {

// The words found from counter value begin up to (not including) end.
WordList enumerate(const std::string &letters, double begin, double end, SpellChecker &checker)
{
    WordList list;
    std::unordered_map<std::string, bool> answers;
    Arrangements arrangements(letters);
    arrangements.seek(begin);
    for (double counter = begin; counter < end; ++counter) {
        const std::string &candidate = arrangements.current();
        auto known = answers.find(candidate);
        if (known == answers.end())
            known = answers.emplace(candidate, testword(checker, candidate)).first;
        if (known->second)
            addword(candidate, list);
        if (!arrangements.advance())
            break;
    }
    return list;
}

WordList fullRun(const std::string &letters, SpellChecker &checker, SpellChecker *second)
{
    const std::size_t count = letterCount(letters);
    const double total = fact(static_cast<double>(count));
    if (!second || count < 7)
        return enumerate(letters, 0, total, checker);
    const double half = total / 2; // n! is even from two letters on
    WordList late;
    std::thread worker([&] { late = enumerate(letters, half, total, *second); });
    WordList list = enumerate(letters, 0, half, checker);
    worker.join();
    // The first half's words come first, as they would in one run.
    for (const std::string &word : late)
        addword(word, list);
    return list;
}

double seconds(std::chrono::steady_clock::duration time)
{
    return std::chrono::duration<double>(time).count();
}

struct Settings {
    std::size_t count;
    std::size_t longCount; // of them at the longest length
    std::uint64_t seed;
    std::size_t minLength;
    std::size_t maxLength;
    std::filesystem::path helper;
    bool showDifferences;
    IndexKind kind;
    bool verifySettled; // every settled spelling asked after all
};

// Checks one dictionary; gives the number of differences (one where no engine serves it).
std::size_t check(const std::filesystem::path &base, const Settings &settings)
{
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> passedOver;
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, settings.helper, {} },
        [&passedOver](const std::string &line) { passedOver.push_back(line); });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    const std::string name = base.filename().string();
    if (!checker) {
        // Nothing compared proves nothing: a failure, as in the other benches.
        std::printf("%-28s no engine serves: %s\n", name.c_str(),
            passedOver.empty() ? "" : passedOver.back().c_str());
        return 1;
    }
    auto offer = service.indexFor(base, std::chrono::hours(1));
    const std::string engine = checker->engineName();
    if (settings.kind != IndexKind::Chosen) {
        const WordIndexBuild forced = buildWordIndexFromFiles(base,
            engine == "Nuspell" ? Dialect::Nuspell : Dialect::Hunspell, {}, nullptr, settings.kind);
        offer = { forced.forms, forced.refusal, offer.alphabet };
    }
    const double prepared = seconds(std::chrono::steady_clock::now() - start);
    if (!offer.index) {
        std::printf("%-28s %-8s FALLBACK (%s), ready in %.1f s\n", name.c_str(), engine.c_str(),
            offer.refusal.c_str(), prepared);
        return 0;
    }
    const auto second = checker->cloneForThread();
    DictionaryInputs inputs(
        settings.seed, base, offer.index.get(), settings.minLength, settings.maxLength);
    std::size_t differences = 0;
    std::size_t gaveUp = 0;
    std::size_t withWords = 0;
    std::size_t compounds = 0;
    std::vector<std::size_t> lengths(settings.maxLength + 1, 0); // how many inputs of each length
    std::chrono::steady_clock::duration indexTime {};
    std::chrono::steady_clock::duration fullTime {};
    std::string firstGiveUp;
    std::size_t settled = 0;
    std::atomic<std::size_t> refused { 0 };
    IndexedProgress progress;
    progress.settledRefused = settings.verifySettled ? &refused : nullptr;
    for (std::size_t i = 0; i < settings.count; ++i) {
        const bool longest = i >= settings.count - std::min(settings.longCount, settings.count);
        const std::string letters = inputs.next(longest);
        ++lengths[std::min(letterCount(letters), settings.maxLength)];
        auto at = std::chrono::steady_clock::now();
        const IndexedAnswer indexed = indexedSearch(letters, *offer.index, *checker,
            kMaxArrangementsTried, {}, {}, 0, offer.alphabet.get(), progress);
        indexTime += std::chrono::steady_clock::now() - at;
        settled += indexed.settled;
        at = std::chrono::steady_clock::now();
        const WordList full = fullRun(letters, *checker, second.get());
        fullTime += std::chrono::steady_clock::now() - at;
        if (!indexed.words) {
            if (gaveUp++ == 0)
                firstGiveUp = indexed.fallback;
            continue;
        }
        const QString got = resultFor(*indexed.words).text;
        const QString expected = resultFor(full).text;
        withWords += !full.empty();
        const std::vector<std::string> each = lettersOf(letters);
        const auto keys = keyLettersOf(each.data(), each.size());
        const auto within = offer.index->within(keys ? *keys : std::string());
        compounds += keys && within.index
            && indexed.candidates > within.index->formsFor(WordIndex::keyOf(*keys)).size();
        if (got != expected && ++differences <= 10 && settings.showDifferences)
            std::printf("  DIFFERENCE for %s\n    index: %s\n    full:  %s\n", letters.c_str(),
                got.toStdString().c_str(), expected.toStdString().c_str());
    }
    std::string byLength;
    for (std::size_t length = settings.minLength; length <= settings.maxLength; ++length)
        byLength += (byLength.empty() ? "" : "/") + std::to_string(lengths[length]);
    std::printf("%-28s %-8s %5zu inputs (%s by length), %4zu with words, %4zu with compound "
                "candidates, %zu gave up%s%s, %zu differences; ready %.1f s, index %.2f s, "
                "full %.1f s\n",
        name.c_str(), engine.c_str(), settings.count, byLength.c_str(), withWords, compounds,
        gaveUp, gaveUp ? ": " : "", firstGiveUp.c_str(), differences, prepared, seconds(indexTime),
        seconds(fullTime));
    // Each settled spelling asked after all (--verify-settled): those the
    // checker answered otherwise (taken and refused, or refused and taken).
    std::printf("%-28s %-8s settled %zu candidates without the checker, %zu settled "
                "spellings the checker answered otherwise\n",
        name.c_str(), engine.c_str(), settled, refused.load());
    std::fflush(stdout);
    return differences + gaveUp + refused;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compares the indexed search with the full enumeration."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("A dictionary path without .aff/.dic, or a folder of dictionaries; may "
                       "be given more than once (default: the installed en_US)."),
        QStringLiteral("path"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Inputs per dictionary."), QStringLiteral("n"), QStringLiteral("300"));
    const QCommandLineOption longOption(QStringLiteral("long"),
        QStringLiteral("How many of them have the longest length."), QStringLiteral("n"),
        QStringLiteral("0"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption minOption(QStringLiteral("min-length"),
        QStringLiteral("Shortest input."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption maxOption(QStringLiteral("max-length"),
        QStringLiteral("Longest input."), QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("Count differences without showing them."));
    const QCommandLineOption kindOption(QStringLiteral("kind"),
        QStringLiteral("The kind of index: chosen (as the program chooses), forms or stems."),
        QStringLiteral("kind"), QStringLiteral("chosen"));
    parser.addOptions({ dictionaryOption, countOption, longOption, seedOption, minOption, maxOption,
        quietOption, kindOption });
    const QCommandLineOption verifyOption(QStringLiteral("verify-settled"),
        QStringLiteral("Ask the checker about every spelling settled without it, and count "
                       "those it refuses."));
    parser.addOption(verifyOption);
    parser.process(app);

    std::vector<std::filesystem::path> bases;
    QStringList given = parser.values(dictionaryOption);
    if (given.isEmpty())
        given.append(QStringLiteral("/usr/share/hunspell/en_US"));
    for (const QString &path : given) {
        const QDir folder(path);
        if (!folder.exists()) {
            bases.emplace_back(path.toStdString());
            continue;
        }
        for (const QString &aff :
            folder.entryList({ QStringLiteral("*.aff") }, QDir::Files, QDir::Name))
            bases.emplace_back(folder.filePath(aff.chopped(4)).toStdString());
    }
    const auto minLength = std::clamp<std::size_t>(parser.value(minOption).toULongLong(), 1, 11);
    const Settings settings { parser.value(countOption).toULongLong(),
        parser.value(longOption).toULongLong(), parser.value(seedOption).toULongLong(), minLength,
        std::clamp<std::size_t>(parser.value(maxOption).toULongLong(), minLength, 11),
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("quorvel-probe"))
            .toStdString(),
        !parser.isSet(quietOption),
        parser.value(kindOption) == QLatin1String("forms")       ? IndexKind::Forms
            : parser.value(kindOption) == QLatin1String("stems") ? IndexKind::Stems
                                                                 : IndexKind::Chosen,
        parser.isSet(verifyOption) };
    std::printf("inputs: %zu per dictionary, %zu of them %zu letters long, lengths %zu to %zu, "
                "seed %llu\n",
        settings.count, settings.longCount, settings.maxLength, settings.minLength,
        settings.maxLength, static_cast<unsigned long long>(settings.seed));
    std::size_t failures = 0;
    for (const auto &base : bases)
        failures += check(base, settings);
    std::printf("dictionaries: %zu; differences and give-ups: %zu\n", bases.size(), failures);
    return failures == 0 ? 0 : 1;
}
