// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>

// The progress bar of a search. It keeps minimum, maximum and value as
// floats, as the run gives them (n! - 1 outgrows any int), and touches the
// widget only when the drawn position would move: a run sets the value once
// per arrangement, millions of times a second.
class ProgressDisplay : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressDisplay(QWidget *parent = nullptr);

    void setRange(float minimum, float maximum);
    void setValue(float value);

    [[nodiscard]] float minimumValue() const { return m_minimum; }
    [[nodiscard]] float maximumValue() const { return m_maximum; }
    [[nodiscard]] float value() const { return m_value; }

private:
    void updateDrawnPosition();

    float m_minimum = 0;
    float m_maximum = 100;
    float m_value = 0;
    int m_drawn = 0;
};
