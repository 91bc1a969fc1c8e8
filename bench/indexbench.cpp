// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// For each dictionary (paths without .aff/.dic, or folders of them): which
// engine answers (as the program chooses it, each engine tried first in its
// helper), whether the word index answers and, where it does not, why; how
// long the index takes to build and how much memory the build takes at its
// peak (each dictionary in a process of its own, so that the figures are its
// own); and how long a search through the index takes once the dictionary
// is loaded, for inputs of 12 and of 20 letters made of the dictionary's own
// words with their marks (joined, so that compounds occur), in mixed case, and for real
// compounds of 24 to 30 letters where the bench knows some; with --peer, the
// same figures of another build, and the ratios.
// Usage: quorvel-indexbench [--runs N] [--kind chosen|forms|stems] [--patience SECONDS]
//                           [--peer PROGRAM] [DICTIONARY|FOLDER ...]
#include "DictionaryInputs.h"
#include "IndexProbe.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "wordforms/KeyLetters.h"
#include "wordindex/IndexBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
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

// Builds the index in a fresh process of this program, which reports its
// time and its peak size: a forked child would count the parent's loaded
// engine among its pages.
struct BuildFigures {
    double seconds = 0;
    double peakMegabytes = 0;
};
const QString kBuildOnly = QStringLiteral("build-only");

int buildAndReport(const std::filesystem::path &base, Dialect dialect, IndexKind kind)
{
    const auto start = std::chrono::steady_clock::now();
    (void)buildWordIndexFromFiles(base, dialect, {}, nullptr, kind);
    // The peak of this program's own memory: getrusage keeps the peak of the
    // process that started it, from before the exec.
    double peakKilobytes = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peakKilobytes = line.mid(6).trimmed().split(' ').front().toDouble();
        }
    }
    std::printf("%f %f\n", milliseconds(std::chrono::steady_clock::now() - start) / 1e3,
        peakKilobytes / 1024);
    return 0;
}

BuildFigures buildInChild(const std::filesystem::path &base, Dialect dialect, const QString &kind)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--") + kBuildOnly,
            dialect == Dialect::Nuspell ? QStringLiteral("nuspell") : QStringLiteral("hunspell"),
            QStringLiteral("--kind"), kind, QString::fromStdString(base.string()) });
    child.waitForFinished(-1);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 2)
        return {};
    return { figures[0].toDouble(), figures[1].toDouble() };
}

// Real compounds of 21 to 33 letters, as a user types them (a capital where
// the language writes one), that each dictionary accepts: the long inputs a
// search must answer from the index, shuffled.
const std::vector<std::pair<std::string, std::vector<std::string>>> kLongWords {
    { "de_",
        { "Hausaufgabenheftumschlag", "Rechtsschutzversicherungsgesellschaften",
            "Donaudampfschifffahrt", "Haftpflichtversicherung" } },
    { "nl", { "gemeenteraadsverkiezingen", "arbeidsongeschiktheidsverzekering" } },
    { "sv_", { "arbetsmarknadsdepartementet", "arbetsmarknadsdepartementets" } },
    { "nb_NO", { "stortingsrepresentantene", "kommunestyrerepresentanten" } },
    { "nn_NO", { "stortingsrepresentantane", "kommunestyrerepresentanten" } },
    { "da_DK", { "kommunalbestyrelsesmedlem", "kommunalbestyrelsesmedlemmer" } },
    { "hu_HU", { "hadseregparancsnokainknak", "hadseregparancsnokoknak" } },
    { "et_EE", { "riigikogusaadikukandidaat", "linnavalitsuseesimeestele" } },
};

std::vector<std::string> longWordsOf(const std::string &name)
{
    for (const auto &[prefix, words] : kLongWords) {
        if (name.starts_with(prefix))
            return words;
    }
    return {};
}

// The medians of one dictionary's searches, in milliseconds; a peer prints
// them on one line for the run that compares.
struct Figures {
    double at12 = 0;
    double at20 = 0;
    double atLong = 0; // the real compounds; 0 where the bench has none
    std::size_t gaveUp = 0;
};

// How a search through the index fares: its time, and whether it answered.
struct Timed {
    double milliseconds = 0;
    bool answered = false;
};

// How long a search may take before it counts as given up (--patience).
std::chrono::steady_clock::duration patience = std::chrono::seconds(60);

Timed timedSearch(const std::string &letters, const FormSource &index, SpellChecker &checker)
{
    // The budget the program gives a search of this many letters, within
    // the bench's patience: a search past it counts as given up. The
    // patience is asked as the program asks the user's wish, all through:
    // a batch of candidates the checker confirms (65,536 at most) can
    // itself take minutes.
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + patience;
    const std::function<bool()> inTime
        = [deadline] { return std::chrono::steady_clock::now() < deadline; };
    CompoundBudget budget = compoundBudgetFor(letterCount(letters), inTime);
    budget.deadline = deadline;
    const IndexedAnswer answer
        = indexedSearch(letters, index, checker, kMaxArrangementsTried, budget, inTime);
    return { milliseconds(std::chrono::steady_clock::now() - start), answer.words.has_value() };
}

std::optional<Figures> measure(const std::filesystem::path &base,
    const std::filesystem::path &helper, int runs, IndexKind kind, const QString &kindName,
    bool figuresOnly)
{
    const std::string name = base.filename().string();
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, helper, {} });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    if (!checker) {
        if (!figuresOnly)
            std::printf("%-28s replaced: no engine serves it\n", name.c_str());
        return std::nullopt;
    }
    const std::string engine = checker->engineName();
    const Dialect dialect = engine == "Nuspell" ? Dialect::Nuspell : Dialect::Hunspell;
    auto offer = service.indexFor(base, std::chrono::hours(1));
    if (kind != IndexKind::Chosen) {
        const WordIndexBuild forced = buildWordIndexFromFiles(base, dialect, {}, nullptr, kind);
        offer = { forced.forms, forced.refusal, offer.alphabet };
    }
    const BuildFigures build
        = figuresOnly ? BuildFigures {} : buildInChild(base, dialect, kindName);
    if (!offer.index) {
        if (!figuresOnly)
            std::printf("%-28s %-8s falls back: %s (%.2f s, %.0f MB)\n", name.c_str(),
                engine.c_str(), offer.refusal.c_str(), build.seconds, build.peakMegabytes);
        return std::nullopt;
    }
    std::vector<double> at12;
    std::vector<double> at20;
    std::vector<double> atLong;
    std::vector<double> index12;
    std::vector<double> index20;
    std::vector<double> words12;
    std::size_t gaveUp = 0;
    for (int run = 0; run < runs; ++run) {
        for (const std::size_t length : { 12u, 20u }) {
            DictionaryInputs sized(static_cast<std::uint64_t>(run) * 31 + length, base,
                offer.index.get(), length, length);
            const std::string letters = sized.next(true);
            const Timed timed = timedSearch(letters, *offer.index, *checker);
            (length == 12 ? at12 : at20).push_back(timed.milliseconds);
            gaveUp += !timed.answered;
            if (figuresOnly)
                continue;
            // The same search without the checker's judgement: what the
            // index itself costs, the forms within the letters and the
            // compounds of them (named and let go), in the same patience.
            const auto own = std::chrono::steady_clock::now();
            const std::vector<std::string> each = lettersOf(letters);
            const std::string keys = keyLettersOf(each.data(), each.size()).value_or("");
            const FormsWithin within = offer.index->within(keys);
            CompoundBudget budget = compoundBudgetFor(each.size());
            budget.deadline = own + patience;
            std::size_t named = 0;
            const CompoundSearchEnd end = !within.index
                ? CompoundSearchEnd {}
                : searchCompoundCandidates(*within.index, keys, budget, typedCapitals(each, keys),
                    TypedLetters(each, keys), [&named](const std::string &) { ++named; }, {});
            (length == 12 ? index12 : index20)
                .push_back(milliseconds(std::chrono::steady_clock::now() - own));
            std::printf("%-28s %zu letters %s: index alone %.2f ms, %zu compounds named%s%s\n",
                name.c_str(), length, letters.c_str(), (length == 12 ? index12 : index20).back(),
                named, end.unfinished.empty() ? "" : ", ", end.unfinished.c_str());
            if (length == 12) {
                const IndexedAnswer answer = indexedSearch(letters, *offer.index, *checker);
                words12.push_back(answer.words ? static_cast<double>(answer.words->size()) : 0);
            }
        }
    }
    // The real compounds, each shuffled once: a long search is slow enough
    // that one time each tells.
    std::mt19937_64 random(7);
    for (std::string letters : longWordsOf(name)) {
        std::shuffle(letters.begin(), letters.end(), random);
        const Timed timed = timedSearch(letters, *offer.index, *checker);
        atLong.push_back(timed.milliseconds);
        gaveUp += !timed.answered;
    }
    const Figures figures { median(at12), median(at20), median(atLong), gaveUp };
    if (figuresOnly)
        return figures;
    std::printf("%-28s %-8s index: build %.2f s, peak %.0f MB, %zu %s, %.1f MB; search "
                "12 letters median %.2f ms (max %.2f; index alone %.2f, %.0f words), 20 letters "
                "median %.2f ms (max %.2f; index alone %.2f), real compounds median %.2f ms "
                "(%zu)%s\n",
        name.c_str(), engine.c_str(), build.seconds, build.peakMegabytes, offer.index->size(),
        offer.index->keepsForms() ? "forms" : "stems",
        static_cast<double>(offer.index->memoryBytes()) / 1e6, median(at12),
        at12.empty() ? 0 : *std::ranges::max_element(at12), median(index12), median(words12),
        median(at20), at20.empty() ? 0 : *std::ranges::max_element(at20), median(index20),
        median(atLong), atLong.size(),
        gaveUp ? (", " + std::to_string(gaveUp) + " gave up").c_str() : "");
    std::fflush(stdout);
    return figures;
}

// The figures of another build of this program (of an earlier commit) on
// the same dictionary and inputs, so that a change is weighed in one run
// on one machine load.
std::optional<Figures> peerFigures(
    const QString &peer, const std::filesystem::path &base, int runs, const QString &kindName)
{
    QProcess child;
    child.start(peer,
        { QStringLiteral("--figures"), QStringLiteral("--runs"), QString::number(runs),
            QStringLiteral("--kind"), kindName, QStringLiteral("--patience"),
            QString::number(std::chrono::duration<double>(patience).count()),
            QString::fromStdString(base.string()) });
    child.waitForFinished(-1);
    const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
    if (values.size() != 4)
        return std::nullopt;
    return Figures { values[0].toDouble(), values[1].toDouble(), values[2].toDouble(),
        values[3].toULongLong() };
}

void compare(const std::string &name, const Figures &now, const std::optional<Figures> &before)
{
    if (!before) {
        std::printf("%-28s the peer gave no figures\n", name.c_str());
        return;
    }
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("%-28s against the peer: 12 letters %.2f / %.2f ms (x%.2f), 20 letters %.2f / "
                "%.2f ms (x%.2f), real compounds %.2f / %.2f ms (x%.2f); gave up %zu / %zu\n",
        name.c_str(), now.at12, before->at12, ratio(now.at12, before->at12), now.at20, before->at20,
        ratio(now.at20, before->at20), now.atLong, before->atLong,
        ratio(now.atLong, before->atLong), now.gaveUp, before->gaveUp);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times building the word index and searching through it."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"),
        QStringLiteral("Inputs of each length per dictionary."), QStringLiteral("n"),
        QStringLiteral("20"));
    parser.addOption(runsOption);
    const QCommandLineOption kindOption(QStringLiteral("kind"),
        QStringLiteral("The kind of index: chosen (as the program chooses), forms or stems."),
        QStringLiteral("kind"), QStringLiteral("chosen"));
    parser.addOption(kindOption);
    const QCommandLineOption patienceOption(QStringLiteral("patience"),
        QStringLiteral("Seconds a search may take before it counts as given up (also the "
                       "peer's)."),
        QStringLiteral("seconds"), QStringLiteral("60"));
    parser.addOption(patienceOption);
    const QCommandLineOption peerOption(QStringLiteral("peer"),
        QStringLiteral("Another build of this program (of an earlier commit): its figures on "
                       "the same inputs, and the ratios, after each dictionary's own."),
        QStringLiteral("program"));
    parser.addOption(peerOption);
    const QCommandLineOption lettersOption(QStringLiteral("letters"),
        QStringLiteral("Only these letters: the time of each stage of their search."),
        QStringLiteral("letters"));
    parser.addOption(lettersOption);
    const QCommandLineOption indexOnlyOption(QStringLiteral("index-only"),
        QStringLiteral("With --letters: the index's stages only, no question to the checker."));
    parser.addOption(indexOnlyOption);
    // Internal: only the medians, on one line, for the run that compares.
    QCommandLineOption figuresOption(QStringLiteral("figures"));
    figuresOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(figuresOption);
    // Internal: builds one index and prints its time and peak size.
    QCommandLineOption buildOnlyOption(kBuildOnly, QString(), QStringLiteral("dialect"));
    buildOnlyOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(buildOnlyOption);
    parser.addPositionalArgument(QStringLiteral("dictionaries"),
        QStringLiteral("Dictionaries (without .aff/.dic) or folders of them; default the "
                       "installed en_US."));
    parser.process(app);
    QStringList given = parser.positionalArguments();
    if (given.isEmpty())
        given.append(QStringLiteral("/usr/share/hunspell/en_US"));
    const std::filesystem::path helper = QDir(QCoreApplication::applicationDirPath())
                                             .filePath(QStringLiteral("quorvel-probe"))
                                             .toStdString();
    const QString kindName = parser.value(kindOption);
    const IndexKind kind = kindName == QLatin1String("forms") ? IndexKind::Forms
        : kindName == QLatin1String("stems")                  ? IndexKind::Stems
                                                              : IndexKind::Chosen;
    if (parser.isSet(buildOnlyOption) && given.size() == 1)
        return buildAndReport(given.front().toStdString(),
            parser.value(buildOnlyOption) == QLatin1String("nuspell") ? Dialect::Nuspell
                                                                      : Dialect::Hunspell,
            kind);
    std::vector<std::filesystem::path> bases;
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
    const int runs = parser.value(runsOption).toInt();
    patience = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(parser.value(patienceOption).toDouble()));
    const bool figuresOnly = parser.isSet(figuresOption);
    for (const auto &base : bases) {
        if (parser.isSet(lettersOption)) {
            probeStages(base, helper, parser.value(lettersOption).toStdString(),
                parser.isSet(indexOnlyOption));
            continue;
        }
        const auto figures = measure(base, helper, runs, kind, kindName, figuresOnly);
        if (figuresOnly) {
            if (figures)
                std::printf("%f %f %f %zu\n", figures->at12, figures->at20, figures->atLong,
                    figures->gaveUp);
            continue;
        }
        if (figures && parser.isSet(peerOption))
            compare(base.filename().string(), *figures,
                peerFigures(parser.value(peerOption), base, runs, kindName));
    }
    return 0;
}
