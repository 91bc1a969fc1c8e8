// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EventPump.h"
#include "search/SearchView.h"
#include "tests/support/CallLog.h"

#include <QList>
#include <functional>

// A window that keeps what the search showed and logs every call; its
// event passes are counted and may run a test's own action.
class RecordingView final : public AnalysisView, public EventPump {
public:
    explicit RecordingView(CallLog &log)
        : m_log(log)
    {
    }

    void setProgressRange(float minimum, float maximum) override
    {
        progressMinimum = minimum;
        progressMaximum = maximum;
        m_log.add(QStringLiteral("progress range"));
    }
    void setProgressValue(float value) override { progressValue = value; }
    void setProgressVisible(bool) override { }
    void repaintProgress() override { repaintedAt.append(progressValue); }
    void setSearchingVisible(bool visible) override { searchingVisible = visible; }
    void setResultsColor(RgbColor color) override
    {
        resultsColor = color;
        m_log.add(QStringLiteral("results color"));
    }
    void setResultsText(const QString &text) override
    {
        resultsText = text;
        m_log.add(QStringLiteral("results: ") + text);
    }
    void processPendingEvents() override
    {
        ++eventPasses;
        if (onEvents)
            onEvents();
    }
    QString inputText() const override { return input; }
    void setCancelVisible(bool visible) override
    {
        m_log.add(visible ? QStringLiteral("cancel shown") : QStringLiteral("cancel hidden"));
    }

    QString input;
    float progressMinimum = 0;
    float progressMaximum = 100;
    float progressValue = 0;
    bool searchingVisible = false; // the window shows it; a run must too
    QString resultsText;
    RgbColor resultsColor;
    QList<float> repaintedAt;
    int eventPasses = 0;
    std::function<void()> onEvents;

private:
    CallLog &m_log;
};
