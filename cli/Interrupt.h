// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramTerminator.h"

#include <atomic>

// Ctrl-C (SIGINT) on a run of quorvel-search. The handler only sets a flag,
// which is all a signal handler may safely do in the middle of a search;
// the run reads it where it reads its clock, stops within a tenth of a
// second, clears its progress line and prints nothing more, and the tool
// ends with status 130 (as a shell reports a program ended by Ctrl-C);
// what it cannot stop so soon is ended by the backstop.
// While the tool waits for the next line of --stdin nothing is half done:
// the handler ends it there and then. A second Ctrl-C ends it at once,
// whatever it is doing.
namespace Interrupt {

// What ends a run that does not stop within a tenth of a second (a
// checker loading its dictionary again): the tool itself, from a thread
// of its own; nothing (a test that runs games in its own process).
enum class Backstop { Exit, None };

// Sets the handler, the flag cleared; nothing where Ctrl-C was ignored
// when the tool started (in the background).
void install(Backstop backstop);

// Whether Ctrl-C was pressed since install().
[[nodiscard]] bool requested();

// Between the two calls the tool only waits for input: Ctrl-C ends it
// there, the line it was at ended first where it is a terminal's.
class Waiting {
public:
    explicit Waiting(bool onTerminal);
    ~Waiting();
    Waiting(const Waiting &) = delete;
    Waiting &operator=(const Waiting &) = delete;
};

// While one lives an answer is being written out: the backstop waits for it.
class Writing {
public:
    Writing();
    ~Writing();
    Writing(const Writing &) = delete;
    Writing &operator=(const Writing &) = delete;
};

} // namespace Interrupt

// The tool's terminator: ending when asked to, or when Ctrl-C was pressed.
class InterruptTerminator final : public ProgramTerminator {
public:
    void endNow() override { m_ending = true; }
    [[nodiscard]] bool isEnding() const override { return m_ending || Interrupt::requested(); }

private:
    std::atomic<bool> m_ending = false;
};
