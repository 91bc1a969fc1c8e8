// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/WordCollation.h"

#include "letters/LetterCase.h"

#include <unicode/coll.h>
#include <unicode/stringpiece.h>

WordCollation::WordCollation(std::string_view language)
{
    UErrorCode status = U_ZERO_ERROR;
    m_collator.reset(icu::Collator::createInstance(LetterCase(language).locale(), status));
    if (U_FAILURE(status)) {
        m_collator.reset();
        return;
    }
    // Of two words that differ only in case, the one with the capital first.
    m_collator->setAttribute(UCOL_CASE_FIRST, UCOL_UPPER_FIRST, status);
}

WordCollation::~WordCollation() = default;
WordCollation::WordCollation(WordCollation &&) noexcept = default;
WordCollation &WordCollation::operator=(WordCollation &&) noexcept = default;

bool WordCollation::before(std::string_view a, std::string_view b) const
{
    if (m_collator) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult order = m_collator->compareUTF8(
            icu::StringPiece(a.data(), static_cast<std::int32_t>(a.size())),
            icu::StringPiece(b.data(), static_cast<std::int32_t>(b.size())), status);
        if (U_SUCCESS(status) && order != UCOL_EQUAL)
            return order == UCOL_LESS;
    }
    return a < b;
}
