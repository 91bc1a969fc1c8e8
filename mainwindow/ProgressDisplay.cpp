// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"

#include <QHelpEvent>
#include <QLocale>
#include <QToolTip>
#include <chrono>
#include <cmath>

namespace {

// Steps of the underlying bar: finer than any bar is wide in pixels.
constexpr int kSteps = 10000;
// The estimate needs a second of the run to go on.
constexpr qint64 kEstimateAfterMs = 1000;
// Tooltip and description follow the run this often.
constexpr int kTextEveryMs = 200;

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

[[nodiscard]] qint64 steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

ProgressDisplay::ProgressDisplay(QWidget *parent, Clock clock)
    : QProgressBar(parent)
    , m_clock(clock ? std::move(clock) : steadyMilliseconds)
{
    QProgressBar::setRange(0, kSteps);
    QProgressBar::setValue(0);
    setTextVisible(false);
    m_refresh.setInterval(kTextEveryMs);
    connect(&m_refresh, &QTimer::timeout, this, &ProgressDisplay::showRunText);
}

void ProgressDisplay::setRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_running = true;
    m_textShown = false;
    m_startedAt = m_clock();
    m_refresh.start();
    (void)updateDrawnPosition();
}

void ProgressDisplay::setValue(float value)
{
    m_value = value;
    (void)updateDrawnPosition();
    // The run's first count is told at once, the others on the beat.
    if (!m_textShown)
        showRunText();
}

void ProgressDisplay::endRun()
{
    m_running = false;
    m_refresh.stop();
    if (QToolTip::isVisible() && QToolTip::text() == toolTip())
        QToolTip::hideText();
    setToolTip(QString());
    setAccessibleDescription(tr("No analysis is running."));
}

QString ProgressDisplay::runText() const
{
    const float total = countAfter(m_maximum - m_minimum);
    const float done = std::min(countAfter(m_value - m_minimum), total);
    QString text = tr("%1 of %2").arg(countText(done), countText(total));
    const qint64 elapsed = m_running ? m_clock() - m_startedAt : 0;
    if (elapsed >= kEstimateAfterMs && done > 0 && std::isfinite(total) && done < total) {
        const double left = elapsed / 1000.0 * (double(total) - done) / done;
        text += QStringLiteral(", ") + timeLeftText(left);
    }
    return text;
}

bool ProgressDisplay::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        m_tipAt = static_cast<QHelpEvent *>(event)->globalPos();
    return QProgressBar::event(event);
}

void ProgressDisplay::showRunText()
{
    if (!m_running)
        return;
    m_textShown = true;
    const QString text = runText();
    // A tooltip on the screen keeps the text it was shown with; shown again
    // where it stands, it tells the new one.
    const bool tipShown = QToolTip::isVisible() && QToolTip::text() == toolTip();
    setToolTip(text);
    setAccessibleDescription(text);
    if (tipShown)
        QToolTip::showText(m_tipAt, text, this);
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
