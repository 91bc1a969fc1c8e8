// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Whether a language (a dictionary's name: de_DE, de-AT, de) is the one of
// the ISO 639 code.
[[nodiscard]] bool languageIs(std::string_view language, std::string_view code);

// The letter tiles of a language's published word-game set: what each is
// worth and how many there are (wordgames/tiles.txt).
class TileSet {
public:
    struct Tile {
        std::string letters; // in small letters; two or more for a tile such as CH
        unsigned value = 0;
        unsigned count = 0;
    };

    // The sets of a table in the form of tiles.txt, or why it is none (the
    // number of the line that is wrong, and what is wrong with it).
    [[nodiscard]] static std::variant<std::vector<TileSet>, std::string> parse(
        std::string_view table);
    // The set of the language from the program's own table; nothing when
    // the language has none.
    [[nodiscard]] static std::optional<TileSet> forLanguage(std::string_view language);
    // The languages of the program's own table, each section's first.
    [[nodiscard]] static std::vector<std::string> languages();

    [[nodiscard]] const std::vector<std::string> &codes() const { return m_codes; }
    [[nodiscard]] const std::vector<Tile> &tiles() const { return m_tiles; }
    [[nodiscard]] unsigned blanks() const { return m_blanks; }

    // What the word is worth: each tile's value, a tile of several letters
    // where the set has one (the longest first), 0 for the letters at the
    // positions blanks stand for; a letter the set has no tile for counts as
    // the tiles players spell it with (é as e, ß as ss), else 0.
    [[nodiscard]] unsigned score(
        std::string_view word, const std::vector<std::size_t> &blanks) const;

private:
    static std::string_view table(); // generated from tiles.txt
    // What the tiles of these letters are worth, a letter with no tile 0.
    [[nodiscard]] unsigned spelledValue(std::string_view letters) const;

    std::vector<std::string> m_codes;
    std::vector<Tile> m_tiles; // the longest letters first
    unsigned m_blanks = 0;
};
