// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/BoundedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kPiece = 64 * 1024;

FileStamp stampFrom(const struct stat &status)
{
    return { static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec };
}

FileRefusal refusal(FileRefusal::Kind kind, int error = 0)
{
    return { kind, error };
}

// Closes the descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

int openFlags(bool followLinks)
{
    return O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW);
}

FileRefusal openFailure()
{
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return refusal(FileRefusal::Kind::Missing, error);
    // O_NOFOLLOW on a link gives ELOOP.
    if (error == ELOOP)
        return refusal(FileRefusal::Kind::NotRegular, error);
    return refusal(FileRefusal::Kind::CannotOpen, error);
}

} // namespace

std::string FileRefusal::text() const
{
    std::string reason;
    switch (kind) {
    case Kind::Missing:
        reason = "it does not exist";
        break;
    case Kind::CannotOpen:
        reason = "it cannot be opened";
        break;
    case Kind::NotRegular:
        return "it is not a regular file";
    case Kind::TooLarge:
        return "it is larger than the program reads";
    case Kind::ReadFailed:
        reason = "it cannot be read";
        break;
    case Kind::Cancelled:
        return "its reading was cancelled";
    }
    if (error != 0)
        reason += std::string(" (") + std::strerror(error) + ")";
    return reason;
}

namespace {

// Reads into a buffer of bytes (a string, or words seen as bytes) that
// resize(n) makes n bytes long.
template<typename Resize, typename Data>
std::variant<std::size_t, FileRefusal> readInto(const std::filesystem::path &path,
    const BoundedRead &limits, FileStamp &stamp, Resize &&resize, Data &&data)
{
    const Descriptor fd(::open(path.c_str(), openFlags(limits.followLinks)));
    if (fd.get() < 0)
        return openFailure();
    struct stat status { };
    if (::fstat(fd.get(), &status) != 0)
        return refusal(FileRefusal::Kind::ReadFailed, errno);
    if (!S_ISREG(status.st_mode))
        return refusal(FileRefusal::Kind::NotRegular);
    if (static_cast<std::uintmax_t>(status.st_size) > limits.maxBytes)
        return refusal(FileRefusal::Kind::TooLarge);
    stamp = stampFrom(status);
    // One byte past the limit tells a file that is larger than it said.
    const std::size_t stopAt = std::min(limits.wanted, limits.maxBytes + 1);
    // Whole pieces at a time: some kernel files read only in aligned units.
    std::size_t size
        = std::min(stopAt, std::max(static_cast<std::size_t>(status.st_size) + 1, kPiece));
    resize(size);
    std::size_t got = 0;
    while (got < stopAt) {
        if (limits.cancel && limits.cancel->load(std::memory_order_relaxed))
            return refusal(FileRefusal::Kind::Cancelled);
        if (got == size) {
            size = std::min(stopAt, got + kPiece);
            resize(size);
        }
        const ssize_t n = ::read(fd.get(), data() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refusal(FileRefusal::Kind::ReadFailed, errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limits.maxBytes)
        return refusal(FileRefusal::Kind::TooLarge);
    resize(got);
    return got;
}

} // namespace

std::variant<FileBytes, FileRefusal> readBounded(
    const std::filesystem::path &path, const BoundedRead &limits)
{
    FileBytes file;
    auto read = readInto(
        path, limits, file.stamp, [&](std::size_t n) { file.bytes.resize(n); },
        [&] { return file.bytes.data(); });
    if (auto *refused = std::get_if<FileRefusal>(&read))
        return *refused;
    return file;
}

std::variant<FileWords, FileRefusal> readBoundedWords(
    const std::filesystem::path &path, const BoundedRead &limits)
{
    FileWords file;
    auto read = readInto(
        path, limits, file.stamp, [&](std::size_t n) { file.words.resize(n / 8 + (n % 8 != 0)); },
        [&] { return reinterpret_cast<char *>(file.words.data()); });
    if (auto *refused = std::get_if<FileRefusal>(&read))
        return *refused;
    file.bytes = std::get<std::size_t>(read);
    // The bytes past the end of the file in its last word are zero.
    if (file.bytes % 8 != 0)
        std::memset(
            reinterpret_cast<char *>(file.words.data()) + file.bytes, 0, 8 - file.bytes % 8);
    return file;
}

std::variant<FileStamp, FileRefusal> stampOf(const std::filesystem::path &path, bool followLinks)
{
    struct stat status { };
    const int result = followLinks ? ::stat(path.c_str(), &status) : ::lstat(path.c_str(), &status);
    if (result != 0)
        return errno == ENOENT || errno == ENOTDIR ? refusal(FileRefusal::Kind::Missing, errno)
                                                   : refusal(FileRefusal::Kind::CannotOpen, errno);
    if (!S_ISREG(status.st_mode))
        return refusal(FileRefusal::Kind::NotRegular);
    return stampFrom(status);
}
