// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/AddedLetters.h"

#include "wordforms/KeyLetters.h"

#include <algorithm>

namespace {

// How far into what a suffix adds the prefixes may strip: a prefix's strip
// reaches past a short stem only where its end is how the suffix begins,
// and the prefix its continuation names strips what it adds and more.
class PrefixOverlap {
public:
    PrefixOverlap(const AffixFile &affixes, const std::vector<std::size_t> &nextPrefixStrip)
    {
        for (const AffixClass &affixClass : affixes.classes) {
            if (!affixClass.prefix)
                continue;
            for (const AffixRule &rule : affixClass.rules) {
                const std::size_t next = rule.id < nextPrefixStrip.size()
                    ? nextPrefixStrip[rule.id]
                    : rule.strip.size() + rule.add.size();
                m_strips.emplace_back(
                    rule.strip, next > rule.add.size() ? next - rule.add.size() : 0);
            }
        }
        std::ranges::sort(m_strips);
        m_strips.erase(std::unique(m_strips.begin(), m_strips.end()), m_strips.end());
    }
    [[nodiscard]] std::size_t into(std::u32string_view add) const
    {
        std::size_t most = 0;
        for (const auto &[strip, beyond] : m_strips) {
            std::size_t overlap = 0;
            if (strip.size() > add.size() && strip.find(add) != std::u32string::npos) {
                overlap = add.size(); // through it, into what follows
            } else {
                for (std::size_t k = std::min(strip.size(), add.size()); k > 0; --k) {
                    if (add.starts_with(std::u32string_view(strip).substr(strip.size() - k))) {
                        overlap = k;
                        break;
                    }
                }
            }
            most = std::max(most, overlap + beyond);
        }
        return most;
    }

private:
    std::vector<std::pair<std::u32string, std::size_t>>
        m_strips; // strip, what a next strips beyond
};

} // namespace

std::vector<std::optional<LetterCounts>> addedLetters(const AffixFile &affixes,
    const LetterFold &fold, std::size_t prefixReach, std::size_t suffixReach,
    const std::vector<std::size_t> &nextSuffixStrip,
    const std::vector<std::size_t> &nextPrefixStrip)
{
    std::size_t rules = 0;
    for (const AffixClass &affixClass : affixes.classes)
        rules += affixClass.rules.size();
    std::vector<std::optional<LetterCounts>> added(rules);
    std::vector<std::string> spellings;
    const PrefixOverlap prefixes(affixes, nextPrefixStrip);
    for (const AffixClass &affixClass : affixes.classes) {
        // Reach counts two affixes of a side; one more of the same side strips half.
        const std::size_t front = affixClass.prefix ? prefixReach / 2 : prefixReach;
        const std::size_t back = affixClass.prefix ? suffixReach : suffixReach / 2;
        for (const AffixRule &rule : affixClass.rules) {
            if (rule.id >= rules)
                continue;
            // Only an affix that the rule's continuation names may follow it
            // on its side.
            const std::size_t last = !affixClass.prefix && rule.id < nextSuffixStrip.size()
                ? std::min(back, nextSuffixStrip[rule.id])
                : back;
            const std::size_t first = affixClass.prefix
                ? (rule.id < nextPrefixStrip.size() ? std::min(front, nextPrefixStrip[rule.id])
                                                    : front)
                : std::min(front, prefixes.into(rule.add));
            LetterCounts counts {};
            bool told = true;
            for (std::size_t i = first; told && i + last < rule.add.size(); ++i) {
                const char32_t c = rule.add[i];
                // A letter that may be one with the character before it (the
                // stem's, or a virama or a prepended letter) and one that
                // joins the next are not counted: the count stays at what
                // the form surely holds.
                if ((c >= 0x80 && (i == 0 || mayJoinNext(rule.add[i - 1]))) || joinsNext(c))
                    continue;
                if (!fold.typable(c)) {
                    counts.fill(255);
                    break;
                }
                spellings.clear();
                if (!fold.spellings(std::u32string_view(&c, 1), spellings, 1)
                    || spellings.size() != 1) {
                    told = false;
                    break;
                }
                for (const char letter : spellings[0]) {
                    const int number = keyLetterNumber(letter);
                    if (number < 0)
                        continue;
                    auto &n = counts[static_cast<std::size_t>(number)];
                    n = static_cast<std::uint8_t>(std::min(254, n + 1));
                }
            }
            if (told)
                added[rule.id] = counts;
        }
    }
    return added;
}
