#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <cstdint>
#include <optional>

// HKEY_LOCAL_MACHINE as read from one file in the Registry Editor export
// format ("Windows Registry Editor Version 5.00" or "REGEDIT4"). Only keys
// under HKEY_LOCAL_MACHINE (or HKLM) are kept; key paths and value names
// compare without regard to case. A line that cannot be read drops that one
// value; a file without the header is an empty hive. Sizes are capped, so no
// file can make the reader allocate without bound.
class RegistryHive {
public:
    struct Value {
        std::uint32_t type = 0;
        // The bytes as the "ANSI" (UTF-8) interface hands them out: strings of
        // a version 5.00 file are stored there as UTF-16LE and converted here.
        QByteArray data;
    };

    static constexpr qsizetype kMaxFileSize = 16 * 1024 * 1024;
    static constexpr qsizetype kMaxLineSize = 1024 * 1024;

    [[nodiscard]] static RegistryHive parse(const QByteArray &file);
    // A missing or unreadable file is an empty hive.
    [[nodiscard]] static RegistryHive load(const QString &path);

    // keyPath is relative to HKEY_LOCAL_MACHINE, e.g. "Software\Vendor".
    [[nodiscard]] bool hasKey(const QString &keyPath) const;
    [[nodiscard]] std::optional<Value> value(const QString &keyPath, const QString &name) const;
    [[nodiscard]] qsizetype keyCount() const { return m_keys.size(); }

private:
    void addKey(const QString &keyPath);
    static QString fold(const QString &text) { return text.toLower(); }

    QSet<QString> m_keys; // folded paths, parents included
    QHash<QString, QHash<QString, Value>> m_values; // folded path -> folded name -> value
    friend class HiveParser;
};
