// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
class Registry;

// The main window's load handler: with the window kept hidden, HelpFile gets
// the help file location stored in the machine registry, or, when none is
// stored, "help/qv.chm" under the program's folder; then the window is shown.
void Form_Load(
    QWidget &window, Registry &registry, QString &HelpFile, const QString &programFolder);

[[nodiscard]] QString defaultHelpFile(const QString &programFolder);
