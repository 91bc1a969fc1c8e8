// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QtEndian>
#include <cstring>
#include <initializer_list>
#include <utility>

// Writes small compiled help (CHM) files for the tests: a stored section of
// the files added, and a directory of listing chunks whose entries and links
// the test chooses, so that damaged directories can be made on purpose.
class ChmWriter {
public:
    static constexpr quint32 kChunkSize = 4096;
    static constexpr quint32 kNoChunk = 0xFFFFFFFF;

    struct Entry {
        QByteArray name;
        int section = 0;
        quint64 offset = 0, length = 0;
    };

    // A file that starts with a #SYSTEM of these records, each {code, data}.
    explicit ChmWriter(const QList<std::pair<quint16, QByteArray>> &systemRecords = {})
    {
        QByteArray system("\x03\0\0\0", 4); // the version
        for (const auto &[code, data] : systemRecords) {
            system.append(4, '\0');
            put<quint16>(system.data() + system.size() - 4, { { 0, code }, { 2, data.size() } });
            system.append(data);
        }
        addFile("/#SYSTEM", system);
    }

    // A file of one page, page.html, holding this text.
    static QByteArray onePage(const QByteArray &page,
        const QList<std::pair<quint16, QByteArray>> &systemRecords = { { 2, "page.html" } })
    {
        ChmWriter writer(systemRecords);
        writer.addFile("/page.html", page);
        return writer.build();
    }

    // A file in the stored section.
    void addFile(const QByteArray &name, const QByteArray &contents)
    {
        m_entries.append({ name, 0, quint64(m_stored.size()), quint64(contents.size()) });
        m_stored.append(contents);
    }
    // An entry as given, pointing wherever the test wants.
    void addEntry(const Entry &entry) { m_entries.append(entry); }

    // Listing chunks hold at most this many entries each (0: as many as fit).
    int entriesPerChunk = 0;
    // Next-chunk links to write instead of the plain chain.
    QHash<int, quint32> nextChunk;

    [[nodiscard]] QByteArray build() const
    {
        QList<QByteArrayList> listed(1); // the entries of each chunk
        for (const Entry &entry : m_entries) {
            const QByteArray encoded = number(entry.name.size()) + entry.name
                + number(entry.section) + number(entry.offset) + number(entry.length);
            if (listed.last().join().size() + encoded.size() > kChunkSize - 0x14 - 2
                || (entriesPerChunk > 0 && listed.last().size() == entriesPerChunk))
                listed.append(QByteArrayList());
            listed.last().append(encoded);
        }
        const quint32 n = quint32(listed.size());
        QByteArray chunks;
        for (quint32 i = 0; i < n; ++i) {
            const QByteArray body = listed[i].join();
            const quint32 next = nextChunk.value(int(i), i + 1 < n ? i + 1 : kNoChunk);
            QByteArray chunk = "PMGL" + QByteArray(0x10, '\0') + body;
            chunk.append(kChunkSize - chunk.size(), '\0');
            put<quint32>(chunk.data(),
                { { 4, kChunkSize - 0x14 - body.size() }, { 0x0C, i > 0 ? i - 1 : kNoChunk },
                    { 0x10, next } });
            put<quint16>(chunk.data(), { { kChunkSize - 2, listed[i].size() } });
            chunks.append(chunk);
        }
        // The headers, then the directory at 0x78, then the stored section.
        const quint64 directorySize = 0x54 + n * kChunkSize, storedAt = 0x78 + directorySize;
        QByteArray file = "ITSF" + QByteArray(0x14, '\0')
            + QByteArray::fromHex(
                "10FD017CAA7BD0119E0C00A0C922E6EC11FD017CAA7BD0119E0C00A0C922E6EC")
            + QByteArray(0x40, '\0') + "ITSP" + QByteArray(0x50, '\0') + chunks;
        put<quint32>(file.data(),
            { { 0x04, 3 }, { 0x08, 0x60 }, { 0x0C, 1 }, { 0x14, 0x409 }, { 0x60, 0x1FE } });
        put<quint64>(file.data(),
            { { 0x38, 0x60 }, { 0x40, 0x18 }, { 0x48, 0x78 }, { 0x50, directorySize },
                { 0x58, storedAt }, { 0x68, storedAt + m_stored.size() } });
        // One level of listing chunks and no index chunks.
        put<quint32>(file.data() + 0x78,
            { { 0x04, 1 }, { 0x08, 0x54 }, { 0x0C, 0x0A }, { 0x10, kChunkSize }, { 0x14, 2 },
                { 0x18, 1 }, { 0x1C, kNoChunk }, { 0x20, 0 }, { 0x24, n - 1 }, { 0x28, kNoChunk },
                { 0x2C, n }, { 0x44, 0x54 } });
        return file + m_stored;
    }

private:
    template<typename T>
    static void put(char *to, std::initializer_list<std::pair<quint64, T>> fields)
    {
        for (const auto &[offset, value] : fields)
            qToLittleEndian<T>(value, to + offset);
    }
    static QByteArray number(quint64 value)
    {
        QByteArray bytes(1, char(value & 0x7F));
        while (value >>= 7)
            bytes.prepend(char(0x80 | (value & 0x7F)));
        return bytes;
    }

    QList<Entry> m_entries;
    QByteArray m_stored;
};
