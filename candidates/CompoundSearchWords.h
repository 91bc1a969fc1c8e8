// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

namespace compoundsearch {

// The words the search for compounds has named, each once, numbered in the
// order named. A long word names millions, each looked up again for every
// split that spells it: a hash table of nodes, one string each, spent half
// the search in cache misses and rehashing. Here the words' letters lie one
// after another in blocks, and small tables of open addressing, one chosen
// by the top bits of a word's hash, hold the rest of its hash and its
// number: a look-up reads a slot or two and compares only a word whose hash
// is the same. No growth moves more than one small table at a time (the
// window, whose events the search hands over to, waits for none).
class NamedWords {
public:
    struct Named {
        std::size_t number = 0;
        bool fresh = false; // named now for the first time
    };
    // The word's number; a new one where the word is new.
    Named name(std::string_view word);
    [[nodiscard]] std::size_t size() const { return m_words.size(); }
    [[nodiscard]] bool sure(std::size_t number) const { return m_words[number].sure; }
    void setSure(std::size_t number) { m_words[number].sure = true; }

private:
    struct Entry {
        const char *text = nullptr;
        std::size_t size = 0;
        bool sure = false;
    };
    // A slot is the hash's upper half and the word's number plus one (0:
    // empty); the table is picked by the top bits, the slot by the bits below.
    struct Table {
        std::vector<std::uint64_t> slots;
        std::size_t filled = 0;
    };
    static constexpr std::size_t kTableBits = 6;
    static constexpr std::size_t kBlock = std::size_t(1) << 20;

    [[nodiscard]] bool same(std::uint64_t slot, std::uint64_t hash, std::string_view word) const;
    static void grow(Table &table);
    const char *keep(std::string_view word);

    std::array<Table, std::size_t(1) << kTableBits> m_tables;
    std::deque<Entry> m_words; // by number: grows without moving the others
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_used = kBlock; // of the last block
};

} // namespace compoundsearch
