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
// menus would be out of reach. The result is the frame's rectangle.
[[nodiscard]] QRect placedFrame(const QRect &available, QSize client, const QMargins &frame);

// Places a top-level window that is about to open on a screen: designed is
// its client size. Until the window manager has put its frame around the
// window, the frame is a guess; once the real one is known,
// placeAgainOnceFramed() mends a place that the guess left outside the free
// area, or smaller than the room there is.
void placeOnScreen(QWidget &window, const QScreen &screen, QSize designed);
void placeAgainOnceFramed(QWidget &window, QSize designed);
