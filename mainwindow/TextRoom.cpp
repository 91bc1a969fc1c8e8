// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/TextRoom.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

// Pixels between a label's text and the control right of it.
constexpr int kGap = 4;

// A button grows towards the window's middle, keeping its outer edge.
void widenButton(QPushButton &button, bool keepRightEdge)
{
    const int extra = widthForText(button) - button.width();
    if (extra <= 0)
        return;
    QRect box = button.geometry();
    if (keepRightEdge)
        box.setLeft(box.left() - extra);
    else
        box.setRight(box.right() + extra);
    button.setGeometry(box);
}

void widenLabel(QLabel &label)
{
    label.resize(std::max(label.width(), widthForText(label)), label.height());
}

void moveRight(QWidget *widget, int by)
{
    if (widget)
        widget->move(widget->x() + by, widget->y());
}

void widen(QWidget *widget, int by)
{
    if (widget)
        widget->resize(widget->width() + by, widget->height());
}

} // namespace

int widthForText(const QLabel &label)
{
    const int frame = label.width() - label.contentsRect().width();
    return QFontMetrics(label.font()).horizontalAdvance(label.text()) + frame;
}

int widthForText(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect room
        = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics(button.font());
    // Some air on both sides, as the designed captions have.
    return metrics.horizontalAdvance(button.text()) + button.width() - room.width()
        + metrics.averageCharWidth();
}

int makeRoomForTexts(const StepRows &steps)
{
    const int rightEdge = steps.results->geometry().right();
    int extra = 0;
    for (const StepRows::Row &row : steps.rows) {
        if (auto *button = qobject_cast<QPushButton *>(row.right))
            widenButton(*button, true);
        const int end = row.right ? row.right->x() - kGap : rightEdge;
        extra = std::max(extra, row.label->x() + widthForText(*row.label) - end);
        widenLabel(*row.label);
    }
    // The frame's caption, drawn in its top border from one character in.
    const QFontMetrics caption(steps.frame->font());
    extra = std::max(extra,
        caption.horizontalAdvance(steps.frame->title()) + 3 * caption.averageCharWidth()
            - steps.frame->width());
    widenButton(*steps.lowerLeft, false);
    widenButton(*steps.lowerRight, true);
    extra = std::max(extra, steps.lowerLeft->geometry().right() + kGap - steps.lowerRight->x());
    if (extra <= 0)
        return 0;
    for (const StepRows::Row &row : steps.rows)
        moveRight(row.right, extra);
    for (QWidget *wider : { static_cast<QWidget *>(steps.frame), steps.progress, steps.results })
        widen(wider, extra);
    moveRight(steps.lowerRight, extra);
    return extra;
}
