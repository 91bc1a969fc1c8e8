// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FreshKeysOnly.h"
#include "platform/MessageBox.h"

#include <memory>

class QMessageBox;

class QtMessageBox final : public MessageBox {
public:
    [[nodiscard]] MessageAnswer show(const MessageRequest &request) override;
    // The box show() runs, made but not yet shown: its buttons are Qt's
    // standard ones, which Qt's catalogue words in the user's language.
    [[nodiscard]] std::unique_ptr<QMessageBox> build(const MessageRequest &request);

private:
    KeyReleases m_releases; // from the start, so that a box knows the keys held before it
};
