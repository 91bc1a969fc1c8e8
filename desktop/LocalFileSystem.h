// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

class LocalFileSystem final : public FileSystem {
public:
    [[nodiscard]] bool fileExists(const QString &path) override;
    [[nodiscard]] bool isOrdinaryFile(const QString &path) override;
};
