// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DictionaryOption.h"

#include "spelling/DictionaryLocator.h"

#include <algorithm>
#include <set>

namespace {

bool isRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool isDictionary(const std::filesystem::path &base)
{
    return isRegularFile(base.string() + ".aff") && isRegularFile(base.string() + ".dic");
}

} // namespace

std::variant<DictionaryPick, std::string> pickDictionary(
    const std::string &nameOrPath, const std::vector<std::filesystem::path> &folders)
{
    std::filesystem::path path(nameOrPath);
    const auto extension = path.extension();
    if (nameOrPath.find('/') != std::string::npos || extension == ".dic" || extension == ".aff") {
        if (extension == ".dic" || extension == ".aff")
            path.replace_extension();
        std::error_code error;
        const auto base = std::filesystem::absolute(path, error);
        if (error || !isDictionary(base))
            return "there is no " + path.string() + ".aff with a " + path.string()
                + ".dic beside it";
        return DictionaryPick { { base }, base.filename().string() };
    }
    auto found = DictionaryLocator::candidates(nameOrPath, folders);
    std::erase_if(found, [&nameOrPath](const auto &base) { return base.filename() != nameOrPath; });
    if (found.empty()) {
        std::string searched;
        for (const auto &folder : folders)
            searched += (searched.empty() ? "" : ", ") + folder.string();
        return "no dictionary " + nameOrPath + " was found in " + searched;
    }
    return DictionaryPick { std::move(found), nameOrPath };
}

std::vector<std::string> dictionaryList(
    const std::vector<std::filesystem::path> &folders, const std::optional<std::string> &language)
{
    std::vector<std::string> lines;
    for (const auto &folder : folders) {
        std::error_code error;
        std::set<std::filesystem::path> bases;
        for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
            auto base = entry.path();
            if (base.extension() == ".aff" && isDictionary(base.replace_extension()))
                bases.insert(base);
        }
        for (const auto &base : bases)
            lines.push_back(base.filename().string() + '\t' + base.string());
    }
    const auto first = DictionaryLocator::find(language, folders);
    const std::string asked = language ? "the locale asks for " + *language
                                       : "the locale names no language (American English)";
    lines.push_back(first ? asked + "; the search tries " + first->filename().string() + " first ("
                + first->string() + ")"
                          : asked + "; no dictionary of it or of en_US was found");
    return lines;
}
