// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/DicFile.h"
#include "hunspellfiles/Reason.h"
#include "wordforms/FormRole.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/StemEdges.h"
#include "wordindex/StemIndex.h"
#include "wordindex/StemLayout.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

using namespace StemLayout;

namespace {

struct Stem {
    std::string key; // its core's letters, sorted
    std::uint32_t text = 0; // where its characters start
    std::uint32_t length = 0;
    std::uint32_t flags = 0; // its flag list
};

template<typename T>
void put(std::vector<std::uint64_t> &image, std::size_t at, const std::vector<T> &items)
{
    if (!items.empty())
        std::memcpy(image.data() + at, items.data(), items.size() * sizeof(T));
}

} // namespace

std::variant<StemIndex, std::string> StemIndex::build(std::shared_ptr<const AffixFile> affixes,
    std::string_view dicText, const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    if (!affixes || !affixes->refusal.empty())
        return affixes ? affixes->refusal
                       : std::string(Reason::mark("the affix file cannot be read"));
    const LetterFold fold(*affixes);
    const StemEdges edges(*affixes);
    std::map<FlagList, std::uint32_t> listOf;
    // Whether a prefix may end in a character that joins the stem's first
    // letter to its own (a virama): that letter is then not the form's.
    const bool prefixMayJoin = std::ranges::any_of(affixes->classes, [](const AffixClass &c) {
        return c.prefix && std::ranges::any_of(c.rules, [](const AffixRule &rule) {
            return !rule.add.empty() && rule.add.back() >= 0x80 && mayJoinNext(rule.add.back());
        });
    });
    // The one way to type each character of a core, or none (it counts no letter then).
    std::unordered_map<char32_t, std::string> letters;
    std::vector<std::string> spellings;
    const auto lettersOf = [&](char32_t c) -> const std::string & {
        auto [found, fresh] = letters.try_emplace(c);
        if (fresh) {
            spellings.clear();
            if (fold.spellings(std::u32string_view(&c, 1), spellings, 1) && spellings.size() == 1)
                found->second = spellings[0];
            for (char &letter : found->second)
                letter = asciiLower(letter);
        }
        return found->second;
    };
    std::vector<Stem> stems;
    std::vector<char32_t> text;
    std::string refusal = forEachDicWord(
        *affixes, dicText, limits, cancel, [&](std::u32string &word, const FlagList &flags) {
            const auto list
                = listOf.try_emplace(flags, static_cast<std::uint32_t>(listOf.size())).first;
            const auto [front, back] = edges.of(word, flags);
            Stem stem { {}, static_cast<std::uint32_t>(text.size()),
                static_cast<std::uint32_t>(word.size()), list->second };
            bool joined = front == 0 ? prefixMayJoin
                                     : word[front - 1] >= 0x80 && mayJoinNext(word[front - 1]);
            for (std::size_t i = front; i + back < word.size(); ++i) {
                // A character no one can type that every form keeps: no form is typed.
                if (!fold.typable(word[i]))
                    return true;
                // A letter that may be one with the character before it
                // (after a virama or a prepended letter) is not counted:
                // which key letter the two make is left open.
                if (!joined && !joinsNext(word[i]))
                    stem.key += lettersOf(word[i]);
                joined = word[i] >= 0x80 && mayJoinNext(word[i]);
            }
            if (text.size() + word.size() >= (std::size_t(1) << 31)) {
                refusal = Reason::mark("the dictionary has too many words");
                return false;
            }
            stem.key = WordIndex::keyOf(stem.key);
            text.insert(text.end(), word.begin(), word.end());
            stems.push_back(std::move(stem));
            return true;
        });
    if (!refusal.empty())
        return refusal;
    // Stems with the same core together, in the order of the list otherwise.
    std::ranges::stable_sort(stems, {}, &Stem::key);
    std::vector<std::pair<std::string, std::uint8_t>> keys;
    std::vector<std::uint32_t> keyStem { 0 };
    std::vector<std::uint32_t> stemRefs;
    std::vector<std::uint32_t> coreless;
    std::vector<std::uint32_t> stemText { 0 };
    std::vector<char32_t> stemChars;
    std::vector<std::uint32_t> stemFlags;
    stemChars.reserve(text.size());
    for (std::uint32_t s = 0; s < stems.size(); ++s) {
        const Stem &stem = stems[s];
        stemChars.insert(
            stemChars.end(), text.begin() + stem.text, text.begin() + stem.text + stem.length);
        stemText.push_back(static_cast<std::uint32_t>(stemChars.size()));
        stemFlags.push_back(stem.flags);
        if (stem.key.empty()) {
            coreless.push_back(s);
            continue;
        }
        if (keys.empty() || keys.back().first != stem.key) {
            keys.emplace_back(stem.key, FormRole::Word);
            keyStem.push_back(keyStem.back());
        }
        stemRefs.push_back(s);
        ++keyStem.back();
    }
    // The stems are copied out: their first copy goes before the cores'
    // index and the image, the build's largest blocks, are made.
    std::vector<Stem>().swap(stems);
    std::vector<char32_t>().swap(text);
    std::vector<std::uint32_t> flagStart(listOf.size() + 1, 0);
    for (const auto &[flags, list] : listOf)
        flagStart[list + 1] = static_cast<std::uint32_t>(flags.size());
    for (std::size_t list = 1; list < flagStart.size(); ++list)
        flagStart[list] += flagStart[list - 1];
    std::vector<std::uint16_t> flags(flagStart.back());
    for (const auto &[list, at] : listOf)
        std::ranges::copy(list, flags.begin() + flagStart[at]);
    const WordIndex cores = WordIndex::fromForms(keys);
    const auto sections = Sections::layout({ cores.image().size(), keys.size(), stemRefs.size(),
        stemFlags.size(), stemChars.size(), listOf.size(), flags.size(), coreless.size() });
    if (!sections || cores.keyCount() != keys.size())
        return std::string(Reason::mark("the dictionary has too many words"));
    const Sections &s = *sections;
    std::vector<std::uint64_t> image(s.total, 0);
    image[0] = kMagic;
    image[1] = kVersion;
    const Counts &c = s.counts;
    std::ranges::copy(std::initializer_list<std::uint64_t> { c.coreWords, c.keys, c.stemRefs,
                          c.stems, c.textChars, c.flagLists, c.flags, c.coreless },
        image.begin() + 2);
    put(image, s.cores, cores.image());
    put(image, s.keyStem, keyStem);
    put(image, s.stemRefs, stemRefs);
    put(image, s.stemText, stemText);
    put(image, s.text, stemChars);
    put(image, s.stemFlags, stemFlags);
    put(image, s.flagStart, flagStart);
    put(image, s.flags, flags);
    put(image, s.coreless, coreless);
    std::string whyNot;
    auto index = fromImage(std::move(image), std::move(affixes), &whyNot, limits);
    if (!index)
        return Reason::with(Reason::kStemsUnread, whyNot);
    return std::move(*index);
}
