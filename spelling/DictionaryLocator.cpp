// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryLocator.h"

#include <algorithm>
#include <cstdlib>
#include <nuspell/finder.hxx>

namespace DictionaryLocator {

namespace {

bool isRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void addInstalled(const std::string &stem, const std::vector<std::filesystem::path> &folders,
    std::vector<std::filesystem::path> &found)
{
    for (const auto &folder : folders) {
        auto base = folder / stem;
        if (isRegularFile(base.string() + ".aff") && isRegularFile(base.string() + ".dic")
            && std::ranges::find(found, base) == found.end())
            found.push_back(std::move(base));
    }
}

} // namespace

std::optional<std::string> languageFromEnvironment(const EnvironmentLookup &lookup)
{
    for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const auto value = lookup(name);
        if (!value || value->empty())
            continue;
        const std::string language = value->substr(0, value->find_first_of(".@"));
        if (language.empty() || language == "C" || language == "POSIX")
            return std::nullopt;
        return language;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> defaultFolders()
{
    std::vector<std::filesystem::path> folders;
    nuspell::append_default_dir_paths(folders);
    return folders;
}

std::vector<std::filesystem::path> candidates(
    const std::optional<std::string> &language, const std::vector<std::filesystem::path> &folders)
{
    std::vector<std::filesystem::path> found;
    // A language name is used as a file name: refuse anything that could
    // leave the dictionary folders.
    if (language && language->find_first_of("/\\") == std::string::npos && *language != "..")
        addInstalled(*language, folders, found);
    addInstalled("en_US", folders, found);
    return found;
}

std::optional<std::filesystem::path> find(
    const std::optional<std::string> &language, const std::vector<std::filesystem::path> &folders)
{
    auto found = candidates(language, folders);
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::optional<std::string> userLanguage()
{
    return languageFromEnvironment([](const char *name) -> std::optional<std::string> {
        const char *value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    });
}

} // namespace DictionaryLocator
