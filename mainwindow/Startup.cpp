// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Startup.h"

#include "registry/basRegistry.h"

#include <QWidget>

QString defaultHelpFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/help/qv.chm");
}

void Form_Load(QWidget &window, Registry &registry, QString &HelpFile, const QString &programFolder)
{
    window.hide();
    // Taken as stored, spaces and all; whether a file is there is the help
    // command's question, asked when help is wanted.
    const QString stored = basRegistry::GetHelpFileLocation(registry);
    HelpFile = stored.isEmpty() ? defaultHelpFile(programFolder) : stored;
    window.show();
}
