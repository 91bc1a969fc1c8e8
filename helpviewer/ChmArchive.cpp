// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmArchive.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <mspack.h>

namespace {

// An mspack_system over memory: the one input is the CHM file's bytes, the
// one output is the buffer of the entry being extracted.
struct MemorySystem {
    mspack_system base; // first, so the library's pointer is ours
    const QByteArray *input = nullptr;
    QByteArray *output = nullptr;
    qsizetype outputLimit = 0;
};

struct MemoryFile {
    MemorySystem *system;
    bool writing;
    qsizetype position = 0;
};

constexpr char kInputName[] = "input.chm";
constexpr char kOutputName[] = "entry";
constexpr size_t kMaxAllocation = size_t { 64 } * 1024 * 1024;

MemorySystem *systemOf(mspack_system *self)
{
    return reinterpret_cast<MemorySystem *>(self);
}

MemoryFile *fileOf(mspack_file *file)
{
    return reinterpret_cast<MemoryFile *>(file);
}

mspack_file *openFile(mspack_system *self, const char *filename, int mode)
{
    MemorySystem *system = systemOf(self);
    const bool reading = mode == MSPACK_SYS_OPEN_READ && std::strcmp(filename, kInputName) == 0;
    const bool writing = mode == MSPACK_SYS_OPEN_WRITE && std::strcmp(filename, kOutputName) == 0
        && system->output;
    if (!reading && !writing)
        return nullptr;
    if (writing)
        system->output->clear();
    return reinterpret_cast<mspack_file *>(new MemoryFile { system, writing });
}

void closeFile(mspack_file *file)
{
    delete fileOf(file);
}

int readFile(mspack_file *handle, void *buffer, int bytes)
{
    MemoryFile *file = fileOf(handle);
    if (file->writing || bytes < 0)
        return -1;
    const QByteArray &input = *file->system->input;
    const qsizetype count = std::min<qsizetype>(bytes, input.size() - file->position);
    if (count <= 0)
        return 0;
    std::memcpy(buffer, input.constData() + file->position, static_cast<size_t>(count));
    file->position += count;
    return static_cast<int>(count);
}

int writeFile(mspack_file *handle, void *buffer, int bytes)
{
    MemoryFile *file = fileOf(handle);
    QByteArray *output = file->system->output;
    if (!file->writing || bytes < 0 || output->size() + bytes > file->system->outputLimit)
        return -1;
    output->append(static_cast<const char *>(buffer), bytes);
    return bytes;
}

int seekFile(mspack_file *handle, off_t offset, int mode)
{
    MemoryFile *file = fileOf(handle);
    const qsizetype size
        = file->writing ? file->system->output->size() : file->system->input->size();
    qsizetype target = 0;
    switch (mode) {
    case MSPACK_SYS_SEEK_START:
        target = offset;
        break;
    case MSPACK_SYS_SEEK_CUR:
        target = file->position + offset;
        break;
    case MSPACK_SYS_SEEK_END:
        target = size + offset;
        break;
    default:
        return -1;
    }
    if (target < 0 || target > size)
        return -1;
    file->position = target;
    return 0;
}

off_t tellFile(mspack_file *handle)
{
    return fileOf(handle)->position;
}

void message(mspack_file *, const char *, ...) { }

void *allocate(mspack_system *, size_t bytes)
{
    return bytes > kMaxAllocation ? nullptr : std::malloc(bytes);
}

void release(void *pointer)
{
    std::free(pointer);
}

void copy(void *source, void *destination, size_t bytes)
{
    std::memmove(destination, source, bytes);
}

// chmcmd writes the header's first GUID where the second belongs; libmspack
// checks both, so the reader presents the one it expects.
void mendHeaderGuids(QByteArray &file)
{
    static const unsigned char first[16] = { 0x10, 0xFD, 0x01, 0x7C, 0xAA, 0x7B, 0xD0, 0x11, 0x9E,
        0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC };
    constexpr qsizetype kSecondGuidAt = 0x28;
    if (file.size() < kSecondGuidAt + 16 || !file.startsWith("ITSF"))
        return;
    char *second = file.data() + kSecondGuidAt;
    if (std::memcmp(second, first, 16) == 0)
        second[0] = 0x11; // {7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC}
}

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
    const qsizetype nul = data.indexOf('\0', at);
    return QString::fromUtf8(data.constData() + at, (nul < 0 || nul > end ? end : nul) - at);
}

} // namespace

QString ChmArchive::normalizedName(const QString &name)
{
    QString normal = name.toLower();
    while (normal.startsWith(u'/'))
        normal.remove(0, 1);
    return normal;
}

std::optional<ChmArchive> ChmArchive::fromBytes(QByteArray file)
{
    if (file.size() > kMaxFileSize)
        return std::nullopt;
    mendHeaderGuids(file);

    MemorySystem system;
    system.base = { openFile, closeFile, readFile, writeFile, seekFile, tellFile, message, allocate,
        release, copy, nullptr };
    system.input = &file;
    mschm_decompressor *decompressor = mspack_create_chm_decompressor(&system.base);
    if (!decompressor)
        return std::nullopt;
    mschmd_header *header = decompressor->open(decompressor, kInputName);
    if (!header) {
        mspack_destroy_chm_decompressor(decompressor);
        return std::nullopt;
    }

    ChmArchive archive;
    qsizetype total = 0;
    for (mschmd_file *entry = header->files; entry; entry = entry->next) {
        if (!entry->filename || entry->length < 0 || entry->length > kMaxEntrySize
            || total + entry->length > kMaxTotalSize)
            continue;
        QByteArray contents;
        system.output = &contents;
        system.outputLimit = static_cast<qsizetype>(entry->length);
        if (decompressor->extract(decompressor, entry, kOutputName) == MSPACK_ERR_OK) {
            total += contents.size();
            archive.m_entries.insert(
                normalizedName(QString::fromUtf8(entry->filename)), contents);
        }
        system.output = nullptr;
    }
    decompressor->close(decompressor, header);
    mspack_destroy_chm_decompressor(decompressor);

    archive.readSystemFile();
    if (archive.m_defaultTopic.isEmpty())
        archive.readWindowsFile();
    return archive;
}

std::optional<ChmArchive> ChmArchive::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    return fromBytes(file.readAll());
}

std::optional<QByteArray> ChmArchive::read(const QString &name) const
{
    const auto found = m_entries.constFind(normalizedName(name));
    if (found == m_entries.cend())
        return std::nullopt;
    return *found;
}

void ChmArchive::readSystemFile()
{
    // A version, then records of {code, length, data}.
    const QByteArray system = m_entries.value(QStringLiteral("#system"));
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

void ChmArchive::readWindowsFile()
{
    // A count and an entry size, then window types whose default file is an
    // offset into #STRINGS, at 0x68 in each entry.
    const QByteArray windows = m_entries.value(QStringLiteral("#windows"));
    const QByteArray strings = m_entries.value(QStringLiteral("#strings"));
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
