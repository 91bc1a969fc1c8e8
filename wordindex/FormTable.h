// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/WordIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Whether the forms typed so keep their own spellings in the index: those
// with a letter filed beyond a to z (Greek, Cyrillic, ł) keep none, so that
// a builder need not make them. The searches spread the typed letters over
// such a key, which holds few letters, where a to z hold every marked Latin
// letter; keeping them nearly doubled the index of an alphabet of its own
// (Russian's first start went from 87 to 236 MB).
[[nodiscard]] bool keepsOwnSpellings(std::string_view spelling);

// The typed spellings of a dictionary's forms while an index is built:
// each spelling once, with the roles of every form that spells it and the
// forms' own spellings (wordindex/OwnSpellings.h), in the order first met.
// Kept lean (a few bytes a form besides its letters, and the own spellings
// only of forms whose letters were folded), since the largest dictionaries
// give millions of them.
class FormTable {
public:
    explicit FormTable(std::size_t maxForms);

    // own: the form's own spelling; nothing when it is the typed spelling itself.
    void add(std::string_view spelling, std::uint8_t roles, std::uint64_t ruleFlags,
        const std::string *own = nullptr);
    // The conversions of one letter into another that the index keeps.
    void setConversions(std::vector<std::pair<std::string, std::string>> conversions)
    {
        m_conversions = std::move(conversions);
    }
    // Keeps the own spellings of the forms with a letter beyond a to z too:
    // worth it in a table of the forms within some letters, made for one
    // search, whose searches then ask a dictionary's own spellings rather
    // than every letter with a mark their keys' letters stand for.
    void keepEveryOwnSpelling() { m_everyOwn = true; }
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
    void addOwn(std::uint32_t i, std::string_view spelling, const std::string *own);
    // The own spellings of entry i, each ended by a NUL; empty when its text is its only one.
    void ownListInto(std::uint32_t i, std::string &out) const;

    struct OwnRecord {
        std::uint32_t offset = 0;
        std::uint32_t next = 0; // the next record of the entry + 1, 0 for none
        std::uint16_t length = 0;
    };

    std::size_t m_maxForms;
    bool m_full = false;
    bool m_everyOwn = false;
    std::string m_text;
    std::vector<std::uint32_t> m_offsets;
    std::vector<std::uint16_t> m_lengths;
    std::vector<std::uint8_t> m_roles;
    std::unordered_map<std::uint32_t, std::uint64_t> m_ruleFlags; // few forms have them
    std::vector<std::uint32_t> m_slots; // open addressing (see kSlotIndex)
    std::vector<bool> m_plain; // whether the spelling is one of its forms' own
    std::vector<std::uint32_t> m_ownHead; // first record + 1, 0 for none; made when first needed
    std::vector<OwnRecord> m_own;
    std::string m_ownText;
    std::vector<std::pair<std::string, std::string>> m_conversions;
};
