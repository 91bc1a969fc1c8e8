// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/FormTable.h"

#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <array>
#include <limits>
#include <malloc.h>
#include <xxhash.h>

namespace {

// The key's first six letters, six bits each (their numbers + 1), from the
// most significant bits down, above a 24-bit spelling number: sorted as plain
// numbers, spellings come in the order of their keys' first six letters.
constexpr int kIndexBits = 24;
constexpr std::size_t kCodeLetters = 6;

std::uint64_t sortCode(std::string_view key, std::uint32_t index)
{
    std::uint64_t code = 0;
    for (std::size_t i = 0; i < kCodeLetters; ++i) {
        const std::uint64_t letter
            = i < key.size() ? std::uint64_t(keyLetterNumber(key[i]) + 1) : 0;
        code = (code << 6) | letter;
    }
    return (code << kIndexBits) | index;
}

// A slot of the table: the top byte of its spelling's hash, then the
// spelling's number + 1 (0: a free slot), which the limit on forms keeps
// below 2^24.
constexpr std::uint32_t kSlotIndex = (std::uint32_t(1) << kIndexBits) - 1;

std::uint32_t indexOf(std::uint64_t code)
{
    return static_cast<std::uint32_t>(code & ((std::uint64_t(1) << kIndexBits) - 1));
}

bool byteBefore(char a, char b)
{
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
}

// The key of a spelling, written at key (as many bytes as the spelling):
// its letters in lower case, sorted. The small key letters' bytes, taken
// unsigned, come in the order of their numbers.
void keyInto(std::string_view spelling, char *key)
{
    // Most spellings are short: sorted by insertion, in place.
    constexpr std::size_t kInsertionUpTo = 24;
    const std::size_t size = spelling.size();
    if (size > kInsertionUpTo) {
        std::ranges::transform(spelling, key, asciiLower);
        std::sort(key, key + size, byteBefore);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        const char letter = asciiLower(spelling[i]);
        std::size_t at = i;
        for (; at > 0 && byteBefore(letter, key[at - 1]); --at)
            key[at] = key[at - 1];
        key[at] = letter;
    }
}

// Whether a's text comes before b's with A to Z taken in small letters,
// byte by byte unsigned, as std::string compares.
bool lowerBefore(std::string_view a, std::string_view b)
{
    return std::ranges::lexicographical_compare(
        a, b, byteBefore, [](char c) { return asciiLower(c); },
        [](char c) { return asciiLower(c); });
}

// Frees what a container holds (assigning {} would keep its capacity).
template<typename Container> void release(Container &container)
{
    Container().swap(container);
}

} // namespace

FormTable::FormTable(std::size_t maxForms)
    : m_maxForms(std::min(maxForms, (std::size_t(1) << kIndexBits) - 1))
    , m_slots(1024, 0)
{
}

bool keepsOwnSpellings(std::string_view spelling)
{
    return std::ranges::none_of(
        spelling, [](char c) { return keyLetterNumber(c) >= int(kAsciiKeyLetters); });
}

void FormTable::grow()
{
    std::vector<std::uint32_t> slots(m_slots.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (const std::uint32_t entry : m_slots) {
        if (entry == 0)
            continue;
        const std::string_view text = spelling((entry & kSlotIndex) - 1);
        std::size_t at = XXH3_64bits(text.data(), text.size()) & mask;
        while (slots[at] != 0)
            at = (at + 1) & mask;
        slots[at] = entry;
    }
    m_slots = std::move(slots);
}

void FormTable::addOwn(std::uint32_t i, std::string_view text, const std::string *own)
{
    const bool keyOwn = keepsOwnSpellings(text);
    if (!keyOwn && (!m_everyOwn || !own))
        return;
    if (!own || *own == text) {
        m_plain[i] = true;
        return;
    }
    if (own->size() > std::numeric_limits<std::uint16_t>::max()
        || m_ownText.size() + own->size() > 0xFFFF'FFFFu
        || m_own.size() >= std::numeric_limits<std::uint32_t>::max() - 1) {
        m_full = true;
        return;
    }
    if (m_ownHead.size() < m_offsets.size())
        m_ownHead.resize(std::max(m_offsets.size(), m_ownHead.size() * 2), 0);
    std::uint32_t *link = &m_ownHead[i];
    while (*link != 0) {
        const OwnRecord &record = m_own[*link - 1];
        if (std::string_view(m_ownText).substr(record.offset, record.length) == *own)
            return;
        link = &m_own[*link - 1].next;
    }
    m_own.push_back({ static_cast<std::uint32_t>(m_ownText.size()), 0,
        static_cast<std::uint16_t>(own->size()) });
    m_ownText += *own;
    // The pointer may have moved with the records: found again.
    link = &m_ownHead[i];
    while (*link != 0)
        link = &m_own[*link - 1].next;
    *link = static_cast<std::uint32_t>(m_own.size());
}

void FormTable::ownListInto(std::uint32_t i, std::string &out) const
{
    out.clear();
    if (i >= m_ownHead.size() || m_ownHead[i] == 0)
        return;
    if (m_plain[i])
        out.append(spelling(i)).push_back('\0');
    for (std::uint32_t at = m_ownHead[i]; at != 0; at = m_own[at - 1].next) {
        const OwnRecord &record = m_own[at - 1];
        out.append(std::string_view(m_ownText).substr(record.offset, record.length))
            .push_back('\0');
    }
}

void FormTable::add(
    std::string_view text, std::uint8_t roles, std::uint64_t ruleFlags, const std::string *own)
{
    if (m_full || text.size() > std::numeric_limits<std::uint16_t>::max())
        return;
    // The hash's top byte beside the spelling's number: only a spelling
    // whose hash shares it has its text compared.
    const std::uint64_t hash = XXH3_64bits(text.data(), text.size());
    const auto tag = static_cast<std::uint32_t>(hash >> 56) << kIndexBits;
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = hash & mask;
    for (; m_slots[at] != 0; at = (at + 1) & mask) {
        if ((m_slots[at] & ~kSlotIndex) != tag)
            continue;
        const std::uint32_t i = (m_slots[at] & kSlotIndex) - 1;
        if (spelling(i) == text) {
            m_roles[i] |= roles;
            if (ruleFlags != 0)
                m_ruleFlags[i] |= ruleFlags;
            addOwn(i, text, own);
            return;
        }
    }
    if (m_offsets.size() >= m_maxForms || m_text.size() + text.size() > 0xFFFF'FFFFu) {
        m_full = true;
        return;
    }
    const auto index = static_cast<std::uint32_t>(m_offsets.size());
    m_offsets.push_back(static_cast<std::uint32_t>(m_text.size()));
    m_lengths.push_back(static_cast<std::uint16_t>(text.size()));
    m_roles.push_back(roles);
    m_plain.push_back(false);
    if (ruleFlags != 0)
        m_ruleFlags[index] = ruleFlags;
    m_text += text;
    m_slots[at] = tag | (index + 1);
    addOwn(index, text, own);
    // Half full at most, so that a probe ends soon.
    if (m_offsets.size() * 2 > m_slots.size())
        grow();
}

WordIndex FormTable::write(const CompoundSettings &settings, bool giveBack)
{
    release(m_slots);
    // Each spelling's key, made once, where its text is in m_text.
    std::string keys(m_text.size(), '\0');
    for (std::uint32_t i = 0; i < m_offsets.size(); ++i)
        keyInto(spelling(i), keys.data() + m_offsets[i]);
    const auto keyOf = [&](std::uint32_t i) {
        return std::string_view(keys).substr(m_offsets[i], m_lengths[i]);
    };
    // Sorted by key, then by the spelling in lower case, then in the order
    // met (so that of two spellings of a word the dictionary's first comes
    // first): as numbers for the keys' first letters, then within each run
    // of equal numbers by the whole comparison.
    std::vector<std::uint64_t> order(m_offsets.size());
    for (std::uint32_t i = 0; i < m_offsets.size(); ++i)
        order[i] = sortCode(keyOf(i), i);
    std::ranges::sort(order);
    const auto before = [&](std::uint64_t a, std::uint64_t b) {
        const std::string_view keyA = keyOf(indexOf(a));
        const std::string_view keyB = keyOf(indexOf(b));
        if (keyA != keyB)
            return keyA < keyB;
        const std::string_view textA = spelling(indexOf(a));
        const std::string_view textB = spelling(indexOf(b));
        if (lowerBefore(textA, textB))
            return true;
        return !lowerBefore(textB, textA) && a < b;
    };
    const auto runOf = [](std::uint64_t code) { return code >> kIndexBits; };
    for (std::size_t run = 0; run < order.size();) {
        std::size_t end = run + 1;
        while (end < order.size() && runOf(order[end]) == runOf(order[run]))
            ++end;
        if (end - run > 1)
            std::sort(
                order.begin() + std::ptrdiff_t(run), order.begin() + std::ptrdiff_t(end), before);
        run = end;
    }
    // What the index will hold, counted in that order (the own spellings
    // as they are copied out below); the keys are then let go, so that
    // they never add their size to that of the copies.
    WordIndexWriter::Counts counts;
    counts.conversions = m_conversions;
    std::string_view previous;
    for (const std::uint64_t code : order) {
        const std::string_view key = keyOf(indexOf(code));
        counts.count(previous, key, m_ruleFlags.contains(indexOf(code)));
        previous = key;
    }
    release(keys);
    // The spellings copied out in that order, so that the writer reads them
    // one after another rather than all over the table. Their keys are made
    // again as they are written: kept, they would add their text's size to
    // the build's peak.
    std::string sorted;
    sorted.reserve(m_text.size());
    std::vector<std::uint16_t> lengths(order.size());
    std::vector<std::uint8_t> roles(order.size());
    std::unordered_map<std::uint32_t, std::uint64_t> ruleFlags;
    // The own spellings of the forms that have them, in the same order:
    // (form, where its list starts).
    std::string ownText;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ownAt;
    std::string list;
    for (std::size_t at = 0; at < order.size(); ++at) {
        const std::uint32_t i = indexOf(order[at]);
        ownListInto(i, list);
        if (!list.empty()) {
            ++counts.ownForms;
            counts.ownBytes += list.size();
            ownAt.emplace_back(
                static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(ownText.size()));
            ownText += list;
        }
        const auto rules = m_ruleFlags.find(i);
        if (rules != m_ruleFlags.end())
            ruleFlags.emplace(static_cast<std::uint32_t>(at), rules->second);
        sorted += spelling(i);
        lengths[at] = m_lengths[i];
        roles[at] = m_roles[i];
    }
    release(order);
    release(m_text);
    release(m_offsets);
    release(m_lengths);
    release(m_roles);
    release(m_ruleFlags);
    release(m_plain);
    release(m_ownHead);
    release(m_own);
    release(m_ownText);
    // The C library keeps what was just freed for later use by default; the
    // index about to be written is the largest block of all, and the
    // process's peak size is what the user sees.
    if (giveBack)
        malloc_trim(0);
    WordIndexWriter writer(counts, settings);
    std::size_t offset = 0;
    std::size_t nextOwn = 0;
    std::string key;
    for (std::size_t at = 0; at < lengths.size(); offset += lengths[at++]) {
        const std::string_view form = std::string_view(sorted).substr(offset, lengths[at]);
        key.resize(form.size());
        keyInto(form, key.data());
        std::string_view own;
        if (nextOwn < ownAt.size() && ownAt[nextOwn].first == at) {
            const std::size_t end
                = nextOwn + 1 < ownAt.size() ? ownAt[nextOwn + 1].second : ownText.size();
            own = std::string_view(ownText).substr(
                ownAt[nextOwn].second, end - ownAt[nextOwn].second);
            ++nextOwn;
        }
        const auto rules = ruleFlags.find(static_cast<std::uint32_t>(at));
        writer.add(key, form, roles[at], rules == ruleFlags.end() ? 0 : rules->second, own);
    }
    return writer.finish();
}
