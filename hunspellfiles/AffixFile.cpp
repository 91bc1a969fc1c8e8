// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixFile.h"

#include "hunspellfiles/TextDecoder.h"

#include <algorithm>
#include <charconv>

namespace {

// Hunspell reads a number with atoi and keeps flags below 65510.
Flag hunspellNumber(std::string_view text)
{
    long value = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1'000'000; ++i)
        value = value * 10 + (text[i] - '0');
    if (negative)
        value = -value;
    return value >= 65510 ? 0 : static_cast<Flag>(value);
}

} // namespace

FlagList AffixFile::parseFlags(std::string_view raw) const
{
    if (!aliases.empty()) {
        // With aliases, a flag field is the number of one, read as atoi does.
        const Flag index = hunspellNumber(raw);
        if (index >= 1 && index <= aliases.size())
            return aliases[index - 1];
        return {};
    }
    return parseFlagsAsWritten(raw);
}

FlagList AffixFile::parseFlagsAsWritten(std::string_view raw) const
{
    FlagList flags;
    switch (flagType) {
    case FlagType::Char:
        for (const char c : raw)
            flags.push_back(static_cast<unsigned char>(c));
        break;
    case FlagType::Long:
        for (std::size_t i = 0; i < raw.size(); i += 2) {
            const auto high = static_cast<unsigned char>(raw[i]);
            if (i + 1 == raw.size()) {
                flags.push_back(high); // an odd last byte stands alone
                break;
            }
            flags.push_back(
                static_cast<Flag>((high << 8) | static_cast<unsigned char>(raw[i + 1])));
        }
        break;
    case FlagType::Number:
        // Hunspell takes even 0 as a flag (and a class of it, which Turkish has).
        for (std::size_t start = 0; start < raw.size();) {
            const auto comma = std::min(raw.find(',', start), raw.size());
            flags.push_back(hunspellNumber(raw.substr(start, comma - start)));
            start = comma + 1;
        }
        break;
    case FlagType::Utf8: {
        std::u32string chars;
        decodeUtf8(raw, chars);
        for (const char32_t c : chars) {
            if (c <= 0xFFFF)
                flags.push_back(static_cast<Flag>(c));
        }
        break;
    }
    }
    std::ranges::sort(flags);
    flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
    return flags;
}

Flag AffixFile::firstFlag(std::string_view raw) const
{
    switch (flagType) {
    case FlagType::Char:
        return raw.empty() ? 0 : static_cast<unsigned char>(raw[0]);
    case FlagType::Long:
        if (raw.size() < 2)
            return raw.empty() ? 0 : static_cast<unsigned char>(raw[0]);
        return static_cast<Flag>(
            (static_cast<unsigned char>(raw[0]) << 8) | static_cast<unsigned char>(raw[1]));
    case FlagType::Number:
        return hunspellNumber(raw.substr(0, raw.find(',')));
    case FlagType::Utf8: {
        std::u32string chars;
        decodeUtf8(raw.substr(0, 4), chars);
        return chars.empty() || chars[0] > 0xFFFF ? 0 : static_cast<Flag>(chars[0]);
    }
    }
    return 0;
}
