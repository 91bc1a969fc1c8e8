// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/LetterCase.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <algorithm>

namespace {

icu::UnicodeString fromUtf8(std::string_view utf8)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(
        utf8.data(), static_cast<int32_t>(std::min<std::size_t>(utf8.size(), INT32_MAX))));
}

std::string toUtf8(const icu::UnicodeString &text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

icu::Locale localeOf(std::string_view language)
{
    // Dictionary names spell the region with an underscore or a hyphen and
    // may carry a variant after it ("de_DE_frami", "sr-Latn"); ICU reads both.
    std::string name(language);
    std::ranges::replace(name, '-', '_');
    icu::Locale locale = icu::Locale::createCanonical(name.c_str());
    return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

} // namespace

std::string scriptOfLanguage(std::string_view language)
{
    icu::Locale locale = localeOf(language);
    UErrorCode status = U_ZERO_ERROR;
    locale.addLikelySubtags(status);
    if (U_FAILURE(status) || std::string_view(locale.getScript()).empty())
        return {};
    const auto code
        = static_cast<UScriptCode>(u_getPropertyValueEnum(UCHAR_SCRIPT, locale.getScript()));
    return code == USCRIPT_INVALID_CODE ? std::string() : uscript_getName(code);
}

LetterCase::LetterCase(std::string_view language)
    : m_locale(localeOf(language))
{
}

std::string LetterCase::lower(std::string_view utf8) const
{
    return toUtf8(fromUtf8(utf8).toLower(m_locale));
}

std::string LetterCase::upper(std::string_view utf8) const
{
    return toUtf8(fromUtf8(utf8).toUpper(m_locale));
}

std::string LetterCase::title(std::string_view utf8) const
{
    return toUtf8(fromUtf8(utf8).toTitle(nullptr, m_locale));
}

std::string LetterCase::folded(std::string_view utf8) const
{
    // The language's small letters first, so that Turkish I becomes ı and
    // not i (no I or İ is left for folding to mistake); then simple case
    // folding, one code point for one, so that ß stays one letter and ς meets σ.
    const icu::UnicodeString small = fromUtf8(utf8).toLower(m_locale);
    icu::UnicodeString out;
    for (int32_t i = 0; i < small.length();) {
        const UChar32 c = small.char32At(i);
        out.append(u_foldCase(c, U_FOLD_CASE_DEFAULT));
        i += U16_LENGTH(c);
    }
    return toUtf8(out);
}
