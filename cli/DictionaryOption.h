// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The dictionaries a run may use, best first, and the language they are of.
struct DictionaryPick {
    std::vector<std::filesystem::path> candidates; // without .aff and .dic
    std::optional<std::string> language;
};

// What --dictionary names: a path (with a slash, or ending in .dic or
// .aff) to a dictionary's files, or a language such as de_DE, looked up
// in the folders as the locale's language is, but with no other language
// standing in for it. The reason when there is no such dictionary.
[[nodiscard]] std::variant<DictionaryPick, std::string> pickDictionary(
    const std::string &nameOrPath, const std::vector<std::filesystem::path> &folders);

// The lines --list-dictionaries prints: each dictionary found, a line
// each ("de_DE<TAB>/usr/share/hunspell/de_DE<TAB>Latin<TAB>alphabet of 30
// letters": the script, when its name tells it, and the alphabet the cache
// keeps), in the order the folders are searched, then which one the
// locale's language picks.
[[nodiscard]] std::vector<std::string> dictionaryList(
    const std::vector<std::filesystem::path> &folders, const std::optional<std::string> &language,
    const std::optional<std::filesystem::path> &cacheFolder = std::nullopt);
