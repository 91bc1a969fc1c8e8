#pragma once

#include "search/SearchView.h"

// A window that only remembers what a run shows, for the command-line tools.
class HeadlessView final : public AnalysisView {
public:
    explicit HeadlessView(QString input = {})
        : m_input(std::move(input))
    {
    }

    void setProgressRange(float, float) override { }
    void setProgressValue(float) override { ++m_progressUpdates; }
    void setProgressVisible(bool) override { }
    void repaintProgress() override { }
    void setSearchingVisible(bool) override { }
    void setResultsColor(RgbColor) override { }
    void setResultsText(const QString &text) override { m_results = text; }
    void processPendingEvents() override { }
    [[nodiscard]] QString inputText() const override { return m_input; }
    void setCancelVisible(bool) override { }

    [[nodiscard]] const QString &resultsText() const { return m_results; }
    // One update per arrangement tried.
    [[nodiscard]] double progressUpdates() const { return m_progressUpdates; }

private:
    QString m_input;
    QString m_results;
    double m_progressUpdates = 0;
};
