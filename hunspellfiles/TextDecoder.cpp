// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/TextDecoder.h"

#include <algorithm>
#include <cctype>
#include <iconv.h>
#include <memory>

void decodeUtf8(std::string_view bytes, std::u32string &out)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int length = b < 0x80 ? 1
            : (b >> 5) == 6         ? 2
            : (b >> 4) == 14        ? 3
            : (b >> 3) == 30        ? 4
                                    : 0;
        char32_t c = length == 1 ? b
            : length == 2        ? (b & 0x1F)
            : length == 3        ? (b & 0x0F)
                                 : (b & 0x07);
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // A broken sequence is no letter; it stands as one replacement character.
        out.push_back(valid ? c : U'\uFFFD');
        i += valid ? static_cast<std::size_t>(length) : 1;
    }
}

namespace {

// The iconv name of an encoding as dictionaries spell it.
std::string iconvName(std::string_view name)
{
    std::string upper(name);
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return std::toupper(c); });
    // Built anew rather than inserted into: GCC 12 at -O3 mistakes the
    // insertion for an overlapping copy (-Wrestrict).
    if (upper.starts_with("ISO8859-"))
        return "ISO-" + upper.substr(3);
    if (upper == "MICROSOFT-CP1251")
        return "CP1251";
    if (upper == "TIS620-2533")
        return "TIS-620";
    return upper;
}

} // namespace

std::optional<TextDecoder> TextDecoder::forEncoding(std::string_view name)
{
    TextDecoder decoder;
    std::string upper(name);
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper == "UTF-8" || upper == "UTF8")
        return decoder;
    const std::unique_ptr<void, int (*)(iconv_t)> cd(
        iconv_open("UTF-32LE", iconvName(name).c_str()), &iconv_close);
    // iconv_open's failure value is (iconv_t)-1, as POSIX defines it.
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return std::nullopt;
    std::array<char32_t, 256> table {};
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        unsigned char out[8] = {};
        char *inPtr = &in;
        auto *outPtr = reinterpret_cast<char *>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof(out);
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        const bool one
            = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)
            && inLeft == 0 && outLeft == sizeof(out) - 4;
        // A byte the encoding leaves unmapped, or spreads over more than one
        // character, is no letter.
        table[static_cast<std::size_t>(byte)] = one
            ? static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24))
            : U'\uFFFD';
    }
    // The files' keywords are ASCII: an encoding that does not keep it
    // (UTF-16 and the like) is no encoding a dictionary can be written in.
    for (int byte = 0x20; byte < 0x7F; ++byte) {
        if (table[static_cast<std::size_t>(byte)] != static_cast<char32_t>(byte))
            return std::nullopt;
    }
    decoder.m_table = table;
    return decoder;
}

void TextDecoder::decodeInto(std::string_view bytes, std::u32string &out) const
{
    if (!m_table) {
        decodeUtf8(bytes, out);
        return;
    }
    for (const char byte : bytes)
        out.push_back((*m_table)[static_cast<unsigned char>(byte)]);
}

std::u32string TextDecoder::decode(std::string_view bytes) const
{
    std::u32string out;
    out.reserve(bytes.size());
    decodeInto(bytes, out);
    return out;
}
