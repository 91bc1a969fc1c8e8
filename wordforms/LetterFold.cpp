// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/LetterFold.h"

#include <algorithm>

namespace {

struct Fold {
    char32_t c;
    const char *letters;
};

constexpr Fold kFolds[] = {
    { U'\u00DF', "ss" }, // ß
    { U'\u1E9E', "SS" }, // ẞ
    { U'\u0131', "i" }, // dotless i
    { U'\u0130', "I" }, // capital I with dot
    { U'\u017F', "s" }, // long s
    { U'\u212A', "K" }, // Kelvin sign
    { U'\uFB00', "ff" },
    { U'\uFB01', "fi" },
    { U'\uFB02', "fl" },
    { U'\uFB03', "ffi" },
    { U'\uFB04', "ffl" },
    { U'\uFB05', "st" },
    { U'\uFB06', "st" },
};

} // namespace

LetterFold::LetterFold(const AffixFile &affixes)
    : m_ascii(128)
{
    for (char c = 'a'; c <= 'z'; ++c) {
        m_ascii[static_cast<std::size_t>(c)] = { std::string(1, c) };
        const auto upper = static_cast<char>(c - 'a' + 'A');
        m_ascii[static_cast<std::size_t>(static_cast<unsigned char>(upper))]
            = { std::string(1, upper) };
    }
    for (const Fold &fold : kFolds)
        m_ways[fold.c].emplace_back(fold.letters);
    for (const char32_t c : affixes.ignored) {
        if (c >= 128)
            m_ways[c] = { std::string() };
    }
    for (const auto &[from, to] : affixes.inputConversions) {
        std::string letters;
        for (const char32_t c : from)
            letters.push_back(static_cast<char>(c));
        auto &ways = m_ways[to[0]];
        if (std::ranges::find(ways, letters) == ways.end())
            ways.push_back(std::move(letters));
    }
    m_typableBelow.assign(kTable, false);
    for (char32_t c = 0; c < kTable; ++c)
        m_typableBelow[c] = waysOf(c) != nullptr;
}

const std::vector<std::string> *LetterFold::waysOf(char32_t c) const
{
    if (c < 128)
        return m_ascii[c].empty() ? nullptr : &m_ascii[c];
    const auto found = m_ways.find(c);
    return found == m_ways.end() ? nullptr : &found->second;
}

bool LetterFold::spellings(
    std::u32string_view word, std::vector<std::string> &out, std::size_t maxSpellings) const
{
    const std::size_t first = out.size();
    out.emplace_back();
    out.back().reserve(word.size());
    // Most forms are plain letters: one spelling, themselves.
    if (std::ranges::all_of(word,
            [](char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); })) {
        out.back().assign(word.begin(), word.end());
        if (out.back().empty())
            out.pop_back();
        return true;
    }
    for (const char32_t c : word) {
        const std::vector<std::string> *ways = waysOf(c);
        if (!ways) {
            out.resize(first);
            return true;
        }
        const std::size_t count = out.size() - first;
        if (count * ways->size() > maxSpellings) {
            out.resize(first);
            return false;
        }
        // Each spelling so far goes on with each way of typing the character.
        for (std::size_t w = 1; w < ways->size(); ++w) {
            for (std::size_t i = 0; i < count; ++i)
                out.push_back(out[first + i] + (*ways)[w]);
        }
        for (std::size_t i = 0; i < count; ++i)
            out[first + i] += (*ways)[0];
    }
    if (out.back().empty() && out.size() == first + 1)
        out.resize(first); // nothing left to type
    return true;
}
