// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// Window layouts are given in twips, 1/1440 inch: 15 make a pixel at 96 dots
// per inch, and Qt's device-independent pixels scale from there.
[[nodiscard]] inline int pixelsFromTwips(int twips)
{
    return qRound(twips / 15.0);
}

[[nodiscard]] inline QRect fromTwips(int left, int top, int width, int height)
{
    return { pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
        pixelsFromTwips(height) };
}

// Names a control (for tests and accessibility tools) and puts it in place.
template<typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}
