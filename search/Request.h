// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <QString>
#include <optional>

// What was typed, checked once for every front end (the window and the
// command-line tool), so that they can never disagree about a request.
struct CheckedRequest {
    QString letters; // trimmed; the ones to search when there is no refusal
    std::optional<MessageRequest> refusal; // what to tell the user instead
};

[[nodiscard]] CheckedRequest checkRequest(const QString &typed);

// The question asked before a run that tries every arrangement of n letters:
// from nine letters on the count of arrangements takes long enough to ask.
[[nodiscard]] std::optional<MessageRequest> confirmationFor(qsizetype n);

// Removes leading and trailing blanks (the space character only: a tab or an
// inner space stays and makes the input invalid).
[[nodiscard]] QString trimSpaces(const QString &text);

// True when every character is one of the 26 Latin letters, in either case;
// otherwise strerr gets the message for the user. The empty text passes.
[[nodiscard]] bool bolValidLetters(const QString &letters, QString &strerr);
