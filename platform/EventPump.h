// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets the window system handle every pending event (clicks, key presses,
// repaints) and returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
    // Waits until an event comes, or until wake() is called, and handles
    // what came. A pump without events of its own only handles what is
    // pending.
    virtual void waitForEvents() { processPendingEvents(); }
    // Ends a waitForEvents() under way, or the next one; any thread may call it.
    virtual void wake() { }
};
