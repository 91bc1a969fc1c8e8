// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unicode/locid.h>

#include <string>
#include <string_view>

// A language's case mapping, as ICU has it for the language's locale: in
// Turkish and Azerbaijani I and ı pair, İ and i; German ß has the capital
// SS (ẞ lower-cases to ß); a Greek capital sigma at the end of a word
// lower-cases to ς; Dutch gives IJ a capital as one letter in a title.
// The script a language is written in, by its Unicode name ("Latin",
// "Greek", "Cyrillic"), as ICU's likely subtags have it ("sr_RS" Cyrillic,
// "sr_Latn" Latin); empty for a language ICU does not know.
[[nodiscard]] std::string scriptOfLanguage(std::string_view language);

class LetterCase {
public:
    // language: a dictionary's name or a locale ("tr_TR", "de-DE", "el").
    explicit LetterCase(std::string_view language);

    [[nodiscard]] std::string lower(std::string_view utf8) const;
    [[nodiscard]] std::string upper(std::string_view utf8) const;
    // Each word's first letter a capital, the rest small.
    [[nodiscard]] std::string title(std::string_view utf8) const;
    // The letters' small form with the differences case alone makes taken
    // away (ς and σ, ẞ and ß are one), in the language's own pairing of i.
    [[nodiscard]] std::string folded(std::string_view utf8) const;

    [[nodiscard]] const icu::Locale &locale() const { return m_locale; }
    // The language part of the locale ("tr" for "tr_TR").
    [[nodiscard]] std::string language() const { return m_locale.getLanguage(); }

private:
    icu::Locale m_locale;
};
