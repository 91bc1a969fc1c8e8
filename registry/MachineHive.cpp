// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/MachineHive.h"

#include "BuildConfig.h"

#include <QDir>

QString machineHivePath(const QString &programFolder)
{
    const QString configured = QString::fromUtf8(kConfigurationFolder);
    QString folder;
    if (QDir::isAbsolutePath(configured)) {
        folder = configured;
    } else {
        // The install step's rule (GNUInstallDirs): / and /usr keep their
        // configuration in /etc, every other prefix in a folder of its own.
        const QString prefix
            = QDir::cleanPath(programFolder + u'/' + QString::fromUtf8(kProgramToPrefix));
        folder = QDir::cleanPath((prefix == u"/usr" ? QString() : prefix) + u'/' + configured);
    }
    return folder + u'/' + QString::fromUtf8(kMachineHiveName);
}
