// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <memory>
#include <string_view>

class MessageBox;
class ProgramTerminator;

// The spelling checker of one run: the one created under the name
// "excel.application" if there is one, else "word.application", tested once
// with "hello": only whether the question can be asked counts, since whether
// "hello" is a word depends on the language (whether the checker's answers
// mean anything for its dictionary was tested when it was chosen). When
// neither can be created, or the question fails, the user is told and the
// program ends; the result is then nullptr.
[[nodiscard]] std::unique_ptr<SpellChecker> acquireChecker(
    SpellCheckerFactory &factory, MessageBox &box, ProgramTerminator &terminator);

// One question, about the candidate with surrounding spaces removed.
[[nodiscard]] std::optional<bool> askChecker(SpellChecker &checker, std::string_view candidate);

// A question that fails in the middle of a run counts as "not a word": the
// run goes on, as it does after any failing step, and the user is not told.
[[nodiscard]] inline bool testword(SpellChecker &checker, std::string_view candidate)
{
    return askChecker(checker, candidate).value_or(false);
}
