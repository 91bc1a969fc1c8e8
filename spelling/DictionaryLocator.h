// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Finds the Hunspell-format dictionary (.aff and .dic) of the user's language.
namespace DictionaryLocator {

using EnvironmentLookup = std::function<std::optional<std::string>(const char *name)>;

// The language named by LC_ALL, else LC_MESSAGES, else LANG, as POSIX picks the
// locale of messages: "en_GB.UTF-8" and "en_GB@euro" give "en_GB"; "C",
// "POSIX" and nothing give no language.
[[nodiscard]] std::optional<std::string> languageFromEnvironment(const EnvironmentLookup &lookup);

// The default folders: DICPATH, the XDG data folders, /usr/share/hunspell, ...
[[nodiscard]] std::vector<std::filesystem::path> defaultFolders();

// The path of the dictionary without its extension, for the language if one
// is installed, else for en_US; nothing when neither is installed.
[[nodiscard]] std::optional<std::filesystem::path> find(
    const std::optional<std::string> &language, const std::vector<std::filesystem::path> &folders);

// Every dictionary that could serve, best first: the language in each
// folder in turn, then en_US in each folder. find() is the first of them.
[[nodiscard]] std::vector<std::filesystem::path> candidates(
    const std::optional<std::string> &language, const std::vector<std::filesystem::path> &folders);

// The language the process's own environment names.
[[nodiscard]] std::optional<std::string> userLanguage();

} // namespace DictionaryLocator
