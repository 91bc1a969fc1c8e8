// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryCheck.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unicode/ucnv.h>
#include <unistd.h>

namespace DictionaryCheck {

namespace {

// Entries of the word list looked at for a plain one.
constexpr int kEntriesLooked = 1000;
constexpr std::size_t kWordListHeadSize = 256 * 1024;
constexpr std::size_t kMaxEntrySize = 100;

// The file's bytes, up to limit; nothing when it is not a regular file (a
// FIFO would block, a device never end) or is larger.
std::optional<std::string> readRegular(
    const std::filesystem::path &path, std::uintmax_t limit, std::size_t wanted, std::string &why)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = path.string() + ": cannot be opened";
        return std::nullopt;
    }
    struct stat status { };
    std::optional<std::string> bytes;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        why = path.string() + " is not a regular file";
    } else if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        why = path.string() + " is larger than " + std::to_string(limit) + " bytes";
    } else {
        std::string read(
            std::min<std::size_t>(static_cast<std::size_t>(status.st_size), wanted), '\0');
        std::size_t got = 0;
        while (got < read.size()) {
            const ssize_t n = ::read(fd, read.data() + got, read.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        read.resize(got);
        bytes = std::move(read);
    }
    ::close(fd);
    return bytes;
}

std::string upper(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The converter name Nuspell asks ICU for: its own spellings mapped as it
// maps them ("UTF8", "microsoft-cp1251"); no SET means ISO8859-1.
std::string nuspellEncodingName(const std::string &encoding)
{
    std::string name = upper(encoding);
    if (name.empty())
        return "ISO8859-1";
    if (name == "UTF8")
        return "UTF-8";
    if (name.starts_with("MICROSOFT-"))
        name.erase(0, 10);
    return name;
}

bool convertible(const std::string &encoding)
{
    UErrorCode error = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(encoding.c_str(), &error);
    if (converter)
        ucnv_close(converter);
    return U_SUCCESS(error) && converter;
}

std::optional<std::string> toUtf8(const std::string &bytes, const std::string &encoding)
{
    std::string out(bytes.size() * 4 + 4, '\0');
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = ucnv_convert("UTF-8", encoding.c_str(), out.data(),
        static_cast<int32_t>(out.size()), bytes.data(), static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error))
        return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
}

bool readsAsciiAsIs(const std::string &encoding)
{
    const std::string sample = "SET FLAG TRY abcxyz ABCXYZ 0129/\t";
    return toUtf8(sample, encoding) == sample;
}

// The first entry among the first ones of the word list that has no affix
// flags: the engine must accept it as it stands.
std::optional<std::string> firstPlainEntry(const std::string &wordList)
{
    std::istringstream lines(wordList);
    std::string line;
    std::getline(lines, line); // the entry count
    for (int i = 0; i < kEntriesLooked && std::getline(lines, line); ++i) {
        // The head of a long list may end inside an entry.
        if (lines.eof() && wordList.size() >= kWordListHeadSize)
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string entry = line.substr(0, line.find_first_of(" \t"));
        if (entry.empty() || entry.size() > kMaxEntrySize || entry.find('/') != std::string::npos
            || entry.find('\\') != std::string::npos)
            continue;
        return entry;
    }
    return std::nullopt;
}

} // namespace

Report inspect(const std::filesystem::path &base)
{
    Report report;
    std::string why;
    const auto affix
        = readRegular(base.string() + ".aff", kMaxAffixFileSize, kMaxAffixFileSize, why);
    // Only the first entries are read, but the whole word list is loaded by
    // the engines, so its size counts.
    const auto words = affix
        ? readRegular(base.string() + ".dic", kMaxWordListSize, kWordListHeadSize, why)
        : std::nullopt;
    if (!affix || !words) {
        report.refusal = why;
        return report;
    }
    std::istringstream lines(*affix);
    std::string line;
    bool first = true;
    bool sawSet = false;
    // Nuspell reads keywords in any case ("sET") and acts on every SET line,
    // so each one is looked at: one it cannot convert is enough to crash it.
    std::optional<std::string> unconvertible;
    while (std::getline(lines, line)) {
        if (first && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        first = false;
        std::istringstream fields(line);
        std::string keyword, value;
        fields >> keyword >> value;
        keyword = upper(keyword);
        if (keyword == "SET") {
            if (!sawSet)
                report.encoding = value;
            sawSet = true;
            if (!unconvertible && !convertible(nuspellEncodingName(value)))
                unconvertible = value;
        } else if (keyword == "FLAG") {
            const std::string type = upper(value);
            if (type != "LONG" && type != "NUM" && type != "UTF-8")
                report.refusal = "FLAG " + value + " is no flag type that the engines know";
        }
    }
    const std::string converter = nuspellEncodingName(report.encoding);
    const bool known = convertible(converter);
    if (unconvertible || !known) {
        report.nuspellRefusal = "SET " + unconvertible.value_or(report.encoding)
            + " names an encoding that cannot be converted";
    } else if (!readsAsciiAsIs(converter)) {
        // The files are lines of bytes with ASCII keywords: UTF-16 and the
        // like cannot be what they are written in, whatever SET says.
        report.refusal = "SET " + report.encoding + " is no encoding a dictionary file can be in";
    }
    if (auto entry = firstPlainEntry(*words)) {
        report.plainEntryUtf8 = known ? toUtf8(*entry, converter) : std::nullopt;
        if (!report.plainEntryUtf8)
            report.plainEntryUtf8 = entry;
        report.plainEntryRaw = std::move(entry);
    }
    return report;
}

} // namespace DictionaryCheck
