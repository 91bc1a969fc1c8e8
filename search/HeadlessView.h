// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/SearchView.h"

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>

// A window that only remembers what a run shows, for the command-line tools.
class HeadlessView final : public AnalysisView {
public:
    explicit HeadlessView(QString input = {})
        : m_input(std::move(input))
    {
    }

    // Each run sets the range first.
    void setProgressRange(float, float) override { m_progressUpdates = 0; }
    // One value for each arrangement; the counts told come exact apart.
    void setProgressValue(float) override { ++m_progressUpdates; }
    void setProgressCount(double done, double total) override
    {
        if (m_progress)
            m_progress(done, total);
    }
    void setConfirmedCount(double confirmed, double named) override
    {
        if (m_confirmed)
            m_confirmed(confirmed, named);
    }
    void setProgressVisible(bool) override { }
    void repaintProgress() override { }
    void setSearchingVisible(bool) override { }
    void setResultsColor(RgbColor) override { }
    void setResultsText(const QString &text) override { m_results = text; }
    [[nodiscard]] QString inputText() const override { return m_input; }
    void setCancelVisible(bool) override { }

    [[nodiscard]] const QString &resultsText() const { return m_results; }
    // One update per arrangement tried.
    [[nodiscard]] double progressUpdates() const { return m_progressUpdates; }
    // Told each update: how far the run is, of how far it goes.
    void setProgressReport(std::function<void(double done, double total)> report)
    {
        m_progress = std::move(report);
    }
    // Told as the candidates the word index names are confirmed.
    void setConfirmedReport(std::function<void(double confirmed, double named)> report)
    {
        m_confirmed = std::move(report);
    }

private:
    QString m_input;
    QString m_results;
    double m_progressUpdates = 0;
    std::function<void(double done, double total)> m_progress;
    std::function<void(double confirmed, double named)> m_confirmed;
};

// Every message goes to stderr; a question is answered Yes, so the tools
// never stop to ask.
class StderrMessageBox final : public MessageBox {
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

// No window, so no events to handle: a wait only ends when woken.
class NoEvents final : public EventPump {
public:
    void processPendingEvents() override { }
    void waitForEvents() override
    {
        std::unique_lock lock(m_mutex);
        m_woken.wait(lock, [this] { return m_wake; });
        m_wake = false;
    }
    void wake() override
    {
        {
            const std::lock_guard lock(m_mutex);
            m_wake = true;
        }
        m_woken.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_wake = false;
};

// Remembers that the program is to end; the tool then returns from main.
class FlagTerminator final : public ProgramTerminator {
public:
    void endNow() override { m_ending = true; }
    [[nodiscard]] bool isEnding() const override { return m_ending; }

private:
    bool m_ending = false;
};
