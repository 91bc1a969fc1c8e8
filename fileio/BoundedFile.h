// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <variant>
#include <vector>

// What identifies one version of a file: a cache keyed by it sees a file
// that was replaced, rewritten or touched as a new one.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // time of the last change of contents
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// Why a file was not read.
struct FileRefusal {
    enum class Kind { Missing, CannotOpen, NotRegular, TooLarge, ReadFailed, Cancelled };
    Kind kind = Kind::CannotOpen;
    int error = 0; // errno where the system said why
    [[nodiscard]] std::string text() const;
};

struct BoundedRead {
    // Larger than this and the file is refused, whatever its size says.
    std::size_t maxBytes = 0;
    // Only the first bytes are wanted (a look at a file's head); the size
    // limit still holds for the whole file.
    std::size_t wanted = std::numeric_limits<std::size_t>::max();
    // A symbolic link is refused rather than followed (a cache of the
    // program's own, which nobody should put a link in).
    bool followLinks = true;
    // Set from another thread, it ends the reading between two pieces.
    const std::atomic<bool> *cancel = nullptr;
};

struct FileBytes {
    std::string bytes;
    FileStamp stamp;
};

// Opens without blocking, so that a FIFO or a device in a file's place
// cannot hold the program up, and reads only a regular file, in pieces: a
// file whose size says 0 may still never end (/proc), and one may grow
// while it is read.
[[nodiscard]] std::variant<FileBytes, FileRefusal> readBounded(
    const std::filesystem::path &path, const BoundedRead &limits);

// The same, into 64-bit words (the last one padded with zero bytes), for a
// file that is an image of words: it is then used where it was read.
struct FileWords {
    std::vector<std::uint64_t> words;
    std::size_t bytes = 0;
    FileStamp stamp;
};
[[nodiscard]] std::variant<FileWords, FileRefusal> readBoundedWords(
    const std::filesystem::path &path, const BoundedRead &limits);

// The stamp of a regular file; a refusal for anything else.
[[nodiscard]] std::variant<FileStamp, FileRefusal> stampOf(
    const std::filesystem::path &path, bool followLinks = true);
