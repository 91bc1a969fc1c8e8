// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/DicFile.h"

#include "hunspellfiles/Reason.h"
#include "hunspellfiles/TextDecoder.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <utility>

bool isCountLine(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return !line.empty() && std::ranges::all_of(line, [](char c) { return c >= '0' && c <= '9'; });
}

DicEntry splitDicEntry(std::string_view line)
{
    // Morphological fields start at the first blank before "xx:" or at a tab.
    std::size_t cut = line.find('\t');
    for (std::size_t p = line.find(':'); p != std::string_view::npos && p < cut;
         p = line.find(':', p + 1)) {
        if (p >= 3 && (line[p - 3] == ' ' || line[p - 3] == '\t')) {
            cut = p - 3;
            break;
        }
    }
    line = line.substr(0, cut);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    DicEntry entry;
    std::size_t slash = std::string_view::npos;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '/' && line[i - 1] != '\\') {
            slash = i;
            break;
        }
    }
    const std::string_view word = line.substr(0, slash);
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '\\' && i + 1 < word.size() && word[i + 1] == '/')
            continue;
        entry.word.push_back(word[i]);
    }
    if (slash != std::string_view::npos) {
        entry.flags = line.substr(slash + 1);
        entry.flags = entry.flags.substr(0, entry.flags.find_first_of(" \t"));
    }
    return entry;
}

namespace {

// The words both engines add beside one with capitals inside it, or in
// capitals throughout with affixes ("OpenOffice", "CIA/S"): the word with
// only its first letter a capital, whose forms they accept typed in
// capitals ("OPENOFFICE", "CIA'S"). Its affixes may apply where the
// capitals' did not. Turkish and its neighbours lower I to dotless i:
// that spelling is added too, since the affix file may not say its language.
void hiddenHomonyms(const std::u32string &word, bool hasFlags, std::vector<std::u32string> &out)
{
    out.clear();
    std::size_t upper = 0;
    std::size_t lower = 0;
    for (const char32_t c : word) {
        upper += u_isupper(static_cast<UChar32>(c)) || u_istitle(static_cast<UChar32>(c));
        lower += u_islower(static_cast<UChar32>(c));
    }
    const bool firstUpper
        = u_isupper(static_cast<UChar32>(word[0])) || u_istitle(static_cast<UChar32>(word[0]));
    const bool allCapitals = upper > 0 && lower == 0;
    const bool mixed = upper > 0 && lower > 0 && !(upper == 1 && firstUpper);
    if (!(mixed || (allCapitals && hasFlags)))
        return;
    for (const bool turkish : { false, true }) {
        std::u32string title;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const auto c = static_cast<UChar32>(word[i]);
            if (turkish && i > 0 && c == U'I')
                title.push_back(U'\u0131');
            else if (turkish && i > 0 && c == U'\u0130')
                title.push_back(U'i');
            else
                title.push_back(static_cast<char32_t>(i == 0 ? u_totitle(c) : u_tolower(c)));
        }
        if (title != word && std::ranges::find(out, title) == out.end())
            out.push_back(std::move(title));
    }
}

} // namespace

std::string forEachDicWord(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, const DicWordVisit &visit)
{
    const auto decoder = TextDecoder::forEncoding(affixes.encoding);
    std::string refusal;
    std::size_t entries = 0;
    bool first = true;
    std::u32string word;
    std::u32string head;
    std::vector<std::u32string> hidden;
    const auto ignored
        = [&](char32_t c) { return affixes.ignored.find(c) != std::u32string::npos; };
    const bool whole = forEachLine(dicText, limits.maxLineBytes, [&](std::string_view line) {
        if (std::exchange(first, false) && isCountLine(line))
            return true;
        if (++entries > limits.maxEntries) {
            refusal = Reason::mark("the dictionary has too many words");
            return false;
        }
        if (cancel && entries % 1024 == 0 && cancel->load(std::memory_order_relaxed)) {
            refusal = Reason::mark("the index was not finished");
            return false;
        }
        const DicEntry parsed = splitDicEntry(line);
        if (parsed.word.empty())
            return true;
        const FlagList flags = affixes.parseFlags(parsed.flags);
        word.clear();
        decoder->decodeInto(parsed.word, word);
        // A checker that ends the word at its first blank reads another word.
        const auto blank = word.find(U' ');
        head = blank != std::u32string::npos && blank > 0 ? word.substr(0, blank) : U"";
        // The engines drop ignored characters from the words they load.
        for (std::u32string *each : { &word, &head }) {
            std::erase_if(*each, ignored);
            if (each->empty())
                continue;
            hiddenHomonyms(*each, !flags.empty(), hidden);
            if (!visit(*each, flags))
                return false;
            for (std::u32string &homonym : hidden) {
                if (!visit(homonym, flags))
                    return false;
            }
        }
        return true;
    });
    if (!whole)
        refusal = Reason::mark("the dictionary has a line that is too long");
    return refusal;
}
