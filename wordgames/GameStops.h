// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Why a game stopped early. The reasons are written in English, as scripts
// read them after "stopped early:", each with the numbers it gives in %1,
// %2, %3; the place that shows one translates its form in the "Reason"
// context and puts the numbers back (parse). A reason of the compound
// search (hunspellfiles/Reason.h) may stand for them too.
namespace GameStops {
inline constexpr char kJudged[] = QT_TRANSLATE_NOOP("Reason",
    "the checker judged %1 candidates, of compounds at most the budget's %2; %3 more were left "
    "out");
inline constexpr char kJudgedAtLeast[] = QT_TRANSLATE_NOOP("Reason",
    "the checker judged %1 candidates, of compounds at most the budget's %2; at least %3 more "
    "were left out");
inline constexpr char kSpellings[] = QT_TRANSLATE_NOOP(
    "Reason", "a word found had more than %1 spellings in the letters of the pattern");
inline constexpr char kLateUnjudged[] = QT_TRANSLATE_NOOP(
    "Reason", "the search took longer than its budget; %1 candidates were left out unjudged");
inline constexpr char kLate[]
    = QT_TRANSLATE_NOOP("Reason", "the search took longer than its budget");
inline constexpr char kStopped[] = QT_TRANSLATE_NOOP("Reason", "the search was stopped");
inline constexpr char kPhraseSteps[]
    = QT_TRANSLATE_NOOP("Reason", "the phrase search took more steps than its budget of %1");
inline constexpr char kPhrases[]
    = QT_TRANSLATE_NOOP("Reason", "the phrases passed their budget of %1");

// form with its %1, %2, ... standing for numbers, in order.
[[nodiscard]] std::string written(const char *form, std::initializer_list<std::size_t> numbers);

// Which of the forms above text was written from, and its numbers in order.
struct Parsed {
    const char *form;
    std::vector<std::string> numbers;
};
[[nodiscard]] std::optional<Parsed> parse(std::string_view text);
} // namespace GameStops
