// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The digit vector (digit j for j!, as the enumerator keeps it) of the first
// counter value whose arrangement of letters is target, character for
// character; nothing when target is no arrangement of letters.
//
// The enumerator rotates the whole word first, which settles the last
// character, then the first n-1 characters, which settles the one before it,
// and so on. The smallest rotation that brings a fitting character to the
// place being settled gives the smallest digit at the most significant
// place still open, and any rest can still be arranged below it, so taking
// the smallest digit at every level gives the first counter value.
[[nodiscard]] std::optional<std::vector<int>> firstOffsets(
    std::string_view letters, std::string_view target);

// Whether the counter value of digits a comes before that of b (both of the
// same length). Counter values pass 64 bits from 21 letters on; the digits
// compare without ever forming the number, most significant first.
[[nodiscard]] bool counterBefore(const std::vector<int> &a, const std::vector<int> &b);
