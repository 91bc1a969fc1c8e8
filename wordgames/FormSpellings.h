// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameLetters.h"
#include "wordgames/WordPattern.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The index keeps a form in key letters (é as e, the letters of other
// alphabets as shared key bytes): in a dictionary whose alphabet goes beyond
// them, a form found stands for every spelling of the letters filed under
// its key letters. These are the spellings, in small letters, whose letters
// the place's squares take (any, without a place); a byte that is no key
// letter (a hyphen) stays itself. False, and out as it was, when there
// would be more than max: a crossword of many open squares in an alphabet
// of many marked letters.
bool formSpellings(std::string_view form, const GameLetters &letters,
    const WordPattern::Place *place, std::size_t max, std::vector<std::string> &out);
