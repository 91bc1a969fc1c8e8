// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EventPump.h"

class QtEventPump final : public EventPump {
public:
    void processPendingEvents() override;
    void waitForEvents() override;
    void wake() override;
};
