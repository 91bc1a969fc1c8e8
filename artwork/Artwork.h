// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn when asked for, at the size and pixel ratio
// they are shown at, so there is no binary to keep in step and nothing is
// scaled up blurred on a high-density screen.
namespace Artwork {

// The product name in cream serif letters on brown mottled tiles: 418 × 58
// at scale 1, grown by scale (the screen's logical DPI over 96) and drawn
// with devicePixelRatio device pixels to each of those. Wider than that
// (width, in the same pixels), the tiles go on to fill it and the name stays
// in the middle; the designed part's tiles are the same at every width.
[[nodiscard]] QPixmap banner(qreal scale = 1, qreal devicePixelRatio = 1, int width = 0);

// "QV" in white serif capitals on a dark red and olive mottled tile, size
// pixels square, drawn with devicePixelRatio device pixels to each.
[[nodiscard]] QPixmap iconImage(int size, qreal devicePixelRatio = 1);

// The icon at whatever size it is asked for.
[[nodiscard]] QIcon icon();

} // namespace Artwork
