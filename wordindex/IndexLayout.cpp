// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/IndexLayout.h"

#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <cstring>

namespace IndexLayout {

namespace {

std::size_t wordsFor(std::size_t bytes)
{
    return bytes / 8 + (bytes % 8 != 0);
}

// Bounds that no dictionary reaches, so that a damaged header cannot make
// the sums below overflow.
constexpr std::size_t kMaxForms = std::size_t(1) << 31;
constexpr std::size_t kMaxTextBytes = std::size_t(1) << 32;
constexpr std::size_t kMaxSettingsBytes = std::size_t(1) << 20;
constexpr std::uint32_t kMaxRules = 10'000;
constexpr std::uint32_t kMaxRuleElements = 1'000;
constexpr std::uint32_t kMaxReplacements = 1'000;
constexpr std::uint32_t kMaxReplacementLetters = 64;
static_assert(kMaxListedLetters == kMaxReplacementLetters, "listed words are read as texts");

void put32(std::string &out, std::uint32_t value)
{
    out.append(reinterpret_cast<const char *>(&value), 4);
}

void put64(std::string &out, std::uint64_t value)
{
    out.append(reinterpret_cast<const char *>(&value), 8);
}

// Reads fixed-size values and strings from the front of bytes; any read
// past the end fails, and so does everything after it.
class Reader {
public:
    explicit Reader(std::string_view bytes)
        : m_bytes(bytes)
    {
    }
    template<typename T> T take()
    {
        T value {};
        if (m_bytes.size() < sizeof(T)) {
            m_failed = true;
            return value;
        }
        std::memcpy(&value, m_bytes.data(), sizeof(T));
        m_bytes.remove_prefix(sizeof(T));
        return value;
    }
    std::string text()
    {
        const auto length = take<std::uint32_t>();
        if (length > kMaxReplacementLetters || m_bytes.size() < length) {
            m_failed = true;
            return {};
        }
        std::string value(m_bytes.substr(0, length));
        m_bytes.remove_prefix(length);
        return value;
    }
    [[nodiscard]] bool ok() const { return !m_failed; }
    [[nodiscard]] bool done() const { return !m_failed && m_bytes.empty(); }
    void fail() { m_failed = true; }

private:
    std::string_view m_bytes;
    bool m_failed = false;
};

} // namespace

std::optional<Sections> Sections::layout(const Counts &counts)
{
    if (counts.nodes == 0 || counts.nodes > kMaxNodes || counts.keys > kMaxKeys
        || counts.forms > kMaxForms || counts.rules > kMaxForms || counts.textBytes > kMaxTextBytes
        || counts.settingsBytes > kMaxSettingsBytes || counts.ownForms > counts.forms
        || counts.ownBytes >= kMaxTextBytes || counts.conversionBytes > kMaxSettingsBytes)
        return std::nullopt;
    Sections s;
    s.counts = counts;
    s.nodes = kHeaderWords;
    s.keyForm = s.nodes + counts.nodes;
    s.keyText = s.keyForm + wordsFor((counts.keys + 1) * 4);
    s.roles = s.keyText + wordsFor((counts.keys + 1) * 4);
    s.rules = s.roles + wordsFor(counts.forms);
    s.settings = s.rules + counts.rules * 2;
    s.text = s.settings + wordsFor(counts.settingsBytes);
    s.own = s.text + wordsFor(counts.textBytes);
    s.ownText = s.own + counts.ownForms;
    s.conversions = s.ownText + wordsFor(counts.ownBytes);
    s.total = s.conversions + wordsFor(counts.conversionBytes);
    return s;
}

std::optional<Sections> Sections::of(const std::vector<std::uint64_t> &image)
{
    if (image.size() < kHeaderWords || image[0] != kMagic || image[1] != kVersion)
        return std::nullopt;
    const Counts counts { image[2], image[3], image[4], image[5], image[6], image[7], image[8],
        image[9], image[10] };
    auto sections = layout(counts);
    if (!sections || sections->total != image.size())
        return std::nullopt;
    return sections;
}

std::string writeSettings(const CompoundSettings &settings)
{
    std::string out;
    put32(out, settings.minPart);
    put32(out, settings.maxWords);
    out.push_back(static_cast<char>(settings.classic));
    // The triple check and how a certain compound is spelt share the byte.
    out.push_back(static_cast<char>(static_cast<int>(settings.simplifiedTriple)
        | static_cast<int>(settings.checkTriple) << 1 | static_cast<int>(settings.partsMarked) << 2
        | static_cast<int>(settings.settlesByParts) << 3));
    put32(out, static_cast<std::uint32_t>(settings.rules.size()));
    for (const auto &rule : settings.rules) {
        put32(out, static_cast<std::uint32_t>(rule.size()));
        for (const auto &element : rule) {
            put64(out, element.bit);
            out.push_back(static_cast<char>(element.optional));
            out.push_back(static_cast<char>(element.repeats));
        }
    }
    put32(out, static_cast<std::uint32_t>(settings.replacements.size()));
    for (const auto &replacement : settings.replacements) {
        for (const std::string *text :
            { &replacement.endChars, &replacement.beginChars, &replacement.replacement }) {
            put32(out, static_cast<std::uint32_t>(text->size()));
            out += *text;
        }
    }
    for (const auto *list : { &settings.forbidden, &settings.partStops }) {
        put32(out, static_cast<std::uint32_t>(list->size()));
        for (const std::string &text : *list) {
            put32(out, static_cast<std::uint32_t>(text.size()));
            out += text;
        }
    }
    return out;
}

std::optional<CompoundSettings> readSettings(std::string_view bytes)
{
    Reader in(bytes);
    CompoundSettings settings;
    settings.minPart = in.take<std::uint32_t>();
    settings.maxWords = in.take<std::uint32_t>();
    settings.classic = in.take<std::uint8_t>() != 0;
    const auto triples = in.take<std::uint8_t>();
    settings.simplifiedTriple = (triples & 1) != 0;
    settings.checkTriple = (triples & 2) != 0;
    settings.partsMarked = (triples & 4) != 0;
    settings.settlesByParts = (triples & 8) != 0;
    const auto rules = in.take<std::uint32_t>();
    if (rules > kMaxRules)
        in.fail();
    for (std::uint32_t r = 0; r < rules && in.ok(); ++r) {
        const auto elements = in.take<std::uint32_t>();
        if (elements > kMaxRuleElements)
            in.fail();
        auto &rule = settings.rules.emplace_back();
        for (std::uint32_t e = 0; e < elements && in.ok(); ++e) {
            auto &element = rule.emplace_back();
            element.bit = in.take<std::uint64_t>();
            element.optional = in.take<std::uint8_t>() != 0;
            element.repeats = in.take<std::uint8_t>() != 0;
        }
    }
    const auto replacements = in.take<std::uint32_t>();
    if (replacements > kMaxReplacements)
        in.fail();
    for (std::uint32_t r = 0; r < replacements && in.ok(); ++r) {
        auto &replacement = settings.replacements.emplace_back();
        replacement.endChars = in.text();
        replacement.beginChars = in.text();
        replacement.replacement = in.text();
        // The search counts these letters off the typed ones: key letters
        // in small letters only, as the builder writes them.
        for (const std::string *text :
            { &replacement.endChars, &replacement.beginChars, &replacement.replacement }) {
            if (!std::ranges::all_of(
                    *text, [](char c) { return keyLetterNumber(c) >= 0 && !isAsciiUpper(c); }))
                in.fail();
        }
    }
    // Sorted words of small letters, as the builder writes them: a search
    // looks them up by halves.
    for (auto *list : { &settings.forbidden, &settings.partStops }) {
        const auto words = in.take<std::uint32_t>();
        if (words > kMaxSettingsBytes)
            in.fail();
        for (std::uint32_t w = 0; w < words && in.ok(); ++w) {
            std::string text = in.text();
            if (!std::ranges::all_of(text, [](char c) { return c >= 'a' && c <= 'z'; })
                || (!list->empty() && !(list->back() < text)))
                in.fail();
            list->push_back(std::move(text));
        }
    }
    // A shortest part of no letters would let a search go on for ever.
    if (!in.done() || settings.minPart == 0)
        return std::nullopt;
    return settings;
}

std::string writeConversions(const std::vector<std::pair<std::string, std::string>> &conversions)
{
    std::string out;
    for (const auto &[from, to] : conversions)
        out.append(from).append(1, '\0').append(to).append(1, '\0');
    return out;
}

bool spellingList(std::string_view bytes)
{
    if (bytes.empty() || bytes.back() != '\0')
        return false;
    // Each code point whole and shortest, none a NUL inside a spelling
    // (which would end it), none empty.
    bool start = true;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead == 0) {
            if (start)
                return false;
            start = true;
            ++at;
            continue;
        }
        start = false;
        const std::size_t length = lead < 0x80      ? 1
            : (lead & 0xE0) == 0xC0 && lead >= 0xC2 ? 2
            : (lead & 0xF0) == 0xE0                 ? 3
            : (lead & 0xF8) == 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
        if (length == 0 || at + length > bytes.size())
            return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
            || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        at += length;
    }
    return true;
}

std::optional<std::vector<std::pair<std::string, std::string>>> readConversions(
    std::string_view bytes)
{
    std::vector<std::pair<std::string, std::string>> conversions;
    if (bytes.empty())
        return conversions;
    if (!spellingList(bytes))
        return std::nullopt;
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find('\0', at);
        parts.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    if (parts.size() % 2 != 0)
        return std::nullopt;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        conversions.emplace_back(parts[i], parts[i + 1]);
    return conversions;
}

} // namespace IndexLayout
