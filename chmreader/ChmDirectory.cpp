// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ChmDirectory.h"

#include <QCoreApplication>
#include <vector>

namespace {

constexpr quint32 kNoChunk = 0xFFFFFFFF;
constexpr qsizetype kEntriesAt = 0x14;
constexpr qsizetype kNextChunkAt = 0x10;

quint32 u32At(const char *data)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<quint32>(bytes[3]) << 24;
}

// Reads the chunk's variable-length numbers, never past its end.
class ChunkReader {
public:
    ChunkReader(const char *begin, const char *end)
        : m_at(begin)
        , m_end(end)
    {
    }

    // Seven bits a byte, the high bit set on every byte but the last.
    [[nodiscard]] bool number(quint64 &value)
    {
        value = 0;
        for (int bytes = 0; m_at < m_end; ++bytes) {
            const auto byte = static_cast<unsigned char>(*m_at++);
            if (bytes == 9 || value >> 57)
                return false; // more than 63 bits
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }

    [[nodiscard]] bool bytes(quint64 count, QByteArray &out)
    {
        if (count > quint64(m_end - m_at))
            return false;
        out = QByteArray(m_at, static_cast<qsizetype>(count));
        m_at += count;
        return true;
    }

private:
    const char *m_at;
    const char *m_end;
};

} // namespace

QString ChmDirectory::normalizedName(const QString &name)
{
    QString normal = name.toLower();
    while (normal.startsWith(u'/'))
        normal.remove(0, 1);
    return normal;
}

std::variant<ChmDirectory, QString> ChmDirectory::read(const QByteArray &file, const Layout &layout)
{
    if (layout.chunkSize < kEntriesAt + 2 || layout.chunkCount == 0)
        return QCoreApplication::translate("ChmArchive", "its directory has no chunks");
    const quint64 directoryEnd = layout.chunksAt + quint64(layout.chunkSize) * layout.chunkCount;
    if (layout.chunksAt > quint64(file.size()) || directoryEnd > quint64(file.size()))
        return QCoreApplication::translate(
            "ChmArchive", "its directory runs past the end of the file");

    ChmDirectory directory;
    // Each chunk is read at most once and the walk takes at most one step
    // per chunk, however the links run.
    std::vector<bool> visited(layout.chunkCount, false);
    quint32 chunk = layout.firstListing;
    for (quint32 steps = 0; chunk != kNoChunk; ++steps) {
        if (chunk >= layout.chunkCount)
            return QCoreApplication::translate(
                "ChmArchive", "its directory links to chunk %1, which does not exist")
                .arg(chunk);
        if (visited[chunk] || steps >= layout.chunkCount)
            return QCoreApplication::translate("ChmArchive", "its directory links back to chunk %1")
                .arg(chunk);
        visited[chunk] = true;
        const char *begin = file.constData() + layout.chunksAt + quint64(chunk) * layout.chunkSize;
        const char *end = begin + layout.chunkSize;
        if (QByteArray::fromRawData(begin, 4) != "PMGL")
            return QCoreApplication::translate(
                "ChmArchive", "its directory chunk %1 is not a listing")
                .arg(chunk);
        const quint32 count
            = static_cast<unsigned char>(end[-2]) | static_cast<unsigned char>(end[-1]) << 8;
        ChunkReader reader(begin + kEntriesAt, end - 2);
        for (quint32 i = 0; i < count; ++i) {
            quint64 nameLength = 0;
            QByteArray name;
            ChmEntry entry;
            quint64 section = 0;
            if (!reader.number(nameLength) || !reader.bytes(nameLength, name)
                || !reader.number(section) || !reader.number(entry.offset)
                || !reader.number(entry.length))
                return QCoreApplication::translate(
                    "ChmArchive", "its directory chunk %1 is damaged")
                    .arg(chunk);
            if (section > 1 || name.size() < 2 || name.endsWith('/'))
                continue; // folders, and sections this reader does not know
            entry.section = static_cast<int>(section);
            if (directory.m_entries.size() >= kMaxEntries)
                return QCoreApplication::translate("ChmArchive", "it lists more than %L1 files")
                    .arg(kMaxEntries);
            directory.m_entries.insert(normalizedName(QString::fromUtf8(name)), entry);
        }
        chunk = u32At(begin + kNextChunkAt);
    }
    return directory;
}
