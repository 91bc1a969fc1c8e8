// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <vector>

// Notes the longest gap between two turns of the event loop, and every gap
// of at least noted seconds with when it began and the processor time the
// thread spent in it (on a loaded machine a gap is mostly a wait for a core).
class StallWatch {
public:
    struct Gap {
        double from = 0; // seconds since the start or the last restart
        double seconds = 0;
        double working = 0; // seconds of the thread's processor time
    };

    explicit StallWatch(double noted = 0.1)
        : m_noted(qint64(noted * 1e9))
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 gap = m_sinceTurn.nsecsElapsed();
            const double working = threadSeconds();
            m_longest = std::max(m_longest, gap);
            if (gap >= m_noted) {
                const qint64 now = m_sinceStart.nsecsElapsed();
                m_gaps.push_back(
                    { double(now - gap) / 1e9, double(gap) / 1e9, working - m_workingAtTurn });
            }
            m_workingAtTurn = working;
            m_sinceTurn.start();
        });
        m_sinceTurn.start();
        m_sinceStart.start();
        m_workingAtTurn = threadSeconds();
        m_timer.start();
    }
    [[nodiscard]] double longestSeconds() const { return double(m_longest) / 1e9; }
    [[nodiscard]] const std::vector<Gap> &gaps() const { return m_gaps; }
    // Seconds since the start or the last restart.
    [[nodiscard]] double now() const { return double(m_sinceStart.nsecsElapsed()) / 1e9; }
    // Starts again from now, forgetting what went before.
    void restart()
    {
        m_longest = 0;
        m_gaps.clear();
        m_sinceTurn.start();
        m_sinceStart.start();
    }

private:
    static double threadSeconds()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    }

    QTimer m_timer;
    QElapsedTimer m_sinceTurn;
    QElapsedTimer m_sinceStart;
    qint64 m_longest = 0;
    qint64 m_noted;
    double m_workingAtTurn = 0;
    std::vector<Gap> m_gaps;
};
