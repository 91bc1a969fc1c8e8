// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Proves the rules that settle compounds without the checker on given
// inputs, however long: each input is searched with the index as the program
// searches it, and every spelling settled without a question is asked of the
// checker after all. One line per input: the dictionary, the engine, the
// candidates, those settled, the questions, the settled spellings the
// checker refused (disagreements) and the time. Exits 1 on a disagreement.
#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Asks the checker about every spelling the dictionary's rules settle, and counts "
        "the refused."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("A dictionary path without .aff/.dic (default: the installed de_DE)."),
        QStringLiteral("path"), QStringLiteral("/usr/share/hunspell/de_DE"));
    const QCommandLineOption unverifiedOption(QStringLiteral("no-verify"),
        QStringLiteral("Only time the search: settled spellings are not asked."));
    const QCommandLineOption hunspellOption(QStringLiteral("hunspell"),
        QStringLiteral("Ask Hunspell, with an index read as Hunspell reads the files, instead of "
                       "the engine the program chooses."));
    parser.addOptions({ dictionaryOption, unverifiedOption, hunspellOption });
    parser.addPositionalArgument(QStringLiteral("letters"), QStringLiteral("Inputs to search."));
    parser.process(app);

    const std::filesystem::path base = parser.value(dictionaryOption).toStdString();
    const std::string helper = QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral("quorvel-probe"))
                                   .toStdString();
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, helper, {} });
    const std::string name = base.filename().string();
    std::shared_ptr<LoadedDictionary> hunspell;
    std::unique_ptr<SpellChecker> checker;
    std::shared_ptr<const FormSource> index;
    const Alphabet *alphabet = nullptr;
    DictionaryService::Offer offer;
    if (parser.isSet(hunspellOption)) {
        hunspell = LoadedDictionary::load(Engine::Hunspell, base);
        checker = hunspell ? hunspell->checker() : nullptr;
        WordIndexBuild build = buildWordIndexFromFiles(base, Dialect::Hunspell);
        index = build.forms;
    } else {
        checker = service.checker(DictionaryService::Checker::Chosen);
        offer = service.indexFor(base, std::chrono::hours(1));
        index = offer.index;
        alphabet = offer.alphabet.get();
    }
    if (!checker || !index) {
        std::printf("%-10s no engine or no index\n", name.c_str());
        return 1;
    }
    const bool verify = !parser.isSet(unverifiedOption);
    std::size_t disagreements = 0;
    for (const QString &given : parser.positionalArguments()) {
        const std::string letters = given.toStdString();
        std::atomic<std::size_t> refused { 0 };
        IndexedProgress progress;
        progress.settledRefused = verify ? &refused : nullptr;
        const auto at = std::chrono::steady_clock::now();
        const IndexedAnswer answer = indexedSearch(letters, *index, *checker, kMaxArrangementsTried,
            compoundBudgetFor(letterCount(letters)), {}, 0, alphabet, progress);
        const double seconds
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - at).count();
        disagreements += refused;
        std::printf("%-10s %-8s %-28s %zu candidates, %zu settled, %zu spellings settled, "
                    "%zu questions, %zu words, %s%zu disagreements; %.1f s%s%s\n",
            name.c_str(), checker->engineName().c_str(), letters.c_str(), answer.candidates,
            answer.settled, answer.settledSpellings, answer.questions,
            answer.words ? answer.words->size() : 0, verify ? "" : "not verified, ", refused.load(),
            seconds,
            answer.words ? "" : "; gave up: ", answer.words ? "" : answer.fallback.c_str());
        std::fflush(stdout);
    }
    return disagreements == 0 ? 0 : 1;
}
