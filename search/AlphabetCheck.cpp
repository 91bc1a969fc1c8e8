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

// The letter without the characters the checker drops from what it is
// asked (the affix file's IGNORE): a stress mark on a Ukrainian vowel, a
// vowel sign on an Arabic letter.
std::string withoutIgnored(const std::string &letter, const std::string &ignored)
{
    if (ignored.empty())
        return letter;
    const icu::UnicodeString dropped = icu::UnicodeString::fromUTF8(ignored);
    icu::UnicodeString kept;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (dropped.indexOf(c) < 0)
            kept.append(c);
    }
    std::string out;
    kept.toUTF8String(out);
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
    for (const std::string &typed : *split) {
        // A letter the checker only sees without some of its characters is
        // that letter (one that is nothing without them is none).
        const std::string letter = withoutIgnored(typed, alphabet.ignored());
        if (alphabet.id(letter) || alphabet.id(letterCase.lower(letter)))
            continue;
        if (foldedAlphabet.empty()) {
            for (const std::string &known : alphabet.letters())
                foldedAlphabet.insert(folded(known, language));
        }
        if (!foldedAlphabet.contains(folded(letter, language)))
            return typed;
    }
    return std::nullopt;
}

QString outsideAlphabetText(const std::string &letter, const QString &dictionary)
{
    // A modifier letter the words are not spelt with is no letter to the
    // user: the Arabic tatweel only draws a joining line out (the checker
    // drops it), the modifier letter apostrophe is the French checker's
    // apostrophe.
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
    if (!text.isEmpty() && u_charType(text.char32At(0)) == U_MODIFIER_LETTER) {
        return Messages::text(Messages::kNotALetter)
            .arg(QString::fromStdString(describeLetter(letter)));
    }
    return Messages::text(Messages::kOutsideAlphabet)
        .arg(QString::fromStdString(describeLetter(letter)), dictionary);
}
