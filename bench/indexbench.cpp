// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// For each dictionary (paths without .aff/.dic, or folders of them): which
// engine answers (as the program chooses it, each engine tried first in its
// helper), whether the word index answers and, where it does not, why; how
// long the index takes to build and how much memory the build takes at its
// peak (each dictionary in a process of its own, so that the figures are its
// own); and how long a search through the index takes once the dictionary
// is loaded, for inputs of 12 and of 20 letters made of the dictionary's own
// forms (joined, so that compounds occur), in mixed case.
// Usage: quorvel-indexbench [--runs N] [--kind chosen|forms|stems] [DICTIONARY|FOLDER ...]
#include "DifferentialInputs.h"
#include "search/IndexedSearch.h"
#include "spelling/DictionaryService.h"
#include "wordindex/IndexBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>

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

void measure(const std::filesystem::path &base, const std::filesystem::path &helper, int runs,
    IndexKind kind, const QString &kindName)
{
    const std::string name = base.filename().string();
    DictionaryService service({ [&base] { return std::vector { base }; }, {}, helper, {} });
    const auto checker = service.checker(DictionaryService::Checker::Chosen);
    if (!checker) {
        std::printf("%-28s replaced: no engine serves it\n", name.c_str());
        return;
    }
    const std::string engine = checker->engineName();
    const Dialect dialect = engine == "Nuspell" ? Dialect::Nuspell : Dialect::Hunspell;
    auto offer = service.indexFor(base, std::chrono::hours(1));
    if (kind != IndexKind::Chosen) {
        const WordIndexBuild forced = buildWordIndexFromFiles(base, dialect, {}, nullptr, kind);
        offer = { forced.forms, forced.refusal };
    }
    const BuildFigures build = buildInChild(base, dialect, kindName);
    if (!offer.index) {
        std::printf("%-28s %-8s falls back: %s (%.2f s, %.0f MB)\n", name.c_str(), engine.c_str(),
            offer.refusal.c_str(), build.seconds, build.peakMegabytes);
        return;
    }
    std::vector<double> at12;
    std::vector<double> at20;
    std::vector<double> index12;
    std::vector<double> index20;
    std::vector<double> words12;
    std::size_t gaveUp = 0;
    DifferentialInputs inputs(7, base, offer.index.get(), 12, 20);
    for (int run = 0; run < runs; ++run) {
        for (const std::size_t length : { 12u, 20u }) {
            DifferentialInputs sized(static_cast<std::uint64_t>(run) * 31 + length, base,
                offer.index.get(), length, length);
            const std::string letters = sized.next(true);
            const auto start = std::chrono::steady_clock::now();
            const IndexedAnswer answer = indexedSearch(letters, *offer.index, *checker);
            (length == 12 ? at12 : at20)
                .push_back(milliseconds(std::chrono::steady_clock::now() - start));
            gaveUp += !answer.words;
            // The same search without the checker's judgement: what the
            // index itself costs, the forms within the letters and the
            // compounds of them.
            const auto own = std::chrono::steady_clock::now();
            const FormsWithin within = offer.index->within(letters);
            if (within.index)
                (void)compoundCandidates(*within.index, letters);
            (length == 12 ? index12 : index20)
                .push_back(milliseconds(std::chrono::steady_clock::now() - own));
            if (length == 12)
                words12.push_back(answer.words ? static_cast<double>(answer.words->size()) : 0);
        }
    }
    std::printf("%-28s %-8s index: build %.2f s, peak %.0f MB, %zu %s, %.1f MB; search "
                "12 letters median %.2f ms (max %.2f; index alone %.2f, %.0f words), 20 letters "
                "median %.2f ms (max %.2f; index alone %.2f)%s\n",
        name.c_str(), engine.c_str(), build.seconds, build.peakMegabytes, offer.index->size(),
        offer.index->keepsForms() ? "forms" : "stems",
        static_cast<double>(offer.index->memoryBytes()) / 1e6, median(at12),
        at12.empty() ? 0 : *std::ranges::max_element(at12), median(index12), median(words12),
        median(at20), at20.empty() ? 0 : *std::ranges::max_element(at20), median(index20),
        gaveUp ? (", " + std::to_string(gaveUp) + " gave up").c_str() : "");
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
    for (const QString &path : given) {
        const QDir folder(path);
        if (!folder.exists()) {
            measure(path.toStdString(), helper, parser.value(runsOption).toInt(), kind, kindName);
            continue;
        }
        for (const QString &aff :
            folder.entryList({ QStringLiteral("*.aff") }, QDir::Files, QDir::Name))
            measure(folder.filePath(aff.chopped(4)).toStdString(), helper,
                parser.value(runsOption).toInt(), kind, kindName);
    }
    return 0;
}
