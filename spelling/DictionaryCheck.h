// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// A look at a Hunspell-format dictionary (.aff and .dic) before an engine
// tries it: what can be told from the files alone, cheaply, is told here,
// so that no helper is started for files that cannot serve.
namespace DictionaryCheck {

inline constexpr std::uintmax_t kMaxAffixFileSize = 16 * 1024 * 1024;
inline constexpr std::uintmax_t kMaxWordListSize = 128 * 1024 * 1024;

struct Report {
    // Why no engine should load it: not regular files, too large, an
    // encoding a dictionary cannot be written in.
    std::optional<std::string> refusal;
    // Why Nuspell must not load it: a SET encoding it cannot convert (it
    // crashes on some of those).
    std::optional<std::string> nuspellRefusal;
};

// base is the path without its extension.
[[nodiscard]] Report inspect(const std::filesystem::path &base);

} // namespace DictionaryCheck
