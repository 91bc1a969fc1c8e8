// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A look at a Hunspell-format dictionary (.aff and .dic) before an engine
// loads it. Both engines trust their files; some files that are only a few
// bytes long crash one of them or make it answer nonsense, so what can be
// told from the files alone is told here.
namespace DictionaryCheck {

inline constexpr std::uintmax_t kMaxAffixFileSize = 16 * 1024 * 1024;
inline constexpr std::uintmax_t kMaxWordListSize = 128 * 1024 * 1024;

struct Report {
    // Why no engine should load it: not regular files, too large, a FLAG
    // type that neither engine knows.
    std::optional<std::string> refusal;
    // Why Nuspell must not load it: a SET encoding it cannot convert (it
    // crashes on some of those).
    std::optional<std::string> nuspellRefusal;
    // The SET encoding as written; empty when there is none.
    std::string encoding;
    // One of the first entries of the word list without affix flags, as the
    // engines take a question: UTF-8 for Nuspell, the dictionary's own
    // encoding for Hunspell. Nothing when none was found.
    std::optional<std::string> plainEntryUtf8;
    std::optional<std::string> plainEntryRaw;
};

// base is the path without its extension.
[[nodiscard]] Report inspect(const std::filesystem::path &base);

} // namespace DictionaryCheck
