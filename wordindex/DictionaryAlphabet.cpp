// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/DictionaryAlphabet.h"

#include "hunspellfiles/DicFile.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

std::string utf8Of(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            continue;
        char bytes[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(c));
        out.append(bytes, static_cast<std::size_t>(length));
    }
    return out;
}

// A mark joins the letter before it (a vowel sign, an accent typed apart).
bool joinsLetterBefore(char32_t c)
{
    const auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_MN_MASK | U_GC_MC_MASK | U_GC_ME_MASK)) != 0 || c == 0x200C || c == 0x200D;
}

// Code points that are a letter on their own wherever they stand (no mark,
// joiner or jamo joins them to a neighbour), once a word has had them: a
// word of these alone has no letter to add, and is not split again. Most
// words of most dictionaries are such, and splitting is what costs.
class SeenAlone {
public:
    [[nodiscard]] bool allSeen(std::u32string_view word) const
    {
        return std::ranges::all_of(word, [this](char32_t c) { return c < kSize && m_seen[c]; });
    }
    void see(std::u32string_view word)
    {
        for (const char32_t c : word) {
            if (c < kSize
                && u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_GRAPHEME_CLUSTER_BREAK)
                    == U_GCB_OTHER)
                m_seen[c] = true;
        }
    }

private:
    static constexpr char32_t kSize = 0x10000;
    std::vector<bool> m_seen = std::vector<bool>(kSize);
};

} // namespace

std::optional<Alphabet> dictionaryAlphabet(const AffixFile &affixes, std::string_view dicText,
    std::string_view language, const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    AlphabetBuilder builder(language);
    // The ends of stems (their last two characters) and the marks an ending
    // begins with: the letters they make together are no stem's nor ending's.
    std::set<std::u32string> stemEnds;
    std::set<std::u32string> leadingMarks;
    bool fits = true;
    for (const AffixClass &affixClass : affixes.classes) {
        for (const AffixRule &rule : affixClass.rules) {
            fits = fits && builder.addWord(utf8Of(rule.add));
            if (!affixClass.prefix && !rule.add.empty() && joinsLetterBefore(rule.add.front())) {
                std::size_t marks = 1;
                while (marks < rule.add.size() && joinsLetterBefore(rule.add[marks]))
                    ++marks;
                leadingMarks.insert(rule.add.substr(0, marks));
            }
        }
    }
    SeenAlone seen;
    const std::string unread = forEachDicWord(
        affixes, dicText, limits, cancel, [&](std::u32string &word, const FlagList &) {
            if (!seen.allSeen(word)) {
                fits = builder.addWord(utf8Of(word));
                seen.see(word);
            }
            if (!leadingMarks.empty() && !word.empty())
                stemEnds.insert(word.substr(word.size() - std::min<std::size_t>(2, word.size())));
            return fits;
        });
    if (!unread.empty() || !fits)
        return std::nullopt;
    for (const std::u32string &end : stemEnds) {
        for (const std::u32string &marks : leadingMarks) {
            if (!builder.addWord(utf8Of(end + marks)))
                return std::nullopt;
        }
    }
    auto alphabet = builder.build();
    if (!alphabet)
        return std::nullopt;
    // What ICONV turns into letters of the alphabet is typed as one of them,
    // also with the marks an ending begins with (an Arabic lam-alif
    // ligature with tanween is converted to lam and alif with tanween).
    bool converted = false;
    std::vector<std::string> typedOnly; // converted letters no word is spelt with
    leadingMarks.insert(std::u32string());
    for (const auto &[from, to] : affixes.typedConversions) {
        for (const std::u32string &marks : leadingMarks) {
            AlphabetBuilder target(language);
            if (!target.addWord(utf8Of(to + marks)))
                continue;
            const auto letters = target.build();
            if (letters && !letters->empty()
                && std::ranges::all_of(letters->letters(),
                    [&](const std::string &letter) { return alphabet->id(letter).has_value(); })) {
                converted = builder.addWord(utf8Of(from + marks)) || converted;
                for (std::string &letter :
                    splitLetters(utf8Of(from + marks)).value_or(std::vector<std::string> {})) {
                    if (!alphabet->id(letter))
                        typedOnly.push_back(std::move(letter));
                }
            }
        }
    }
    if (converted)
        alphabet = builder.build();
    if (alphabet) {
        alphabet->setIgnored(utf8Of(affixes.ignored));
        std::erase_if(typedOnly, [&](const std::string &letter) { return !alphabet->id(letter); });
        alphabet->setConverted(std::move(typedOnly));
    }
    return alphabet;
}
