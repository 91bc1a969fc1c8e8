// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the word index of a dictionary takes to build and how much memory
// it holds, and how long a search through it takes once the dictionary is
// loaded, for long inputs that the enumeration could never finish.
// Usage: quorvel-indexbench [dictionary path without .aff/.dic]
#include "search/IndexedSearch.h"
#include "search/WordList.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/SpellEngines.h"
#include "wordindex/WordIndex.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

double milliseconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const auto base = argc > 1
        ? std::optional<std::filesystem::path>(argv[1])
        : DictionaryLocator::find("en_US", DictionaryLocator::defaultFolders());
    if (!base) {
        std::fprintf(stderr, "no en_US dictionary: install hunspell-en-us\n");
        return 1;
    }
    std::vector<double> buildTimes;
    std::vector<double> buildCpu;
    WordIndexBuild build;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuMilliseconds();
        build = buildWordIndexFromFiles(*base);
        buildTimes.push_back(milliseconds(start));
        buildCpu.push_back(cpuMilliseconds() - cpuStart);
    }
    std::printf("dictionary: %s\n", base->c_str());
    if (!build.index) {
        std::printf("index not trusted: %s\n", build.refusal.c_str());
        return 0;
    }
    std::printf("index build: median %.1f ms of 5 (min %.1f ms), processor time median %.1f ms\n",
        median(buildTimes), *std::ranges::min_element(buildTimes), median(buildCpu));
    std::printf("peak resident size of this process so far (building included): %.1f MB\n",
        static_cast<double>(peakKilobytes()) / 1e3);
    std::printf("index: %zu forms under %zu keys, about %.1f MB\n", build.index->formCount(),
        build.index->keyCount(), static_cast<double>(build.index->memoryBytes()) / 1e6);

    SpellEngineFactory engines([&base] { return std::vector { *base }; });
    const auto checker = engines.create(SpellEngineFactory::kNuspellProgId);
    if (!checker) {
        std::fprintf(stderr, "Nuspell cannot load %s\n", base->c_str());
        return 1;
    }
    WordIndexCache cache;
    (void)cache.get(*base); // built once, as the program would at its first search
    const std::vector<std::string> inputs { "pihsnoitaler", "TIRACHSERACTIC",
        "noitazilanoitanretni", "NoitazilanoitanretnI", "qwertyuiopasdfghjklzxcvbnmabcd",
        "lanoitanretniNOITAZILANOITAnre" };
    for (const std::string &letters : inputs) {
        std::vector<double> searchTimes;
        std::vector<double> withLookup;
        std::optional<WordList> list;
        for (int run = 0; run < 9; ++run) {
            auto start = std::chrono::steady_clock::now();
            list = indexedSearch(letters, *build.index, *checker);
            searchTimes.push_back(milliseconds(start));
            start = std::chrono::steady_clock::now();
            const auto cached = cache.get(*base);
            if (cached.index)
                (void)indexedSearch(letters, *cached.index, *checker);
            withLookup.push_back(milliseconds(start));
        }
        std::printf("%2zu letters %-32s search %.3f ms, with the cache look-up %.3f ms: %s\n",
            letters.size(), letters.c_str(), median(searchTimes), median(withLookup),
            list ? resultFor(*list).text.toStdString().c_str() : "(falls back)");
    }
    return 0;
}
