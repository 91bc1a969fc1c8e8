// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/KeyWalk.h"

#include <algorithm>

void forEachKeyWithin(const WordIndex &index, const LetterCounts &letters, std::uint8_t roles,
    std::size_t minLength, const std::function<bool(WordIndex::KeyId, std::size_t)> &visit)
{
    LetterCounts left = letters;
    bool going = true;
    // Keys are sorted letters: below a letter only it and later ones follow.
    const auto walk = [&](auto &self, WordIndex::NodeId node, std::size_t depth) -> void {
        index.forEachChild(node, [&](WordIndex::NodeId child) {
            if (!going)
                return;
            const auto letter = static_cast<std::size_t>(index.letterOf(child) - 'a');
            if (left[letter] == 0 || (index.rolesBelow(child) & roles) == 0)
                return;
            --left[letter];
            if (const auto key = index.keyAt(child); key && depth + 1 >= minLength) {
                const auto forms = index.formsOf(*key);
                if (std::ranges::any_of(forms.roles, [roles](std::uint8_t r) { return r & roles; }))
                    going = visit(*key, depth + 1);
            }
            if (going)
                self(self, child, depth + 1);
            ++left[letter];
        });
    };
    walk(walk, WordIndex::root(), 0);
}
