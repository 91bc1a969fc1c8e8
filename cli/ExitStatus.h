// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How both programs end, as their manual pages and the README list it.
// Scripts tell the cases apart by these numbers: they never change.
enum class ExitStatus {
    Success = 0, // the answer was printed (or the help, the version, the dictionaries)
    Refused = 1, // the letters were refused; the reason is on standard error
    Usage = 2, // the command line was wrong
    NoChecker = 3, // no spelling checker could be used
    Unfinished = 4, // a word game stopped at its budget; what was found is printed
    IndexRefused = 5, // the word index cannot serve a word game on this dictionary
    Interrupted
    = 130, // Ctrl-C ended it (128 + SIGINT, as a shell reports it); nothing half printed
};

[[nodiscard]] constexpr int exitCode(ExitStatus status)
{
    return static_cast<int>(status);
}

// Why a command line is not carried out, and the exit status that says so.
struct CommandRefusal {
    ExitStatus status = ExitStatus::Usage;
    QString message;
};

// Tells the refusal on standard error, a usage error with where to read
// more ("Try 'program --help' ..."); gives its exit status.
[[nodiscard]] ExitStatus tellRefusal(const CommandRefusal &refusal, const QString &program);
