// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the whole program at once. The real one closes every window and leaves
// every event loop; code that is running when it is called (a search nested
// in the event loop) asks isEnding() and returns without touching anything.
class ProgramTerminator {
public:
    virtual ~ProgramTerminator() = default;
    virtual void endNow() = 0;
    [[nodiscard]] virtual bool isEnding() const = 0;
};
