// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

// The progress of a long run on a terminal: from a second on, one line
// with how many are done of how many, the rate and the time left, drawn
// over itself and cleared at the end. The clock is the caller's, so that
// a test can move it on by hand.
class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using Write = std::function<void(const std::string &)>;

    ProgressLine(Write write, Clock clock);

    // done of total for what is counted now (a text marked for translation
    // in the context "ProgressLine"); a new total starts a new count.
    void update(std::size_t done, std::size_t total, const char *what);
    // Something being waited for (marked as what is counted is), and about
    // how long it still takes.
    void waiting(const char *what, std::chrono::seconds left);
    // Clears the line, if one was drawn.
    void clear();

private:
    // Whether it is time to draw; then the text is drawn.
    [[nodiscard]] bool due(std::chrono::steady_clock::time_point now) const;
    void draw(const QString &text, std::chrono::steady_clock::time_point now);

    Write m_write;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_countStarted;
    std::chrono::steady_clock::time_point m_drawn {};
    std::size_t m_total = 0;
    bool m_shown = false;
};
