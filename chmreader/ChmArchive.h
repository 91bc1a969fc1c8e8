// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chmreader/ChmDirectory.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>

class ChmDecompressor;

// A compiled help (CHM) file. Opening it reads its headers, its directory and
// the few small files that name its title and start page; every other file is
// read when asked for. Every size is capped, so no file can make the reader
// allocate or decompress without bound; a file that cannot be read gives no
// archive, and the reason.
class ChmArchive {
public:
    static constexpr qsizetype kMaxFileSize = 64 * 1024 * 1024;
    static constexpr qsizetype kMaxEntrySize = 16 * 1024 * 1024;
    // The most one reading may produce: the bytes handed out by readAll(),
    // and how far into the compressed stream any one entry may lie, since
    // reaching it may mean decompressing all that comes before it.
    static constexpr qsizetype kMaxTotalSize = 32 * 1024 * 1024;

    [[nodiscard]] static std::optional<ChmArchive> fromBytes(
        QByteArray file, QString *whyNot = nullptr);
    // Reads regular files only, and no more than kMaxFileSize of them,
    // whatever size the file system gives.
    // A reading may be cancelled from another thread through cancel.
    [[nodiscard]] static std::optional<ChmArchive> load(
        const QString &path, QString *whyNot = nullptr, const std::atomic<bool> *cancel = nullptr);

    ChmArchive(ChmArchive &&) noexcept;
    ChmArchive &operator=(ChmArchive &&) noexcept;
    ~ChmArchive();

    // Names are compared as ChmDirectory::normalizedName() spells them.
    [[nodiscard]] std::optional<QByteArray> read(const QString &name) const;
    // Several files at once, read in the order they lie in the stream so that
    // decompression only goes forward; what does not fit in maxTotal is left out.
    [[nodiscard]] QHash<QString, QByteArray> readAll(
        const QStringList &names, qsizetype maxTotal = kMaxTotalSize) const;
    [[nodiscard]] std::optional<ChmEntry> entry(const QString &name) const;
    [[nodiscard]] QStringList names() const { return m_entries.keys(); }
    // Bytes of the file read so far.
    [[nodiscard]] qint64 bytesRead() const;

    // From the #SYSTEM file, or the #WINDOWS and #STRINGS files for the
    // default topic when #SYSTEM names none: the default topic, the title
    // and the contents (.hhc) file; empty where it names none.
    [[nodiscard]] const QString &defaultTopic() const { return m_defaultTopic; }
    [[nodiscard]] const QString &title() const { return m_title; }
    [[nodiscard]] const QString &contentsFile() const { return m_contentsFile; }

private:
    ChmArchive();
    void readSystemFile(const QByteArray &system);
    void readWindowsFile(const QByteArray &windows, const QByteArray &strings);

    std::unique_ptr<ChmDecompressor> m_decompressor;
    QHash<QString, ChmEntry> m_entries; // normalized name -> place
    QString m_defaultTopic;
    QString m_title;
    QString m_contentsFile;
};
