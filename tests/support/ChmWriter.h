// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QtEndian>
#include <cstring>

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
        quint64 offset = 0;
        quint64 length = 0;
    };

    // A file in the stored section.
    void addFile(const QByteArray &name, const QByteArray &contents)
    {
        m_entries.append({ name, 0, quint64(m_stored.size()), quint64(contents.size()) });
        m_stored.append(contents);
    }
    // An entry as given, pointing wherever the test wants.
    void addEntry(const Entry &entry) { m_entries.append(entry); }

    // #SYSTEM records, each {code, length, data}, after the version.
    static QByteArray systemRecord(quint16 code, const QByteArray &data)
    {
        QByteArray record(4, '\0');
        qToLittleEndian<quint16>(code, record.data());
        qToLittleEndian<quint16>(quint16(data.size()), record.data() + 2);
        return record + data;
    }
    static QByteArray system(const QByteArray &records)
    {
        return QByteArray("\x03\0\0\0", 4) + records;
    }

    // Listing chunks hold at most this many entries each (0: as many as fit).
    int entriesPerChunk = 0;
    // Next-chunk links to write instead of the plain chain.
    QHash<int, quint32> nextChunk;

    [[nodiscard]] QByteArray build() const
    {
        QList<QByteArray> chunks;
        QByteArray body;
        int count = 0;
        auto finish = [&] {
            QByteArray chunk(kChunkSize, '\0');
            std::memcpy(chunk.data(), "PMGL", 4);
            qToLittleEndian<quint32>(quint32(kChunkSize - 0x14 - body.size()), chunk.data() + 4);
            std::memcpy(chunk.data() + 0x14, body.constData(), size_t(body.size()));
            qToLittleEndian<quint16>(quint16(count), chunk.data() + kChunkSize - 2);
            chunks.append(chunk);
            body.clear();
            count = 0;
        };
        for (const Entry &entry : m_entries) {
            QByteArray encoded = number(quint64(entry.name.size())) + entry.name
                + number(quint64(entry.section)) + number(entry.offset) + number(entry.length);
            if (body.size() + encoded.size() > qsizetype(kChunkSize) - 0x14 - 2
                || (entriesPerChunk > 0 && count == entriesPerChunk))
                finish();
            body.append(encoded);
            ++count;
        }
        finish();
        const int n = int(chunks.size());
        for (int i = 0; i < n; ++i) {
            const quint32 next = nextChunk.value(i, i + 1 < n ? quint32(i + 1) : kNoChunk);
            qToLittleEndian<quint32>(i > 0 ? quint32(i - 1) : kNoChunk, chunks[i].data() + 0x0C);
            qToLittleEndian<quint32>(next, chunks[i].data() + 0x10);
        }

        const quint64 directoryAt = 0x78;
        const quint64 storedAt = directoryAt + 0x54 + quint64(n) * kChunkSize;
        const quint64 total = storedAt + quint64(m_stored.size());
        QByteArray file(qsizetype(storedAt), '\0');
        char *p = file.data();
        std::memcpy(p, "ITSF", 4);
        qToLittleEndian<quint32>(3, p + 0x04);
        qToLittleEndian<quint32>(0x60, p + 0x08);
        qToLittleEndian<quint32>(1, p + 0x0C);
        qToLittleEndian<quint32>(0x409, p + 0x14);
        static const unsigned char guids[32] = { 0x10, 0xFD, 0x01, 0x7C, 0xAA, 0x7B, 0xD0, 0x11,
            0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC, 0x11, 0xFD, 0x01, 0x7C, 0xAA, 0x7B,
            0xD0, 0x11, 0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC };
        std::memcpy(p + 0x18, guids, 32);
        qToLittleEndian<quint64>(0x60, p + 0x38);
        qToLittleEndian<quint64>(0x18, p + 0x40);
        qToLittleEndian<quint64>(directoryAt, p + 0x48);
        qToLittleEndian<quint64>(0x54 + quint64(n) * kChunkSize, p + 0x50);
        qToLittleEndian<quint64>(storedAt, p + 0x58);
        qToLittleEndian<quint32>(0x1FE, p + 0x60);
        qToLittleEndian<quint64>(total, p + 0x68);
        char *itsp = p + directoryAt;
        std::memcpy(itsp, "ITSP", 4);
        qToLittleEndian<quint32>(1, itsp + 0x04);
        qToLittleEndian<quint32>(0x54, itsp + 0x08);
        qToLittleEndian<quint32>(0x0A, itsp + 0x0C);
        qToLittleEndian<quint32>(kChunkSize, itsp + 0x10);
        qToLittleEndian<quint32>(2, itsp + 0x14);
        qToLittleEndian<quint32>(1, itsp + 0x18);
        qToLittleEndian<quint32>(kNoChunk, itsp + 0x1C); // no index chunks
        qToLittleEndian<quint32>(0, itsp + 0x20);
        qToLittleEndian<quint32>(quint32(n - 1), itsp + 0x24);
        qToLittleEndian<quint32>(kNoChunk, itsp + 0x28);
        qToLittleEndian<quint32>(quint32(n), itsp + 0x2C);
        qToLittleEndian<quint32>(0x54, itsp + 0x44);
        for (int i = 0; i < n; ++i)
            std::memcpy(p + directoryAt + 0x54 + quint64(i) * kChunkSize, chunks[i].constData(),
                kChunkSize);
        return file + m_stored;
    }

private:
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
