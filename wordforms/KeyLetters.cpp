// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/KeyLetters.h"

#include "wordforms/LetterCounts.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace {

// The character a letter is made from, before its marks: é from e, İ from I.
char32_t baseOf(char32_t c)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed;
    if (U_SUCCESS(status) && nfd->getDecomposition(static_cast<UChar32>(c), decomposed)
        && decomposed.length() > 0)
        return static_cast<char32_t>(decomposed.char32At(0));
    return c;
}

} // namespace

bool joinsNext(char32_t c)
{
    return u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_GRAPHEME_CLUSTER_BREAK)
        == U_GCB_PREPEND;
}

bool mayJoinNext(char32_t c)
{
    // ICU joins an Indic consonant to the one before when a virama (or an
    // invisible stacker, or a joiner) comes between: any other mark ends the letter.
    const auto code = static_cast<UChar32>(c);
    switch (u_getIntPropertyValue(code, UCHAR_INDIC_SYLLABIC_CATEGORY)) {
    case U_INSC_VIRAMA:
    case U_INSC_INVISIBLE_STACKER:
        return true;
    default:
        return joinsNext(c) || c == U'\u200D';
    }
}

KeyLetter keyLetterOf(char32_t c)
{
    const auto code = static_cast<UChar32>(c);
    switch (u_getIntPropertyValue(code, UCHAR_GRAPHEME_CLUSTER_BREAK)) {
    case U_GCB_EXTEND:
    case U_GCB_SPACING_MARK:
    case U_GCB_ZWJ:
    case U_GCB_V:
    case U_GCB_T:
        return { KeyRole::Joins, 0 };
    default:
        break;
    }
    if (!u_hasBinaryProperty(code, UCHAR_ALPHABETIC))
        return { KeyRole::None, 0 };
    // The dotless i keys as i: an engine may take a capital I for either,
    // and one key letter (not two ways to type it) keeps a Turkish word of
    // many i's to one spelling.
    auto base
        = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(baseOf(c)), U_FOLD_CASE_DEFAULT));
    if (base == U'\u0131')
        base = U'i';
    if (base >= U'a' && base <= U'z') {
        const bool capital = u_isupper(code) || u_istitle(code);
        return { KeyRole::Letter, static_cast<char>(capital ? base - U'a' + U'A' : base) };
    }
    // Each alphabet's letters mostly lie next to one another, so a number
    // modulo the count spreads them over different key letters.
    return { KeyRole::Letter, keyLetterByte(kAsciiKeyLetters + base % kOtherKeyLetters) };
}

std::optional<std::string> keyLettersOf(const std::string *letters, std::size_t count)
{
    std::string keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(letters[i].data());
        const auto length = static_cast<std::int32_t>(letters[i].size());
        std::int32_t at = 0;
        UChar32 first = -1;
        if (length > 0)
            U8_NEXT(bytes, at, length, first);
        if (first < 0)
            return std::nullopt;
        const KeyLetter key = keyLetterOf(static_cast<char32_t>(first));
        if (key.role != KeyRole::Letter)
            return std::nullopt;
        keys.push_back(asciiLower(key.byte));
    }
    return keys;
}
