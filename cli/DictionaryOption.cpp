// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DictionaryOption.h"

#include "letters/LetterCase.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/KeptDictionary.h"

#include <QCoreApplication>
#include <algorithm>
#include <set>

namespace {

bool isRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DictionaryOption", text);
}

QString text(const std::string &text)
{
    return QString::fromStdString(text);
}

bool isDictionary(const std::filesystem::path &base)
{
    return isRegularFile(base.string() + ".aff") && isRegularFile(base.string() + ".dic");
}

// The size of the alphabet the cache keeps for the files as they are now,
// or that it is not known before the dictionary's index is built.
QString alphabetNote(
    const std::filesystem::path &base, const std::optional<std::filesystem::path> &cacheFolder)
{
    const auto aff = stampOf(base.string() + ".aff");
    const auto dic = stampOf(base.string() + ".dic");
    if (cacheFolder && std::holds_alternative<FileStamp>(aff)
        && std::holds_alternative<FileStamp>(dic)) {
        const auto kept = KeptDictionary::forFiles(
            cacheFolder, base.string(), std::get<FileStamp>(aff), std::get<FileStamp>(dic));
        if (const auto alphabet = kept.alphabet())
            return QCoreApplication::translate(
                "DictionaryOption", "alphabet of %n letters", nullptr, int(alphabet->size()));
    }
    return translated(QT_TRANSLATE_NOOP(
        "DictionaryOption", "alphabet not known until the dictionary is first used"));
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
            return translated(
                QT_TRANSLATE_NOOP("DictionaryOption", "there is no %1.aff with a %1.dic beside it"))
                .arg(text(path.string()))
                .toStdString();
        return DictionaryPick { { base }, base.filename().string() };
    }
    auto found = DictionaryLocator::candidates(nameOrPath, folders);
    std::erase_if(found, [&nameOrPath](const auto &base) { return base.filename() != nameOrPath; });
    if (found.empty()) {
        std::string searched;
        for (const auto &folder : folders)
            searched += (searched.empty() ? "" : ", ") + folder.string();
        return translated(QT_TRANSLATE_NOOP("DictionaryOption", "no dictionary %1 was found in %2"))
            .arg(text(nameOrPath), text(searched))
            .toStdString();
    }
    return DictionaryPick { std::move(found), nameOrPath };
}

std::vector<std::string> dictionaryList(const std::vector<std::filesystem::path> &folders,
    const std::optional<std::string> &language,
    const std::optional<std::filesystem::path> &cacheFolder)
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
        for (const auto &base : bases) {
            // The script its language is written in, when the name tells it.
            const std::string script = scriptOfLanguage(base.filename().string());
            lines.push_back(base.filename().string() + '\t' + base.string() + '\t' + script + '\t'
                + alphabetNote(base, cacheFolder).toStdString());
        }
    }
    const auto first = DictionaryLocator::find(language, folders);
    QString said;
    if (language && first)
        said = translated(QT_TRANSLATE_NOOP("DictionaryOption",
                              "the locale asks for %1; the search tries %2 first (%3)"))
                   .arg(text(*language), text(first->filename().string()), text(first->string()));
    else if (language)
        said = translated(QT_TRANSLATE_NOOP("DictionaryOption",
                              "the locale asks for %1; no dictionary of it or of en_US was found"))
                   .arg(text(*language));
    else if (first)
        said
            = translated(QT_TRANSLATE_NOOP("DictionaryOption",
                             "the locale names no language (American English); the search tries %1 "
                             "first (%2)"))
                  .arg(text(first->filename().string()), text(first->string()));
    else
        said = translated(QT_TRANSLATE_NOOP("DictionaryOption",
            "the locale names no language (American English); no dictionary of it or of en_US "
            "was found"));
    lines.push_back(said.toStdString());
    return lines;
}
