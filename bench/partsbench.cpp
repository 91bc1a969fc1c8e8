// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// For letters as a user types them and each dictionary: how many compounds
// the search names, and how long it takes, once with the parts cut only by
// the capitals typed and once also by the letters typed (a part none of
// whose own spellings they spell is no part), in one run; with --judge, the
// whole indexed search of them on every core with a budget that does not
// stop it: its words, questions and time, the answer the enumeration defines.
// Usage: quorvel-partsbench [--judge] [--most N] [--sample N] LETTERS DICTIONARY...
#include "candidates/CompoundSpellings.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <cstdio>

namespace {

double seconds(std::chrono::steady_clock::duration time)
{
    return std::chrono::duration<double>(time).count();
}

CompoundCandidates countOne(
    const WordIndex &index, const std::string &letters, std::size_t most, bool typed)
{
    const std::vector<std::string> each = lettersOf(letters);
    const std::string keys = keyLettersOf(each.data(), each.size()).value_or("");
    CompoundBudget budget = compoundBudgetFor(letterCount(letters));
    budget.maxCandidates = most;
    const auto start = std::chrono::steady_clock::now();
    CompoundCandidates compounds = compoundCandidates(index, keys, budget,
        typedCapitals(each, keys), typed ? std::optional(TypedLetters(each, keys)) : std::nullopt);
    std::printf("  %-22s %10zu candidates (%zu sure) in %.2f s%s%s\n",
        typed ? "capitals and letters:" : "capitals only:", compounds.words.size(),
        static_cast<std::size_t>(std::ranges::count(compounds.sure, true)),
        seconds(std::chrono::steady_clock::now() - start), compounds.unfinished.empty() ? "" : "; ",
        compounds.unfinished.c_str());
    std::fflush(stdout);
    return compounds;
}

// Whether the checker takes a candidate in some spread of the capitals typed
// (letters A to Z only): each capital at each place of its letter.
bool acceptedAsTyped(
    SpellChecker &checker, std::string word, const std::string &letters, std::size_t from = 0)
{
    for (std::size_t at = from; at < letters.size(); ++at) {
        if (letters[at] < 'A' || letters[at] > 'Z')
            continue;
        const char small = static_cast<char>(letters[at] - 'A' + 'a');
        const std::string rest = letters.substr(0, at) + small + letters.substr(at + 1);
        for (std::size_t place = 0; place < word.size(); ++place) {
            if (word[place] != small)
                continue;
            std::string spread = word;
            spread[place] = letters[at];
            if (acceptedAsTyped(checker, spread, rest, at + 1))
                return true;
        }
        return false;
    }
    return testword(checker, word);
}

// Asks the checker about every step-th candidate: the share it takes, and
// some it refuses.
void sample(SpellChecker &checker, const CompoundCandidates &compounds, const std::string &letters,
    std::size_t count, std::size_t shown)
{
    if (count == 0 || compounds.words.empty())
        return;
    const std::size_t step = std::max<std::size_t>(1, compounds.words.size() / count);
    std::size_t asked = 0;
    std::size_t taken = 0;
    std::vector<std::string> refused;
    for (std::size_t c = 0; c < compounds.words.size(); c += step) {
        ++asked;
        if (acceptedAsTyped(checker, compounds.words[c], letters))
            ++taken;
        else if (refused.size() < shown)
            refused.push_back(compounds.words[c]);
    }
    std::printf("  sample: %zu of %zu taken (%.1f %%); refused:", taken, asked,
        100.0 * static_cast<double>(taken) / static_cast<double>(asked));
    for (const auto &word : refused)
        std::printf(" %s", word.c_str());
    std::printf("\n");
    std::fflush(stdout);
}

// The spellings the parts of the first candidates give them (compoundSplits):
// how many, how many words they leave to spreading, and how long it takes.
void partSpellings(const WordIndex &index, const CompoundCandidates &compounds, std::size_t count)
{
    if (count == 0 || compounds.words.empty())
        return;
    const auto start = std::chrono::steady_clock::now();
    std::size_t words = 0;
    std::size_t whole = 0;
    std::size_t spellings = 0;
    std::vector<std::string> joined;
    for (; words < std::min(count, compounds.words.size()); ++words) {
        if (joinedSpellings(compoundSplits(index, compounds.words[words]), 4096, joined)) {
            ++whole;
            spellings += joined.size();
        }
    }
    std::printf("  parts' spellings of %zu candidates: %zu whole, %.2f spellings each, %.1f us "
                "a candidate\n",
        words, whole, whole ? static_cast<double>(spellings) / static_cast<double>(whole) : 0.0,
        1e6 * seconds(std::chrono::steady_clock::now() - start) / static_cast<double>(words));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Counts the compounds the index names for letters, with and without "
                       "the cut by the letters typed."));
    parser.addHelpOption();
    const QCommandLineOption judgeOption(QStringLiteral("judge"),
        QStringLiteral("Also the whole search, on every core, without a budget."));
    parser.addOption(judgeOption);
    const QCommandLineOption mostOption(QStringLiteral("most"),
        QStringLiteral("The most candidates counted."), QStringLiteral("n"),
        QStringLiteral("20000000"));
    parser.addOption(mostOption);
    const QCommandLineOption sampleOption(QStringLiteral("sample"),
        QStringLiteral("Asks the checker about this many of the candidates (letters A to Z)."),
        QStringLiteral("n"), QStringLiteral("0"));
    parser.addOption(sampleOption);
    const QCommandLineOption spellingsOption(QStringLiteral("spellings"),
        QStringLiteral("The spellings the parts give this many of the candidates."),
        QStringLiteral("n"), QStringLiteral("0"));
    parser.addOption(spellingsOption);
    const QCommandLineOption formsOption(QStringLiteral("forms"),
        QStringLiteral("Only the forms filed under these key letters: roles and own spellings."),
        QStringLiteral("keys"));
    parser.addOption(formsOption);
    parser.addPositionalArgument(QStringLiteral("letters"), QStringLiteral("The letters."));
    parser.addPositionalArgument(
        QStringLiteral("dictionaries"), QStringLiteral("Dictionaries, without .aff/.dic."));
    parser.process(app);
    QStringList given = parser.positionalArguments();
    if (given.size() < 2)
        parser.showHelp(1);
    const std::string letters = given.takeFirst().toStdString();
    const std::size_t most = parser.value(mostOption).toULongLong();
    const std::filesystem::path helper = QDir(QCoreApplication::applicationDirPath())
                                             .filePath(QStringLiteral("quorvel-probe"))
                                             .toStdString();
    for (const QString &path : given) {
        const std::filesystem::path base = path.toStdString();
        DictionaryService service({ [&base] { return std::vector { base }; }, {}, helper, {} });
        const auto checker = service.checker(DictionaryService::Checker::Chosen);
        const auto offer = service.indexFor(base, std::chrono::hours(1));
        if (!checker || !offer.index) {
            std::printf("%s: no checker or no index\n", base.filename().c_str());
            continue;
        }
        std::printf("%s (%s) %s:\n", base.filename().c_str(), checker->engineName().c_str(),
            letters.c_str());
        const FormsWithin within = offer.index->within(letters);
        if (parser.isSet(formsOption) && within.index) {
            const auto forms
                = within.index->formsFor(WordIndex::keyOf(parser.value(formsOption).toStdString()));
            std::vector<std::string> spellings;
            for (std::size_t f = 0; f < forms.size(); ++f) {
                const bool kept = within.index->spellingsOf(forms, f, spellings);
                std::printf("  %s roles %u:", std::string(forms[f]).c_str(),
                    static_cast<unsigned>(forms.roles[f]));
                for (const auto &spelling : spellings)
                    std::printf(" %s", spelling.c_str());
                std::printf("%s\n", kept ? "" : " (not kept)");
            }
            continue;
        }
        if (!within.index)
            continue;
        (void)countOne(*within.index, letters, most, false);
        const CompoundCandidates cut = countOne(*within.index, letters, most, true);
        sample(*checker, cut, letters, parser.value(sampleOption).toULongLong(), 40);
        partSpellings(*within.index, cut, parser.value(spellingsOption).toULongLong());
        if (!parser.isSet(judgeOption))
            continue;
        CompoundBudget budget = compoundBudgetFor(letterCount(letters));
        budget.maxCandidates = most;
        const auto start = std::chrono::steady_clock::now();
        const IndexedAnswer answer
            = indexedSearch(letters, *offer.index, *checker, kMaxArrangementsTried, budget);
        std::printf("  whole search: %zu candidates, %zu questions, %zu words in %.1f s%s%s\n",
            answer.candidates, answer.questions, answer.words ? answer.words->size() : 0,
            seconds(std::chrono::steady_clock::now() - start), answer.words ? "" : "; ",
            answer.fallback.c_str());
        std::fflush(stdout);
    }
    return 0;
}
