// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramLauncher.h"

class QtProgramLauncher final : public ProgramLauncher {
public:
    [[nodiscard]] bool startDetached(const QString &programPath) override;
    bool openUrl(const QString &address) override;
};
