// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/TypedLetters.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <optional>

namespace {

// The one code point of a letter in NFC; nothing for more or none.
std::optional<char32_t> onePoint(std::string_view letter)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::nullopt;
    const icu::UnicodeString text = nfc->normalize(
        icu::UnicodeString::fromUTF8(
            icu::StringPiece(letter.data(), static_cast<std::int32_t>(letter.size()))),
        status);
    if (U_FAILURE(status) || text.countChar32() != 1)
        return std::nullopt;
    return static_cast<char32_t>(text.char32At(0));
}

std::optional<std::size_t> keyOf(char key)
{
    const char small = key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    if (small < 'a' || small > 'z')
        return std::nullopt;
    return static_cast<std::size_t>(small - 'a');
}

} // namespace

TypedLetters::TypedLetters(const std::vector<std::string> &typed, std::string_view keys)
{
    for (std::size_t i = 0; i < typed.size() && i < keys.size(); ++i) {
        const auto key = keyOf(keys[i]);
        if (!key)
            continue;
        const std::string &letter = typed[i];
        m_ascii = m_ascii && letter.size() == 1 && keyOf(letter[0]).has_value();
        const auto point = onePoint(letter);
        if (!point || static_cast<char32_t>(u_tolower(static_cast<UChar32>(*point))) != *point) {
            ++m_free[*key];
            continue;
        }
        auto &small = m_small[*key];
        const auto at = std::ranges::find(small, *point, &std::pair<char32_t, std::size_t>::first);
        if (at == small.end())
            small.emplace_back(*point, 1);
        else
            ++at->second;
    }
}

void TypedLetters::convertedBy(const std::vector<std::pair<std::string, std::string>> &conversions)
{
    // A small letter typed that the checker converts stands for what it
    // becomes as well as for itself: it is taken as free.
    for (const auto &conversion : conversions) {
        const auto from = onePoint(conversion.first);
        if (!from || !onePoint(conversion.second)) {
            m_convertedMany = true;
            continue;
        }
        const auto small = static_cast<char32_t>(u_tolower(static_cast<UChar32>(*from)));
        for (std::size_t key = 0; key < m_small.size(); ++key) {
            auto &typed = m_small[key];
            const auto at
                = std::ranges::find(typed, small, &std::pair<char32_t, std::size_t>::first);
            if (at != typed.end()) {
                m_free[key] += at->second;
                typed.erase(at);
            }
        }
    }
}

bool TypedLetters::spell(std::string_view form, std::string_view spelling) const
{
    // Letters typed in A to Z spell every spelling in A to Z of their key
    // letters: the search found the form within them.
    if (m_convertedMany
        || (m_ascii && std::ranges::all_of(spelling, [](char c) { return keyOf(c).has_value(); })))
        return true;
    // The letters the spelling needs, by key letter: (key, letter) each.
    std::vector<std::pair<std::size_t, char32_t>> needed;
    needed.reserve(form.size());
    std::int32_t at = 0;
    std::size_t place = 0;
    const auto length = static_cast<std::int32_t>(spelling.size());
    for (; at < length; ++place) {
        UChar32 point = 0;
        U8_NEXT(spelling.data(), at, length, point);
        if (point < 0 || place >= form.size())
            return true;
        const auto key = keyOf(form[place]);
        if (!key)
            return true;
        const auto small = static_cast<char32_t>(u_tolower(point));
        needed.emplace_back(*key, small);
    }
    if (place != form.size())
        return true;
    std::ranges::sort(needed);
    std::array<std::size_t, 26> lacking {};
    for (auto run = needed.begin(); run != needed.end();) {
        const auto end
            = std::ranges::find_if(run, needed.end(), [&](const auto &n) { return n != *run; });
        const auto count = static_cast<std::size_t>(end - run);
        const auto &small = m_small[run->first];
        const auto typed
            = std::ranges::find(small, run->second, &std::pair<char32_t, std::size_t>::first);
        const std::size_t held = typed == small.end() ? 0 : typed->second;
        if (count > held)
            lacking[run->first] += count - held;
        run = end;
    }
    for (std::size_t key = 0; key < lacking.size(); ++key) {
        if (lacking[key] > m_free[key])
            return false;
    }
    return true;
}
