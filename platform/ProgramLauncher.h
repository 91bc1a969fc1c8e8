// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Starts programs and web pages without waiting for them.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // The path is the whole command: no arguments are added. False when the
    // program could not be started (missing, not executable, empty path).
    [[nodiscard]] virtual bool startDetached(const QString &programPath) = 0;
    // Opens an address in the desktop's web browser.
    virtual bool openUrl(const QString &address) = 0;
};
