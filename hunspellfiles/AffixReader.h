// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <string_view>

// Reads the affix file's text as the engine of the dialect does. Never
// throws; problems land in refusal.
[[nodiscard]] AffixFile parseAffixFile(
    std::string_view text, Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {});
