// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExitStatus.h"

#include <QCoreApplication>
#include <cstdio>

ExitStatus tellRefusal(const CommandRefusal &refusal, const QString &program)
{
    std::fprintf(stderr, "%s\n", qPrintable(refusal.message));
    if (refusal.status == ExitStatus::Usage)
        std::fprintf(stderr, "%s\n",
            qPrintable(
                QCoreApplication::translate("ExitStatus", "Try '%1 --help' for more information.")
                    .arg(program)));
    return refusal.status;
}
