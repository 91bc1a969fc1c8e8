// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QScreen>
#include <QString>

// Window layouts are given in twips, 1/1440 inch. Like the platform they were
// drawn on, they follow the screen's logical DPI: 15 twips make a pixel at 96,
// 12 at 120, 10 at 144. Where Qt itself scales by a device pixel ratio, the
// logical DPI it reports stays at 96 and the ratio does the rest.
inline constexpr qreal kTwipsPerInch = 1440;
inline constexpr qreal kBaseDpi = 96;

[[nodiscard]] constexpr int pixelsFromTwips(int twips, qreal dpi)
{
    return qRound(twips * dpi / kTwipsPerInch);
}

[[nodiscard]] constexpr QRect fromTwips(int left, int top, int width, int height, qreal dpi)
{
    return { pixelsFromTwips(left, dpi), pixelsFromTwips(top, dpi), pixelsFromTwips(width, dpi),
        pixelsFromTwips(height, dpi) };
}

// The logical DPI a window on this screen is laid out at.
[[nodiscard]] inline qreal layoutDpi(const QScreen *screen)
{
    return screen && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : kBaseDpi;
}

// Names a control (for tests and accessibility tools) and puts it in place.
template<typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}
