// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameResult.h"

#include "wordforms/KeyLetters.h"

#include <unicode/utf8.h>

std::size_t letterCount(std::string_view word)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(word.data());
    const auto length = static_cast<std::int32_t>(word.size());
    std::size_t count = 0;
    for (std::int32_t at = 0; at < length;) {
        const bool ascii = bytes[at] < 0x80;
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        // A mark, a vowel sign or a joiner makes one letter with the one before.
        if (ascii || c < 0 || keyLetterOf(static_cast<char32_t>(c)).role != KeyRole::Joins)
            ++count;
    }
    return count;
}

bool longestFirst(std::string_view a, std::string_view b, const WordCollation &alphabetical)
{
    const std::size_t first = letterCount(a);
    const std::size_t second = letterCount(b);
    return first != second ? first > second : alphabetical.before(a, b);
}

std::size_t GameResult::letters() const
{
    std::size_t count = 0;
    for (const std::string &word : words)
        count += letterCount(word);
    return count;
}
