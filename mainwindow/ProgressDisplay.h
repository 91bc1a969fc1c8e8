// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>
#include <QTimer>
#include <functional>

// The progress bar of a search. It keeps minimum, maximum and value as
// floats, as the run gives them (n! - 1 outgrows any int), and touches the
// widget only when the drawn position would move: a run sets the value once
// per arrangement, millions of times a second. Its tooltip and accessible
// description tell how many arrangements are done and, once the run has gone
// on for a second, about how long the rest will take; they follow the run
// while it goes on, a tooltip on the screen too.
class ProgressDisplay : public QProgressBar {
    Q_OBJECT

public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    explicit ProgressDisplay(QWidget *parent = nullptr, Clock clock = {});

    // A run sets the range first: its clock starts there.
    void setRange(float minimum, float maximum);
    void setValue(float value);
    // The run is over (done or cancelled): the count no longer applies.
    void endRun();

    [[nodiscard]] float minimumValue() const { return m_minimum; }
    [[nodiscard]] float maximumValue() const { return m_maximum; }
    [[nodiscard]] float value() const { return m_value; }
    // "1,234,567 of 3,628,800", and the time left once it can be told.
    [[nodiscard]] QString runText() const;

protected:
    bool event(QEvent *event) override;

private:
    // True when the bar moved.
    bool updateDrawnPosition();
    void showRunText();

    float m_minimum = 0;
    float m_maximum = 100;
    float m_value = 0;
    int m_drawn = 0;
    bool m_running = false;
    bool m_textShown = false;
    Clock m_clock;
    qint64 m_startedAt = 0;
    // The text is told again on this beat, not per value: the bar of a long
    // run may not move for seconds, and the time left changes all the same.
    QTimer m_refresh;
    QPoint m_tipAt; // where the tooltip was asked for, in screen coordinates
};
