// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at start so there is no binary to keep in step.
namespace Artwork {

// The product name in cream serif letters on brown mottled tiles, 418 × 58.
[[nodiscard]] QPixmap banner();

// "QV" in white serif capitals on a dark red and olive mottled tile, 16 and 32 pixels.
[[nodiscard]] QPixmap iconImage(int size);
[[nodiscard]] QIcon icon();

} // namespace Artwork
