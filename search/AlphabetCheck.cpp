// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/AlphabetCheck.h"

#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "search/Messages.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <unordered_set>

namespace {

// A letter folded to compare without case: Greek σ and ς are one letter,
// and Turkish keeps its dotted and dotless i apart.
std::string folded(const std::string &letter, std::string_view language)
{
    const bool turkic = language.starts_with("tr") || language.starts_with("az");
    std::string out;
    icu::UnicodeString::fromUTF8(letter)
        .foldCase(turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT)
        .toUTF8String(out);
    return out;
}

} // namespace

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
    std::unordered_set<std::string> foldedAlphabet;
    for (const std::string &letter : *split) {
        if (alphabet.id(letter) || alphabet.id(letterCase.lower(letter)))
            continue;
        if (foldedAlphabet.empty()) {
            for (const std::string &known : alphabet.letters())
                foldedAlphabet.insert(folded(known, language));
        }
        if (!foldedAlphabet.contains(folded(letter, language)))
            return letter;
    }
    return std::nullopt;
}

QString outsideAlphabetText(const std::string &letter, const QString &dictionary)
{
    return Messages::text(Messages::kOutsideAlphabet)
        .arg(QString::fromStdString(describeLetter(letter)), dictionary);
}
