// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork/Artwork.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

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

QPixmap banner(qreal scale, qreal devicePixelRatio, int width)
{
    constexpr int kWidth = 418;
    constexpr int kHeight = 58;
    constexpr int kTile = 29; // two rows of tiles
    constexpr int kColumns = (kWidth + kTile - 1) / kTile;
    const QSize designed(qRound(kWidth * scale), qRound(kHeight * scale));
    const QSize shown(qMax(width, designed.width()), designed.height());
    QPixmap pixmap(shown * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    // Drawn in the design's own 418 × 58 units, whatever the pixels.
    const qreal across = qreal(designed.width()) / kWidth;
    painter.scale(across, qreal(designed.height()) / kHeight);
    const int units = shown.width() > designed.width() ? qCeil(shown.width() / across) : kWidth;
    for (int row = 0; row * kTile < kHeight; ++row) {
        for (int column = 0; column * kTile < units; ++column) {
            // The designed tiles keep their look; those beyond get their own.
            const auto seed = static_cast<quint32>(
                column < kColumns ? 1 + row * kColumns + column : 1000 * (row + 1) + column);
            const QColor base = QColor(118, 72, 38).darker(95 + static_cast<int>(seed * 7 % 20));
            const QRect tile(column * kTile, row * kTile, kTile, kTile);
            mottle(painter, tile, base, 90, 4, seed);
            painter.setPen(QColor(70, 40, 20));
            painter.drawRect(tile.adjusted(0, 0, -1, -1));
        }
    }
    drawLetters(painter, QRect(0, 0, units, kHeight), QStringLiteral("Quorvel"), 44,
        QColor(250, 240, 200), QColor(40, 20, 8), 2);
    return pixmap;
}

QPixmap iconImage(int size, qreal devicePixelRatio)
{
    // Drawn for its device pixels: the blotches and the shadow are pixel work.
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    QPainter painter(&pixmap);
    const int half = pixels / 2;
    mottle(
        painter, QRect(0, 0, pixels, pixels), QColor(120, 16, 16), pixels * 4, pixels / 8 + 1, 7);
    mottle(painter, QRect(half, half, pixels - half, pixels - half), QColor(96, 100, 30),
        pixels * 2, pixels / 8 + 1, 11);
    mottle(painter, QRect(0, 0, half, half), QColor(96, 100, 30), pixels * 2, pixels / 8 + 1, 13);
    drawLetters(painter, pixmap.rect(), QStringLiteral("QV"), pixels * 5 / 8, Qt::white,
        QColor(30, 10, 5), pixels >= 32 ? pixels / 32 : 0);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {

// Draws the icon afresh for every size and pixel ratio it is shown at.
class DrawnIconEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, iconImage(qMin(rect.width(), rect.height()), ratio));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return iconImage(qMin(size.width(), size.height()));
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return iconImage(qMin(size.width(), size.height()), scale);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return { { 16, 16 }, { 24, 24 }, { 32, 32 }, { 48, 48 }, { 64, 64 }, { 128, 128 } };
    }
    QIconEngine *clone() const override { return new DrawnIconEngine; }
    QString key() const override { return QStringLiteral("QuorvelDrawnIcon"); }
};

} // namespace

QIcon icon()
{
    return QIcon(new DrawnIconEngine);
}

} // namespace Artwork
