#pragma once

#include "platform/FileSystem.h"

class LocalFileSystem final : public FileSystem {
public:
    [[nodiscard]] bool fileExists(const QString &path) override;
    [[nodiscard]] bool isOrdinaryFile(const QString &path) override;
};
