// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/EngineProbe.h"

#include "spelling/Reasons.h"

#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr std::size_t kMaxOutput = 4096;
constexpr std::string_view kUsable = "usable";
constexpr std::string_view kRefused = "refused\t";

class Pipe {
public:
    Pipe()
    {
        if (::pipe2(m_fds, O_CLOEXEC) != 0)
            m_fds[0] = m_fds[1] = -1;
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;
    [[nodiscard]] bool ok() const { return m_fds[0] >= 0; }
    [[nodiscard]] int read() const { return m_fds[0]; }
    [[nodiscard]] int write() const { return m_fds[1]; }
    void closeRead() { closeFd(m_fds[0]); }
    void closeWrite() { closeFd(m_fds[1]); }

private:
    static void closeFd(int &fd)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int m_fds[2] = { -1, -1 };
};

} // namespace

namespace ProbeReport {

std::string line(const std::optional<std::string> &refusal)
{
    if (!refusal)
        return std::string(kUsable) + "\n";
    std::string why = *refusal;
    std::ranges::replace(why, '\n', ' ');
    return std::string(kRefused) + why + "\n";
}

std::optional<EngineProbe::Verdict> parse(std::string_view output)
{
    output = output.substr(0, output.find('\n'));
    if (output == kUsable)
        return EngineProbe::Verdict { true, {}, true };
    if (output.starts_with(kRefused))
        return EngineProbe::Verdict { false, std::string(output.substr(kRefused.size())), true };
    return std::nullopt;
}

} // namespace ProbeReport

EngineProbe::EngineProbe(std::filesystem::path helper, std::chrono::steady_clock::duration deadline)
    : m_helper(std::move(helper))
    , m_deadline(deadline)
{
}

EngineProbe::Verdict EngineProbe::probe(
    Engine engine, const std::filesystem::path &base, const std::atomic<bool> *cancel) const
{
    Pipe output;
    if (!output.ok())
        return { false, QT_TRANSLATE_NOOP("Reason", "no process could be started to try it"),
            false };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // What the engine prints on its way down is not the user's business.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output.write(), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string helper = m_helper.string();
    const std::string engineArgument = engine == Engine::Nuspell ? "nuspell" : "hunspell";
    const std::string baseArgument = base.string();
    char *argv[] = { const_cast<char *>(helper.c_str()), const_cast<char *>(engineArgument.c_str()),
        const_cast<char *>(baseArgument.c_str()), nullptr };
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, helper.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    output.closeWrite();
    if (spawned != 0)
        return { false, Reasons::english(Reasons::kHelperNotStarted, helper), false };

    // Read what it says until it ends, the deadline passes or the caller gives up.
    const auto deadline = std::chrono::steady_clock::now() + m_deadline;
    std::string said;
    Verdict cut { false, {}, true };
    while (true) {
        if (cancel && cancel->load()) {
            cut = { false, QT_TRANSLATE_NOOP("Reason", "the trying was cut short"), false };
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            // Not kept: a busy machine passes the deadline as a slow
            // dictionary does (the helper's processor limit is the one that
            // speaks of the dictionary alone).
            cut = { false,
                QT_TRANSLATE_NOOP("Reason", "it takes longer than any dictionary should to load"),
                false };
            break;
        }
        pollfd ready { output.read(), POLLIN, 0 };
        if (::poll(&ready, 1, 20) <= 0)
            continue;
        char buffer[512];
        const ssize_t n = ::read(output.read(), buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // the helper has ended, or closed its output
        said.append(buffer, static_cast<std::size_t>(std::min<std::size_t>(n, kMaxOutput)));
        if (said.size() > kMaxOutput)
            said.resize(kMaxOutput);
    }
    if (!cut.why.empty())
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    if (!cut.why.empty())
        return cut;
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (signal == SIGXCPU || signal == SIGKILL)
            return { false,
                QT_TRANSLATE_NOOP(
                    "Reason", "it takes more processor time than any dictionary should to load"),
                true };
        return { false, Reasons::english(Reasons::kDies, std::to_string(signal)), true };
    }
    if (const auto verdict = ProbeReport::parse(said); verdict && WIFEXITED(status))
        return *verdict;
    return { false, QT_TRANSLATE_NOOP("Reason", "it fails loading it"), true };
}
