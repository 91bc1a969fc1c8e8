// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramTerminator.h"

class QtProgramTerminator final : public ProgramTerminator {
public:
    void endNow() override;
    [[nodiscard]] bool isEnding() const override { return m_ending; }

private:
    bool m_ending = false;
};
