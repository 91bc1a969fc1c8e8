// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The files inside a compiled help (CHM) file, read with libmspack into
// memory. Every size is capped, so no file can make the reader allocate
// without bound; a file that cannot be read gives no archive at all.
class ChmArchive {
public:
    static constexpr qsizetype kMaxFileSize = 64 * 1024 * 1024;
    static constexpr qsizetype kMaxEntrySize = 16 * 1024 * 1024;
    static constexpr qsizetype kMaxTotalSize = 128 * 1024 * 1024;

    [[nodiscard]] static std::optional<ChmArchive> fromBytes(QByteArray file);
    [[nodiscard]] static std::optional<ChmArchive> load(const QString &path);

    // Names are compared without regard to case, with or without a leading slash.
    [[nodiscard]] std::optional<QByteArray> read(const QString &name) const;
    [[nodiscard]] QStringList names() const { return m_entries.keys(); }

    // From the #SYSTEM file: the default topic, the title and the contents
    // (.hhc) file; empty where it names none.
    [[nodiscard]] const QString &defaultTopic() const { return m_defaultTopic; }
    [[nodiscard]] const QString &title() const { return m_title; }
    [[nodiscard]] const QString &contentsFile() const { return m_contentsFile; }

    [[nodiscard]] static QString normalizedName(const QString &name);

private:
    void readSystemFile();
    void readWindowsFile();

    QHash<QString, QByteArray> m_entries; // normalized name -> contents
    QString m_defaultTopic;
    QString m_title;
    QString m_contentsFile;
};
