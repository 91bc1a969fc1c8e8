// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/Letters.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdio>

namespace {

std::optional<icu::UnicodeString> nfc(std::string_view utf8)
{
    if (!isValidUtf8(utf8))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *normalizer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::nullopt;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    icu::UnicodeString result = normalizer->normalize(text, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return result;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    // Longer text than an int32_t counts cannot be a letter box's or a word's.
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return false;
    const auto *s = reinterpret_cast<const uint8_t *>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            return false;
    }
    return true;
}

std::optional<std::string> normalised(std::string_view utf8)
{
    const auto text = nfc(utf8);
    if (!text)
        return std::nullopt;
    std::string out;
    text->toUTF8String(out);
    return out;
}

LetterSplitter::LetterSplitter()
{
    UErrorCode status = U_ZERO_ERROR;
    // Grapheme clusters are the same in every language: the root's rules.
    m_characters.reset(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status))
        m_characters.reset();
}

LetterSplitter::~LetterSplitter() = default;

std::optional<std::vector<std::string>> LetterSplitter::split(std::string_view utf8)
{
    const auto text = nfc(utf8);
    if (!text || !m_characters)
        return std::nullopt;
    std::vector<std::string> letters;
    m_characters->setText(*text);
    int32_t start = m_characters->first();
    for (int32_t end = m_characters->next(); end != icu::BreakIterator::DONE;
         start = end, end = m_characters->next()) {
        letters.emplace_back();
        text->tempSubStringBetween(start, end).toUTF8String(letters.back());
    }
    return letters;
}

std::optional<std::vector<std::string>> splitLetters(std::string_view utf8)
{
    LetterSplitter splitter;
    return splitter.split(utf8);
}

std::string describeLetter(std::string_view letter)
{
    std::string out(letter);
    out += " (";
    const auto *s = reinterpret_cast<const uint8_t *>(letter.data());
    const auto length = static_cast<int32_t>(std::min<std::size_t>(letter.size(), INT32_MAX));
    bool first = true;
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (!first)
            out += " + ";
        first = false;
        if (c < 0) {
            out += "a byte that is not UTF-8";
            continue;
        }
        std::array<char, 16> code {};
        std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
        out += code.data();
        std::array<char, 128> name {};
        UErrorCode status = U_ZERO_ERROR;
        const int32_t written
            = u_charName(c, U_UNICODE_CHAR_NAME, name.data(), int32_t(name.size()), &status);
        if (U_SUCCESS(status) && written > 0) {
            out += ' ';
            out.append(name.data(), static_cast<std::size_t>(written));
        }
    }
    out += ')';
    return out;
}
