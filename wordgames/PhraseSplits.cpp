// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/PhraseSplits.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

std::size_t CountsHash::operator()(const LetterCounts &counts) const
{
    std::uint64_t words[sizeof(LetterCounts) / 8] = {};
    static_assert(sizeof(words) == sizeof(LetterCounts));
    std::memcpy(words, counts.data(), counts.size());
    std::uint64_t hash = 0;
    for (const std::uint64_t word : words)
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

LetterMask maskOf(const LetterCounts &counts)
{
    LetterMask mask = 0;
    for (std::size_t x = 0; x < counts.size(); ++x)
        mask |= counts[x] ? LetterMask(1) << x : 0;
    return mask;
}

std::size_t letterTotal(const LetterCounts &counts)
{
    std::size_t n = 0;
    for (const auto c : counts)
        n += c;
    return n;
}

PhraseSplits::PhraseSplits(const std::vector<LetterCounts> &words, KeepGoing keepGoing)
    : m_keepGoing(std::move(keepGoing))
{
    // The distinct sets of letters, and for each letter those that hold it.
    std::unordered_map<LetterCounts, std::uint32_t, CountsHash> seen;
    for (std::uint32_t id = 0; id < words.size(); ++id) {
        const LetterCounts &letters = words[id];
        m_byLetters[letters].push_back(id);
        m_present[CountsHash {}(letters) % m_present.size()] = true;
        for (std::size_t x = 0; x < letters.size(); ++x) {
            if (letters[x])
                m_wordsHolding[x].push_back(id);
        }
        if (!seen.try_emplace(letters, static_cast<std::uint32_t>(m_sets.size())).second)
            continue;
        const LetterSet set { letters, maskOf(letters), letterTotal(letters) };
        for (std::size_t x = 0; x < set.letters.size(); ++x) {
            if (set.letters[x])
                m_holding[x].push_back(static_cast<std::uint32_t>(m_sets.size()));
        }
        m_fewestLetters = std::min(m_fewestLetters, set.size);
        m_mostLetters = std::max(m_mostLetters, set.size);
        m_sets.push_back(set);
    }
    learnCovers();
}

void PhraseSplits::learnCovers()
{
    for (std::size_t x = 0; x < m_holding.size(); ++x) {
        if (!m_holding[x].empty())
            m_rare.push_back(x);
    }
    std::ranges::stable_sort(m_rare, {}, [this](std::size_t x) { return m_holding[x].size(); });
    if (m_rare.size() > kRare)
        m_rare.resize(kRare);
    const std::size_t states = std::size_t(1) << m_rare.size();
    // The sets of rare letters the words hold, each once.
    std::vector<bool> seen(states);
    std::vector<std::uint32_t> held;
    for (const LetterSet &set : m_sets) {
        const std::uint32_t mask = rareOf(set.mask);
        if (!seen[mask]) {
            seen[mask] = true;
            held.push_back(mask);
        }
    }
    // Breadth first: the fewest words whose rare letters are just these,
    // up to the most words a phrase has.
    constexpr std::uint8_t kNever = std::numeric_limits<std::uint8_t>::max();
    m_covers.assign(states, kNever);
    m_covers[0] = 0;
    std::vector<std::uint32_t> layer { 0 };
    for (std::uint8_t words = 1; words <= WordPattern::kMaxWords && !layer.empty(); ++words) {
        std::vector<std::uint32_t> next;
        for (const std::uint32_t from : layer) {
            for (const std::uint32_t mask : held) {
                if (m_covers[from | mask] == kNever) {
                    m_covers[from | mask] = words;
                    next.push_back(from | mask);
                }
            }
        }
        layer = std::move(next);
    }
    // Those that hold more rare letters cover fewer too.
    for (std::size_t bit = 0; bit < m_rare.size(); ++bit) {
        for (std::size_t mask = 0; mask < states; ++mask) {
            if (!(mask >> bit & 1))
                m_covers[mask] = std::min(m_covers[mask], m_covers[mask | std::size_t(1) << bit]);
        }
    }
}

// Of letters (a bit each), the rare ones, a bit each of m_rare.
std::uint32_t PhraseSplits::rareOf(LetterMask mask) const
{
    std::uint32_t rare = 0;
    for (std::size_t bit = 0; bit < m_rare.size(); ++bit)
        rare |= static_cast<std::uint32_t>(mask >> m_rare[bit] & 1) << bit;
    return rare;
}

const std::vector<std::uint32_t> *PhraseSplits::wordsOf(const LetterCounts &letters) const
{
    if (!m_present[CountsHash {}(letters) % m_present.size()])
        return nullptr;
    const auto found = m_byLetters.find(letters);
    return found == m_byLetters.end() ? nullptr : &found->second;
}

// One of the words holds the letter that the fewest hold, so only those
// are tried there. It asks for no order of the words, no pattern and no
// letters held, so that a no is certain.
bool PhraseSplits::splits(const LetterCounts &rest, std::size_t size, std::size_t count)
{
    if (count == 1)
        return isWord(rest);
    if (m_sets.empty() || size < count * m_fewestLetters || size > count * m_mostLetters)
        return false;
    const LetterMask mask = maskOf(rest);
    if (m_covers[rareOf(mask)] > count)
        return false;
    auto *known = count < m_splits.size() ? &m_splits[count] : nullptr;
    if (known) {
        if (const auto found = known->find(rest); found != known->end())
            return found->second;
    }
    std::size_t pivot = rest.size();
    for (std::size_t x = 0; x < rest.size(); ++x) {
        if (rest[x] && (pivot == rest.size() || m_holding[x].size() < m_holding[pivot].size()))
            pivot = x;
    }
    bool any = false;
    for (const std::uint32_t id : m_holding[pivot]) {
        if (m_stopped || (++m_steps == kStepsTold && !m_keepGoing(std::exchange(m_steps, 0)))) {
            m_stopped = true;
            return false;
        }
        const LetterSet &set = m_sets[id];
        const std::size_t left = size - std::min(size, set.size);
        if ((set.mask & ~mask) != 0 || set.size > size || left < (count - 1) * m_fewestLetters
            || left > (count - 1) * m_mostLetters || !fitsWithin(set.letters, rest))
            continue;
        LetterCounts after = rest;
        for (std::size_t x = 0; x < after.size(); ++x)
            after[x] = static_cast<std::uint8_t>(after[x] - set.letters[x]);
        if (splits(after, left, count - 1)) {
            any = true;
            break;
        }
    }
    // A stopped proof knows nothing for certain.
    if (known && !m_stopped)
        known->emplace(rest, any);
    return any;
}
