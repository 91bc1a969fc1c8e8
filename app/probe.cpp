// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-probe ENGINE BASE: loads the dictionary at BASE (the path without
// .aff and .dic) with the engine (nuspell or hunspell), runs its self-test
// and prints one line: "usable", or "refused", a tab and why. The program
// starts it rather than load a dictionary it has not seen before itself,
// so that an engine that dies or hangs on a file takes only this process;
// the limits below see to a hang, and the program's deadline to the rest.
#include "fileio/BoundedFile.h"
#include "hunspellfiles/SelfTestWords.h"
#include "spelling/EngineProbe.h"
#include "spelling/LoadedDictionary.h"
#include "spelling/SelfTest.h"

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

// More than any real dictionary needs to load.
constexpr rlim_t kProcessorSeconds = 20;
constexpr rlim_t kAddressSpace = rlim_t(4) << 30;
constexpr std::size_t kMaxFileBytes = 128 << 20;

void limit(int resource, rlim_t value)
{
    const rlimit limits { value, value };
    setrlimit(resource, &limits);
}

std::optional<std::string> trial(Engine engine, const std::filesystem::path &base)
{
    std::string why;
    const auto loaded = LoadedDictionary::load(engine, base, &why);
    if (!loaded)
        return why;
    const auto aff = readBounded(base.string() + ".aff", { .maxBytes = kMaxFileBytes });
    const auto dic = readBounded(base.string() + ".dic", { .maxBytes = kMaxFileBytes });
    std::vector<std::string> ownWords;
    std::optional<std::string> ownNonsense;
    if (std::holds_alternative<FileBytes>(aff) && std::holds_alternative<FileBytes>(dic)) {
        const auto words = selfTestWords(
            std::get<FileBytes>(aff).bytes, std::get<FileBytes>(dic).bytes, dialectOf(engine));
        for (const auto &word : words)
            ownWords.push_back(engine == Engine::Nuspell ? word.utf8 : word.raw);
        if (const auto nonsense = nonsenseInOwnLetters(words))
            ownNonsense = engine == Engine::Nuspell ? nonsense->utf8 : nonsense->raw;
    }
    const auto checker = loaded->checker();
    return failedSelfTest(*checker, ownWords, ownNonsense);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3
        || (std::strcmp(argv[1], "nuspell") != 0 && std::strcmp(argv[1], "hunspell") != 0)) {
        std::fprintf(stderr, "usage: quorvel-probe nuspell|hunspell DICTIONARY\n");
        return 2;
    }
    limit(RLIMIT_CPU, kProcessorSeconds);
    limit(RLIMIT_CORE, 0);
#ifndef QUORVEL_SANITIZED
    // The sanitizers reserve far more address space than this for themselves.
    limit(RLIMIT_AS, kAddressSpace);
#endif
    const Engine engine = std::strcmp(argv[1], "nuspell") == 0 ? Engine::Nuspell : Engine::Hunspell;
    const std::string line = ProbeReport::line(trial(engine, argv[2]));
    std::fputs(line.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
