// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Which key letter (wordforms/LetterCounts.h) a character of any alphabet
// is filed under. A letter's marks and case never count (é, É and e are
// all e; ς, Σ and σ are one; İ, ı, I and i are one), and the letters of
// the other alphabets share the kOtherKeyLetters numbers, many to one where an alphabet has more of
// them. So a key may hold more forms than the typed letters can spell, never fewer: the checker
// judges each one, and the coarser the key, the more certain it is that no spelling a checker could
// accept is filed under another.
enum class KeyRole {
    Letter, // a letter of its own
    Joins, // joins the letter before it (a combining mark, a vowel sign)
    None, // no letter (a digit, an apostrophe, a hyphen)
};

struct KeyLetter {
    KeyRole role = KeyRole::None;
    char byte = 0; // for a Letter: a to z (A to Z for a capital), or another key byte
};

[[nodiscard]] KeyLetter keyLetterOf(char32_t c);

// Whether the next character joins this one (a prepended letter of an Indic script).
[[nodiscard]] bool joinsNext(char32_t c);
// Whether the next letter may be one with this character: after a prepended
// letter, a virama (which joins two Indic consonants into one letter) or a joiner.
[[nodiscard]] bool mayJoinNext(char32_t c);

// The key letters of typed letters (extended grapheme clusters, as
// letters/Letters.h splits them), in small letters, one for each; nothing
// when one of them is no letter (a lone mark, a digit).
[[nodiscard]] std::optional<std::string> keyLettersOf(
    const std::string *letters, std::size_t count);
