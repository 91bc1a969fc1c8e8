// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ChmDecompressor.h"

#include <QCoreApplication>
#include <array>
#include <cstdlib>
#include <cstring>
#include <mspack.h>

namespace {

constexpr char kInputName[] = "input.chm";
constexpr char kOutputName[] = "entry";
constexpr size_t kMaxAllocation = size_t { 64 } * 1024 * 1024;
constexpr quint64 kMaxOffset = quint64 { 1 } << 62; // what off_t holds with room to add

} // namespace

// An mspack_system over memory: the one input is the CHM file's bytes, the
// one output is the buffer of the entry being extracted.
struct ChmDecompressorState {
    mspack_system base; // first, so the library's pointer is ours
    QByteArray input;
    QByteArray *output = nullptr;
    qsizetype outputLimit = 0;
    qint64 bytesRead = 0;
    mschm_decompressor *decompressor = nullptr;
    mschmd_header *header = nullptr;
    // The compressed section's own files: content, control data, span info
    // and reset table. One that the directory lacks is an empty stand-in,
    // which the library takes as absent.
    std::array<mschmd_file, 4> systemFiles {};
};

namespace {

struct MemoryFile {
    ChmDecompressorState *system;
    bool writing;
    qsizetype position = 0;
};

ChmDecompressorState *systemOf(mspack_system *self)
{
    return reinterpret_cast<ChmDecompressorState *>(self);
}

MemoryFile *fileOf(mspack_file *file)
{
    return reinterpret_cast<MemoryFile *>(file);
}

mspack_file *openFile(mspack_system *self, const char *filename, int mode)
{
    ChmDecompressorState *system = systemOf(self);
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
    const QByteArray &input = file->system->input;
    const qsizetype count = std::min<qsizetype>(bytes, input.size() - file->position);
    if (count <= 0)
        return 0;
    std::memcpy(buffer, input.constData() + file->position, static_cast<size_t>(count));
    file->position += count;
    file->system->bytesRead += count;
    return static_cast<int>(count);
}

int writeFile(mspack_file *handle, void *buffer, int bytes)
{
    MemoryFile *file = fileOf(handle);
    QByteArray *output = file->system->output;
    if (!file->writing || !output || bytes < 0
        || output->size() + bytes > file->system->outputLimit)
        return -1;
    output->append(static_cast<const char *>(buffer), bytes);
    return bytes;
}

int seekFile(mspack_file *handle, off_t offset, int mode)
{
    MemoryFile *file = fileOf(handle);
    const qsizetype size = file->writing ? (file->system->output ? file->system->output->size() : 0)
                                         : file->system->input.size();
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

} // namespace

ChmDecompressor::ChmDecompressor()
    : m_state(std::make_unique<ChmDecompressorState>())
{
}

ChmDecompressor::~ChmDecompressor()
{
    if (m_state->header)
        m_state->decompressor->close(m_state->decompressor, m_state->header);
    if (m_state->decompressor)
        mspack_destroy_chm_decompressor(m_state->decompressor);
}

std::variant<std::unique_ptr<ChmDecompressor>, QString> ChmDecompressor::open(QByteArray file)
{
    mendHeaderGuids(file);
    std::unique_ptr<ChmDecompressor> self(new ChmDecompressor);
    ChmDecompressorState &state = *self->m_state;
    state.base = { openFile, closeFile, readFile, writeFile, seekFile, tellFile, message, allocate,
        release, copy, nullptr };
    state.input = std::move(file);
    state.decompressor = mspack_create_chm_decompressor(&state.base);
    if (!state.decompressor)
        return QCoreApplication::translate("ChmArchive", "the decompressor cannot be started");
    // The headers only: the directory is ours to walk.
    state.header = state.decompressor->fast_open(state.decompressor, kInputName);
    if (!state.header)
        return QCoreApplication::translate(
            "ChmArchive", "its headers are not those of a compiled help file");
    for (mschmd_file &stand : state.systemFiles)
        stand = {};
    state.header->sec1.content = &state.systemFiles[0];
    state.header->sec1.control = &state.systemFiles[1];
    state.header->sec1.spaninfo = &state.systemFiles[2];
    state.header->sec1.rtable = &state.systemFiles[3];
    return self;
}

const QByteArray &ChmDecompressor::file() const
{
    return m_state->input;
}

ChmDirectory::Layout ChmDecompressor::layout() const
{
    const mschmd_header &header = *m_state->header;
    return { static_cast<quint64>(header.dir_offset), header.chunk_size, header.num_chunks,
        header.first_pmgl };
}

void ChmDecompressor::useDirectory(const QHash<QString, ChmEntry> &entries)
{
    static const std::array<QString, 4> names {
        QStringLiteral("::dataspace/storage/mscompressed/content"),
        QStringLiteral("::dataspace/storage/mscompressed/controldata"),
        QStringLiteral("::dataspace/storage/mscompressed/spaninfo"),
        QStringLiteral("::dataspace/storage/mscompressed/transform/"
                       "{7fc28940-9d31-11d0-9b27-00a0c91e9c7c}/instancedata/resettable"),
    };
    for (size_t i = 0; i < names.size(); ++i) {
        mschmd_file &file = m_state->systemFiles[i];
        file = {};
        const auto found = entries.constFind(names[i]);
        // The library reads these whole from the stored section.
        if (found == entries.cend() || found->section != 0 || found->offset > kMaxOffset
            || found->length > kMaxAllocation)
            continue;
        file.section = &m_state->header->sec0.base;
        file.offset = static_cast<off_t>(found->offset);
        file.length = static_cast<off_t>(found->length);
        file.filename = const_cast<char *>(kOutputName);
    }
}

std::optional<QByteArray> ChmDecompressor::extract(const ChmEntry &entry, quint64 maxStream)
{
    if (entry.offset > kMaxOffset || entry.length > kMaxOffset)
        return std::nullopt;
    const bool compressed = entry.section == 1;
    if (compressed && entry.offset + entry.length > maxStream)
        return std::nullopt;
    if (!compressed && entry.offset + entry.length > quint64(m_state->input.size()))
        return std::nullopt;
    if (compressed && !m_state->systemFiles[0].section)
        return std::nullopt; // no compressed data at all
    if (entry.length > maxStream)
        return std::nullopt;
    mschmd_file file {};
    file.section = compressed ? &m_state->header->sec1.base : &m_state->header->sec0.base;
    file.offset = static_cast<off_t>(entry.offset);
    file.length = static_cast<off_t>(entry.length);
    file.filename = const_cast<char *>(kOutputName);
    QByteArray contents;
    m_state->output = &contents;
    m_state->outputLimit = static_cast<qsizetype>(entry.length);
    const int error = m_state->decompressor->extract(m_state->decompressor, &file, kOutputName);
    m_state->output = nullptr;
    if (error != MSPACK_ERR_OK || contents.size() != static_cast<qsizetype>(entry.length))
        return std::nullopt;
    return contents;
}

qint64 ChmDecompressor::bytesRead() const
{
    return m_state->bytesRead;
}
