// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class WordIndex;

// Where a capital A to Z may stand after the first letter of a word the
// checker takes. Both engines look up a spelling with such a capital and a
// small letter (neither in small letters, capitalised nor in capitals) as it
// is spelt, part by part: it is forms of the dictionary one after another,
// each spelt as it is there, in a part role that joins it (the first
// COMPOUNDBEGIN, the last COMPOUNDEND, those between COMPOUNDMIDDLE), or one
// form alone; so each of its capitals is one a form has inside it, or at its
// start where it follows another part. Known only where the index
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
    // The forms whose letters a run of the candidate's letters is: found once
    // for a candidate, and tried on each of its spellings by spelt().
    struct Piece {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
        std::uint32_t text = 0; // in m_texts
    };
    void piecesIn(std::string_view candidate, std::vector<Piece> &pieces) const;
    // Whether the spelling is forms of the dictionary as they are spelt, one
    // after another in the part roles that join them: the only way both
    // engines take it. cases has a letter of the spelling each: 'A' for a
    // capital A to Z, 'a' for a small one, anything else for a letter whose
    // case is not told apart here (it then fits either).
    [[nodiscard]] bool spelt(std::string_view cases, const std::vector<Piece> &pieces) const;

private:
    bool m_known = false;

    // Every form within the letters by its text in small letters: the roles
    // of those spelt in small letters, and those spelt with a capital.
    struct Text {
        bool small = false;
        std::uint8_t smallRoles = 0;
        std::vector<std::pair<std::string, std::uint8_t>> cased; // spelling, roles
    };
    std::vector<Text> m_texts;
    // The texts' letters as a tree, walked from each letter of a candidate
    // (a hash of every run of its letters cost more than the questions it saved).
    struct Node {
        std::uint32_t child = 0; // 0: none (the root is no one's child)
        std::uint32_t sibling = 0;
        std::uint32_t text = kNoText;
        char letter = 0;
    };
    static constexpr std::uint32_t kNoText = 0xffffffffU;
    std::vector<Node> m_nodes;
    [[nodiscard]] std::uint32_t childOf(std::uint32_t node, char letter) const;
};
