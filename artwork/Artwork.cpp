// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork/Artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace Artwork {

namespace {

// Blotches of lighter and darker shades over a base colour. A fixed seed
// gives the same picture at every start.
void mottle(QPainter &painter, const QRect &area, const QColor &base, int blotches, int radius,
    quint32 seed)
{
    QRandomGenerator random(seed);
    painter.fillRect(area, base);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < blotches; ++i) {
        const int shade = 80 + static_cast<int>(random.bounded(45));
        QColor color
            = random.bounded(2) ? base.lighter(100 + shade / 2) : base.darker(100 + shade / 2);
        color.setAlpha(40 + static_cast<int>(random.bounded(60)));
        painter.setBrush(color);
        const int r = 1 + static_cast<int>(random.bounded(radius));
        painter.drawEllipse(QPoint(area.left() + static_cast<int>(random.bounded(area.width())),
                                area.top() + static_cast<int>(random.bounded(area.height()))),
            r, r);
    }
}

QFont serif(int pixelSize)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
        QStringLiteral("DejaVu Serif") });
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void drawLetters(QPainter &painter, const QRect &area, const QString &text, int pixelSize,
    const QColor &fill, const QColor &shadow, int offset)
{
    QPainterPath path;
    const QFont font = serif(pixelSize);
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.tightBoundingRect(text);
    const QPointF origin(
        area.center().x() - bounds.center().x(), area.center().y() - bounds.center().y());
    path.addText(origin, font, text);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(path.translated(offset, offset));
    painter.setBrush(fill);
    painter.drawPath(path);
}

} // namespace

QPixmap banner()
{
    constexpr int kWidth = 418;
    constexpr int kHeight = 58;
    constexpr int kTile = 29; // two rows of tiles
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    quint32 seed = 1;
    for (int y = 0; y < kHeight; y += kTile) {
        for (int x = 0; x < kWidth; x += kTile) {
            const QColor base = QColor(118, 72, 38).darker(95 + static_cast<int>(seed * 7 % 20));
            mottle(painter, QRect(x, y, kTile, kTile), base, 90, 4, seed++);
            painter.setPen(QColor(70, 40, 20));
            painter.drawRect(x, y, kTile - 1, kTile - 1);
        }
    }
    drawLetters(painter, pixmap.rect(), QStringLiteral("Quorvel"), 44, QColor(250, 240, 200),
        QColor(40, 20, 8), 2);
    return pixmap;
}

QPixmap iconImage(int size)
{
    QPixmap pixmap(size, size);
    QPainter painter(&pixmap);
    const int half = size / 2;
    mottle(painter, QRect(0, 0, size, size), QColor(120, 16, 16), size * 4, size / 8 + 1, 7);
    mottle(painter, QRect(half, half, size - half, size - half), QColor(96, 100, 30), size * 2,
        size / 8 + 1, 11);
    mottle(painter, QRect(0, 0, half, half), QColor(96, 100, 30), size * 2, size / 8 + 1, 13);
    drawLetters(painter, pixmap.rect(), QStringLiteral("QV"), size * 5 / 8, Qt::white,
        QColor(30, 10, 5), size >= 32 ? 1 : 0);
    return pixmap;
}

QIcon icon()
{
    QIcon icon;
    icon.addPixmap(iconImage(16));
    icon.addPixmap(iconImage(32));
    return icon;
}

} // namespace Artwork
