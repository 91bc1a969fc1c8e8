// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <climits>

// The texts the user sees from the search; spacing is exactly as shown. They
// are the English source texts of the catalogues: text() gives them in the
// user's language.
namespace Messages {

inline constexpr char kContext[] = "Messages";

inline constexpr char kProblemTitle[] = QT_TRANSLATE_NOOP("Messages", "PROBLEM");
inline constexpr char kInvalidCharacter[] = QT_TRANSLATE_NOOP("Messages",
    "You entered at least one invalid character.  Please only enter letter (no spaces, "
    "punctuation marks, numbers or symbols).");
// %1: the character, then its code and Unicode name in brackets.
inline constexpr char kNotALetter[] = QT_TRANSLATE_NOOP("Messages",
    "You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation "
    "marks, numbers or symbols).");
// %1: the letter, then its code and Unicode name in brackets; %2: the
// dictionary ("uk_UA").
inline constexpr char kOutsideAlphabet[] = QT_TRANSLATE_NOOP("Messages",
    "The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of "
    "that alphabet.");
inline constexpr char kNoLetters[] = QT_TRANSLATE_NOOP("Messages",
    "You didn't enter any letters.  Please enter your jumbled letters, then press the button to "
    "analyze.");
inline constexpr char kConfirmTitle[] = QT_TRANSLATE_NOOP("Messages", "Please Confirm");
// %n: the number of letters, written as a plain decimal number.
inline constexpr char kConfirm[] = QT_TRANSLATE_N_NOOP("Messages",
    "You entered %n letters to analyze.  It could take a significant amount of time.  Do you "
    "want to continue?");
inline constexpr char kNoChecker[] = QT_TRANSLATE_NOOP("Messages",
    "You need to have a Hunspell dictionary for your language or for American English (Debian "
    "package hunspell-en-us) installed on your PC for this program to run.  Neither was found "
    "on your computer.  This program can not continue.");
inline constexpr char kCheckerTooOld[] = QT_TRANSLATE_NOOP("Messages",
    "You don't seem to have a new enough version of Nuspell or Hunspell for this program to "
    "run. This program can not continue.");
inline constexpr char kNoWordsFound[] = QT_TRANSLATE_NOOP("Messages", "Done - No words found");
// The words found follow, separated by ", ". The plural is used for every
// count, one included: "Done - Found 1 words: cat".
inline constexpr char kFound[] = QT_TRANSLATE_N_NOOP("Messages", "Done - Found %n words: ");

// One of the texts above in the user's language; n for the counts.
[[nodiscard]] inline QString text(const char *source, qsizetype n = -1)
{
    return QCoreApplication::translate(
        kContext, source, nullptr, static_cast<int>(qMin<qsizetype>(n, INT_MAX)));
}

} // namespace Messages
