// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

// The helper program beside the program (the build tree) or where the
// install put it; empty when neither is there.
[[nodiscard]] std::filesystem::path helperPath(const QString &programFolder);

// The folder of the dictionary cache: $XDG_CACHE_HOME/quorvel.
[[nodiscard]] std::filesystem::path cacheFolder();
