// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>

// The progress bar of a search. It keeps minimum, maximum and value as
// floats, as the run gives them (n! - 1 outgrows any int), and touches the
// widget only when the drawn position would move: a run sets the value once
// per arrangement, millions of times a second. Its tooltip and accessible
// description tell how many arrangements are done and, once the run has gone
// on for a second, about how long the rest will take.
class ProgressDisplay : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressDisplay(QWidget *parent = nullptr);

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

private:
    // True when the bar moved.
    bool updateDrawnPosition();
    void updateRunText();

    float m_minimum = 0;
    float m_maximum = 100;
    float m_value = 0;
    int m_drawn = 0;
    bool m_running = false;
    QElapsedTimer m_clock;
    qint64 m_textShownAt = -1;
};
