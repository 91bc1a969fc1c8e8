// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/AlphabetCheck.h"

#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "search/Messages.h"

#include <algorithm>

bool needsAlphabetCheck(const std::string &letters, std::string_view language)
{
    const bool azOnly = std::ranges::all_of(
        letters, [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
    const std::string script = scriptOfLanguage(language);
    return !azOnly || (!script.empty() && script != "Latin");
}

std::optional<std::string> letterOutside(
    const std::string &letters, const Alphabet &alphabet, std::string_view language)
{
    const auto split = splitLetters(letters);
    if (!split)
        return std::nullopt; // no text: refused before, as no letters
    const LetterCase letterCase(language);
    for (const std::string &letter : *split) {
        if (!alphabet.id(letter) && !alphabet.id(letterCase.lower(letter)))
            return letter;
    }
    return std::nullopt;
}

QString outsideAlphabetText(const std::string &letter, const QString &dictionary)
{
    return Messages::text(Messages::kOutsideAlphabet)
        .arg(QString::fromStdString(describeLetter(letter)), dictionary);
}
