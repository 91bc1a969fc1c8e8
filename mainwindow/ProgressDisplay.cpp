// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"

#include <QLocale>
#include <cmath>

namespace {

// Steps of the underlying bar: finer than any bar is wide in pixels.
constexpr int kSteps = 10000;
// The estimate needs a second of the run to go on.
constexpr qint64 kEstimateAfterMs = 1000;
// Tooltip and description follow the bar at most this often.
constexpr qint64 kTextEveryMs = 200;

// Counts that a float carries: n! - 1 past 2^24 rounds to n! itself, and one
// more is then no more at all, which keeps "of n!" right for 11 and 12 letters.
[[nodiscard]] float countAfter(float value)
{
    return static_cast<float>(static_cast<double>(value) + 1.0);
}

[[nodiscard]] QString countText(float count)
{
    if (!std::isfinite(count) || count >= 9e18f)
        return QLocale().toString(static_cast<double>(count), 'g', 3);
    return QLocale().toString(static_cast<qlonglong>(count));
}

[[nodiscard]] QString timeLeftText(double seconds)
{
    if (seconds < 90)
        return ProgressDisplay::tr("about %n second(s) left", nullptr, qMax(1, qRound(seconds)));
    if (seconds < 90 * 60)
        return ProgressDisplay::tr("about %n minute(s) left", nullptr, qRound(seconds / 60));
    if (seconds < 48 * 3600)
        return ProgressDisplay::tr("about %n hour(s) left", nullptr, qRound(seconds / 3600));
    if (seconds < 3 * 365 * 86400.0)
        return ProgressDisplay::tr("about %n day(s) left", nullptr, qRound(seconds / 86400));
    return ProgressDisplay::tr("years left");
}

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
    m_running = true;
    m_clock.start();
    m_textShownAt = -1;
    (void)updateDrawnPosition();
}

void ProgressDisplay::setValue(float value)
{
    m_value = value;
    // The text follows the bar: it is worth a look only when the bar moved.
    if (updateDrawnPosition() || m_textShownAt < 0)
        updateRunText();
}

void ProgressDisplay::endRun()
{
    m_running = false;
    setToolTip(QString());
    setAccessibleDescription(tr("No analysis is running."));
}

QString ProgressDisplay::runText() const
{
    const float total = countAfter(m_maximum - m_minimum);
    const float done = std::min(countAfter(m_value - m_minimum), total);
    QString text = tr("%1 of %2").arg(countText(done), countText(total));
    const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
    if (elapsed >= kEstimateAfterMs && done > 0 && std::isfinite(total) && done < total) {
        const double left = elapsed / 1000.0 * (double(total) - done) / done;
        text += QStringLiteral(", ") + timeLeftText(left);
    }
    return text;
}

void ProgressDisplay::updateRunText()
{
    if (!m_running)
        return;
    const qint64 now = m_clock.elapsed();
    if (m_textShownAt >= 0 && now - m_textShownAt < kTextEveryMs && m_value < m_maximum)
        return;
    m_textShownAt = now;
    const QString text = runText();
    setToolTip(text);
    setAccessibleDescription(text);
}

bool ProgressDisplay::updateDrawnPosition()
{
    const float span = m_maximum - m_minimum;
    // An empty range (one letter: 0 to 0) or an endless one (n! past float)
    // draws as full once the value reaches the maximum, else as empty.
    const float fraction = span > 0 && std::isfinite(span) ? (m_value - m_minimum) / span
                                                           : (m_value >= m_maximum ? 1.0f : 0.0f);
    const int drawn = static_cast<int>(std::clamp(fraction, 0.0f, 1.0f) * kSteps);
    if (drawn == m_drawn)
        return false;
    m_drawn = drawn;
    QProgressBar::setValue(drawn);
    return true;
}
