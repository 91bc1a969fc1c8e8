// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

// Where a window opens: its frame centred in the screen's free area (the
// screen less its panels), made smaller where that area cannot hold the
// designed size, and never above or left of it, where the title bar and the
// menus would be out of reach. The client scrolls where it is cut short;
// the scroll bar's width (scrollBar) is added to the other side where there
// is room for it. The result is the frame's rectangle.
[[nodiscard]] QRect placedFrame(
    const QRect &available, QSize client, const QMargins &frame, int scrollBar);

// Whether the window manager has told the window's frame.
[[nodiscard]] bool frameKnown(const QWidget &window);

// Places a top-level window that is about to open on a screen: designed is
// its client size; gives the window's place asked for. Until the window
// manager has put its frame around the window, the frame is a guess.
QRect placeOnScreen(QWidget &window, const QScreen &screen, QSize designed);
// Once the frame is known, mends a place that the guess, or the window
// manager, left outside the free area, or smaller than the room there is;
// asked is the place last asked for, and is updated. Gives whether the window
// stands where it should (nothing was left to mend), else it is to be called
// again when the window has moved.
[[nodiscard]] bool placeAgainOnceFramed(QWidget &window, QSize designed, QRect &asked);
