// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/CacheFile.h"

#include "wordindex/IndexLayout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

namespace {

// "QVCACHE" and a byte that is read back differently in the other byte order.
constexpr std::uint64_t kMagic = 0x0145484341435651ULL;
// The layout of the entry, and of the index inside it.
// The first half counts the versions of the entry's own fields and notes
// (2: the alphabet is kept; 3: with the characters its checker ignores;
// 4: and a converted ligature with the marks an ending begins with; 5: and
// which of its letters the dictionary converts),
// the second is the index's.
constexpr std::uint64_t kVersion = (5u << 16) | IndexLayout::kVersion;
constexpr std::size_t kHeaderWords = 4; // magic, version, words, checksum
// An alphabet of Indic clusters is a long note.
constexpr std::size_t kMaxText = 2u << 20;
constexpr std::size_t kMaxNotes = 16;
constexpr std::uint64_t kNoDialect = ~std::uint64_t(0);

void putText(std::vector<std::uint64_t> &out, std::string_view text)
{
    out.push_back(text.size());
    const std::size_t start = out.size();
    out.resize(start + text.size() / 8 + (text.size() % 8 != 0), 0);
    if (!text.empty())
        std::memcpy(out.data() + start, text.data(), text.size());
}

void putStamp(std::vector<std::uint64_t> &out, const FileStamp &stamp)
{
    out.insert(out.end(),
        { stamp.device, stamp.inode, stamp.size, static_cast<std::uint64_t>(stamp.modifiedNs) });
}

// Takes words from the front, each read checked against the end.
class Words {
public:
    explicit Words(std::span<const std::uint64_t> words)
        : m_words(words)
    {
    }
    std::uint64_t take()
    {
        if (m_at >= m_words.size()) {
            m_failed = true;
            return 0;
        }
        return m_words[m_at++];
    }
    std::string text()
    {
        const std::uint64_t length = take();
        const std::size_t count = length / 8 + (length % 8 != 0);
        if (m_failed || length > kMaxText || count > m_words.size() - m_at) {
            m_failed = true;
            return {};
        }
        std::string value(reinterpret_cast<const char *>(m_words.data() + m_at), length);
        m_at += count;
        return value;
    }
    FileStamp stamp()
    {
        FileStamp stamp { take(), take(), take(), 0 };
        stamp.modifiedNs = static_cast<std::int64_t>(take());
        return stamp;
    }
    std::span<const std::uint64_t> rest() const { return m_words.subspan(m_at); }
    [[nodiscard]] bool failed() const { return m_failed; }

private:
    std::span<const std::uint64_t> m_words;
    std::size_t m_at = 0;
    bool m_failed = false;
};

// What comes between the header and the index's words.
std::vector<std::uint64_t> fieldsOf(const CacheEntry &entry, std::size_t imageWords)
{
    std::vector<std::uint64_t> fields;
    putText(fields, entry.dictionary);
    putStamp(fields, entry.aff);
    putStamp(fields, entry.dic);
    fields.push_back(entry.notes.size());
    for (const auto &[name, value] : entry.notes) {
        putText(fields, name);
        putText(fields, value);
    }
    fields.push_back(entry.dialect ? *entry.dialect : kNoDialect);
    putText(fields, entry.indexRefusal);
    fields.push_back(imageWords);
    return fields;
}

std::uint64_t checksum(std::span<const std::uint64_t> fields, std::span<const std::uint64_t> image)
{
    XXH3_state_t *state = XXH3_createState();
    XXH3_64bits_reset(state);
    XXH3_64bits_update(state, fields.data(), fields.size_bytes());
    XXH3_64bits_update(state, image.data(), image.size_bytes());
    const std::uint64_t sum = XXH3_64bits_digest(state);
    XXH3_freeState(state);
    return sum;
}

bool setWhy(std::string *whyNot, std::string why)
{
    if (whyNot)
        *whyNot = std::move(why);
    return false;
}

// A reason in the user's language with the system's own words (errno) in it.
std::string systemSaid(const char *source, int error)
{
    return QCoreApplication::translate("CacheFile", source)
        .arg(QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

// Deletes the oldest entries (and leftovers of writes that never finished)
// until the folder is within its bounds.
void prune(const std::filesystem::path &folder)
{
    struct Found {
        std::filesystem::path path;
        std::filesystem::file_time_type time;
        std::uintmax_t size;
    };
    std::vector<Found> entries;
    std::error_code error;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto &item : std::filesystem::directory_iterator(folder, error)) {
        if (!item.is_regular_file(error) || item.is_symlink(error))
            continue;
        const auto name = item.path().filename().string();
        const auto time = item.last_write_time(error);
        if (name.starts_with(".") && name.ends_with(".part")) {
            if (now - time > std::chrono::hours(1))
                std::filesystem::remove(item.path(), error);
        } else if (name.ends_with(".cache")) {
            entries.push_back({ item.path(), time, item.file_size(error) });
        }
    }
    std::ranges::sort(entries, [](const Found &a, const Found &b) { return a.time > b.time; });
    std::uintmax_t total = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        total += entries[i].size;
        if (i >= CacheFile::kMaxEntries || total > CacheFile::kMaxFolderBytes)
            std::filesystem::remove(entries[i].path, error);
    }
}

} // namespace

const std::string *CacheEntry::note(std::string_view name) const
{
    const auto found = std::ranges::find(notes, name, &std::pair<std::string, std::string>::first);
    return found == notes.end() ? nullptr : &found->second;
}

void CacheEntry::setNote(std::string name, std::string value)
{
    const auto found = std::ranges::find(notes, name, &std::pair<std::string, std::string>::first);
    if (found != notes.end())
        found->second = std::move(value);
    else if (notes.size() < kMaxNotes)
        notes.emplace_back(std::move(name), std::move(value));
}

namespace CacheFile {

std::filesystem::path fileFor(const std::filesystem::path &folder, const std::string &dictionary)
{
    char name[32];
    std::snprintf(name, sizeof(name), "%016llx.cache",
        static_cast<unsigned long long>(XXH3_64bits(dictionary.data(), dictionary.size())));
    return folder / name;
}

namespace {

// The entry's fields; the index's words start at imageAt.
std::optional<CacheEntry> fields(
    std::span<const std::uint64_t> words, std::size_t &imageAt, std::string *whyNot)
{
    if (words.size() < kHeaderWords || words[0] != kMagic) {
        setWhy(whyNot, "it is no cache entry of this program, or of another byte order");
        return std::nullopt;
    }
    if (words[1] != kVersion) {
        setWhy(whyNot, "it was written by another version of the program");
        return std::nullopt;
    }
    if (words[2] != words.size() || checksum(words.subspan(kHeaderWords), {}) != words[3]) {
        setWhy(whyNot, "it is damaged or cut short");
        return std::nullopt;
    }
    Words in(words.subspan(kHeaderWords));
    CacheEntry entry;
    entry.dictionary = in.text();
    entry.aff = in.stamp();
    entry.dic = in.stamp();
    const std::uint64_t notes = in.take();
    for (std::uint64_t i = 0; i < notes && i < kMaxNotes && !in.failed(); ++i) {
        std::string name = in.text();
        std::string value = in.text();
        entry.notes.emplace_back(std::move(name), std::move(value));
    }
    const std::uint64_t dialect = in.take();
    if (dialect != kNoDialect)
        entry.dialect = static_cast<std::uint32_t>(std::min<std::uint64_t>(dialect, 0xFFFF));
    entry.indexRefusal = in.text();
    const std::uint64_t imageWords = in.take();
    if (in.failed() || notes > kMaxNotes || imageWords != in.rest().size()) {
        setWhy(whyNot, "its fields do not fit together");
        return std::nullopt;
    }
    imageAt = words.size() - in.rest().size();
    return entry;
}

} // namespace

std::optional<CacheEntry> parse(std::span<const std::uint64_t> words, std::string *whyNot)
{
    std::size_t imageAt = 0;
    auto entry = fields(words, imageAt, whyNot);
    if (entry)
        entry->image.assign(words.begin() + static_cast<std::ptrdiff_t>(imageAt), words.end());
    return entry;
}

std::optional<CacheEntry> read(const std::filesystem::path &file, std::string *whyNot)
{
    // The program's own files only: a link in the folder is not followed.
    auto got = readBoundedWords(file, { .maxBytes = kMaxEntryBytes, .followLinks = false });
    if (const auto *refusal = std::get_if<FileRefusal>(&got)) {
        setWhy(whyNot, refusal->text());
        return std::nullopt;
    }
    auto &bytes = std::get<FileWords>(got);
    if (bytes.bytes % 8 != 0) {
        setWhy(whyNot, "it is damaged or cut short");
        return std::nullopt;
    }
    std::size_t imageAt = 0;
    auto entry = fields(bytes.words, imageAt, whyNot);
    if (entry) {
        // The index stays in the words it was read into.
        bytes.words.erase(
            bytes.words.begin(), bytes.words.begin() + static_cast<std::ptrdiff_t>(imageAt));
        entry->image = std::move(bytes.words);
    }
    return entry;
}

std::vector<std::uint64_t> serialize(const CacheEntry &entry, std::span<const std::uint64_t> image)
{
    const std::vector<std::uint64_t> fields = fieldsOf(entry, image.size());
    std::vector<std::uint64_t> words { kMagic, kVersion, 0, 0 };
    words.insert(words.end(), fields.begin(), fields.end());
    words.insert(words.end(), image.begin(), image.end());
    words[2] = words.size();
    words[3] = checksum(std::span(words).subspan(kHeaderWords), {});
    return words;
}

bool write(const std::filesystem::path &folder, const CacheEntry &entry,
    std::span<const std::uint64_t> image, std::string *whyNot)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    const std::vector<std::uint64_t> fields = fieldsOf(entry, image.size());
    const std::uint64_t header[kHeaderWords] { kMagic, kVersion,
        kHeaderWords + fields.size() + image.size(), checksum(fields, image) };
    const auto final = fileFor(folder, entry.dictionary);
    std::random_device random;
    // Appended piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict) of
    // a string literal joined to a temporary string.
    std::string name = ".";
    name += final.filename().string();
    name += '.';
    name += std::to_string(getpid());
    name += '.';
    name += std::to_string(random());
    name += ".part";
    const auto temporary = folder / name;
    const int fd
        = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return setWhy(
            whyNot, systemSaid(QT_TRANSLATE_NOOP("CacheFile", "it cannot be created: %1"), errno));
    bool ok = true;
    for (const std::span<const std::uint64_t> piece :
        { std::span<const std::uint64_t>(header), std::span<const std::uint64_t>(fields), image }) {
        const auto *bytes = reinterpret_cast<const char *>(piece.data());
        std::size_t left = piece.size_bytes();
        while (ok && left > 0) {
            const ssize_t n = ::write(fd, bytes, left);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            if (ok) {
                bytes += n;
                left -= static_cast<std::size_t>(n);
            }
        }
    }
    const int writeError = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), final.c_str()) != 0) {
        std::filesystem::remove(temporary, error);
        return setWhy(whyNot,
            systemSaid(QT_TRANSLATE_NOOP("CacheFile", "it cannot be written: %1"),
                ok ? errno : writeError));
    }
    prune(folder);
    return true;
}

void markUsed(const std::filesystem::path &folder, const std::string &dictionary)
{
    const std::filesystem::path file = fileFor(folder, dictionary);
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
        std::filesystem::last_write_time(
            file, std::filesystem::file_time_type::clock::now(), error);
}

} // namespace CacheFile
