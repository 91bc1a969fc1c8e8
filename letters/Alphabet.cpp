// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/Alphabet.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <map>

namespace {

UChar32 firstCodePoint(std::string_view letter)
{
    if (letter.empty())
        return -1;
    const auto *s = reinterpret_cast<const uint8_t *>(letter.data());
    int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(s, i, static_cast<int32_t>(std::min<std::size_t>(letter.size(), 8)), c);
    return c;
}

} // namespace

bool isAlphabetic(std::string_view letter)
{
    const UChar32 c = firstCodePoint(letter);
    return c >= 0 && u_hasBinaryProperty(c, UCHAR_ALPHABETIC)
        && (U_GET_GC_MASK(c) & U_GC_M_MASK) == 0;
}

std::optional<Alphabet> Alphabet::of(std::vector<std::string> letters)
{
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    if (letters.size() > kMaxLetters)
        return std::nullopt;
    Alphabet alphabet;
    for (std::string &letter : letters) {
        if (letter.empty() || letter.size() > kMaxLetterBytes || !isValidUtf8(letter))
            return std::nullopt;
        alphabet.m_ids.emplace(letter, static_cast<LetterId>(alphabet.m_letters.size()));
        alphabet.m_letters.push_back(std::move(letter));
    }
    return alphabet;
}

void Alphabet::setConverted(std::vector<std::string> letters)
{
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    m_converted = std::move(letters);
}

std::optional<LetterId> Alphabet::id(std::string_view letter) const
{
    const auto found = m_ids.find(std::string(letter));
    if (found == m_ids.end())
        return std::nullopt;
    return found->second;
}

std::string Alphabet::script() const
{
    std::map<UScriptCode, std::size_t> counts;
    for (const std::string &letter : m_letters) {
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(firstCodePoint(letter), &status);
        if (U_SUCCESS(status) && script != USCRIPT_COMMON && script != USCRIPT_INHERITED)
            ++counts[script];
    }
    const auto most = std::ranges::max_element(
        counts, [](const auto &a, const auto &b) { return a.second < b.second; });
    return most == counts.end() ? "Common" : uscript_getName(most->first);
}

std::string Alphabet::serialised() const
{
    // The number of letters (4 bytes, little-endian), then each letter's
    // length (1 byte) and its bytes, in the order of their numbers.
    std::string out;
    const auto count = static_cast<uint32_t>(m_letters.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((count >> shift) & 0xFF));
    for (const std::string &letter : m_letters) {
        out.push_back(static_cast<char>(letter.size()));
        out += letter;
    }
    // Then, where the checker ignores characters, their bytes' count (2
    // bytes, little-endian) and the bytes.
    // Then, where letters are converted, the same for them, each ended by a
    // line feed (the ignored characters' count then written even when 0).
    std::string converted;
    for (const std::string &letter : m_converted)
        converted += letter + '\n';
    const auto append = [&out](const std::string &field) {
        const auto size = static_cast<uint16_t>(std::min<std::size_t>(field.size(), 0xFFFF));
        out.push_back(static_cast<char>(size & 0xFF));
        out.push_back(static_cast<char>(size >> 8));
        out.append(field, 0, size);
    };
    if (!m_ignored.empty() || !converted.empty())
        append(m_ignored);
    if (!converted.empty())
        append(converted);
    return out;
}

std::optional<Alphabet> Alphabet::fromSerialised(std::string_view bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    uint32_t count = 0;
    for (int k = 0; k < 4; ++k)
        count |= uint32_t(static_cast<unsigned char>(bytes[std::size_t(k)])) << (8 * k);
    if (count > kMaxLetters)
        return std::nullopt;
    bytes.remove_prefix(4);
    std::vector<std::string> letters;
    letters.reserve(count);
    for (uint32_t k = 0; k < count; ++k) {
        if (bytes.empty())
            return std::nullopt;
        const auto length = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        if (length > bytes.size())
            return std::nullopt;
        letters.emplace_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    // A field: its count of bytes (2, little-endian), then the bytes.
    const auto field = [&bytes]() -> std::optional<std::string_view> {
        if (bytes.size() < 2)
            return std::nullopt;
        const std::size_t size = static_cast<unsigned char>(bytes[0])
            | std::size_t(static_cast<unsigned char>(bytes[1])) << 8;
        bytes.remove_prefix(2);
        if (size > bytes.size() || !isValidUtf8(bytes.substr(0, size)))
            return std::nullopt;
        const std::string_view read = bytes.substr(0, size);
        bytes.remove_prefix(size);
        return read;
    };
    std::string ignored;
    std::vector<std::string> converted;
    if (!bytes.empty()) {
        const auto read = field();
        // Written empty only before converted letters.
        if (!read || (read->empty() && bytes.empty()))
            return std::nullopt;
        ignored = *read;
    }
    if (!bytes.empty()) {
        const auto read = field();
        if (!read || read->empty() || !bytes.empty() || read->back() != '\n')
            return std::nullopt;
        for (std::string_view rest = *read; !rest.empty();) {
            const std::size_t end = rest.find('\n');
            converted.emplace_back(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
    }
    // Written sorted and once each: anything else was not written by us.
    if (!std::ranges::is_sorted(letters) || std::ranges::adjacent_find(letters) != letters.end())
        return std::nullopt;
    auto alphabet = of(std::move(letters));
    if (!alphabet)
        return alphabet;
    alphabet->setIgnored(std::move(ignored));
    const std::size_t kept = converted.size();
    alphabet->setConverted(std::move(converted));
    // Each converted letter is one of the alphabet's, written once.
    if (alphabet->m_converted.size() != kept
        || !std::ranges::all_of(alphabet->m_converted,
            [&](const std::string &letter) { return alphabet->id(letter).has_value(); }))
        return std::nullopt;
    return alphabet;
}

AlphabetBuilder::AlphabetBuilder(std::string_view language)
    : m_case(language)
{
    for (char c = 0x21; c < 0x7F; ++c)
        m_asciiSmall[static_cast<unsigned char>(c)] = m_case.lower(std::string(1, c));
}

bool AlphabetBuilder::addWord(std::string_view utf8)
{
    std::vector<std::string> small;
    if (std::ranges::all_of(utf8, [](char c) { return c > 0x20 && c < 0x7F; })) {
        // Most words of most dictionaries: no splitting needed.
        for (const char c : utf8) {
            const std::string letter(1, c);
            if (isAlphabetic(letter))
                small.push_back(m_asciiSmall[static_cast<unsigned char>(c)]);
        }
    } else {
        auto letters = m_splitter.split(utf8);
        if (!letters)
            return false;
        for (const std::string &letter : *letters) {
            auto known = m_small.find(letter);
            if (known == m_small.end()) {
                if (m_small.size() >= 4 * Alphabet::kMaxLetters)
                    return false;
                known = m_small.emplace(letter, isAlphabetic(letter) ? m_case.lower(letter) : "")
                            .first;
            }
            if (!known->second.empty())
                small.push_back(known->second);
        }
    }
    std::sort(small.begin(), small.end());
    small.erase(std::unique(small.begin(), small.end()), small.end());
    const auto added = std::ranges::count_if(
        small, [this](const std::string &letter) { return !m_found.contains(letter); });
    if (m_found.size() + static_cast<std::size_t>(added) > Alphabet::kMaxLetters)
        return false;
    for (std::string &letter : small)
        m_found.insert(std::move(letter));
    return true;
}

std::optional<Alphabet> AlphabetBuilder::build() const
{
    std::vector<std::string> letters;
    letters.assign(m_found.begin(), m_found.end());
    return Alphabet::of(std::move(letters));
}
