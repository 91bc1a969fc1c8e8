#include "spelling/DictionaryLocator.h"

#include <cstdlib>
#include <nuspell/finder.hxx>

namespace DictionaryLocator {

namespace {

bool isRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::filesystem::path> findOne(
    const std::string &stem, const std::vector<std::filesystem::path> &folders)
{
    for (const auto &folder : folders) {
        auto base = folder / stem;
        if (isRegularFile(base.string() + ".aff") && isRegularFile(base.string() + ".dic"))
            return base;
    }
    return std::nullopt;
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

std::optional<std::filesystem::path> find(
    const std::optional<std::string> &language, const std::vector<std::filesystem::path> &folders)
{
    // A language name is used as a file name: refuse anything that could
    // leave the dictionary folders.
    if (language && language->find_first_of("/\\") == std::string::npos && *language != "..") {
        if (auto path = findOne(*language, folders))
            return path;
    }
    return findOne("en_US", folders);
}

std::optional<std::filesystem::path> findForUser()
{
    const auto lookup = [](const char *name) -> std::optional<std::string> {
        const char *value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    return find(languageFromEnvironment(lookup), defaultFolders());
}

} // namespace DictionaryLocator
