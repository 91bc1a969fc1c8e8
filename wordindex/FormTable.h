// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/WordIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The typed spellings of a dictionary's forms while an index is built:
// each spelling once, with the roles of every form that spells it, in the
// order first met. Kept lean (a few bytes a form besides its letters),
// since the largest dictionaries give millions of them.
class FormTable {
public:
    explicit FormTable(std::size_t maxForms);

    void add(std::string_view spelling, std::uint8_t roles, std::uint64_t ruleFlags);
    [[nodiscard]] bool full() const { return m_full; }
    [[nodiscard]] std::size_t size() const { return m_offsets.size(); }

    // The index of every spelling, sorted by key. Empties the table; gives
    // the memory freed back to the system when asked (worth it for a large table).
    [[nodiscard]] WordIndex write(const CompoundSettings &settings, bool giveBack = true);

private:
    [[nodiscard]] std::string_view spelling(std::uint32_t i) const
    {
        return std::string_view(m_text).substr(m_offsets[i], m_lengths[i]);
    }
    void grow();

    std::size_t m_maxForms;
    bool m_full = false;
    std::string m_text;
    std::vector<std::uint32_t> m_offsets;
    std::vector<std::uint16_t> m_lengths;
    std::vector<std::uint8_t> m_roles;
    std::unordered_map<std::uint32_t, std::uint64_t> m_ruleFlags; // few forms have them
    std::vector<std::uint32_t> m_slots; // open addressing: spelling index + 1, 0 free
};
