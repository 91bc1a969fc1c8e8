// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/Alphabet.h"
#include "spelling/CacheFile.h"
#include "spelling/EngineProbe.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the cache keeps of one dictionary while the service works on it: the
// entry read back for the dictionary's files as they are now (or a new one),
// and whether anything has been found out since that the cache lacks. Only
// a changed entry is written again: writing a large index anew would cost
// the run's end more than the answer took.
class KeptDictionary {
public:
    KeptDictionary() = default;
    // The entry for these versions of the dictionary's files: read from the
    // cache folder when one is given and holds it, else a new one.
    [[nodiscard]] static KeptDictionary forFiles(const std::optional<std::filesystem::path> &folder,
        const std::string &dictionary, const FileStamp &aff, const FileStamp &dic);

    [[nodiscard]] const std::string &dictionary() const { return m_entry.dictionary; }
    [[nodiscard]] const FileStamp &dicStamp() const { return m_entry.dic; }

    // An engine's verdict on the dictionary, as kept; set, it is kept from now.
    [[nodiscard]] std::optional<EngineProbe::Verdict> verdict(Engine engine) const;
    void setVerdict(Engine engine, const EngineProbe::Verdict &verdict);

    // Whether an index for this engine's reading, or why there is none, is kept.
    [[nodiscard]] bool holdsIndexFor(Engine engine) const;
    [[nodiscard]] const std::string &indexRefusal() const { return m_entry.indexRefusal; }
    [[nodiscard]] std::size_t imageWords() const { return m_entry.image.size(); }
    // The kept index, handed over once.
    [[nodiscard]] std::vector<std::uint64_t> takeImage();
    // The kept index could not be read: it is to be written anew.
    void dropIndex();
    // An index was built for this engine (none, where cut short), or
    // refused, and the dictionary's alphabet found (or not).
    void setIndexBuilt(std::optional<Engine> engine, const std::string &refusal,
        const std::optional<Alphabet> &alphabet = std::nullopt);
    // The alphabet kept with the index; nothing when none is.
    [[nodiscard]] std::optional<Alphabet> alphabet() const;

    // Writes the entry with this index into the cache folder, or, where
    // nothing changed since it was read, only marks it used. Gives the line
    // that says why it could not be written, if it could not.
    [[nodiscard]] std::optional<std::string> keep(
        const std::optional<std::filesystem::path> &folder,
        std::span<const std::uint64_t> image) const;

private:
    CacheEntry m_entry;
    bool m_asRead = false; // nothing found out since the entry was read
};
