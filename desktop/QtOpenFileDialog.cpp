// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtOpenFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

QString QtOpenFileDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        entries.append(description.endsWith(QLatin1Char(')'))
                ? description
                : description + QStringLiteral(" (") + patterns + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

OpenFileResult QtOpenFileDialog::showOpen(QWidget *parent, const QString &filter)
{
    const QString chosen
        = QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter(filter));
    if (chosen.isEmpty())
        return { OpenFileResult::Status::Cancelled, {}, {} };
    // The dialog lists files the user may not read; say so now rather than
    // open a viewer that can only show an error. (A permission test, not an
    // open: opening a FIFO would wait for a writer.)
    if (!QFileInfo(chosen).isReadable())
        return { OpenFileResult::Status::Failed, {},
            QCoreApplication::translate("QtOpenFileDialog", "Permission denied: %1")
                .arg(QDir::toNativeSeparators(chosen)) };
    return { OpenFileResult::Status::Accepted, chosen, {} };
}
