// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

class QtMessageBox final : public MessageBox {
public:
    [[nodiscard]] MessageAnswer show(const MessageRequest &request) override;
};
