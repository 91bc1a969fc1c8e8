// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Every string over the alphabet with 1 to maxLength characters, shortest first.
inline std::vector<std::string> allStrings(const std::string &alphabet, std::size_t maxLength)
{
    std::vector<std::string> all { "" };
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (const char c : alphabet) {
            if (all[i].size() < maxLength)
                all.push_back(all[i] + c);
        }
    }
    all.erase(all.begin());
    return all;
}
