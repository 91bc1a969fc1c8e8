// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/SelfTestWords.h"

#include "hunspellfiles/AffixReader.h"
#include "hunspellfiles/DicFile.h"
#include "hunspellfiles/TextDecoder.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <utility>

namespace {

// Entries of the word list looked at for plain ones.
constexpr std::size_t kEntriesLooked = 2000;
constexpr std::size_t kMaxWordBytes = 100;

// Written by ICU, as the index writes the own spellings; false for a code
// point that UTF-8 cannot spell (a surrogate, or past U+10FFFF, which a
// broken line may decode to).
bool appendUtf8(char32_t c, std::string &out)
{
    char bytes[U8_MAX_LENGTH];
    std::int32_t length = 0;
    UBool isError = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, static_cast<UChar32>(c), isError);
    out.append(bytes, static_cast<std::size_t>(length));
    return !isError;
}

bool has(const FlagList &flags, Flag flag)
{
    return flag != 0 && std::ranges::binary_search(flags, flag);
}

// FORBIDDENWORD, which the word index has no use for.
Flag forbiddenFlag(std::string_view affText, const AffixFile &affixes, const ReadLimits &limits)
{
    Flag flag = 0;
    forEachLine(affText, limits.maxLineBytes, [&](std::string_view line) {
        const std::string_view keyword = "FORBIDDENWORD";
        if (line.starts_with(keyword) && line.size() > keyword.size()) {
            std::string_view value = line.substr(keyword.size());
            while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
                value.remove_prefix(1);
            flag = affixes.firstFlag(value.substr(0, value.find_first_of(" \t")));
        }
        return true;
    });
    return flag;
}

} // namespace

std::vector<SelfTestWord> selfTestWords(std::string_view affText, std::string_view dicText,
    Dialect dialect, std::size_t count, const ReadLimits &limits)
{
    std::vector<SelfTestWord> words;
    const AffixFile affixes = parseAffixFile(affText, dialect, limits);
    // Even where the index refuses the file, its flags still read.
    const auto decoder = TextDecoder::forEncoding(affixes.encoding);
    const Flag forbidden = forbiddenFlag(affText, affixes, limits);
    std::size_t looked = 0;
    bool first = true;
    forEachLine(dicText, limits.maxLineBytes, [&](std::string_view line) {
        if (std::exchange(first, false) && isCountLine(line))
            return true;
        const DicEntry entry = splitDicEntry(line);
        const FlagList flags = affixes.parseFlags(entry.flags);
        if (!entry.word.empty() && entry.word.size() <= kMaxWordBytes
            && !has(flags, affixes.needAffix) && !has(flags, affixes.compounds.onlyInCompound)
            && !has(flags, forbidden)) {
            SelfTestWord word { entry.word, {} };
            // A word with a character UTF-8 cannot spell is no word to
            // ask an engine about.
            bool spelt = true;
            if (decoder) {
                for (const char32_t c : decoder->decode(entry.word))
                    spelt = appendUtf8(c, word.utf8) && spelt;
            } else {
                word.utf8 = entry.word;
            }
            if (spelt)
                words.push_back(std::move(word));
        }
        return ++looked < kEntriesLooked && words.size() < count;
    });
    return words;
}

namespace {

std::size_t codePoints(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(utf8, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

} // namespace

std::optional<SelfTestWord> nonsenseInOwnLetters(const std::vector<SelfTestWord> &words)
{
    constexpr int kRepeats = 7;
    for (const SelfTestWord &word : words) {
        const auto *bytes = reinterpret_cast<const uint8_t *>(word.utf8.data());
        const auto length = static_cast<int32_t>(word.utf8.size());
        std::size_t characters = 0;
        for (int32_t at = 0; at < length; ++characters) {
            const int32_t start = at;
            UChar32 c = 0;
            U8_NEXT(bytes, at, length, c);
            if (c < 0 || !u_isalpha(c))
                continue;
            UErrorCode status = U_ZERO_ERROR;
            const UScriptCode script = uscript_getScript(c, &status);
            if (U_FAILURE(status) || script == USCRIPT_LATIN || script == USCRIPT_COMMON
                || script == USCRIPT_INHERITED)
                continue;
            const std::string letter = word.utf8.substr(start, at - start);
            // An 8-bit encoding spells each character with one byte.
            std::string raw;
            if (word.raw == word.utf8)
                raw = letter;
            else if (word.raw.size() == codePoints(word.utf8))
                raw = word.raw.substr(characters, 1);
            else
                return std::nullopt;
            SelfTestWord nonsense;
            for (int i = 0; i < kRepeats; ++i) {
                nonsense.utf8 += letter;
                nonsense.raw += raw;
            }
            return nonsense;
        }
    }
    return std::nullopt;
}
