// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

struct OpenFileResult {
    enum class Status { Accepted, Cancelled, Failed };
    Status status = Status::Cancelled;
    QString fileName; // when accepted
    QString errorDescription; // when failed
};

// A modal Open dialog. The filter is written "Description|pattern", pairs
// separated by "|".
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    [[nodiscard]] virtual OpenFileResult showOpen(QWidget *parent, const QString &filter) = 0;
};
