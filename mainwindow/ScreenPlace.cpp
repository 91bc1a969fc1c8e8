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

int scrollBarOf(const QWidget &window)
{
    return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
}

QRect frameGeometryOf(const QWidget &window)
{
    // The window's own record of its frame is fresher than the widget's.
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameGeometry() : window.frameGeometry();
}

} // namespace

QRect placedFrame(const QRect &available, QSize client, const QMargins &frame, int scrollBar)
{
    // A side cut short brings its scroll bar, which takes room from the other
    // side: that side grows by the bar where the free area has room for it,
    // so that no second bar comes only for the first one's sake.
    QSize wanted = client.grownBy(frame);
    const QSize room = available.size();
    const bool cutHeight = wanted.height() > room.height();
    if (cutHeight)
        wanted.rwidth() += scrollBar;
    if (wanted.width() > room.width()) {
        wanted.rheight() += scrollBar;
        if (!cutHeight && wanted.height() > room.height())
            wanted.rwidth() += scrollBar;
    }
    // No larger than the free area, the centred frame cannot reach above or
    // left of it either.
    QRect placed(QPoint(), wanted.boundedTo(room));
    placed.moveCenter(available.center());
    return placed;
}

bool frameKnown(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return handle && !handle->frameMargins().isNull();
}

namespace {

QMargins frameGuessed(const QWidget &window, const QScreen &screen)
{
    QMargins frame = frameOf(window);
    // Scaled, a frame a third of a pixel wide is told as none: a pixel more
    // on each side keeps its border on the screen too.
    if (screen.devicePixelRatio() != 1)
        frame += QMargins(1, 1, 1, 1);
    return frame;
}

QRect clientPlaced(const QWidget &window, const QScreen &screen, QSize designed)
{
    const QMargins frame = frameGuessed(window, screen);
    return placedFrame(screen.availableGeometry(), designed, frame, scrollBarOf(window))
        .marginsRemoved(frame);
}

} // namespace

QRect placeOnScreen(QWidget &window, const QScreen &screen, QSize designed)
{
    // The window manager puts its frame around the window where it stands:
    // placed inside the frame it is given room for, the title bar is on the
    // screen as long as the real one is no taller than the guess.
    const QRect placed = clientPlaced(window, screen, designed);
    window.setGeometry(placed);
    return placed;
}

bool placeAgainOnceFramed(QWidget &window, QSize designed, QRect &asked)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return true;
    if (!frameKnown(window))
        return false;
    // A window of its designed size is left where it opened, a few pixels
    // off the middle at most: moved now, it would be seen to jump.
    const QRect placed = clientPlaced(window, *screen, designed);
    if (screen->availableGeometry().contains(frameGeometryOf(window))
        && window.size() == placed.size())
        return true;
    // Not every window manager reads a window's place alike: some put the
    // frame where the window asked to be. Asked again, the window allows for
    // how far from the place asked for it was put.
    const QPoint off = window.geometry().topLeft() - asked.topLeft();
    asked = placed.translated(-off);
    window.setGeometry(asked);
    return false;
}
