// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Interrupt.h"

#include "cli/ExitStatus.h"

#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

// What a run does not stop within (a checker loading its dictionary again
// for a worker): past it the backstop ends the tool.
constexpr auto kGrace = std::chrono::milliseconds(80);

// Lock-free, so that the handler may touch them.
std::atomic<bool> g_requested = false;
// 0: busy; 1: waiting for input; 2: waiting for input on a terminal.
std::atomic<int> g_waiting = 0;
std::atomic<int> g_writing = 0; // answers being written out
int g_wake[2] = { -1, -1 }; // the backstop's pipe: the handler writes a byte
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

// Waits for Ctrl-C; a run still going after the grace is ended here, once
// the answer being written (if any) is out whole, its progress line on a
// terminal cleared.
void backstop()
{
    char byte = 0;
    while (::read(g_wake[0], &byte, 1) < 0) { }
    std::this_thread::sleep_for(kGrace);
    while (g_writing.load() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (::isatty(STDERR_FILENO))
        (void)!::write(STDERR_FILENO, "\r\x1b[K", 4);
    ::_exit(exitCode(ExitStatus::Interrupted));
}

extern "C" void onInterrupt(int)
{
    const int waiting = g_waiting.load();
    if (waiting == 0) {
        g_requested = true;
        if (g_wake[1] >= 0)
            (void)!::write(g_wake[1], "!", 1);
        return;
    }
    // Only write and _exit, which a handler may call: the prompt's line
    // ended, so that the shell's starts on a line of its own.
    if (waiting == 2)
        (void)!::write(STDERR_FILENO, "\n", 1);
    ::_exit(exitCode(ExitStatus::Interrupted));
}

} // namespace

namespace Interrupt {

void install(Backstop backstop)
{
    g_requested = false;
    g_waiting = 0;
    // Started in the background (nohup, a shell's job), Ctrl-C is not ours.
    struct sigaction before { };
    if (::sigaction(SIGINT, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
        return;
    if (backstop == Backstop::Exit && g_wake[0] < 0 && ::pipe(g_wake) == 0)
        std::thread(::backstop).detach();
    struct sigaction action { };
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // Calls under way go on (a write to standard output is not cut short);
    // the second Ctrl-C is the system's own and ends the tool at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(SIGINT, &action, nullptr);
}

bool requested()
{
    return g_requested.load();
}

Waiting::Waiting(bool onTerminal)
{
    g_waiting = onTerminal ? 2 : 1;
    // Pressed just before, once the answer was out: nothing is half done
    // now either.
    if (g_requested.load())
        onInterrupt(SIGINT);
}

Waiting::~Waiting()
{
    g_waiting = 0;
}

Writing::Writing()
{
    ++g_writing;
}

Writing::~Writing()
{
    --g_writing;
}

} // namespace Interrupt
