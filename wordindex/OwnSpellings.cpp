// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/OwnSpellings.h"

#include "wordforms/KeyLetters.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace {

std::u32string nfc(std::u32string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *normalizer = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString source = icu::UnicodeString::fromUTF32(
        reinterpret_cast<const UChar32 *>(text.data()), static_cast<std::int32_t>(text.size()));
    if (U_FAILURE(status))
        return std::u32string(text);
    const icu::UnicodeString normal = normalizer->normalize(source, status);
    if (U_FAILURE(status))
        return std::u32string(text);
    std::u32string out(static_cast<std::size_t>(normal.countChar32()), U'\0');
    normal.toUTF32(
        reinterpret_cast<UChar32 *>(out.data()), static_cast<std::int32_t>(out.size()), status);
    return U_FAILURE(status) ? std::u32string(text) : out;
}

void appendUtf8(char32_t c, std::string &out)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return;
    char bytes[U8_MAX_LENGTH];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(c));
    out.append(bytes, static_cast<std::size_t>(length));
}

} // namespace

OwnSpellings::OwnSpellings(const AffixFile &affixes)
    : m_ignored(affixes.ignored)
{
    // Only a letter converted into one letter is a spelling of the same
    // length; the searches meet other conversions their own ways.
    for (const auto &[from, to] : affixes.typedConversions) {
        const std::u32string source = nfc(from);
        const std::u32string target = nfc(to);
        if (source.size() != 1 || target.size() != 1 || source == target
            || keyLetterOf(source[0]).role != KeyRole::Letter
            || keyLetterOf(target[0]).role != KeyRole::Letter)
            continue;
        std::pair<std::string, std::string> conversion;
        appendUtf8(source[0], conversion.first);
        appendUtf8(target[0], conversion.second);
        if (std::ranges::find(m_conversions, conversion) == m_conversions.end())
            m_conversions.push_back(std::move(conversion));
    }
}

std::optional<std::string> OwnSpellings::of(std::u32string_view form) const
{
    if (std::ranges::all_of(
            form, [](char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }))
        return std::nullopt;
    std::u32string kept;
    kept.reserve(form.size());
    for (const char32_t c : form) {
        if (m_ignored.find(c) == std::u32string::npos)
            kept.push_back(c);
    }
    std::string utf8;
    utf8.reserve(kept.size() * 2);
    for (const char32_t c : nfc(kept))
        appendUtf8(c, utf8);
    return utf8;
}
