// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FirstCounter.h"

#include <algorithm>
#include <string>

std::optional<std::vector<int>> firstOffsets(std::string_view letters, std::string_view target)
{
    if (letters.size() != target.size())
        return std::nullopt;
    std::string word(letters);
    std::vector<int> offsets(word.size(), 0);
    for (std::size_t i = word.size(); i-- > 1;) {
        // Rotating the first i+1 characters right by r brings the one at i-r to i.
        std::size_t r = 0;
        while (r <= i && word[i - r] != target[i])
            ++r;
        if (r > i)
            return std::nullopt;
        const auto first = word.begin();
        const auto end = first + static_cast<std::ptrdiff_t>(i + 1);
        std::rotate(first, end - static_cast<std::ptrdiff_t>(r), end);
        offsets[i] = static_cast<int>(r);
    }
    if (!word.empty() && word[0] != target[0])
        return std::nullopt;
    return offsets;
}

bool counterBefore(const std::vector<int> &a, const std::vector<int> &b)
{
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}
