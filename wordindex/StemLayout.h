// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The block of memory of an index of stems: a header of ten 64-bit words,
// then its sections, each starting on a word.
//   header: magic, version, core words, keys, stem references, stems,
//           stem characters, flag lists, flags, stems without core
//   cores: a word index of the cores' keys (one form a key: the key)
//   key stems: 32-bit offsets into the stem references, keys + 1
//   stem references: the stems of each key, 32 bits each
//   stem text: 32-bit offsets into the characters, stems + 1
//   characters: 32 bits each
//   stem flags: the flag list of each stem, 32 bits
//   flag starts: 32-bit offsets into the flags, lists + 1
//   flags: 16 bits each
//   stems without core: 32 bits each
namespace StemLayout {

// "QVSTEMS" and a byte that is read back differently in the other byte order.
inline constexpr std::uint64_t kMagic = 0x01534D4554535651ULL;
inline constexpr std::uint64_t kVersion = 4;
inline constexpr std::size_t kHeaderWords = 10;

struct Counts {
    std::size_t coreWords = 0;
    std::size_t keys = 0;
    std::size_t stemRefs = 0;
    std::size_t stems = 0;
    std::size_t textChars = 0;
    std::size_t flagLists = 0;
    std::size_t flags = 0;
    std::size_t coreless = 0;
};

struct Sections {
    Counts counts;
    std::size_t cores = 0;
    std::size_t keyStem = 0;
    std::size_t stemRefs = 0;
    std::size_t stemText = 0;
    std::size_t text = 0;
    std::size_t stemFlags = 0;
    std::size_t flagStart = 0;
    std::size_t flags = 0;
    std::size_t coreless = 0;
    std::size_t total = 0;

    [[nodiscard]] static std::optional<Sections> layout(const Counts &counts);
    [[nodiscard]] static std::optional<Sections> of(const std::vector<std::uint64_t> &image);
};

} // namespace StemLayout
