// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Questions about files, asked the way the program's commands need them.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // An existing regular file (not a folder).
    [[nodiscard]] virtual bool fileExists(const QString &path) = 0;
    // An existing regular file that a directory search lists by default:
    // not a folder and not hidden (a dot file).
    [[nodiscard]] virtual bool isOrdinaryFile(const QString &path) = 0;
};
