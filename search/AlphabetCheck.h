// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/Alphabet.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Whether typed letters need the dictionary's alphabet to be judged: not
// when they are A to Z and its language is written in Latin letters (or is
// not known), where a letter its words lack is no error but finds nothing.
[[nodiscard]] bool needsAlphabetCheck(const std::string &letters, std::string_view language);

// The first typed letter (in the form typed) that is not in the alphabet in
// either case of the language, once what the checker ignores is taken out
// of it, or nothing when every one is.
[[nodiscard]] std::optional<std::string> letterOutside(
    const std::string &letters, const Alphabet &alphabet, std::string_view language);

// The message for the user: the letter, by its Unicode name too, and the
// dictionary (its file name, "uk_UA").
[[nodiscard]] QString outsideAlphabetText(const std::string &letter, const QString &dictionary);
