// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ScreenPlace.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

// The window manager tells the frame only once it has framed the window;
// before that, a title bar and a border as the style draws them stand in,
// which is rather more than most window managers take at a high scale.
QMargins frameOf(const QWidget &window)
{
    if (const QWindow *handle = window.windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    const QStyle *style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return { border, title + border, border, border };
}

QRect frameGeometryOf(const QWidget &window)
{
    // The window's own record of its frame is fresher than the widget's.
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameGeometry() : window.frameGeometry();
}

} // namespace

QRect placedFrame(const QRect &available, QSize client, const QMargins &frame)
{
    // No larger than the free area, the centred frame cannot reach above or
    // left of it either.
    QRect placed(QPoint(), client.grownBy(frame).boundedTo(available.size()));
    placed.moveCenter(available.center());
    return placed;
}

void placeOnScreen(QWidget &window, const QScreen &screen, QSize designed)
{
    QMargins frame = frameOf(window);
    // Scaled, a frame a third of a pixel wide is told as none: a pixel more
    // on each side keeps its border on the screen too.
    if (screen.devicePixelRatio() != 1)
        frame += QMargins(1, 1, 1, 1);
    // The window manager puts its frame around the window where it stands:
    // placed inside the frame it is given room for, the title bar is on the
    // screen as long as the real one is no taller than the guess.
    window.setGeometry(
        placedFrame(screen.availableGeometry(), designed, frame).marginsRemoved(frame));
}

void placeAgainOnceFramed(QWidget &window, QSize designed)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    // A window of its designed size is left where it opened, a few pixels
    // off the middle at most: moved now, it would be seen to jump.
    const bool outside = !screen->availableGeometry().contains(frameGeometryOf(window));
    const bool madeSmaller
        = window.width() < designed.width() || window.height() < designed.height();
    if (outside || madeSmaller)
        placeOnScreen(window, *screen, designed);
}
