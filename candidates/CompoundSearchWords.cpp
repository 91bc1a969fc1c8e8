// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearchWords.h"

#include <algorithm>
#include <cstring>

namespace compoundsearch {

namespace {

std::uint64_t hashOf(std::string_view word)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : word) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    // Mixed, so that the top bits (which pick the table) depend on every letter.
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    return hash;
}

constexpr std::uint64_t kLow = 0xffffffffULL;

// Where the hash's upper half puts a word in a table of this many slots (a
// power of two): the bits below those that pick the table, which the slot
// keeps, so that a table grows without asking the words again.
std::size_t slotOf(std::uint64_t upper, std::size_t slots)
{
    return static_cast<std::size_t>(upper) & (slots - 1);
}

} // namespace

NamedWords::Named NamedWords::name(std::string_view word)
{
    const std::uint64_t hash = hashOf(word);
    Table &table = m_tables[static_cast<std::size_t>(hash >> (64 - kTableBits))];
    if (table.slots.empty() || 2 * (table.filled + 1) > table.slots.size())
        grow(table);
    const std::uint64_t upper = hash >> 32;
    for (std::size_t at = slotOf(upper, table.slots.size());;
         at = (at + 1) & (table.slots.size() - 1)) {
        std::uint64_t &slot = table.slots[at];
        if (slot == 0) {
            // Numbers fit the slot's lower half: four billion words would
            // take more memory than any machine has.
            const std::size_t number = m_words.size();
            m_words.push_back({ keep(word), word.size(), false });
            slot = upper << 32 | (static_cast<std::uint64_t>(number) + 1);
            ++table.filled;
            return { number, true };
        }
        if (same(slot, hash, word))
            return { static_cast<std::size_t>((slot & kLow) - 1), false };
    }
}

bool NamedWords::same(std::uint64_t slot, std::uint64_t hash, std::string_view word) const
{
    if (slot >> 32 != hash >> 32)
        return false;
    const Entry &known = m_words[static_cast<std::size_t>((slot & kLow) - 1)];
    return known.size == word.size() && std::memcmp(known.text, word.data(), word.size()) == 0;
}

void NamedWords::grow(Table &table)
{
    std::vector<std::uint64_t> slots(std::max<std::size_t>(64, 2 * table.slots.size()), 0);
    for (const std::uint64_t slot : table.slots) {
        if (slot == 0)
            continue;
        std::size_t at = slotOf(slot >> 32, slots.size());
        while (slots[at] != 0)
            at = (at + 1) & (slots.size() - 1);
        slots[at] = slot;
    }
    table.slots = std::move(slots);
}

const char *NamedWords::keep(std::string_view word)
{
    if (m_blocks.empty() || kBlock - m_used < word.size()) {
        // A word longer than a block has one of its own, which is full.
        m_blocks.push_back(std::make_unique<char[]>(std::max(kBlock, word.size())));
        m_used = 0;
    }
    char *text = m_blocks.back().get() + m_used;
    std::memcpy(text, word.data(), word.size());
    m_used = std::min(kBlock, m_used + word.size());
    return text;
}

} // namespace compoundsearch
