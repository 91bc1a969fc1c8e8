// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/TextDecoder.h"

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

std::optional<TextDecoder> TextDecoder::forEncoding(std::string_view name)
{
    TextDecoder decoder;
    if (name == "UTF-8" || name == "utf-8" || name == "UTF8")
        return decoder;
    std::string iconvName(name);
    // Built anew rather than inserted into: GCC 12 at -O3 mistakes the
    // insertion for an overlapping copy (-Wrestrict).
    if (iconvName.starts_with("ISO8859-"))
        iconvName = "ISO-" + iconvName.substr(3);
    else if (iconvName == "microsoft-cp1251")
        iconvName = "CP1251";
    else if (iconvName == "TIS620-2533")
        iconvName = "TIS-620";
    const iconv_t probe = iconv_open("UTF-8", iconvName.c_str());
    // iconv_open's failure value is (iconv_t)-1, as POSIX defines it.
    if (probe == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return std::nullopt;
    iconv_close(probe);
    decoder.m_iconvName = std::move(iconvName);
    return decoder;
}

std::u32string TextDecoder::decode(std::string_view bytes) const
{
    std::u32string out;
    if (m_iconvName.empty()) {
        decodeUtf8(bytes, out);
        return out;
    }
    // Every 8-bit character set here gives at most 3 UTF-8 bytes per byte.
    std::string utf8(bytes.size() * 4 + 4, '\0');
    const std::unique_ptr<void, int (*)(iconv_t)> cd(
        iconv_open("UTF-8", m_iconvName.c_str()), &iconv_close);
    std::string input(bytes);
    char *in = input.data();
    std::size_t inLeft = input.size();
    char *outPtr = utf8.data();
    std::size_t outLeft = utf8.size();
    while (inLeft > 0) {
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            break;
        // An unmapped byte is no letter: keep a replacement and go on.
        ++in;
        --inLeft;
        if (outLeft < 3)
            break;
        *outPtr++ = '?';
        --outLeft;
    }
    utf8.resize(utf8.size() - outLeft);
    decodeUtf8(utf8, out);
    return out;
}
