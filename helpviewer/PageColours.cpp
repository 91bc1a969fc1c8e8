// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/PageColours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Relative luminance and contrast as the web's accessibility guidelines
// define them; 4.5 is what they ask of ordinary text.
constexpr double kReadable = 4.5;

double luminance(const QColor &colour)
{
    const auto linear
        = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &one, const QColor &other)
{
    const double first = luminance(one), second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour in its own hue, as dark or as light as reads best on background.
QColor readableOn(const QColor &background, const QColor &colour)
{
    const QColor hsl = colour.toHsl();
    const QColor dark = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), 0.2);
    const QColor light = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), 0.9);
    return contrast(dark, background) >= contrast(light, background) ? dark : light;
}

// The colour the page paints behind itself, if it does.
std::optional<QColor> ownBackground(const QTextDocument &page)
{
    const QBrush background = page.rootFrame()->frameFormat().background();
    return background.style() == Qt::NoBrush ? std::nullopt : std::optional(background.color());
}

} // namespace

QPalette coloursForPage(const QTextDocument &page, const QPalette &desktop)
{
    QPalette colours; // a role left unset here follows the desktop
    const auto background = ownBackground(page);
    const QColor text = desktop.color(QPalette::Active, QPalette::Text);
    if (background && contrast(text, *background) < kReadable)
        colours.setColor(QPalette::Text, readableOn(*background, text));
    return colours;
}

void makeLinksReadable(QTextDocument &page, const QColor &desktopLink)
{
    const auto background = ownBackground(page);
    if (!background || contrast(desktopLink, *background) >= kReadable)
        return;
    QTextCharFormat readable;
    readable.setForeground(readableOn(*background, desktopLink));
    // Found first, recoloured after: a new colour may merge fragments.
    QList<std::pair<int, int>> links;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.foreground().color() == desktopLink)
                links.append({ it.fragment().position(), it.fragment().length() });
        }
    }
    QTextCursor cursor(&page);
    cursor.beginEditBlock();
    for (const auto &[position, length] : links) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(readable);
    }
    cursor.endEditBlock();
}
