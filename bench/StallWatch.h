// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>

// Notes the longest gap between two turns of the event loop.
class StallWatch {
public:
    StallWatch()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTurn.nsecsElapsed());
            m_sinceTurn.start();
        });
        m_sinceTurn.start();
        m_timer.start();
    }
    [[nodiscard]] double longestSeconds() const { return double(m_longest) / 1e9; }
    // Starts again from now, forgetting what went before.
    void restart()
    {
        m_longest = 0;
        m_sinceTurn.start();
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTurn;
    qint64 m_longest = 0;
};
