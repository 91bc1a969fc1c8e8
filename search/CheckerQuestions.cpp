// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/CheckerQuestions.h"

#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/Messages.h"

namespace {

void endWithProblem(MessageBox &box, ProgramTerminator &terminator, const char *text)
{
    (void)box.show({ Messages::text(text), Messages::text(Messages::kProblemTitle),
        MessageButtons::Ok, MessageIcon::Critical });
    terminator.endNow();
}

} // namespace

std::optional<bool> askChecker(SpellChecker &checker, std::string_view candidate)
{
    const auto first = candidate.find_first_not_of(' ');
    candidate = first == std::string_view::npos
        ? std::string_view()
        : candidate.substr(first, candidate.find_last_not_of(' ') - first + 1);
    return checker.checkSpelling(candidate);
}

std::unique_ptr<SpellChecker> acquireChecker(
    SpellCheckerFactory &factory, MessageBox &box, ProgramTerminator &terminator)
{
    auto checker = factory.create("excel.application");
    if (!checker)
        checker = factory.create("word.application");
    if (!checker) {
        endWithProblem(box, terminator, Messages::kNoChecker);
        return nullptr;
    }
    if (!askChecker(*checker, "hello")) {
        endWithProblem(box, terminator, Messages::kCheckerTooOld);
        return nullptr;
    }
    return checker;
}
