// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The machine hive of the tree the program was installed into, found from the
// folder of the running program, so that an install under any prefix reads
// its own hive. A program that was never installed finds no file there.
[[nodiscard]] QString machineHivePath(const QString &programFolder);
