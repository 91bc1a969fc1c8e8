// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

class QTextDocument;

// A page that paints its own background keeps the colours it gives, but Qt
// draws list bullets in the desktop's text colour, and gives links the page
// leaves uncoloured the desktop's link colour: under a dark scheme, light
// bullets and links on the page's light background would all but vanish.
// Such a colour that reads poorly on the page's background is made dark or
// light in its own hue; on a page without a background of its own, every
// colour stays the desktop's.

// The desktop's colours, but for a text colour that would not read.
[[nodiscard]] QPalette coloursForPage(const QTextDocument &page, const QPalette &desktop);

// Links in the desktop's link colour recoloured where it would not read.
void makeLinksReadable(QTextDocument &page, const QColor &desktopLink);
