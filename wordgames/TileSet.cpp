// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/TileSet.h"

#include <QString>

#include "wordforms/AsciiLetters.h"

#include <algorithm>
#include <charconv>
#include <ranges>

namespace {

// The words of a line, between spaces.
std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at)
            found.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

std::optional<unsigned> number(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 1000)
        return std::nullopt;
    return value;
}

// The bytes of the one letter of UTF-8 text that starts at at.
std::size_t letterBytes(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

// The letters a set's tiles spell a letter with where it has no tile of
// its own, as players play it: without its marks (é as e, ё as е), ß as
// ss, a ligature as its letters (œ as oe, ĳ as ij).
std::string playedAs(std::string_view letter)
{
    const QString text = QString::fromUtf8(letter.data(), static_cast<qsizetype>(letter.size()));
    if (text == QStringLiteral("\u00df"))
        return "ss";
    if (text == QStringLiteral("\u0153"))
        return "oe";
    if (text == QStringLiteral("\u00e6"))
        return "ae";
    // Decomposed: its marks follow as letters of their own, which no tile is.
    return text.normalized(QString::NormalizationForm_KD).toStdString();
}

} // namespace

bool languageIs(std::string_view language, std::string_view code)
{
    return language.starts_with(code)
        && (language.size() == code.size() || language[code.size()] == '_'
            || language[code.size()] == '-');
}

std::variant<std::vector<TileSet>, std::string> TileSet::parse(std::string_view table)
{
    std::vector<TileSet> sets;
    std::size_t number = 0;
    for (std::size_t at = 0; at < table.size();) {
        const std::size_t end = std::min(table.find('\n', at), table.size());
        const std::string_view line = table.substr(at, end - at);
        at = end + 1;
        ++number;
        const auto wrong
            = [number](const char *what) { return "line " + std::to_string(number) + ": " + what; };
        if (line.empty() || line.front() == '#')
            continue;
        // A section's line is all in [], a tile's ends with its count.
        if (line.front() == '[' && line.back() == ']') {
            if (fields(line.substr(1, line.size() - 2)).empty())
                return wrong("a section names no language");
            TileSet set;
            for (const std::string_view code : fields(line.substr(1, line.size() - 2)))
                set.m_codes.emplace_back(code);
            sets.push_back(std::move(set));
            continue;
        }
        const auto parts = fields(line);
        if (parts.size() != 3)
            return wrong("a tile is its letter, its value and its count");
        if (sets.empty())
            return wrong("a tile before the first section");
        const auto value = ::number(parts[1]);
        const auto count = ::number(parts[2]);
        if (!value || !count || *count == 0)
            return wrong("a value or count is not a number from 0 to 1000 (a count from 1)");
        TileSet &set = sets.back();
        if (parts[0] == "?") {
            set.m_blanks += *count;
            continue;
        }
        std::string letters(parts[0]);
        if (letters.size() > 2 && letters.front() == '[' && letters.back() == ']')
            letters = letters.substr(1, letters.size() - 2);
        else if (letterBytes(letters, 0) != letters.size())
            return wrong("a tile of several letters is not in []");
        if (std::ranges::any_of(letters, [](char c) { return isAsciiUpper(c); }))
            return wrong("a tile's letters are not in small letters");
        if (std::ranges::any_of(
                set.m_tiles, [&](const Tile &tile) { return tile.letters == letters; }))
            return wrong("a tile is given twice");
        set.m_tiles.push_back({ std::move(letters), *value, *count });
    }
    for (TileSet &set : sets) {
        std::ranges::stable_sort(set.m_tiles, std::ranges::greater {},
            [](const Tile &tile) { return tile.letters.size(); });
    }
    return sets;
}

std::optional<TileSet> TileSet::forLanguage(std::string_view language)
{
    auto parsed = parse(table());
    auto *sets = std::get_if<std::vector<TileSet>>(&parsed);
    if (!sets)
        return std::nullopt;
    for (TileSet &set : *sets) {
        if (std::ranges::any_of(
                set.m_codes, [&](const std::string &code) { return languageIs(language, code); }))
            return std::move(set);
    }
    return std::nullopt;
}

std::vector<std::string> TileSet::languages()
{
    std::vector<std::string> codes;
    const auto parsed = parse(table());
    if (const auto *sets = std::get_if<std::vector<TileSet>>(&parsed)) {
        for (const TileSet &set : *sets)
            codes.push_back(set.m_codes.front());
    }
    return codes;
}

unsigned TileSet::spelledValue(std::string_view letters) const
{
    unsigned total = 0;
    for (std::size_t at = 0; at < letters.size();) {
        const auto tile = std::ranges::find_if(m_tiles,
            [&](const Tile &tile) { return letters.substr(at).starts_with(tile.letters); });
        if (tile == m_tiles.end()) {
            at += letterBytes(letters, at);
            continue;
        }
        total += tile->value;
        at += tile->letters.size();
    }
    return total;
}

unsigned TileSet::score(std::string_view word, const std::vector<std::size_t> &blanks) const
{
    // A capital of any alphabet counts as its tile (Ż as ż, О as о).
    const std::string lower = QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()))
                                  .toLower()
                                  .toStdString();
    unsigned total = 0;
    std::size_t letter = 0; // the number of the letter at at
    for (std::size_t at = 0; at < lower.size();) {
        const auto tile = std::ranges::find_if(m_tiles, [&](const Tile &tile) {
            return std::string_view(lower).substr(at).starts_with(tile.letters);
        });
        const std::size_t bytes
            = tile != m_tiles.end() ? tile->letters.size() : letterBytes(lower, at);
        // The letters of the tile, each a letter of the word.
        std::size_t letters = 0;
        for (std::size_t b = at; b < at + bytes; b += letterBytes(lower, b))
            ++letters;
        const bool blank = std::ranges::any_of(blanks, [&](std::size_t position) {
            return position >= letter && position < letter + letters;
        });
        if (!blank && tile != m_tiles.end())
            total += tile->value;
        else if (!blank)
            total += spelledValue(playedAs(lower.substr(at, bytes)));
        at += bytes;
        letter += letters;
    }
    return total;
}
