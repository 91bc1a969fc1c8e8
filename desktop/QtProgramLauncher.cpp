// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtProgramLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool QtProgramLauncher::startDetached(const QString &programPath)
{
    if (programPath.isEmpty())
        return false;
    return QProcess::startDetached(programPath, {});
}

bool QtProgramLauncher::openUrl(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}
