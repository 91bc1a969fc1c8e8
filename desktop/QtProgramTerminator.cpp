// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtProgramTerminator.h"

#include <QApplication>
#include <QWidget>

void QtProgramTerminator::endNow()
{
    m_ending = true;
    // Hide rather than close: a close event would run the windows' own close
    // handling, and the program is to end without asking or doing anything more.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    // Leaves every running event loop, nested ones included; whoever runs
    // inside them sees isEnding() and unwinds.
    QCoreApplication::exit(0);
}
