// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the word games of quorvel-search once the dictionary is loaded,
// the checker's questions included: --some on 15 letters and 2 blanks,
// --phrases 2 on 12 letters to the end, --phrases 3 on 16 letters to the
// first 1,000 phrases; each on seeded inputs made of the dictionary's own
// forms, with the median and the slowest. With --vs-an it also runs the
// whole tool and Debian's `an` (-w, -l 2) on the same letters, one after
// the other, several times, and prints the medians of their wall times.
// With --jumbles N it gives quorvel-search N jumbles of 8 letters (the
// letters of the dictionary's own forms, shuffled) piped in one run with
// --stdin, and the same N as separate runs, each after a warm-up run.
// With --crosswords N it times N crossword patterns (--pattern alone) made
// from the dictionary's own words of 3 to 15 letters, one to half of their
// letters kept and the others opened to "?", with the median, the slowest
// and how many took longer than 1 s, for each dictionary given.
// Usage: quorvel-gamesbench [--dictionary PATH] [--inputs N] [--vs-an] [--jumbles N]
//        [--crosswords N]
#include "CrosswordBench.h"
#include "DifferentialInputs.h"
#include "spelling/DictionaryService.h"
#include "wordgames/GameRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

double milliseconds(std::chrono::steady_clock::duration time)
{
    return std::chrono::duration<double, std::milli>(time).count();
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Case {
    const char *name;
    GameMode mode;
    std::size_t letters;
    std::size_t blanks;
    std::size_t maxWords;
    std::optional<std::size_t> limit;
    double targetMs;
};

// Letters of the dictionary's own forms, in lower case, and the blanks.
std::string inputFor(DifferentialInputs &inputs, const Case &game)
{
    std::string letters;
    while (letters.size() < game.letters) {
        std::string more = inputs.next(true);
        std::erase_if(more, [](char c) { return !std::isalpha(static_cast<unsigned char>(c)); });
        letters += more;
    }
    letters.resize(game.letters);
    for (char &c : letters)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return letters + std::string(game.blanks, '?');
}

// The wall time of one run of a program, in milliseconds; its output is dropped.
double runOnce(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    process.start(program, arguments);
    process.waitForFinished(-1);
    return milliseconds(std::chrono::steady_clock::now() - start);
}

// The tool and `an` on the same letters, in turn, runs times each.
void versusAn(const QString &tool, const QString &dictionary, const QString &letters,
    const QStringList &toolMode, const QStringList &anMode, int runs)
{
    QStringList toolArguments = toolMode;
    toolArguments << QStringLiteral("--dictionary") << dictionary << letters;
    const QStringList anArguments = anMode + QStringList { letters };
    std::vector<double> toolTimes;
    std::vector<double> anTimes;
    (void)runOnce(tool, toolArguments); // the cache is written, the files are read once
    for (int run = 0; run < runs; ++run) {
        toolTimes.push_back(runOnce(tool, toolArguments));
        anTimes.push_back(runOnce(QStringLiteral("/usr/games/an"), anArguments));
    }
    std::printf("  %-34s quorvel-search %s: %7.1f ms   an %s: %7.1f ms   (medians of %d)\n",
        qPrintable(letters), qPrintable(toolMode.join(u' ')), median(toolTimes),
        qPrintable(anMode.join(u' ')), median(anTimes), runs);
}

// N jumbles of 8 letters: the dictionary's forms of 8 letters, shuffled.
QStringList jumbles(DifferentialInputs &inputs, qulonglong count)
{
    constexpr std::size_t kLetters = 8;
    std::mt19937 random(11);
    QStringList lines;
    while (static_cast<qulonglong>(lines.size()) < count) {
        std::string word = inputs.next(true);
        if (word.size() != kLetters || !std::ranges::all_of(word, [](char c) {
                return std::isalpha(static_cast<unsigned char>(c));
            }))
            continue;
        std::ranges::shuffle(word, random);
        lines.append(QString::fromStdString(word).toLower());
    }
    return lines;
}

// The same jumbles piped into one run with --stdin, and as separate runs.
void pipedVersusSeparate(const QString &tool, const QString &dictionary, const QStringList &lines)
{
    const QStringList arguments { QStringLiteral("--dictionary"), dictionary };
    (void)runOnce(tool, arguments + QStringList { lines.constFirst() }); // the cache is warm
    QProcess piped;
    piped.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    piped.start(tool, arguments + QStringList { QStringLiteral("--stdin") });
    piped.write((lines.join(u'\n') + u'\n').toUtf8());
    piped.closeWriteChannel();
    piped.waitForFinished(-1);
    const double pipedMs = milliseconds(std::chrono::steady_clock::now() - start);
    const auto answers = piped.readAllStandardOutput().count('\n');
    double separateMs = 0;
    for (const QString &line : lines)
        separateMs += runOnce(tool, arguments + QStringList { line });
    std::printf("  %lld jumbles of 8 letters: piped into one run with --stdin %8.1f ms (%lld "
                "answer lines; target 1000 ms); as separate runs %8.1f ms\n",
        static_cast<long long>(lines.size()), pipedMs, static_cast<long long>(answers), separateMs);
}

// The dictionary's checker and word index, as the program's own service
// loads them; both missing where either is.
struct Loaded {
    std::unique_ptr<DictionaryService> service;
    std::unique_ptr<SpellChecker> checker;
    IndexSource::Offer offer;
};

Loaded load(const std::filesystem::path &base, const QString &programs)
{
    Loaded loaded;
    loaded.service = std::make_unique<DictionaryService>(
        DictionaryService::Settings { [base] { return std::vector { base }; }, {},
            QDir(programs).filePath(QStringLiteral("quorvel-probe")).toStdString(), {} });
    loaded.checker = loaded.service->checker(DictionaryService::Checker::Chosen);
    loaded.offer = loaded.service->indexFor(base, std::chrono::hours(1));
    if (!loaded.checker || !loaded.offer.index) {
        std::printf(
            "%s: no checker or no word index (%s)\n", base.c_str(), loaded.offer.refusal.c_str());
        loaded.checker.reset();
        return loaded;
    }
    std::printf("%s, %s; search alone, once the dictionary is loaded:\n", base.c_str(),
        loaded.checker->engineName().c_str());
    return loaded;
}

int crosswordsOf(const std::filesystem::path &base, const QString &programs, std::size_t count)
{
    const Loaded loaded = load(base, programs);
    if (!loaded.checker)
        return 1;
    timeCrosswords(base, loaded.offer, *loaded.checker, count);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the word games."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("The dictionary, a path without .aff/.dic (default: the installed en_US); "
                       "with --crosswords, may be given more than once."),
        QStringLiteral("path"), QStringLiteral("/usr/share/hunspell/en_US"));
    const QCommandLineOption inputsOption(QStringLiteral("inputs"),
        QStringLiteral("Inputs per case."), QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption vsOption(QStringLiteral("vs-an"),
        QStringLiteral("Also compare the whole tool with an, end to end."));
    const QCommandLineOption jumblesOption(QStringLiteral("jumbles"),
        QStringLiteral("Also time n jumbles of 8 letters piped with --stdin against n separate "
                       "runs."),
        QStringLiteral("n"));
    const QCommandLineOption crosswordsOption(QStringLiteral("crosswords"),
        QStringLiteral("Only time n crossword patterns from the dictionary's words."),
        QStringLiteral("n"));
    parser.addOptions(
        { dictionaryOption, inputsOption, vsOption, jumblesOption, crosswordsOption });
    parser.process(app);

    const QString programs = QCoreApplication::applicationDirPath();
    if (parser.isSet(crosswordsOption)) {
        // The crosswords of every dictionary given, one after the other.
        int failed = 0;
        for (const QString &path : parser.values(dictionaryOption))
            failed |= crosswordsOf(path.toStdString(), programs,
                std::max<qulonglong>(1, parser.value(crosswordsOption).toULongLong()));
        return failed;
    }
    const std::filesystem::path base = parser.value(dictionaryOption).toStdString();
    const Loaded loaded = load(base, programs);
    if (!loaded.checker)
        return 1;
    SpellChecker &checker = *loaded.checker;
    const IndexSource::Offer &offer = loaded.offer;
    const Case cases[] = {
        { "--some, 15 letters and 2 blanks", GameMode::Some, 15, 2, 1, std::nullopt, 50 },
        { "--phrases 2, 12 letters, complete", GameMode::Phrases, 12, 0, 2, std::nullopt, 1000 },
        { "--phrases 3, 16 letters, first 1,000", GameMode::Phrases, 16, 0, 3, 1000, 500 },
    };
    const auto inputCount = std::max<qulonglong>(1, parser.value(inputsOption).toULongLong());
    std::vector<std::string> examples;
    for (const Case &game : cases) {
        DifferentialInputs inputs(7, base, offer.index.get(), 6, 12);
        std::vector<double> times;
        std::string slowest;
        std::size_t results = 0;
        std::size_t unfinished = 0;
        for (qulonglong i = 0; i < inputCount; ++i) {
            GameQuery query;
            query.dictionaryForms = true;
            const std::string letters = inputFor(inputs, game);
            if (i == 0)
                examples.push_back(letters);
            query.mode = game.mode;
            query.pool = std::get<LetterPool>(parsePool(letters));
            query.maxWords = game.maxWords;
            query.limit = game.limit;
            const auto start = std::chrono::steady_clock::now();
            // As the command line asks: the blanks as blanks.
            const FormsWithin within = offer.index->withinPool(query.pool, query.pool.size());
            if (!within.index) {
                ++unfinished;
                continue;
            }
            const GameOutcome outcome = playGame(query, *within.index, checker);
            times.push_back(milliseconds(std::chrono::steady_clock::now() - start));
            if (times.back() >= std::ranges::max(times))
                slowest = letters;
            results += outcome.results.size();
            unfinished += !outcome.unfinished.empty();
        }
        std::printf("  %-38s median %8.1f ms, slowest %8.1f ms (%s; target %.0f ms); %zu "
                    "results in all, %zu stopped at the budget\n",
            game.name, median(times), std::ranges::max(times), slowest.c_str(), game.targetMs,
            results, unfinished);
    }
    const QString tool = QDir(programs).filePath(QStringLiteral("quorvel-search"));
    const QString dictionary = QString::fromStdString(base.string());
    if (parser.isSet(jumblesOption)) {
        std::printf("many queries, end to end (the tool loads its dictionary and index from the "
                    "cache):\n");
        DifferentialInputs inputs(13, base, offer.index.get(), 8, 8);
        pipedVersusSeparate(tool, dictionary,
            jumbles(inputs, std::max<qulonglong>(1, parser.value(jumblesOption).toULongLong())));
    }
    if (!parser.isSet(vsOption))
        return 0;
    std::printf("end to end, the whole process (the tool loads its dictionary and index from "
                "the cache):\n");
    const std::string some = examples[0].substr(0, 15);
    versusAn(tool, dictionary, QString::fromStdString(some), { QStringLiteral("--some") },
        { QStringLiteral("-w") }, 7);
    versusAn(tool, dictionary, QString::fromStdString(examples[1]),
        { QStringLiteral("--phrases"), QStringLiteral("2"), QStringLiteral("--limit"),
            QStringLiteral("1000000") },
        { QStringLiteral("-l"), QStringLiteral("2") }, 7);
    return 0;
}
