// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelperPath.h"

#include "BuildConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

std::filesystem::path helperPath(const QString &programFolder)
{
    const QDir folder(programFolder);
    for (const QString &path : { folder.filePath(QString::fromLatin1(kHelperName)),
             folder.filePath(QString::fromLatin1(kProgramToHelper) + QLatin1Char('/')
                 + QString::fromLatin1(kHelperName)) }) {
        const QFileInfo file(QDir::cleanPath(path));
        if (file.isFile() && file.isExecutable())
            return QFile::encodeName(file.filePath()).toStdString();
    }
    return {};
}

std::filesystem::path cacheFolder()
{
    // GenericCacheLocation is $XDG_CACHE_HOME, else ~/.cache.
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/quorvel"))
        .toStdString();
}
