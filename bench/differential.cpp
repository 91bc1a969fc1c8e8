// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the indexed search against the enumeration it stands in for: for
// seeded random inputs (shuffled dictionary words in random case, words with
// extra letters, random letters) it compares the result line of the index
// with the result line of the full run over every arrangement in counter
// order, both asking the same real checker. The full run remembers the
// checker's answer for each distinct string and splits the counter range over
// two threads; the order of the words is still that of one run.
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "search/Oracle.h"
#include "search/WordList.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/SpellEngines.h"
#include "wordindex/WordIndex.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <thread>
#include <unordered_map>

namespace {

// The words found from counter value begin up to (not including) end.
WordList enumerate(const std::string &letters, double begin, double end, SpellChecker &checker)
{
    WordList list;
    // Only repeated characters make a string come up again; without them
    // remembering answers costs more than it saves.
    std::string sorted = letters;
    std::ranges::sort(sorted);
    const bool repeats = std::ranges::adjacent_find(sorted) != sorted.end();
    std::unordered_map<std::string, bool> answers;
    Arrangements arrangements(letters);
    arrangements.seek(begin);
    for (double counter = begin; counter < end; ++counter) {
        const std::string &candidate = arrangements.current();
        bool accepted = false;
        if (repeats) {
            auto known = answers.find(candidate);
            if (known == answers.end())
                known = answers.emplace(candidate, testword(checker, candidate)).first;
            accepted = known->second;
        } else {
            accepted = testword(checker, candidate);
        }
        if (accepted)
            addword(candidate, list);
        if (!arrangements.advance())
            break;
    }
    return list;
}

WordList fullRun(const std::string &letters, SpellChecker &checker, SpellChecker *second)
{
    const double total = fact(static_cast<double>(letters.size()));
    if (!second || letters.size() < 7)
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

std::vector<std::string> letterWords(const std::filesystem::path &base, std::size_t maxLength)
{
    std::vector<std::string> words;
    std::ifstream dic(base.string() + ".dic");
    std::string line;
    while (words.size() < 2'000'000 && std::getline(dic, line)) {
        const std::string word = line.substr(0, line.find_first_of("/ \t\r"));
        if (!word.empty() && word.size() <= maxLength && std::ranges::all_of(word, [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            }))
            words.push_back(word);
    }
    return words;
}

class Inputs {
public:
    Inputs(std::uint64_t seed, std::vector<std::string> words, std::size_t minLength,
        std::size_t maxLength)
        : m_random(seed)
        , m_words(std::move(words))
        , m_min(minLength)
        , m_max(maxLength)
    {
        for (const std::string &word : m_words) {
            if (word.size() < m_byLength.size())
                m_byLength[word.size()].push_back(word);
        }
    }

    std::string next()
    {
        const std::size_t length = pick(m_min, m_max);
        std::string letters;
        switch (pick(0, 4)) {
        case 0: // random letters, all 26
            while (letters.size() < length)
                letters += static_cast<char>('a' + pick(0, 25));
            break;
        case 1: // random letters from a few, so they repeat
            while (letters.size() < length)
                letters += "aeinrst"[pick(0, 6)];
            break;
        case 2: // a real word of just that length
            if (!m_byLength[length].empty()) {
                letters = m_byLength[length][pick(0, m_byLength[length].size() - 1)];
                break;
            }
            [[fallthrough]];
        default: // a real word, or words, with random letters to make up the length
            for (int tries = 0; tries < 20 && !m_words.empty() && letters.size() < length;
                 ++tries) {
                const std::string &word = m_words[pick(0, m_words.size() - 1)];
                if (letters.size() + word.size() <= length)
                    letters += word;
            }
            while (letters.size() < length)
                letters += static_cast<char>('a' + pick(0, 25));
            break;
        }
        std::shuffle(letters.begin(), letters.end(), m_random);
        const std::size_t caseStyle = pick(0, 3);
        for (char &c : letters) {
            const bool upper = caseStyle == 1 || (caseStyle == 2 && pick(0, 2) == 0);
            const bool lower = caseStyle == 0;
            if (upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            else if (lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return letters;
    }

private:
    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }

    std::mt19937_64 m_random;
    std::vector<std::string> m_words;
    std::array<std::vector<std::string>, 12> m_byLength;
    std::size_t m_min;
    std::size_t m_max;
};

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
        QStringLiteral("Dictionary path without .aff/.dic (default: the installed en_US)."),
        QStringLiteral("path"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Number of inputs."), QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption minOption(QStringLiteral("min-length"),
        QStringLiteral("Shortest input."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption maxOption(QStringLiteral("max-length"),
        QStringLiteral("Longest input."), QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption engineOption(QStringLiteral("engine"),
        QStringLiteral("nuspell (falling back to hunspell, as the program does) or hunspell."),
        QStringLiteral("name"), QStringLiteral("nuspell"));
    parser.addOptions(
        { dictionaryOption, countOption, seedOption, minOption, maxOption, engineOption });
    parser.process(app);

    const auto base = parser.isSet(dictionaryOption)
        ? std::optional<std::filesystem::path>(parser.value(dictionaryOption).toStdString())
        : DictionaryLocator::find("en_US", DictionaryLocator::defaultFolders());
    const auto count = parser.value(countOption).toULongLong();
    const auto seed = parser.value(seedOption).toULongLong();
    const auto minLength = std::clamp<std::size_t>(parser.value(minOption).toULongLong(), 1, 11);
    const auto maxLength
        = std::clamp<std::size_t>(parser.value(maxOption).toULongLong(), minLength, 11);
    if (!base) {
        std::fprintf(stderr, "no dictionary: install hunspell-en-us or give --dictionary\n");
        return 2;
    }
    std::printf("dictionary: %s\n", base->c_str());
    auto start = std::chrono::steady_clock::now();
    const WordIndexBuild build = buildWordIndexFromFiles(*base);
    if (!build.index) {
        std::printf("fallback: the index is not trusted (%s); every search enumerates\n",
            build.refusal.c_str());
        return 0;
    }
    std::printf(
        "index applies: %zu forms, built in %.3f s\n", build.index->formCount(), seconds(start));

    SpellEngineFactory engines([&base] { return std::vector { *base }; });
    const bool hunspellOnly = parser.value(engineOption) == QStringLiteral("hunspell");
    auto checker = hunspellOnly ? nullptr : engines.create(SpellEngineFactory::kNuspellProgId);
    const char *engine = "Nuspell";
    if (!checker) {
        checker = engines.create(SpellEngineFactory::kHunspellProgId);
        engine = "Hunspell";
    }
    if (!checker) {
        std::fprintf(stderr, "no engine loads %s\n", base->c_str());
        return 2;
    }
    const auto second = checker->cloneForThread();
    std::printf("engine: %s; inputs: %llu, seed %llu, lengths %zu to %zu\n", engine,
        static_cast<unsigned long long>(count), static_cast<unsigned long long>(seed), minLength,
        maxLength);

    Inputs inputs(seed, letterWords(*base, maxLength), minLength, maxLength);
    std::size_t differences = 0;
    std::size_t capped = 0;
    std::size_t withWords = 0;
    double indexSeconds = 0;
    double fullSeconds = 0;
    for (unsigned long long i = 0; i < count; ++i) {
        const std::string letters = inputs.next();
        start = std::chrono::steady_clock::now();
        const auto indexed = indexedSearch(letters, *build.index, *checker);
        indexSeconds += seconds(start);
        start = std::chrono::steady_clock::now();
        const QString expected = resultFor(fullRun(letters, *checker, second.get())).text;
        fullSeconds += seconds(start);
        if (!indexed) {
            ++capped;
            continue;
        }
        const QString got = resultFor(*indexed).text;
        if (!indexed->empty())
            ++withWords;
        if (got != expected && ++differences <= 10)
            std::printf("DIFFERENCE for %s\n  index: %s\n  full:  %s\n", letters.c_str(),
                got.toStdString().c_str(), expected.toStdString().c_str());
    }
    std::printf("inputs: %llu, with words found: %zu, index gave up (too many arrangements): %zu\n",
        static_cast<unsigned long long>(count), withWords, capped);
    std::printf("time: index %.3f s, full enumeration %.1f s\n", indexSeconds, fullSeconds);
    std::printf("differences: %zu\n", differences);
    return differences == 0 ? 0 : 1;
}
