// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixReader.h"

#include "hunspellfiles/AffixDirectives.h"
#include "hunspellfiles/AffixLines.h"
#include "hunspellfiles/Reason.h"
#include "hunspellfiles/TextDecoder.h"

#include <algorithm>
#include <cctype>

namespace {

// Hunspell reads UTF-8 when SET says so in exactly those capitals, knows
// these 8-bit encodings by their names in small letters without signs, and
// takes ISO-8859-1 for any other.
std::string hunspellEncoding(const std::string &name)
{
    if (name == "UTF-8")
        return name;
    std::string normal;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            normal.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    constexpr std::string_view kKnown[] = { "iso88591", "iso88592", "iso88593", "iso88594",
        "iso88595", "iso88596", "iso88597", "iso88598", "iso88599", "iso885910", "tis620",
        "tis6202533", "iso885911", "iso885913", "iso885914", "iso885915", "koi8r", "koi8u",
        "cp1251", "microsoftcp1251", "xisciias", "isciidevanagari" };
    return std::ranges::find(kKnown, normal) != std::end(kKnown) ? name : "ISO8859-1";
}

// Every directive other than SET and FLAG. A class or table that the file
// cuts short is one the engines read as far as it goes.
void readDirectives(
    std::string_view text, const TextDecoder &decoder, const ReadLimits &limits, AffixFile &file)
{
    AffixDirectives directives(file, decoder, limits);
    forEachLine(text, limits.maxLineBytes,
        [&](std::string_view raw) { return directives.line(splitAffixLine(raw, file.dialect)); });
    file.compounds.onlyFollowedOptions = !directives.doubts();
    file.compounds.onlyFollowedPartOptions = !directives.partDoubts();
}

// Files each affix class's rules by the character at the stem's edge they need.
void indexAffixClasses(AffixFile &file)
{
    file.prefixOf.assign(65536, 0);
    file.suffixOf.assign(65536, 0);
    std::uint32_t id = 0;
    for (std::size_t i = 0; i < file.classes.size(); ++i) {
        AffixClass &affixClass = file.classes[i];
        for (AffixRule &rule : affixClass.rules)
            rule.id = id++;
        (affixClass.prefix ? file.prefixOf : file.suffixOf)[affixClass.flag]
            = static_cast<std::uint32_t>(i + 1);
        for (std::uint32_t r = 0; r < affixClass.rules.size(); ++r) {
            const AffixRule &rule = affixClass.rules[r];
            // The character at the edge of the stem that the rule needs: the
            // edge of what it strips, else the edge element of its condition.
            std::u32string edge;
            if (!rule.strip.empty()) {
                edge = affixClass.prefix ? rule.strip.front() : rule.strip.back();
            } else if (!rule.condition.empty()) {
                const ConditionElement &element
                    = affixClass.prefix ? rule.condition.front() : rule.condition.back();
                if (!element.negated)
                    edge = element.chars;
            }
            if (edge.empty()) {
                affixClass.anyEdge.push_back(r);
                continue;
            }
            std::ranges::sort(edge);
            edge.erase(std::unique(edge.begin(), edge.end()), edge.end());
            for (const char32_t c : edge)
                affixClass.byEdge.emplace_back(c, r);
        }
        std::ranges::sort(affixClass.byEdge);
    }
}

} // namespace

AffixFile parseAffixFile(std::string_view text, Dialect dialect, const ReadLimits &limits)
{
    AffixFile file;
    file.dialect = dialect;
    if (!readSettings(text, dialect, limits, file))
        return file;
    if (dialect == Dialect::Hunspell)
        file.encoding = hunspellEncoding(file.encoding);
    const auto decoder = TextDecoder::forEncoding(file.encoding);
    if (!decoder) {
        file.refusal = Reason::with(Reason::kUnknownEncoding, file.encoding.substr(0, 40));
        return file;
    }
    readDirectives(text, *decoder, limits, file);
    if (file.refusal.empty())
        indexAffixClasses(file);
    return file;
}
