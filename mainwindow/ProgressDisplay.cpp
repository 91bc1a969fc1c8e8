// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"

#include <cmath>

namespace {

// Steps of the underlying bar: finer than any bar is wide in pixels.
constexpr int kSteps = 10000;

} // namespace

ProgressDisplay::ProgressDisplay(QWidget *parent)
    : QProgressBar(parent)
{
    QProgressBar::setRange(0, kSteps);
    QProgressBar::setValue(0);
    setTextVisible(false);
}

void ProgressDisplay::setRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    updateDrawnPosition();
}

void ProgressDisplay::setValue(float value)
{
    m_value = value;
    updateDrawnPosition();
}

void ProgressDisplay::updateDrawnPosition()
{
    const float span = m_maximum - m_minimum;
    // An empty range (one letter: 0 to 0) or an endless one (n! past float)
    // draws as full once the value reaches the maximum, else as empty.
    const float fraction = span > 0 && std::isfinite(span) ? (m_value - m_minimum) / span
                                                           : (m_value >= m_maximum ? 1.0f : 0.0f);
    const int drawn = static_cast<int>(std::clamp(fraction, 0.0f, 1.0f) * kSteps);
    if (drawn == m_drawn)
        return;
    m_drawn = drawn;
    QProgressBar::setValue(drawn);
}
