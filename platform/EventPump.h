#pragma once

// Lets the window system handle every pending event (clicks, key presses,
// repaints) and returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};
