// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One line of a help file's table of contents.
struct ContentsEntry {
    QString name;
    QString local; // the topic, relative to the file's root
    int depth = 0;
};

// The most lines and levels a table of contents may have; more are left out
// (a tree of 5,000 lines is filled and opened in about a tenth of a second).
constexpr qsizetype kMaxContentsEntries = 5000;
constexpr int kMaxContentsDepth = 64;

// Reads the entries of a contents (.hhc) file: nested lists of sitemap
// objects. One pass over the text, so its time grows with its length only.
[[nodiscard]] QList<ContentsEntry> parseContents(const QString &hhc);
