// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class WordIndex;

// Where a capital A to Z may stand after the first letter of a word the
// checker takes. Both engines look up a spelling with such a capital and a
// small letter (neither in small letters, capitalised nor in capitals) as it
// is spelt, so each of its capitals there is one that a form of the
// dictionary spells in that place: inside the form, or at its start where
// the form may follow another in a compound. Known only where the index
// tells every form and the dictionary has no option that spells a compound
// with other letters than its parts' (CompoundSettings::settlesByParts: no
// ICONV, no IGNORE, no replacement at a boundary; a BREAK pattern at letters
// refuses the index); elsewhere every such spelling is asked.
class InnerCapitals {
public:
    // keys: the key letters typed; capitals: those typed as capitals A to Z
    // (typedCapitals), the only ones a spelling asked holds.
    InnerCapitals(const WordIndex &index, std::string_view keys, const LetterCounts &capitals);

    [[nodiscard]] bool known() const { return m_known; }
    // Sets places[i] (sized to the candidate) where some form puts a capital
    // at letter i of the candidate, in small key letters.
    void placesIn(std::string_view candidate, std::vector<char> &places) const;

private:
    struct Form {
        std::string spelling; // in key letters, capitals A to Z as the dictionary's
        bool follows = false; // may stand after another part
    };
    bool m_known = false;
    std::vector<Form> m_forms;
    // By the form in small letters: its places in m_forms.
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byText;
    std::vector<std::size_t> m_lengths; // of those forms, each once, ascending
};
