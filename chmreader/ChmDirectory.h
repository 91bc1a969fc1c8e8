// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <variant>

// Where one file of a CHM archive lies: in the stored section (0) or the
// LZX-compressed one (1), at an offset into that section's data.
struct ChmEntry {
    int section = 0;
    quint64 offset = 0;
    quint64 length = 0;
};

// The listing of a CHM file, read from its directory chunks. The walk follows
// the listing chunks' next-chunk links itself, so a chain that loops or
// points outside the directory is refused instead of being followed forever.
class ChmDirectory {
public:
    static constexpr qsizetype kMaxEntries = 500'000;

    // Where the directory lies in the file, as the file's headers say.
    struct Layout {
        quint64 chunksAt = 0;
        quint32 chunkSize = 0;
        quint32 chunkCount = 0;
        quint32 firstListing = 0;
    };

    // The listing, or why there is none.
    [[nodiscard]] static std::variant<ChmDirectory, QString> read(
        const QByteArray &file, const Layout &layout);

    // Names are kept as normalizedName() spells them ("index.html",
    // "::dataspace/storage/mscompressed/content").
    [[nodiscard]] const QHash<QString, ChmEntry> &entries() const { return m_entries; }

    // A name as the directory keeps it: links and the contents name files in
    // any case, with or without a leading slash, and all of them mean one file.
    [[nodiscard]] static QString normalizedName(const QString &name);

private:
    QHash<QString, ChmEntry> m_entries;
};
