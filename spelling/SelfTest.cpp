// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/SelfTest.h"

#include "spelling/Reasons.h"

#include <QtGlobal>
#include <algorithm>

std::optional<std::string> failedSelfTest(SpellChecker &checker,
    const std::vector<std::string> &ownWords, const std::optional<std::string> &ownNonsense)
{
    if (!checker.checkSpelling("hello"))
        return QT_TRANSLATE_NOOP("Reason", "a question to it fails");
    if (!ownWords.empty() && std::ranges::none_of(ownWords, [&checker](const std::string &word) {
            return checker.checkSpelling(word) == true;
        }))
        return Reasons::english(Reasons::kAcceptsNoneOfItsOwn, ownWords.front());
    if (checker.checkSpelling(kNoWordInAnyLanguage) != false
        && (!ownNonsense || checker.checkSpelling(*ownNonsense) != false))
        return Reasons::english(Reasons::kAcceptsAnything, std::string(kNoWordInAnyLanguage));
    return std::nullopt;
}
