// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A form's own spelling, as the dictionary spells it: NFC, in its case,
// without what IGNORE drops. The index keys a form by letters without marks
// or case; this is what the key stands for in that form. A checker takes
// it in other case too, and with a letter that ICONV turns into one of its
// letters in that letter's place (Romanian ş for ș, French ſ for s): the
// conversions of one letter into one letter go with the index.
class OwnSpellings {
public:
    explicit OwnSpellings(const AffixFile &affixes);

    // The form's own spelling in UTF-8; nothing when the form is letters a
    // to z only (its text in the index is then its spelling).
    [[nodiscard]] std::optional<std::string> of(std::u32string_view form) const;
    // Every conversion of one letter into one other, in UTF-8 NFC: from, to.
    [[nodiscard]] const std::vector<std::pair<std::string, std::string>> &conversions() const
    {
        return m_conversions;
    }

private:
    std::vector<std::pair<std::string, std::string>> m_conversions;
    std::u32string m_ignored;
};
