// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chmreader/ChmDirectory.h"

#include <QByteArray>
#include <memory>
#include <optional>
#include <variant>

struct ChmDecompressorState;

// libmspack over a CHM file held in memory, used for its header checks and
// its LZX decompression only: the directory is walked by ChmDirectory, and
// the files the decompressor needs are handed to it from that walk, so the
// library never follows a chunk link itself. One decompressor serves every
// read, so reads that go forward along the compressed stream carry on where
// the last one stopped instead of starting again.
class ChmDecompressor {
public:
    [[nodiscard]] static std::variant<std::unique_ptr<ChmDecompressor>, QString> open(
        QByteArray file);
    ~ChmDecompressor();
    ChmDecompressor(const ChmDecompressor &) = delete;
    ChmDecompressor &operator=(const ChmDecompressor &) = delete;

    [[nodiscard]] const QByteArray &file() const;
    [[nodiscard]] ChmDirectory::Layout layout() const;
    // The compressed section's own files, by their names in the directory.
    void useDirectory(const QHash<QString, ChmEntry> &entries);
    // The entry's bytes, or nothing when it cannot be read or a reading
    // would produce more than maxStream bytes of the compressed stream.
    [[nodiscard]] std::optional<QByteArray> extract(const ChmEntry &entry, quint64 maxStream);
    // Bytes of the file read so far, for telling a resumed stream from a restarted one.
    [[nodiscard]] qint64 bytesRead() const;

private:
    ChmDecompressor();
    std::unique_ptr<ChmDecompressorState> m_state;
};
