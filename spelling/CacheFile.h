// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/BoundedFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// What the program keeps of one dictionary between runs, so that a run
// finds at once what an earlier one worked out: the engines' verdicts on
// it and its word index, valid for exactly the versions of its two files
// that the stamps name.
struct CacheEntry {
    std::string dictionary; // the path without .aff and .dic
    FileStamp aff;
    FileStamp dic;
    // Short facts by name (an engine's verdict, ...).
    std::vector<std::pair<std::string, std::string>> notes;
    // The index, for the engine whose reading of the files it follows; or
    // why the dictionary has none. No dialect: not built yet.
    std::optional<std::uint32_t> dialect;
    std::string indexRefusal;
    std::vector<std::uint64_t> image;

    [[nodiscard]] const std::string *note(std::string_view name) const;
    void setNote(std::string name, std::string value);
};

// The entries are files in one folder, each written whole under another
// name and then renamed, so that a reader sees an old entry or a new one,
// never half of one. A file that is not an entry of this program, of this
// version and byte order, whole and unchanged, is not one: it is ignored
// and written anew. The folder is kept below a size, the oldest entries
// going first.
namespace CacheFile {

inline constexpr std::uint64_t kMaxEntryBytes = 512ull << 20;
inline constexpr std::uint64_t kMaxFolderBytes = 1024ull << 20;
inline constexpr std::size_t kMaxEntries = 32;

// The file of a dictionary's entry in the folder.
[[nodiscard]] std::filesystem::path fileFor(
    const std::filesystem::path &folder, const std::string &dictionary);

// The entry in a file's words; nothing, and why, when they hold none.
[[nodiscard]] std::optional<CacheEntry> parse(
    std::span<const std::uint64_t> words, std::string *whyNot = nullptr);
[[nodiscard]] std::optional<CacheEntry> read(
    const std::filesystem::path &file, std::string *whyNot = nullptr);

// The words of the file that holds the entry, with image as its index
// (the entry's own is not looked at, so that a caller need not copy one).
[[nodiscard]] std::vector<std::uint64_t> serialize(
    const CacheEntry &entry, std::span<const std::uint64_t> image);
// Writes the entry into the folder (made if missing), then keeps the
// folder within its bounds; false, and why, when it could not be written.
bool write(const std::filesystem::path &folder, const CacheEntry &entry,
    std::span<const std::uint64_t> image, std::string *whyNot = nullptr);
// Marks the entry's file as just used, so that pruning keeps it longest,
// without writing it again.
void markUsed(const std::filesystem::path &folder, const std::string &dictionary);

} // namespace CacheFile
