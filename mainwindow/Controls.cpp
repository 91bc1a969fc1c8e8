// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <utility>

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The etched border's two lines, as the design's frame draws them on its
// fixed background.
const QColor kEtchShadow(128, 128, 128);
const QColor kEtchLight(255, 255, 255);

} // namespace

void PushButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnter(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        m_enterDown = true;
        setDown(true);
    }
    event->accept();
}

void PushButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnter(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // Only the release of a press made here: the Enter that closed a
    // message box must not press the button it lands on.
    if (event->isAutoRepeat() || !std::exchange(m_enterDown, false))
        return;
    setDown(false);
    click();
}

void PushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    // Some styles mark a focused button only faintly, or not at all, and the
    // yellow around it hides what they do draw: a ring in the desktop's
    // highlight colour says where the keys go.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
}

void PushButton::focusOutEvent(QFocusEvent *event)
{
    if (std::exchange(m_enterDown, false))
        setDown(false);
    QPushButton::focusOutEvent(event);
}

StepFrame::StepFrame(const QString &caption, const QColor &captionColor, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_captionColor(captionColor)
{
}

void StepFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    painter.setPen(kEtchShadow);
    painter.drawRect(border);
    painter.setPen(kEtchLight);
    painter.drawRect(border.translated(1, 1));
    // The caption interrupts the top line, on the frame's own background.
    const int indent = metrics.averageCharWidth();
    const QRect caption(indent, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(m_captionColor);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Black and white dashes together read on any picture.
    QPainter painter(this);
    const QRect ring = contentsRect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(ring);
}
