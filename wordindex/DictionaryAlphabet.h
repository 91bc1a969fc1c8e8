// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "letters/Alphabet.h"

#include <atomic>
#include <optional>
#include <string_view>

// The letters a dictionary's words are spelt with, in the small form of its
// language: those of its words as the engines load them (IGNORE applied),
// of what its affix rules add, and of a stem's end joined to a mark an
// ending begins with (a vowel sign after a consonant is one letter); and a
// letter ICONV turns into letters of these, which the checker takes as
// typed. Cheaper than the forms themselves, and never short of a letter of
// one: a typed letter outside it is refused. It keeps what IGNORE drops,
// which a typed letter may hold besides. Nothing when the words cannot be
// read, or have more letters than an alphabet holds.
[[nodiscard]] std::optional<Alphabet> dictionaryAlphabet(const AffixFile &affixes,
    std::string_view dicText, std::string_view language, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr);
