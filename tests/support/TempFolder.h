// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTemporaryDir>

// A folder that goes away with the test, and the files a test writes into it.
struct TempFolder {
    QTemporaryDir dir;

    // Writes (or rewrites) name with bytes and gives its path; empty if it could not.
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            return QString();
        return file.fileName();
    }
    [[nodiscard]] QString path(const QString &name) const { return dir.filePath(name); }
};
