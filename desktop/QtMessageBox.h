// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <memory>

class QMessageBox;
class QWidget;

class QtMessageBox final : public MessageBox {
public:
    [[nodiscard]] MessageAnswer show(const MessageRequest &request) override;

    // The box show() opens, not yet open: its buttons are Qt's standard
    // ones, which Qt's catalogue words in the user's language.
    [[nodiscard]] static std::unique_ptr<QMessageBox> makeBox(
        const MessageRequest &request, QWidget *parent);
};
