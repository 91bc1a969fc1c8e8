// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramTerminator.h"
#include "tests/support/CallLog.h"

// Records the end of the program in the shared log instead of ending it, so
// a test can assert that nothing ran after it.
class FakeTerminator final : public ProgramTerminator {
public:
    static inline const QString kEntry = QStringLiteral("PROGRAM END");

    explicit FakeTerminator(CallLog *log = nullptr)
        : m_log(log)
    {
    }

    void endNow() override
    {
        ++m_endCount;
        if (m_log)
            m_log->add(kEntry);
    }
    [[nodiscard]] bool isEnding() const override { return m_endCount > 0; }
    [[nodiscard]] int endCount() const { return m_endCount; }

private:
    CallLog *m_log;
    int m_endCount = 0;
};
