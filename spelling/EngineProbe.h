// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Some affix files make an engine die while it loads them (Nuspell asserts
// on a directive with no value, and reads past a converter it failed to
// open), and no look at the text can foresee every such case. So the first
// time a dictionary is seen (its files' paths, sizes and times of change),
// the engine loads it in a short-lived child process; only when that child
// ends well does the program load it itself. The verdict is kept for the
// rest of the run.
namespace EngineProbe {

enum class Engine { Nuspell, Hunspell };

// Why the engine cannot be trusted with the dictionary at base (its path
// without .aff and .dic); nothing when the child loaded it and ended well.
[[nodiscard]] std::optional<std::string> whyNot(Engine engine, const std::filesystem::path &base);

} // namespace EngineProbe
