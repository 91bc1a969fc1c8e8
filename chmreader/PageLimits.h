// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// How large, how many-tagged and how deeply nested a page may be. The text
// browser parses and lays out a page on the user-interface thread in one go;
// its time grows with the elements and table cells, and fast with nesting (a
// table inside a table is laid out again for each level). Within these
// limits a page is parsed and laid out in about a tenth of a second.
struct PageLimits {
    static constexpr qsizetype kMaxPageBytes = 64 * 1024;
    static constexpr int kMaxElements = 2000;
    static constexpr int kMaxTableCells = 500;
    static constexpr qsizetype kMaxContentsBytes = 4 * 1024 * 1024;
    static constexpr int kMaxNesting = 32;
    static constexpr int kMaxTableNesting = 4;

    // What the page exceeds, in words for the error page; nothing when it fits.
    [[nodiscard]] static std::optional<QString> breach(const QByteArray &html);
};
