// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"
#include "platform/ProgramLauncher.h"

#include <QSet>
#include <QStringList>

// Records what would have been started; a start succeeds for the paths the
// test names (every non-empty path by default).
class RecordingLauncher final : public ProgramLauncher {
public:
    bool startDetached(const QString &programPath) override
    {
        started.append(programPath);
        return startable ? startable->contains(programPath) : !programPath.isEmpty();
    }
    bool openUrl(const QString &address) override
    {
        opened.append(address);
        return browserStarts;
    }

    std::optional<QSet<QString>> startable;
    bool browserStarts = true;
    QStringList started;
    QStringList opened;
};

// Files that exist only because the test says so.
class FakeFileSystem final : public FileSystem {
public:
    bool fileExists(const QString &path) override
    {
        asked.append(path);
        return files.contains(path);
    }
    bool isOrdinaryFile(const QString &path) override { return fileExists(path); }

    QSet<QString> files;
    QStringList asked;
};
