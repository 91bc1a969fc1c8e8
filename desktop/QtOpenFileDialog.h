// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/OpenFileDialog.h"

class QtOpenFileDialog final : public OpenFileDialog {
public:
    [[nodiscard]] OpenFileResult showOpen(QWidget *parent, const QString &filter) override;
    // "Help File (*.chm)|*.chm" as Qt writes filters: "Help File (*.chm)".
    [[nodiscard]] static QString qtFilter(const QString &filter);
};
