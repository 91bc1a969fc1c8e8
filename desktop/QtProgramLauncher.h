#pragma once

#include "platform/ProgramLauncher.h"

class QtProgramLauncher final : public ProgramLauncher {
public:
    [[nodiscard]] bool startDetached(const QString &programPath) override;
    bool openUrl(const QString &address) override;
};
