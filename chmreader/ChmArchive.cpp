// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ChmArchive.h"

#include "chmreader/ChmDecompressor.h"
#include "fileio/BoundedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

quint16 u16At(const QByteArray &data, qsizetype at)
{
    return static_cast<quint16>(
        static_cast<quint8>(data[at]) | static_cast<quint8>(data[at + 1]) << 8);
}

quint32 u32At(const QByteArray &data, qsizetype at)
{
    return u16At(data, at) | static_cast<quint32>(u16At(data, at + 2)) << 16;
}

QString zeroTerminated(const QByteArray &data, qsizetype at, qsizetype end)
{
    if (at < 0 || at >= end)
        return {};
    // Within the record only, so that many records cost one pass.
    const char *begin = data.constData() + at;
    const auto *nul = static_cast<const char *>(std::memchr(begin, '\0', size_t(end - at)));
    return QString::fromUtf8(begin, nul ? nul - begin : end - at);
}

// Files this close together are read in one go rather than skipped between.
constexpr quint64 kSpanGap = 64 * 1024;

void setReason(QString *whyNot, const QString &reason)
{
    if (whyNot)
        *whyNot = reason;
}

QString tooLarge()
{
    return QCoreApplication::translate("ChmArchive", "it is larger than %1 MB")
        .arg(ChmArchive::kMaxFileSize >> 20);
}

// Completes "... is not a readable compiled help (CHM) file: ...".
QString refusalText(const FileRefusal &refusal)
{
    switch (refusal.kind) {
    case FileRefusal::Kind::Missing:
    case FileRefusal::Kind::CannotOpen:
        return QCoreApplication::translate("ChmArchive", "it cannot be opened");
    case FileRefusal::Kind::NotRegular:
        return QCoreApplication::translate("ChmArchive", "it is not a regular file");
    case FileRefusal::Kind::TooLarge:
        return tooLarge();
    case FileRefusal::Kind::ReadFailed:
        return QCoreApplication::translate("ChmArchive", "it cannot be read");
    case FileRefusal::Kind::Cancelled:
        return QCoreApplication::translate("ChmArchive", "its reading was cancelled");
    }
    return QCoreApplication::translate("ChmArchive", "it cannot be read");
}

} // namespace

ChmArchive::ChmArchive() = default;
ChmArchive::ChmArchive(ChmArchive &&) noexcept = default;
ChmArchive &ChmArchive::operator=(ChmArchive &&) noexcept = default;
ChmArchive::~ChmArchive() = default;

std::optional<ChmArchive> ChmArchive::fromBytes(QByteArray file, QString *whyNot)
{
    if (file.size() > kMaxFileSize) {
        setReason(whyNot, tooLarge());
        return std::nullopt;
    }
    auto opened = ChmDecompressor::open(std::move(file));
    if (auto *reason = std::get_if<QString>(&opened)) {
        setReason(whyNot, *reason);
        return std::nullopt;
    }
    ChmArchive archive;
    archive.m_decompressor = std::move(std::get<std::unique_ptr<ChmDecompressor>>(opened));
    auto directory
        = ChmDirectory::read(archive.m_decompressor->file(), archive.m_decompressor->layout());
    if (auto *reason = std::get_if<QString>(&directory)) {
        setReason(whyNot, *reason);
        return std::nullopt;
    }
    archive.m_entries = std::get<ChmDirectory>(std::move(directory)).entries();
    archive.m_decompressor->useDirectory(archive.m_entries);

    const QString system = QStringLiteral("#system"), windows = QStringLiteral("#windows"),
                  strings = QStringLiteral("#strings");
    const QHash<QString, QByteArray> files = archive.readAll({ system, windows, strings });
    archive.readSystemFile(files.value(system));
    if (archive.m_defaultTopic.isEmpty())
        archive.readWindowsFile(files.value(windows), files.value(strings));
    return archive;
}

std::optional<ChmArchive> ChmArchive::load(
    const QString &path, QString *whyNot, const std::atomic<bool> *cancel)
{
    auto file = readBounded(QFile::encodeName(path).toStdString(),
        { .maxBytes = std::size_t(kMaxFileSize), .cancel = cancel });
    if (const auto *refusal = std::get_if<FileRefusal>(&file)) {
        setReason(whyNot, refusalText(*refusal));
        return std::nullopt;
    }
    const std::string &bytes = std::get<FileBytes>(file).bytes;
    return fromBytes(QByteArray(bytes.data(), qsizetype(bytes.size())), whyNot);
}

std::optional<ChmEntry> ChmArchive::entry(const QString &name) const
{
    const auto found = m_entries.constFind(ChmDirectory::normalizedName(name));
    if (found == m_entries.cend())
        return std::nullopt;
    return *found;
}

std::optional<QByteArray> ChmArchive::read(const QString &name) const
{
    const auto found = entry(name);
    if (!found || found->length > quint64(kMaxEntrySize))
        return std::nullopt;
    return m_decompressor->extract(*found, kMaxTotalSize);
}

QHash<QString, QByteArray> ChmArchive::readAll(const QStringList &names, qsizetype maxTotal) const
{
    QList<std::pair<QString, ChmEntry>> wanted;
    for (const QString &name : names) {
        const auto found = entry(name);
        if (found && found->length <= quint64(kMaxEntrySize))
            wanted.append({ ChmDirectory::normalizedName(name), *found });
    }
    std::sort(wanted.begin(), wanted.end(), [](const auto &a, const auto &b) {
        return std::tie(a.second.section, a.second.offset, a.second.length)
            < std::tie(b.second.section, b.second.offset, b.second.length);
    });
    // Files next to or over one another are read as one span, so that no
    // file starts behind the decompressor's position and makes it start again.
    QHash<QString, QByteArray> files;
    qsizetype total = 0;
    for (qsizetype first = 0; first < wanted.size();) {
        ChmEntry span = wanted[first].second;
        qsizetype last = first + 1;
        for (; last < wanted.size(); ++last) {
            const ChmEntry &next = wanted[last].second;
            const quint64 end = std::max(span.offset + span.length, next.offset + next.length);
            if (next.section != span.section || next.offset > span.offset + span.length + kSpanGap
                || end - span.offset > quint64(kMaxEntrySize))
                break;
            span.length = end - span.offset;
        }
        const auto contents = m_decompressor->extract(span, kMaxTotalSize);
        for (qsizetype i = first; i < last; ++i) {
            const auto &[name, place] = wanted[i];
            if (!contents || total + qsizetype(place.length) > maxTotal)
                continue;
            total += qsizetype(place.length);
            files.insert(name,
                contents->mid(qsizetype(place.offset - span.offset), qsizetype(place.length)));
        }
        first = last;
    }
    return files;
}

qint64 ChmArchive::bytesRead() const
{
    return m_decompressor->bytesRead();
}

void ChmArchive::readSystemFile(const QByteArray &system)
{
    // A version, then records of {code, length, data}.
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const quint16 code = u16At(system, at);
        const quint16 length = u16At(system, at + 2);
        const qsizetype data = at + 4;
        if (data + length > system.size())
            break; // a record past the end of its buffer
        const QString text = zeroTerminated(system, data, data + length);
        if (code == 0)
            m_contentsFile = text;
        else if (code == 2)
            m_defaultTopic = text;
        else if (code == 3)
            m_title = text;
        at = data + length;
    }
}

void ChmArchive::readWindowsFile(const QByteArray &windows, const QByteArray &strings)
{
    // A count and an entry size, then window types whose default file is an
    // offset into #STRINGS, at 0x68 in each entry.
    constexpr qsizetype kDefaultFileAt = 0x68;
    if (windows.size() < 8)
        return;
    const quint32 count = u32At(windows, 0);
    const quint32 entrySize = u32At(windows, 4);
    if (count == 0 || entrySize < kDefaultFileAt + 4 || 8 + qsizetype(entrySize) > windows.size())
        return;
    const quint32 offset = u32At(windows, 8 + kDefaultFileAt);
    m_defaultTopic = zeroTerminated(strings, offset, strings.size());
}
