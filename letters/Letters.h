// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

// A letter is what a reader takes for one character: an extended grapheme
// cluster, in Unicode normal form C, held as UTF-8. So é typed as one code
// point and e followed by a combining acute are the same letter, and an Indic
// consonant with its vowel sign is one letter, not two.

// Whether bytes are well-formed UTF-8 (no stray, overlong or surrogate sequences).
[[nodiscard]] bool isValidUtf8(std::string_view bytes);

// Text in normal form C; bytes that are not UTF-8 give nothing.
[[nodiscard]] std::optional<std::string> normalised(std::string_view utf8);

// Splits text into letters. Keeps one break iterator, which is costly to make,
// for every text it is given; one splitter serves one thread.
class LetterSplitter {
public:
    LetterSplitter();
    ~LetterSplitter();
    LetterSplitter(const LetterSplitter &) = delete;
    LetterSplitter &operator=(const LetterSplitter &) = delete;

    // The letters of text, in order; nothing when text is not UTF-8.
    [[nodiscard]] std::optional<std::vector<std::string>> split(std::string_view utf8);

private:
    std::unique_ptr<icu::BreakIterator> m_characters;
};

// The letters of text with a splitter of its own, for a text now and then.
[[nodiscard]] std::optional<std::vector<std::string>> splitLetters(std::string_view utf8);

// How a message names a letter that may be invisible, a lone mark or a letter
// of a script the reader does not know: the letter, then each code point
// and its Unicode name ("é (U+00E9 LATIN SMALL LETTER E WITH ACUTE)").
[[nodiscard]] std::string describeLetter(std::string_view letter);
