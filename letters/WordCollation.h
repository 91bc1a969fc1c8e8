// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unicode/uversion.h>

#include <memory>
#include <string_view>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

// The alphabetical order of a language, as ICU collates it for the
// language's locale: é with e in French, ż after z in Polish, č after c in
// Czech; letter case decides only between words otherwise the same (the
// capital first), and the bytes only between words the language holds equal. Words that are
// not UTF-8 and languages ICU has no rules for come in the order of their
// code points.
class WordCollation {
public:
    // language: a dictionary's name or a locale ("pl_PL", "fr", "de-DE").
    explicit WordCollation(std::string_view language);
    ~WordCollation();
    WordCollation(WordCollation &&) noexcept;
    WordCollation &operator=(WordCollation &&) noexcept;
    WordCollation(const WordCollation &) = delete;
    WordCollation &operator=(const WordCollation &) = delete;

    // Whether a comes before b; one thread at a time.
    [[nodiscard]] bool before(std::string_view a, std::string_view b) const;

private:
    std::unique_ptr<icu::Collator> m_collator;
};
