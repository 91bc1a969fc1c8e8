// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressLine.h"

#include <QCoreApplication>

namespace {

// A run shorter than this needs no progress; a line redrawn more often
// than the other only flickers.
constexpr auto kShowAfter = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

// Back to the start of the line, and the rest of it erased.
constexpr char kClearLine[] = "\r\x1b[K";

} // namespace

ProgressLine::ProgressLine(Write write, Clock clock)
    : m_write(std::move(write))
    , m_clock(std::move(clock))
    , m_started(m_clock())
    , m_countStarted(m_started)
{
}

void ProgressLine::update(std::size_t done, std::size_t total, const char *what)
{
    const auto now = m_clock();
    if (total != m_total) {
        m_total = total;
        m_countStarted = now;
    }
    if (!due(now))
        return;
    const double seconds = std::chrono::duration<double>(now - m_countStarted).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const QString counted = QCoreApplication::translate("ProgressLine", what);
    if (rate > 0 && done < total)
        draw(QCoreApplication::translate("ProgressLine", "%1 of %2 %3, %4/s, about %5 s left")
                 .arg(static_cast<qulonglong>(done))
                 .arg(static_cast<qulonglong>(total))
                 .arg(counted)
                 .arg(rate, 0, 'f', 0)
                 .arg(static_cast<double>(total - done) / rate, 0, 'f', 0),
            now);
    else
        draw(QCoreApplication::translate("ProgressLine", "%1 of %2 %3")
                 .arg(static_cast<qulonglong>(done))
                 .arg(static_cast<qulonglong>(total))
                 .arg(counted),
            now);
}

void ProgressLine::waiting(const char *what, std::chrono::seconds left)
{
    const auto now = m_clock();
    if (!due(now))
        return;
    draw(QCoreApplication::translate("ProgressLine", "%1, about %2 s left")
             .arg(QCoreApplication::translate("ProgressLine", what))
             .arg(static_cast<qlonglong>(left.count())),
        now);
}

bool ProgressLine::due(std::chrono::steady_clock::time_point now) const
{
    return now - m_started >= kShowAfter && (!m_shown || now - m_drawn >= kRedrawEvery);
}

void ProgressLine::draw(const QString &text, std::chrono::steady_clock::time_point now)
{
    m_write(kClearLine + text.toStdString());
    m_drawn = now;
    m_shown = true;
}

void ProgressLine::clear()
{
    if (m_shown)
        m_write(kClearLine);
    m_shown = false;
}
