// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <optional>
#include <string>
#include <vector>

// Why a checker's answers cannot be trusted for its dictionary; nothing when
// they can. A question to it must not fail; it must accept at least one of
// the words its own word list holds as they stand (when there are any: a
// dictionary whose first entries all need affixes names none), and it
// must refuse a string that is no word in any language, which a checker
// that accepts anything (or every string of Latin letters) does not. A
// dictionary of another alphabet that takes every string of Latin letters
// (uk_UA does, so that foreign words pass) serves when it refuses
// ownNonsense, a string of its own letters that is no word: only its Latin
// answers are worthless, and the program does not ask it those.
[[nodiscard]] std::optional<std::string> failedSelfTest(SpellChecker &checker,
    const std::vector<std::string> &ownWords,
    const std::optional<std::string> &ownNonsense = std::nullopt);
