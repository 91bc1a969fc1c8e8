// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/FormRole.h"
#include "wordindex/WordIndex.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Small indexes of hand-made forms. An index whose compounds are every
// order of the letters, each a part of one letter.
[[nodiscard]] inline WordIndex oneLetterParts(const std::string &letters)
{
    CompoundSettings settings;
    settings.classic = true;
    settings.minPart = 1;
    std::vector<std::pair<std::string, std::uint8_t>> forms;
    for (const char c : letters)
        forms.emplace_back(std::string(1, c), FormRole::Begin | FormRole::Middle | FormRole::End);
    return WordIndex::fromForms(forms, settings);
}

// An index of the words alone, each a word and no part.
[[nodiscard]] inline WordIndex wordsIndex(
    std::initializer_list<const char *> words, CompoundSettings settings = {})
{
    std::vector<std::pair<std::string, std::uint8_t>> forms;
    for (const char *word : words)
        forms.emplace_back(word, FormRole::Word);
    return WordIndex::fromForms(forms, settings);
}

// An index of parts of two letters, ab and cd leaving no doubt
// (FormRole::Sure), ef leaving some.
[[nodiscard]] inline WordIndex sureAndDoubtfulParts()
{
    using namespace FormRole;
    CompoundSettings settings;
    settings.classic = true;
    settings.minPart = 2;
    const std::uint8_t parts = Begin | Middle | End;
    return WordIndex::fromForms(
        { { "ab", parts | Sure }, { "cd", parts | Sure }, { "ef", parts } }, settings);
}
