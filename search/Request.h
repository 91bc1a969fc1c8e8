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

// Which letters a request takes: the 26 Latin letters the window has always
// taken, or any letter of any alphabet (an extended grapheme cluster that
// begins with an alphabetic character), as the command-line tool does.
// ByScript is the window's: A to Z for a dictionary of a language written
// in Latin letters (or of one not known), any letter for one written otherwise.
enum class LetterRule { ByScript, LatinAZ, AnyLetter };

// How typed letters match a dictionary's words: as typed (each arrangement
// of exactly those letters in exactly that case), or loosely, as word-game
// players count letters (case does not matter, nor a mark the language does
// not count as a letter of its own: "ete" finds été in French, but "n" never
// stands for "ñ" in Spanish).
enum class Matching { AsTyped, Loose };

[[nodiscard]] CheckedRequest checkRequest(
    const QString &typed, LetterRule rule = LetterRule::LatinAZ);

// The question asked before a run that tries every arrangement of n letters:
// from nine letters on the count of arrangements takes long enough to ask.
[[nodiscard]] std::optional<MessageRequest> confirmationFor(qsizetype n);
// The same question before a loose run of n letters that asks the checker
// up to this many questions: asked when they are as many as the
// arrangements of the letters that make a run ask.
[[nodiscard]] std::optional<MessageRequest> looseConfirmationFor(qsizetype n, double questions);

// Removes leading and trailing blanks (the space character only: a tab or an
// inner space stays and makes the input invalid).
[[nodiscard]] QString trimSpaces(const QString &text);

// True when every character is one of the 26 Latin letters, in either case;
// otherwise strerr gets the message for the user. The empty text passes.
[[nodiscard]] bool bolValidLetters(const QString &letters, QString &strerr);

// True when every letter (not byte, not code unit) is a letter of some
// alphabet; otherwise strerr names the first that is not, by its Unicode
// name too, since it may be invisible or a mark on its own.
[[nodiscard]] bool validLettersOfAnyAlphabet(const QString &letters, QString &strerr);
