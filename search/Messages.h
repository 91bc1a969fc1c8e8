// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts the user sees from the search; spacing is exactly as shown.
namespace Messages {

inline constexpr char kProblemTitle[] = "PROBLEM";
inline constexpr char kInvalidCharacter[]
    = "You entered at least one invalid character.  Please only enter letter (no spaces, "
      "punctuation marks, numbers or symbols).";
inline constexpr char kNoLetters[] = "You didn't enter any letters.  Please enter your jumbled "
                                     "letters, then press the button to analyze.";
inline constexpr char kConfirmTitle[] = "Please Confirm";
inline constexpr char kConfirmBefore[] = "You entered ";
inline constexpr char kConfirmAfter[]
    = " letters to analyze.  It could take a significant amount of time.  Do you want to "
      "continue?";
inline constexpr char kNoChecker[]
    = "You need to have a Hunspell dictionary for your language or for American English (Debian "
      "package hunspell-en-us) installed on your PC for this program to run.  Neither was found "
      "on your computer.  This program can not continue.";
inline constexpr char kCheckerTooOld[]
    = "You don't seem to have a new enough version of Nuspell or Hunspell for this program to "
      "run. This program can not continue.";
inline constexpr char kNoWordsFound[] = "Done - No words found";
inline constexpr char kFoundBefore[] = "Done - Found ";
inline constexpr char kFoundAfter[] = " words: ";

} // namespace Messages
