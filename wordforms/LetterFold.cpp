// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/LetterFold.h"

#include "wordforms/KeyLetters.h"

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
{
    for (const Fold &fold : kFolds)
        m_extra[fold.c].emplace_back(fold.letters);
    // A character that ICONV makes of typed ones may be typed as those,
    // when each of them is a letter (a mark may join one).
    for (const auto &[from, to] : affixes.inputConversions) {
        std::string letters;
        bool typable = !from.empty();
        for (const char32_t c : from) {
            const KeyLetter key = keyLetterOf(c);
            if (key.role == KeyRole::Letter)
                letters.push_back(key.byte);
            else if (key.role == KeyRole::None)
                typable = false;
        }
        auto &ways = m_extra[to[0]];
        if (typable && !letters.empty() && std::ranges::find(ways, letters) == ways.end())
            ways.push_back(std::move(letters));
    }
    for (const char32_t c : affixes.ignored) {
        if (c >= 128)
            m_extra[c] = { std::string() };
    }
    m_table.resize(kTable);
    m_typableBelow.assign(kTable, false);
    for (char32_t c = 0; c < kTable; ++c) {
        waysInto(c, m_table[c]);
        m_typableBelow[c] = !m_table[c].empty();
    }
}

void LetterFold::waysInto(char32_t c, std::vector<std::string> &ways) const
{
    ways.clear();
    const auto extra = m_extra.find(c);
    if (extra != m_extra.end() && extra->second.size() == 1 && extra->second[0].empty()) {
        ways.emplace_back(); // ignored
        return;
    }
    const KeyLetter key = keyLetterOf(c);
    if (key.role == KeyRole::Letter)
        ways.emplace_back(1, key.byte);
    else if (key.role == KeyRole::Joins)
        ways.emplace_back();
    if (extra != m_extra.end()) {
        for (const std::string &way : extra->second) {
            if (std::ranges::find(ways, way) == ways.end())
                ways.push_back(way);
        }
    }
}

const std::vector<std::string> *LetterFold::waysOf(
    char32_t c, std::vector<std::string> &scratch) const
{
    if (c < kTable)
        return m_table[c].empty() ? nullptr : &m_table[c];
    waysInto(c, scratch);
    return scratch.empty() ? nullptr : &scratch;
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
    std::vector<std::string> scratch;
    const std::vector<std::string> joined { std::string() };
    bool afterPrepend = false;
    for (const char32_t c : word) {
        // A letter that a prepended one joins is typed with it, as one.
        const std::vector<std::string> *ways = afterPrepend ? &joined : waysOf(c, scratch);
        afterPrepend = joinsNext(c);
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
    // Spellings that are nothing at all, or came out twice, are dropped.
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end());
    out.erase(std::unique(out.begin() + static_cast<std::ptrdiff_t>(first), out.end()), out.end());
    if (out.size() > first && out[first].empty())
        out.erase(out.begin() + static_cast<std::ptrdiff_t>(first));
    return true;
}
