// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Interrupt.h"

#include "cli/ExitStatus.h"

#include <csignal>
#include <unistd.h>

namespace {

// Lock-free, so that the handler may touch them.
std::atomic<bool> g_requested = false;
// 0: busy; 1: waiting for input; 2: waiting for input on a terminal.
std::atomic<int> g_waiting = 0;
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

extern "C" void onInterrupt(int)
{
    const int waiting = g_waiting.load();
    if (waiting == 0) {
        g_requested = true;
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

void install()
{
    g_requested = false;
    g_waiting = 0;
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

} // namespace Interrupt
