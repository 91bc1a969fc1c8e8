// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ExitStatus.h"
#include "cli/ToolIo.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// One line of the queries read, without its end of line.
struct QueryLine {
    std::string text;
    bool tooLong = false; // past the bound: text holds its start, the rest was skipped
};

// The next line of in, at most maxBytes of it kept (a pipe may send a line
// without end); nothing at the end of the input.
[[nodiscard]] std::optional<QueryLine> readQueryLine(std::FILE *in, std::size_t maxBytes);

// Many queries in one run: each line of in answered as soon as it is read,
// an empty one skipped. A line that cannot be answered gets its reason on
// errLine and the next is still answered; only a run that could answer
// none (no checker, no word index) stops. prompt, where set, is shown
// before each line. afterEach, where set, is written to out after each
// line's answer, a refused line's too: an answer of several lines (a game's
// words) is then told from the next, and the n-th answer is the n-th line's.
// unanswered, where set, is written to out for a line that got no answer
// (refused, too long), so that answers of a line each (JSON) stay in step.
// Ctrl-C ends it (cli/Interrupt.h). Gives Success, or the status of the
// first line that failed; Interrupted at once.
class QueryLines {
    Q_DECLARE_TR_FUNCTIONS(QueryLines)

public:
    using Answer = std::function<ExitStatus(const QString &letters)>;

    static constexpr std::size_t kMaxLineBytes = 4096;

    [[nodiscard]] static ExitStatus answerAll(std::FILE *in, const Answer &answer, const ToolIo &io,
        const std::function<void()> &prompt = {}, const QByteArray &afterEach = {},
        const QByteArray &unanswered = {});
};
