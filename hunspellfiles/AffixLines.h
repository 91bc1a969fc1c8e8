// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The steps of reading an affix file, apart so that each stays short.

// A line as an engine sees it: the keyword it starts (empty: a line the
// engine passes over) and its blank-separated words, the keyword first.
struct AffixLine {
    std::string_view keyword;
    std::vector<std::string_view> words;
};
[[nodiscard]] AffixLine splitAffixLine(std::string_view line, Dialect dialect);

// The count a line gives (of a table's or an affix class's lines): digits
// and nothing after them; nothing otherwise.
[[nodiscard]] std::optional<std::size_t> lineCount(std::string_view word);

// SET and FLAG, which govern how every other line is read; false when the
// file is refused.
[[nodiscard]] bool readSettings(
    std::string_view text, Dialect dialect, const ReadLimits &limits, AffixFile &file);
