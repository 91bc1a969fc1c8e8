// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/EngineProbe.h"

#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

// Longer than any real dictionary takes to load; a child that is still at
// it then is taken to hang.
constexpr auto kLoadTimeLimit = std::chrono::seconds(5);

using Stamp
    = std::tuple<int, std::string, std::uintmax_t, std::int64_t, std::uintmax_t, std::int64_t>;

std::optional<Stamp> stampOf(EngineProbe::Engine engine, const std::filesystem::path &base)
{
    std::error_code error;
    const std::filesystem::path aff = base.string() + ".aff";
    const std::filesystem::path dic = base.string() + ".dic";
    const auto affSize = std::filesystem::file_size(aff, error);
    const auto affTime = std::filesystem::last_write_time(aff, error);
    const auto dicSize = std::filesystem::file_size(dic, error);
    const auto dicTime = std::filesystem::last_write_time(dic, error);
    if (error)
        return std::nullopt;
    return Stamp { static_cast<int>(engine), base.string(), affSize,
        affTime.time_since_epoch().count(), dicSize, dicTime.time_since_epoch().count() };
}

// In the child: load, ask one word, and say by the exit status how it went.
[[noreturn]] void loadInChild(EngineProbe::Engine engine, const std::filesystem::path &base)
{
    // Whatever handlers the program (or a sanitizer) set, the child dies
    // plainly, so that the parent reads the signal.
    for (const int signal : { SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL })
        std::signal(signal, SIG_DFL);
    // What an engine prints on its way down is not the user's business.
    if (const int nowhere = open("/dev/null", O_WRONLY); nowhere >= 0)
        dup2(nowhere, STDERR_FILENO);
    try {
        if (engine == EngineProbe::Engine::Nuspell) {
            nuspell::Dictionary dictionary;
            dictionary.load_aff_dic(std::filesystem::path(base.string() + ".aff"));
            (void)dictionary.spell("hello");
        } else {
            Hunspell hunspell((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str());
            (void)hunspell.spell(std::string("hello"));
        }
    } catch (...) {
        // A refusal by exception is the engine's own clean answer, which the
        // program gets again when it loads the files itself.
    }
    _exit(0);
}

std::optional<std::string> probe(EngineProbe::Engine engine, const std::filesystem::path &base)
{
    const pid_t child = fork();
    if (child < 0)
        return "no process could be started to try it";
    if (child == 0)
        loadInChild(engine, base);
    const auto deadline = std::chrono::steady_clock::now() + kLoadTimeLimit;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return "it takes longer than any dictionary should to load";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (ended < 0)
        return "the process that tried it was lost";
    if (WIFSIGNALED(status))
        return "it dies loading it (signal " + std::to_string(WTERMSIG(status)) + ")";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "it fails loading it";
    return std::nullopt;
}

} // namespace

std::optional<std::string> EngineProbe::whyNot(Engine engine, const std::filesystem::path &base)
{
    static std::mutex mutex;
    static std::map<Stamp, std::optional<std::string>> verdicts;
    const auto stamp = stampOf(engine, base);
    if (!stamp)
        return "its files cannot be read";
    const std::lock_guard lock(mutex);
    const auto known = verdicts.find(*stamp);
    if (known != verdicts.end())
        return known->second;
    return verdicts[*stamp] = probe(engine, base);
}
