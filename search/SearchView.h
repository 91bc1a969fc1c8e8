// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColor &, const RgbColor &) = default;
};

inline constexpr RgbColor kDarkRed { 50, 0, 0 };
inline constexpr RgbColor kDarkGreen { 0, 50, 0 };

// What an analysis needs of the window, so that it runs the same in the
// main window, in tests and in the command-line tools.
class AnalysisView {
public:
    virtual ~AnalysisView() = default;

    // Progress values are single-precision floats: n! - 1 outgrows any int.
    virtual void setProgressRange(float minimum, float maximum) = 0;
    virtual void setProgressValue(float value) = 0;
    // The same progress as exact counts (done of total), for a view that
    // writes them out: 11 letters make 39,916,800 arrangements, past the
    // whole numbers a float holds. The window's bar needs only the scale.
    virtual void setProgressCount(double /*done*/, double /*total*/) { }
    // The same for the candidates the word index names, confirmed of those
    // named so far: a long word's take a while.
    virtual void setConfirmedCount(double /*confirmed*/, double /*named*/) { }
    virtual void setProgressVisible(bool visible) = 0;
    virtual void repaintProgress() = 0;
    virtual void setSearchingVisible(bool visible) = 0;
    virtual void setResultsColor(RgbColor color) = 0;
    virtual void setResultsText(const QString &text) = 0;
    // The letters typed.
    [[nodiscard]] virtual QString inputText() const = 0;
    virtual void setCancelVisible(bool visible) = 0;
};
