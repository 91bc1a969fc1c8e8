// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 bytes as characters; a broken sequence becomes one U+FFFD, which is no letter.
void decodeUtf8(std::string_view bytes, std::u32string &out);

// Turns the bytes of a dictionary's lines, in the encoding that SET names,
// into characters. Every encoding a Hunspell dictionary may name other than
// UTF-8 has one byte per character, so those are read through a table made
// once.
class TextDecoder {
public:
    // Empty when the encoding is not known.
    [[nodiscard]] static std::optional<TextDecoder> forEncoding(std::string_view name);
    [[nodiscard]] std::u32string decode(std::string_view bytes) const;
    // Appends, so that a caller can reuse its buffer.
    void decodeInto(std::string_view bytes, std::u32string &out) const;
    [[nodiscard]] bool isUtf8() const { return !m_table; }

private:
    std::optional<std::array<char32_t, 256>> m_table; // empty: UTF-8
};
