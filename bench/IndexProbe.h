// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// One input, its time in each stage: the forms within the letters, the
// compounds of them, and the whole search with the checker (with indexOnly,
// the index's own stages alone).
void probeStages(const std::filesystem::path &base, const std::filesystem::path &helper,
    const std::string &letters, bool indexOnly);
