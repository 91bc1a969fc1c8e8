// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>

// HKEY_LOCAL_MACHINE as read from one file in the Registry Editor export
// format ("Windows Registry Editor Version 5.00" or "REGEDIT4"). Only keys
// under HKEY_LOCAL_MACHINE (or HKLM) are kept; key paths and value names
// compare without regard to case. A line that cannot be read drops that one
// value; a file without the header is an empty hive. Sizes are capped, and a
// key is stored as one name under its parent, so memory stays linear in the
// file whatever it holds.
class RegistryHive {
public:
    struct Value {
        std::uint32_t type = 0;
        // The bytes as the "ANSI" (UTF-8) interface hands them out: strings of
        // a version 5.00 file are stored there as UTF-16LE and converted here.
        QByteArray data;
    };

    // A larger hive file is not read at all.
    static constexpr qsizetype kMaxFileSize = 16 * 1024 * 1024;
    // In characters, after line continuations are joined.
    static constexpr qsizetype kMaxLineSize = 1024 * 1024;
    // What the registry itself allows: a key name of 255 characters, 512 levels.
    static constexpr qsizetype kMaxKeyNameSize = 255;
    static constexpr qsizetype kMaxKeyDepth = 512;
    static constexpr qsizetype kMaxProblems = 20;

    [[nodiscard]] static RegistryHive parse(const QByteArray &file);
    // A missing file is an empty hive. Anything else that keeps the file
    // from being read (not a regular file, too large, unreadable) is its one
    // problem; every problem is also written to stderr.
    [[nodiscard]] static RegistryHive load(const QString &path);

    // keyPath is relative to HKEY_LOCAL_MACHINE, e.g. "Software\Vendor".
    [[nodiscard]] bool hasKey(const QString &keyPath) const;
    [[nodiscard]] std::optional<Value> value(const QString &keyPath, const QString &name) const;
    [[nodiscard]] qsizetype keyCount() const { return m_children.size(); }
    [[nodiscard]] qsizetype valueCount() const;
    // What was skipped and why ("line 7: ..."), at most kMaxProblems.
    [[nodiscard]] const QStringList &problems() const { return m_problems; }

private:
    using KeyId = qsizetype; // 0 is HKEY_LOCAL_MACHINE itself
    // The key of the path, created with its parents; nothing, and why, when
    // the path has an empty name, a name too long or too many levels.
    std::optional<KeyId> addKey(QStringView keyPath, QString &why);
    [[nodiscard]] std::optional<KeyId> findKey(const QString &keyPath) const;
    void addProblem(qsizetype line, const QString &what);
    static QString fold(QStringView text) { return text.toString().toLower(); }

    QHash<std::pair<KeyId, QString>, KeyId> m_children; // (parent, folded name) -> key
    QHash<KeyId, QHash<QString, Value>> m_values; // key -> folded name -> value
    QStringList m_problems;
    qsizetype m_problemCount = 0;
    friend class HiveParser;
};
