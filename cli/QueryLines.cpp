// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/QueryLines.h"

#include "cli/Interrupt.h"

std::optional<QueryLine> readQueryLine(std::FILE *in, std::size_t maxBytes)
{
    QueryLine line;
    int c = std::fgetc(in);
    if (c == EOF)
        return std::nullopt;
    for (; c != EOF && c != '\n'; c = std::fgetc(in)) {
        if (line.text.size() < maxBytes)
            line.text.push_back(static_cast<char>(c));
        else
            line.tooLong = true;
    }
    return line;
}

ExitStatus QueryLines::answerAll(std::FILE *in, const Answer &answer, const ToolIo &io,
    const std::function<void()> &prompt, const QByteArray &afterEach, const QByteArray &unanswered)
{
    ExitStatus first = ExitStatus::Success;
    for (qulonglong number = 1;; ++number) {
        if (prompt)
            prompt();
        std::optional<QueryLine> line;
        {
            const Interrupt::Waiting waiting(static_cast<bool>(prompt));
            line = readQueryLine(in, kMaxLineBytes);
        }
        if (!line)
            break;
        ExitStatus status = ExitStatus::Success;
        if (line->tooLong) {
            io.errLine(tr("Line %1 is longer than %2 bytes and is not answered.")
                           .arg(number)
                           .arg(kMaxLineBytes)
                           .toStdString());
            status = ExitStatus::Usage;
        } else {
            // Trimmed of a CR too, where the lines end as on Windows.
            const QString letters = QString::fromUtf8(line->text).trimmed();
            if (letters.isEmpty())
                continue;
            status = answer(letters);
        }
        // Without a checker or an index no line can be answered.
        if (status == ExitStatus::NoChecker || status == ExitStatus::IndexRefused
            || status == ExitStatus::Interrupted)
            return status;
        if (!unanswered.isEmpty() && status != ExitStatus::Success
            && status != ExitStatus::Unfinished)
            io.out(unanswered);
        if (!afterEach.isEmpty())
            io.out(afterEach);
        if (first == ExitStatus::Success)
            first = status;
    }
    return first;
}
