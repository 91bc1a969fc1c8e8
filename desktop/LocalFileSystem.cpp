// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LocalFileSystem.h"

#include <filesystem>

bool LocalFileSystem::fileExists(const QString &path)
{
    std::error_code error;
    return !path.isEmpty() && std::filesystem::is_regular_file(path.toStdString(), error);
}

bool LocalFileSystem::isOrdinaryFile(const QString &path)
{
    const std::filesystem::path file(path.toStdString());
    return fileExists(path) && !file.filename().string().starts_with('.');
}
