// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundCover.h"

#include "candidates/CompoundParts.h"
#include "wordforms/AsciiLetters.h"
#include "wordindex/KeyWalk.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <string>

std::size_t LetterCountsHash::operator()(const LetterCounts &counts) const noexcept
{
    // Eight counts at a time, mixed: a few dozen bytes, no string made.
    std::uint64_t hash = 0x9e3779b97f4a7c15ULL;
    for (std::size_t at = 0; at < counts.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, counts.data() + at, std::min(sizeof word, counts.size() - at));
        hash = (hash ^ word) * 0xff51afd7ed558ccdULL;
        hash ^= hash >> 32;
    }
    return static_cast<std::size_t>(hash);
}

namespace {

// The letters less those of text; false when text has a letter they lack.
bool remove(LetterCounts &letters, std::string_view text)
{
    const LetterCounts taken = countLetters(text);
    if (!fitsWithin(taken, letters))
        return false;
    for (std::size_t x = 0; x < letters.size(); ++x)
        letters[x] = static_cast<std::uint8_t>(letters[x] - taken[x]);
    return true;
}

bool addText(LetterCounts &letters, std::string_view text)
{
    const LetterCounts added = countLetters(text);
    for (std::size_t x = 0; x < letters.size(); ++x) {
        if (letters[x] + added[x] > 255)
            return false;
        letters[x] = static_cast<std::uint8_t>(letters[x] + added[x]);
    }
    return true;
}

} // namespace

CompoundCover::CompoundCover(const WordIndex &index, const LetterCounts &pool, std::uint8_t roles,
    std::function<bool(std::size_t)> pace, const std::optional<LetterCounts> &capitals,
    std::optional<TypedLetters> typed)
    : m_byFirst(pool.size())
    , m_pool(pool)
    , m_pace(std::move(pace))
{
    // 16 MB at most: 24 letters of a real word have some 500,000 subsets.
    constexpr std::uint64_t kMostFlat = std::uint64_t(1) << 24;
    std::uint64_t subsets = 1;
    for (std::size_t x = 0; x < pool.size() && subsets <= kMostFlat; ++x) {
        if (pool[x] == 0)
            continue;
        m_poolLetters.push_back(x);
        m_radix.push_back(subsets);
        subsets *= pool[x] + 1U;
    }
    if (subsets <= kMostFlat)
        m_flat.assign(static_cast<std::size_t>(subsets), 0);
    const CompoundSettings &settings = index.compounds();
    // A part may hold letters the word does not: those a replacement takes
    // away at either end. (The first letter that a part ending doubled
    // lends the next by SIMPLIFIEDTRIPLE is not one: the word has it twice
    // before, so the part that takes it still fits the pool.)
    KeyFilter filter { { pool, 0 }, roles, settings.minPart,
        std::numeric_limits<std::size_t>::max(), {} };
    LetterCounts begins {};
    LetterCounts ends {};
    for (const auto &replacement : settings.replacements) {
        const LetterCounts begin = countLetters(replacement.beginChars);
        const LetterCounts end = countLetters(replacement.endChars);
        for (std::size_t x = 0; x < begin.size(); ++x) {
            begins[x] = std::max(begins[x], begin[x]);
            ends[x] = std::max(ends[x], end[x]);
        }
    }
    for (std::size_t x = 0; x < pool.size(); ++x)
        filter.pool.counts[x]
            = static_cast<std::uint8_t>(std::min(255, pool[x] + begins[x] + ends[x]));
    if (!settings.replacements.empty())
        typed.reset();
    else if (typed)
        typed->convertedBy(index.conversions());
    std::vector<std::string> spellings;
    std::size_t work = 0;
    forEachKeyWithin(index, filter, [&](WordIndex::KeyId id, std::size_t) {
        const auto forms = index.formsOf(id);
        const LetterCounts letters = countLetters(forms[0]);
        for (std::size_t f = 0; f < forms.size(); ++f) {
            if ((forms.roles[f] & roles) && compoundsearch::capitalsFit(forms[f], capitals)
                && compoundsearch::typedSpell(index, forms, f, typed, spellings))
                addForm(settings, asciiLowered(forms[f]), letters, pool);
        }
        work += 1 + forms.size();
        if (work >= 64) {
            if (!m_pace(work))
                m_stopped = true;
            work = 0;
        }
        return !m_stopped && !m_always;
    });
    if (m_stopped)
        m_always = true;
    for (auto &parts : m_byFirst) {
        std::ranges::sort(parts);
        parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    }
    if (m_flat.empty() || m_poolLetters.size() > kShortLetters
        || std::ranges::any_of(pool, [](std::uint8_t n) { return n >= 128; }))
        return;
    m_shortWords = (m_poolLetters.size() + 7) / 8;
    m_shortByFirst.resize(m_poolLetters.size());
    for (std::size_t i = 0; i < m_poolLetters.size(); ++i) {
        for (const LetterCounts &part : m_byFirst[m_poolLetters[i]]) {
            ShortPart compact { shortened(part), 0 };
            for (std::size_t j = 0; j < m_poolLetters.size(); ++j)
                compact.number += part[m_poolLetters[j]] * m_radix[j];
            m_shortByFirst[i].push_back(compact);
        }
    }
}

CompoundCover::ShortCounts CompoundCover::shortened(const LetterCounts &letters) const
{
    ShortCounts counts {};
    for (std::size_t j = 0; j < m_poolLetters.size(); ++j)
        counts[j / 8] |= std::uint64_t(letters[m_poolLetters[j]]) << (8 * (j % 8));
    return counts;
}

void CompoundCover::addForm(const CompoundSettings &settings, std::string_view form,
    const LetterCounts &letters, const LetterCounts &pool)
{
    // What a part takes from the word: its letters, less those it begins
    // with that the part before lends it, less those it ends with that a
    // replacement stands for, with the replacement's.
    std::vector<std::string> begins { std::string() };
    if (settings.simplifiedTriple && !form.empty())
        begins.emplace_back(form.substr(0, 1));
    for (const auto &replacement : settings.replacements) {
        if (form.starts_with(replacement.beginChars))
            begins.push_back(replacement.beginChars);
    }
    for (const std::string &begin : begins) {
        LetterCounts taken = letters;
        if (!remove(taken, begin)) {
            m_always = true;
            return;
        }
        add(taken, pool);
        for (const auto &replacement : settings.replacements) {
            if (!form.ends_with(replacement.endChars))
                continue;
            LetterCounts replaced = taken;
            if (!remove(replaced, replacement.endChars)
                || !addText(replaced, replacement.replacement)) {
                m_always = true;
                return;
            }
            add(replaced, pool);
        }
    }
}

void CompoundCover::add(const LetterCounts &letters, const LetterCounts &pool)
{
    if (!fitsWithin(letters, pool))
        return;
    const auto first = std::ranges::find_if(letters, [](std::uint8_t n) { return n != 0; });
    // A part that takes nothing covers nothing.
    if (first != letters.end())
        m_byFirst[static_cast<std::size_t>(first - letters.begin())].push_back(letters);
}

template<class Part, class Leaves>
std::optional<bool> CompoundCover::anyLeavesCoverable(
    const std::vector<Part> &parts, const Leaves &leaves)
{
    for (const Part &part : parts) {
        if (leaves(part))
            return true;
        if (m_stopped)
            return std::nullopt;
    }
    if (!m_pace(1 + parts.size())) {
        m_stopped = true;
        return std::nullopt;
    }
    return false;
}

bool CompoundCover::coverable(const LetterCounts &letters)
{
    if (m_always || m_stopped)
        return true;
    const auto first = std::ranges::find_if(letters, [](std::uint8_t n) { return n != 0; });
    if (first == letters.end())
        return true;
    if (!m_shortByFirst.empty() && fitsWithin(letters, m_pool)) {
        std::uint64_t number = 0;
        for (std::size_t i = 0; i < m_poolLetters.size(); ++i)
            number += letters[m_poolLetters[i]] * m_radix[i];
        return coverableShort(shortened(letters), number);
    }
    std::uint8_t *const flat = knownAt(letters);
    if (flat && *flat != 0)
        return *flat == 2;
    if (!flat) {
        if (const auto known = m_known.find(letters); known != m_known.end())
            return known->second;
    }
    const auto covered
        = anyLeavesCoverable(m_byFirst[static_cast<std::size_t>(first - letters.begin())],
            [&](const LetterCounts &part) {
                if (!fitsWithin(part, letters))
                    return false;
                LetterCounts rest = letters;
                for (std::size_t x = 0; x < rest.size(); ++x)
                    rest[x] = static_cast<std::uint8_t>(rest[x] - part[x]);
                return coverable(rest);
            });
    if (!covered)
        return true;
    const bool can = *covered;
    if (flat)
        *flat = can ? 2 : 1;
    else
        m_known.emplace(letters, can);
    return can;
}

bool CompoundCover::coverableShort(const ShortCounts &letters, std::uint64_t number)
{
    if (number == 0)
        return true;
    std::uint8_t &known = m_flat[static_cast<std::size_t>(number)];
    if (known != 0)
        return known == 2;
    std::size_t first = 0;
    for (std::size_t w = 0; w < m_shortWords; ++w) {
        if (letters[w] != 0) {
            first = 8 * w + static_cast<std::size_t>(std::countr_zero(letters[w])) / 8;
            break;
        }
    }
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const auto covered = anyLeavesCoverable(m_shortByFirst[first], [&](const ShortPart &part) {
        // Each count below 128: a count of the letters with its high bit
        // set, less the part's, keeps that bit where it is at least the
        // part's, and borrows from no other.
        bool fits = true;
        for (std::size_t w = 0; w < m_shortWords && fits; ++w)
            fits = (((letters[w] | kHigh) - part.counts[w]) & kHigh) == kHigh;
        if (!fits)
            return false;
        ShortCounts rest {};
        for (std::size_t w = 0; w < m_shortWords; ++w)
            rest[w] = letters[w] - part.counts[w];
        return coverableShort(rest, number - part.number);
    });
    if (!covered)
        return true;
    known = *covered ? 2 : 1;
    return *covered;
}

std::uint8_t *CompoundCover::knownAt(const LetterCounts &letters)
{
    if (m_flat.empty() || !fitsWithin(letters, m_pool))
        return nullptr;
    std::uint64_t at = 0;
    for (std::size_t i = 0; i < m_poolLetters.size(); ++i)
        at += letters[m_poolLetters[i]] * m_radix[i];
    return &m_flat[static_cast<std::size_t>(at)];
}
