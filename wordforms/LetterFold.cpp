// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/LetterFold.h"

#include "letters/Letters.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/LetterCounts.h"

#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <algorithm>

namespace {

struct Fold {
    char32_t c;
    const char *letters;
};

constexpr Fold kFolds[] = {
    { U'\u00DF', "ss" }, // ß
    { U'\u1E9E', "SS" }, // ẞ
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

// Whether a letter of the script is always a letter of its own: no
// virama joins it to the one before, as in the Indic scripts.
bool standsAlone(char32_t c)
{
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(static_cast<UChar32>(c), &status);
    if (U_FAILURE(status))
        return false;
    switch (script) {
    case USCRIPT_LATIN:
    case USCRIPT_GREEK:
    case USCRIPT_CYRILLIC:
    case USCRIPT_ARMENIAN:
    case USCRIPT_GEORGIAN:
    case USCRIPT_HEBREW:
    case USCRIPT_ARABIC:
        return true;
    default:
        return false;
    }
}

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
    m_mayJoinBelow.assign(kTable, false);
    m_countedKey.assign(kTable, -1);
    for (char32_t c = 0; c < kTable; ++c) {
        waysInto(c, m_table[c]);
        m_typableBelow[c] = !m_table[c].empty();
        m_mayJoinBelow[c] = keyLetterOf(c).role == KeyRole::Joins || joinsNext(c);
        const char32_t lower = c | 0x20;
        if (lower >= U'a' && lower <= U'z')
            m_countedKey[c] = static_cast<std::int8_t>(lower - U'a');
        else if (c >= 0x80 && m_table[c].size() == 1 && m_table[c][0].size() == 1
            && !m_mayJoinBelow[c] && standsAlone(c))
            m_countedKey[c] = static_cast<std::int8_t>(keyLetterNumber(m_table[c][0][0]));
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

std::vector<std::string> LetterFold::clusterWay(std::u32string_view cluster) const
{
    // One letter however many characters: the key letter of its first
    // that is a letter and not ignored, as the typed letter's first is.
    std::vector<std::string> scratch;
    for (const char32_t c : cluster) {
        const std::vector<std::string> *ways = waysOf(c, scratch);
        if (!ways)
            return {};
        const KeyLetter key = keyLetterOf(c);
        if (key.role == KeyRole::Letter && !(*ways)[0].empty())
            return { std::string(1, key.byte) };
    }
    return { std::string() };
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
    // Most forms of every alphabet: each character one letter, one way.
    std::string &single = out.back();
    bool simple = true;
    for (const char32_t c : word) {
        if (c >= kTable || m_table[c].size() != 1 || m_mayJoinBelow[c] || m_table[c][0].empty()) {
            simple = false;
            break;
        }
        single += m_table[c][0];
    }
    if (simple) {
        if (single.empty())
            out.pop_back();
        return true;
    }
    single.clear();
    // The ways to type each letter: each character's own, but where a mark
    // or a prepended letter may make several characters one letter (an
    // Indic consonant, its virama and the next consonant), the letters as
    // the typed ones are split, each as one key letter.
    std::vector<std::vector<std::string>> own;
    std::vector<const std::vector<std::string> *> steps;
    std::vector<std::string> scratch;
    if (std::ranges::any_of(word, [this](char32_t c) { return mayJoin(c); })) {
        thread_local LetterSplitter splitter;
        std::string utf8;
        icu::UnicodeString::fromUTF32(
            reinterpret_cast<const UChar32 *>(word.data()), static_cast<std::int32_t>(word.size()))
            .toUTF8String(utf8);
        const auto letters = splitter.split(utf8);
        if (!letters) {
            out.resize(first);
            return true;
        }
        own.reserve(letters->size());
        for (const std::string &letter : *letters) {
            std::u32string cluster;
            icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
            for (std::int32_t at = 0; at < text.length(); at = text.moveIndex32(at, 1))
                cluster.push_back(static_cast<char32_t>(text.char32At(at)));
            if (cluster.size() == 1) {
                own.emplace_back();
                waysInto(cluster[0], own.back());
            } else {
                own.push_back(clusterWay(cluster));
            }
            if (own.back().empty()) {
                out.resize(first);
                return true;
            }
            steps.push_back(&own.back());
        }
    } else {
        own.reserve(word.size());
        for (const char32_t c : word) {
            const std::vector<std::string> *ways = waysOf(c, scratch);
            if (!ways) {
                out.resize(first);
                return true;
            }
            if (ways == &scratch) {
                own.push_back(scratch);
                ways = &own.back();
            }
            steps.push_back(ways);
        }
    }
    for (const std::vector<std::string> *ways : steps) {
        const std::size_t count = out.size() - first;
        if (count * ways->size() > maxSpellings) {
            out.resize(first);
            return false;
        }
        // Each spelling so far goes on with each way of typing the letter.
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
