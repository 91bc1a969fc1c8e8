// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/Expander.h"

#include "wordforms/AffixMatch.h"
#include "wordforms/StemEdges.h"

#include <algorithm>

using namespace AffixMatch;

namespace {

// An ASCII form in small letters.
std::string lowered(std::u32string_view form)
{
    std::string text;
    for (const char32_t c : form)
        text += static_cast<char>(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
    return text;
}

} // namespace

Expander::Expander(const AffixFile &affixes, std::size_t maxForms, std::size_t maxTests,
    std::function<bool(char32_t)> typable)
    : m_affixes(affixes)
    , m_maxForms(maxForms)
    , m_maxTests(maxTests)
    , m_typable(std::move(typable))
{
    // Asked for every character of every form on its way: a table for
    // the characters most dictionaries use.
    if (m_typable) {
        m_typableBelow.resize(kTypableTable);
        for (char32_t c = 0; c < kTypableTable; ++c)
            m_typableBelow[c] = m_typable(c);
    }
    for (const AffixClass &affixClass : affixes.classes) {
        for (const AffixRule &rule : affixClass.rules) {
            std::size_t &reach = affixClass.prefix ? m_prefixReach : m_suffixReach;
            // Two affixes on one side, each stripping at most the longest strip.
            reach = std::max(reach, 2 * rule.strip.size());
        }
    }
    // What prefixes can strip from the start of a stem whose start they
    // match: a rule's strip, and what a prefix its continuation names
    // strips beyond what the rule adds; the longest first.
    m_nextPrefixStrip = longestNextStrips(affixes, true);
    for (const AffixClass &affixClass : affixes.classes) {
        if (!affixClass.prefix)
            continue;
        for (const AffixRule &rule : affixClass.rules) {
            const std::size_t next
                = rule.id < m_nextPrefixStrip.size() ? m_nextPrefixStrip[rule.id] : m_prefixReach;
            m_prefixStrips.emplace_back(rule.strip,
                rule.strip.size() + (next > rule.add.size() ? next - rule.add.size() : 0));
        }
    }
    std::ranges::sort(
        m_prefixStrips, std::greater<>(), &std::pair<std::u32string, std::size_t>::second);
    m_prefixStrips.erase(
        std::unique(m_prefixStrips.begin(), m_prefixStrips.end()), m_prefixStrips.end());
    for (const auto &rule : affixes.compounds.rules) {
        for (const RuleElement &element : rule)
            m_ruleFlags.push_back(element.flag);
    }
    std::ranges::sort(m_ruleFlags);
    m_ruleFlags.erase(std::unique(m_ruleFlags.begin(), m_ruleFlags.end()), m_ruleFlags.end());
}

std::uint64_t Expander::ruleBit(Flag flag) const
{
    const auto found = std::ranges::lower_bound(m_ruleFlags, flag);
    if (found == m_ruleFlags.end() || *found != flag)
        return 0;
    const auto index = static_cast<std::size_t>(found - m_ruleFlags.begin());
    return m_ruleFlags.size() > 64 ? ~std::uint64_t(0) : std::uint64_t(1) << index;
}

std::uint64_t Expander::ruleBits(const FlagList &flags) const
{
    std::uint64_t bits = 0;
    for (const Flag flag : flags)
        bits |= ruleBit(flag);
    return bits;
}

std::size_t Expander::frontOf(const std::u32string &stem) const
{
    // Suffixes may change the end of a short stem: a strip longer than
    // what they leave of it applies where it begins with that.
    const std::u32string_view kept = std::u32string_view(stem).substr(
        0, stem.size() > m_suffixReach ? stem.size() - m_suffixReach : 0);
    for (const auto &[strip, reach] : m_prefixStrips) {
        if (stem.starts_with(strip) || (strip.size() > kept.size() && strip.starts_with(kept)))
            return std::min(reach, m_prefixReach);
    }
    return 0;
}

bool Expander::hopeless(std::u32string_view form, std::size_t suffixReach) const
{
    return m_typable && form.size() > m_prefixReach + suffixReach
        && !std::all_of(form.begin() + static_cast<std::ptrdiff_t>(m_prefixReach),
            form.end() - static_cast<std::ptrdiff_t>(suffixReach),
            [this](char32_t c) { return typable(c); });
}

bool Expander::beyondLetters(std::u32string_view form, std::size_t front, std::size_t back) const
{
    return beyondLetters(form, {}, front, back);
}

bool Expander::beyondLetters(
    std::u32string_view head, std::u32string_view tail, std::size_t front, std::size_t back) const
{
    const std::size_t size = head.size() + tail.size();
    if (!m_filter || size <= front + back)
        return false;
    LetterCounts counts {};
    std::size_t blanks = 0;
    for (std::size_t i = front; i < size - back; ++i) {
        const int key
            = m_filter->fold->countedKey(i < head.size() ? head[i] : tail[i - head.size()]);
        if (key < 0)
            continue;
        const auto k = static_cast<std::size_t>(key);
        if (++counts[k] > m_filter->letters[k]
            || (counts[k] > m_filter->base[k] && ++blanks > m_filter->blanks))
            return true;
    }
    return false;
}

void Expander::give(const std::u32string &form, const Applied &prefixes, const Applied &suffixes)
{
    const FlagList &stemFlags = *m_stemFlags;
    const CompoundModel &model = m_affixes.compounds;
    const bool bare = prefixes.count + suffixes.count == 0;
    bool onlyInCompound = has(stemFlags, model.onlyInCompound);
    bool forbidden = false;
    bool permitPrefix = true;
    bool permitSuffix = true;
    bool anywhere = has(stemFlags, model.anywhere);
    bool begin = has(stemFlags, model.begin);
    bool middle = has(stemFlags, model.middle);
    bool end = has(stemFlags, model.end);
    const auto look = [&](const Applied &applied, bool &permit) {
        for (int i = 0; i < applied.count; ++i) {
            const FlagList &cont = applied.rules[i]->continuation;
            onlyInCompound = onlyInCompound || has(cont, model.onlyInCompound);
            forbidden = forbidden || has(cont, model.forbid);
            permit = permit && has(cont, model.permit);
            anywhere = anywhere || has(cont, model.anywhere);
            begin = begin || has(cont, model.begin);
            middle = middle || has(cont, model.middle);
            end = end || has(cont, model.end);
        }
    };
    look(prefixes, permitPrefix);
    look(suffixes, permitSuffix);
    std::uint8_t roles = 0;
    // A stem that needs an affix is no word, nor a part, alone.
    if (!onlyInCompound && !(bare && has(stemFlags, m_affixes.needAffix)))
        roles |= FormRole::Word;
    if (model.classic() && !forbidden && !(bare && has(stemFlags, m_affixes.needAffix))) {
        // Prefixes go at the start of a compound, suffixes at its end; in
        // other places only with COMPOUNDPERMITFLAG (Nuspell lets either
        // inside a compound). Two suffixes end a compound, or with
        // COMPOUNDMORESUFFIXES stand anywhere.
        const bool fewSuffixes = suffixes.count < 2 || model.moreSuffixes;
        if ((anywhere || begin) && (suffixes.count == 0 || permitSuffix) && fewSuffixes)
            roles |= FormRole::Begin;
        if ((anywhere || middle) && fewSuffixes)
            roles |= FormRole::Middle;
        if ((anywhere || end) && (prefixes.count == 0 || permitPrefix))
            roles |= FormRole::End;
    }
    if (m_stemRuleBits != 0 && !has(stemFlags, m_affixes.needAffix))
        roles |= bare ? FormRole::Rule : FormRole::RuleLast;
    if (roles == 0)
        return;
    if (bare && model.onlyFollowedOptions && model.anywhere && has(stemFlags, model.anywhere)
        && (roles & FormRole::Begin) && (roles & FormRole::Middle) && (roles & FormRole::End)
        && std::ranges::all_of(form, [](char32_t c) { return c >= U'a' && c <= U'z'; }))
        roles |= FormRole::Sure;
    else if (m_pairing)
        roles = FormRole::Word | FormRole::Doubt;
    else if (model.settlesByParts()) {
        // A form's ways are weighed together once the stem is done (flushWays).
        ++m_count;
        m_ways.push_back({ form, roles, m_stemRuleBits,
            partWay(m_affixes, stemFlags, form,
                std::span(prefixes.rules, static_cast<std::size_t>(prefixes.count)),
                std::span(suffixes.rules, static_cast<std::size_t>(suffixes.count)), roles) });
        return;
    }
    ++m_count;
    m_sink->form(form, roles, m_stemRuleBits);
}

void Expander::flushWays()
{
    std::ranges::sort(m_ways, {}, &Way::form);
    constexpr std::uint8_t kParts = FormRole::Begin | FormRole::Middle | FormRole::End;
    for (auto first = m_ways.begin(); first != m_ways.end();) {
        const auto last = std::find_if(
            first, m_ways.end(), [&](const Way &way) { return way.form != first->form; });
        std::uint8_t roles = 0;
        std::uint64_t ruleBits = 0;
        PartWay all;
        for (auto way = first; way != last; ++way) {
            roles |= way->roles;
            ruleBits |= way->ruleBits;
            all.certain |= way->part.certain;
            all.uncertain |= way->part.uncertain;
            all.harmful = all.harmful || way->part.harmful;
            all.forbidden = all.forbidden || way->part.forbidden;
        }
        // Sure where some way of this stem takes each part role for certain:
        // "haus" of a prefix and a suffix, both empty, is inside a compound
        // for certain by the suffix alone. The index joins the ways of other
        // stems: Doubt keeps this one's doubt.
        if (all.harmful || (all.uncertain & ~all.certain) != 0)
            roles |= FormRole::Doubt;
        else if ((roles & kParts) != 0)
            roles |= FormRole::Sure;
        const std::u32string &form = first->form;
        const bool ascii = std::ranges::all_of(
            form, [](char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); });
        if (ascii && all.forbidden)
            m_forbidden.insert(lowered(form));
        // Hunspell stops looking for a part at a forbidden one, and at one
        // that only a word in capitals ("HAUS" as "Haus") spells.
        if (ascii && (roles & kParts) != 0 && (all.forbidden || !plainSpelling(form)))
            m_partStops.insert(lowered(form));
        m_sink->form(form, roles, ruleBits);
        first = last;
    }
    m_ways.clear();
}

bool Expander::expand(const std::u32string &stem, const FlagList &flags, FormSink &sink)
{
    // Hunspell refuses a compound that a dictionary word of two words spells
    // without its space: each such form is in doubt, a word only to ask about.
    const std::size_t space = stem.find(U' ');
    if (m_affixes.compounds.settlesByParts() && space != std::u32string::npos && space > 0
        && stem.find_first_not_of(U' ', space) != std::u32string::npos) {
        std::u32string joined = stem;
        joined.erase(space, 1);
        m_pairing = true;
        const bool finished = expandStem(joined, flags, sink);
        m_pairing = false;
        if (!finished)
            return false;
    }
    const bool finished = expandStem(stem, flags, sink);
    flushWays();
    return finished;
}

bool Expander::expandStem(const std::u32string &stem, const FlagList &flags, FormSink &sink)
{
    m_stemFlags = &flags;
    m_stem = &stem;
    m_sink = &sink;
    m_count = 0;
    m_stemRuleBits = ruleBits(flags);
    // What prefixes may strip of this stem's forms, where only forms within
    // some letters are wanted.
    m_front = m_filter ? frontOf(stem) : m_prefixReach;
    if (hopeless(stem, m_suffixReach) || beyondLetters(stem, m_front, m_suffixReach))
        return true;
    std::vector<Chain> chains { { stem, {}, true } };
    addChains(flags, chains);
    for (const Chain &chain : chains) {
        give(chain.form, {}, chain.suffixes);
        // A form kept for a second suffix to strip its end may have more
        // letters than are wanted, and prefixes only strip its start.
        if (!beyondLetters(chain.form, m_front, 0)) {
            // Prefixes of the stem's own classes go on suffixed forms where
            // both cross; those that a suffix's continuation names, always.
            if (chain.suffixes.count == 0 || chain.cross)
                prefixChain(chain, flags, chain.suffixes.count > 0);
            for (int i = 0; i < chain.suffixes.count; ++i)
                prefixChain(chain, chain.suffixes.rules[i]->continuation, false);
        }
        if (stop())
            return false;
    }
    // Suffixes that a prefix's continuation class names, cross product or not.
    for (const Flag flag : flags) {
        const AffixClass *affixClass = m_affixes.prefix(flag);
        if (!affixClass)
            continue;
        forEachFiled(*affixClass, rulesOf(*affixClass, false), stem, [&](const AffixRule &rule) {
            if (rule.continuation.empty() || stop())
                return;
            std::vector<Chain> enabled;
            addChains(rule.continuation, enabled);
            for (const Chain &chain : enabled) {
                if (!chain.form.starts_with(rule.strip)
                    || !(
                        prefixConditionHolds(rule, chain.form) || prefixConditionHolds(rule, stem)))
                    continue;
                std::u32string form = rule.add;
                form.append(chain.form, rule.strip.size());
                Applied prefixes;
                prefixes.add(rule);
                give(form, prefixes, chain.suffixes);
            }
        });
    }
    return !stop();
}
