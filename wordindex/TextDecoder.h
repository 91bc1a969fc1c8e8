// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 bytes as characters; a broken sequence becomes one U+FFFD, which is no letter.
void decodeUtf8(std::string_view bytes, std::u32string &out);

// Turns the bytes of one line, in the encoding that SET names, into characters.
class TextDecoder {
public:
    // Empty when the encoding is not known.
    [[nodiscard]] static std::optional<TextDecoder> forEncoding(std::string_view name);
    [[nodiscard]] std::u32string decode(std::string_view bytes) const;

private:
    std::string m_iconvName; // empty: UTF-8, decoded here
};
