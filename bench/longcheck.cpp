// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the indexed search on long inputs, where trying every arrangement
// would never end: for seeded inputs of 16 to 30 letters made of two to four
// of a dictionary's own forms joined and shuffled, it compares the words the
// index answers with those of a slow search of its own that knows nothing of
// the index's compound search. That search tries, over the multiset of the
// letters rather than over arrangements, every split of them into forms of
// the dictionary that may stand in a compound (any part role, in any place,
// each at least COMPOUNDMIN letters long, read from the .aff file itself),
// so that it names a superset of the compounds the rules allow; the checker
// then judges each candidate in every spread of the typed capitals.
// One line per dictionary: the engine, how many inputs, the differences.
#include "DifferentialInputs.h"
#include "SlowSplits.h"
#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <set>
#include <unordered_map>

namespace {

using namespace longcheck;

struct Settings {
    std::size_t count;
    std::uint64_t seed;
    std::size_t minLength;
    std::size_t maxLength;
    std::size_t maxCandidates;
    std::chrono::seconds slowTime;
    std::filesystem::path helper;
    bool showDifferences;
    bool showEach;
    bool verifySettled; // every settled spelling asked after all
    std::vector<std::string> given; // inputs typed on the command line, instead of seeded ones
};

// Checks one dictionary; gives the number of differences and give-ups.
std::size_t check(const std::filesystem::path &base, const Settings &settings)
{
    DictionaryService service(
        { [&base] { return std::vector { base }; }, {}, settings.helper, {} });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    const std::string name = base.filename().string();
    if (!checker) {
        std::printf("%-16s no engine serves it\n", name.c_str());
        return 0;
    }
    const auto offer = service.indexFor(base, std::chrono::hours(1));
    const std::string engine = checker->engineName();
    if (!offer.index) {
        std::printf(
            "%-16s %-8s FALLBACK (%s)\n", name.c_str(), engine.c_str(), offer.refusal.c_str());
        return 0;
    }
    const AffCompounding aff = readAff(base);
    const LetterCase letterCase(name);
    DifferentialInputs inputs(
        settings.seed, base, offer.index.get(), settings.minLength, settings.maxLength);
    std::size_t differences = 0;
    std::size_t gaveUp = 0;
    std::size_t tooMany = 0;
    std::size_t withWords = 0;
    std::size_t compoundWords = 0;
    std::size_t candidates = 0;
    std::chrono::steady_clock::duration indexTime {};
    std::chrono::steady_clock::duration slowTime {};
    std::string firstGiveUp;
    std::size_t settled = 0;
    std::atomic<std::size_t> refused { 0 };
    IndexedProgress progress;
    progress.settledRefused = settings.verifySettled ? &refused : nullptr;
    const std::size_t count = settings.given.empty() ? settings.count : settings.given.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Seeded inputs typed as a user types them: a Dutch lĳst as l, i, j, s, t (a typed
        // ĳ is a letter the index files apart, and the program says so).
        const std::string letters
            = settings.given.empty() ? asTyped(aff, inputs.joined(2, 4)) : settings.given[i];
        auto at = std::chrono::steady_clock::now();
        // The budget the program gives a search of this many letters, which
        // has no end of time: the check's patience is the slow search's.
        CompoundBudget budget = compoundBudgetFor(letterCount(letters));
        budget.deadline = at + settings.slowTime;
        const IndexedAnswer indexed = indexedSearch(letters, *offer.index, *checker,
            kMaxArrangementsTried, budget, {}, 0, nullptr, progress);
        indexTime += std::chrono::steady_clock::now() - at;
        settled += indexed.settled;
        at = std::chrono::steady_clock::now();
        // The slow search's pieces: every form within the letters, found by
        // going through all the keys.
        // The index is asked in key letters, as the search asks it: a stems
        // index counts only those, so an Estonian ü typed as it is spelt was
        // no letter to it and no piece with ü was found.
        const std::vector<std::string> typed = lettersOf(letters);
        const std::optional<std::string> keys = keyLettersOf(typed.data(), typed.size());
        const FormsWithin formsWithin = keys ? offer.index->within(*keys) : FormsWithin {};
        // The letters as the pieces are kept, in small letters: a typed Ä
        // counts as ä.
        const LetterSlots typedSlots(smallLetters(letterCase, letters));
        const LetterCounts counts = *typedSlots.count(smallLetters(letterCase, letters));
        const std::size_t typedLetters = lettersOf(letters).size();
        std::vector<Piece> pieces;
        std::set<std::string> whole;
        if (formsWithin.index) {
            const WordIndex &index = *formsWithin.index;
            std::unordered_map<std::string, std::size_t> seen;
            std::vector<std::string> spellings;
            for (WordIndex::KeyId key = 0; key < index.keyCount(); ++key) {
                const auto forms = index.formsOf(key);
                if (forms.keyLength > typedLetters)
                    continue;
                for (std::size_t f = 0; f < forms.size(); ++f) {
                    // The dictionary's own spellings (ä, ß), not the key letters
                    // the index files them under.
                    if (!index.spellingsOf(forms, f, spellings))
                        spellings.assign(1, std::string(forms[f]));
                    for (std::string &spelling : spellings) {
                        spelling = asTyped(aff, std::move(spelling));
                        const std::vector<std::string> small = smallLetters(letterCase, spelling);
                        const std::optional<LetterCounts> spelt = typedSlots.count(small);
                        if (!spelt || !within(*spelt, counts))
                            continue;
                        Piece piece { lowered(letterCase, spelling), small.size(), *spelt,
                            forms.roles[f], maskOf(*spelt) };
                        if (piece.letters == typedLetters)
                            whole.insert(piece.text);
                        const auto [known, fresh] = seen.try_emplace(piece.text, pieces.size());
                        if (fresh)
                            pieces.push_back(std::move(piece));
                        else
                            pieces[known->second].roles |= piece.roles;
                    }
                }
            }
        }
        auto found = SlowSearch(std::move(pieces), typedSlots, aff, settings.maxCandidates,
            std::chrono::steady_clock::now() + settings.slowTime)
                         .run(counts);
        std::set<std::string> expected;
        if (found) {
            candidates += found->size();
            found->insert(whole.begin(), whole.end());
            for (const std::string &candidate : *found) {
                if (accepted(*checker, letterCase, candidate, letters))
                    expected.insert(candidate);
            }
        }
        const auto slow = std::chrono::steady_clock::now() - at;
        slowTime += slow;
        if (settings.showEach)
            std::printf("  %-30s index %zu candidates%s, slow search %zu, %zu words; %.2f s\n",
                letters.c_str(), indexed.candidates, indexed.words ? "" : " (gave up)",
                found ? found->size() : 0, expected.size(),
                std::chrono::duration<double>(slow).count());
        std::fflush(stdout);
        tooMany += !found;
        if (!indexed.words) {
            if (gaveUp++ == 0)
                firstGiveUp = indexed.fallback;
            continue;
        }
        if (!found)
            continue;
        std::set<std::string> got;
        for (const std::string &word : *indexed.words)
            got.insert(lowered(letterCase, word));
        withWords += !expected.empty();
        compoundWords += std::ranges::any_of(
            expected, [&whole](const std::string &word) { return !whole.contains(word); });
        if (got == expected)
            continue;
        if (++differences <= 10 && settings.showDifferences) {
            std::printf("  DIFFERENCE for %s\n", letters.c_str());
            for (const std::string &word : got) {
                if (!expected.contains(word))
                    std::printf("    only the index: %s\n", word.c_str());
            }
            for (const std::string &word : expected) {
                if (!got.contains(word))
                    std::printf("    only the slow search: %s\n", word.c_str());
            }
        }
    }
    std::printf("%-16s %-8s %4zu inputs, %4zu with words, %4zu with compounds, %zu candidates, "
                "%zu past the slow search's bounds, %zu gave up%s%s, %zu differences; index "
                "%.2f s, slow search %.1f s\n",
        name.c_str(), engine.c_str(), count, withWords, compoundWords, candidates, tooMany, gaveUp,
        gaveUp ? ": " : "", firstGiveUp.c_str(), differences,
        std::chrono::duration<double>(indexTime).count(),
        std::chrono::duration<double>(slowTime).count());
    // Each settled spelling asked after all (--verify-settled): those the
    // checker answered otherwise (taken and refused, or refused and taken).
    std::printf("%-16s %-8s settled %zu candidates without the checker, %zu settled "
                "spellings the checker answered otherwise\n",
        name.c_str(), engine.c_str(), settled, refused.load());
    std::fflush(stdout);
    return differences + gaveUp + tooMany + refused;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compares the indexed search on long inputs with a slow search of splits."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("A dictionary path without .aff/.dic, or a folder of dictionaries; may "
                       "be given more than once (default: the installed de_DE)."),
        QStringLiteral("path"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Inputs per dictionary."), QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption minOption(QStringLiteral("min-length"),
        QStringLiteral("Shortest input."), QStringLiteral("n"), QStringLiteral("16"));
    const QCommandLineOption maxOption(QStringLiteral("max-length"),
        QStringLiteral("Longest input."), QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption boundOption(QStringLiteral("max-candidates"),
        QStringLiteral("Candidates of the slow search past which an input is counted apart."),
        QStringLiteral("n"), QStringLiteral("2000000"));
    const QCommandLineOption slowOption(QStringLiteral("slow-seconds"),
        QStringLiteral("Time of the slow search for one input past which it is counted apart."),
        QStringLiteral("n"), QStringLiteral("60"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("Count differences without showing them."));
    const QCommandLineOption eachOption(
        QStringLiteral("each"), QStringLiteral("A line for each input: its candidates and time."));
    parser.addOptions({ dictionaryOption, countOption, seedOption, minOption, maxOption,
        boundOption, slowOption, quietOption, eachOption });
    const QCommandLineOption verifyOption(QStringLiteral("verify-settled"),
        QStringLiteral("Ask the checker about every spelling settled without it, and count "
                       "those it refuses."));
    parser.addOption(verifyOption);
    const QCommandLineOption inputOption(QStringLiteral("input"),
        QStringLiteral("Letters to check instead of seeded inputs; may be given more than once."),
        QStringLiteral("letters"));
    parser.addOption(inputOption);
    parser.process(app);
    std::vector<std::string> typed;
    for (const QString &letters : parser.values(inputOption))
        typed.push_back(letters.toStdString());

    std::vector<std::filesystem::path> bases;
    QStringList given = parser.values(dictionaryOption);
    if (given.isEmpty())
        given.append(QStringLiteral("/usr/share/hunspell/de_DE"));
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
    const auto minLength = std::clamp<std::size_t>(parser.value(minOption).toULongLong(), 2, 40);
    const Settings settings { parser.value(countOption).toULongLong(),
        parser.value(seedOption).toULongLong(), minLength,
        std::clamp<std::size_t>(parser.value(maxOption).toULongLong(), minLength, 40),
        parser.value(boundOption).toULongLong(),
        std::chrono::seconds(parser.value(slowOption).toLongLong()),
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("quorvel-probe"))
            .toStdString(),
        !parser.isSet(quietOption), parser.isSet(eachOption), parser.isSet(verifyOption),
        std::move(typed) };
    std::printf("inputs: %zu per dictionary, %zu to %zu letters of two to four forms, seed %llu\n",
        settings.count, settings.minLength, settings.maxLength,
        static_cast<unsigned long long>(settings.seed));
    std::fflush(stdout);
    std::size_t failures = 0;
    for (const auto &base : bases)
        failures += check(base, settings);
    std::printf("dictionaries: %zu; differences, give-ups and inputs past the bound: %zu\n",
        bases.size(), failures);
    return failures == 0 ? 0 : 1;
}
