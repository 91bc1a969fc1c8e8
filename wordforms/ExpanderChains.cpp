// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The affixes on a stem: the chains of one or two suffixes, and the
// prefixes on each chain, each form handed to give() with the rules that
// made it.
#include "wordforms/AffixMatch.h"
#include "wordforms/Expander.h"

#include <algorithm>

using namespace AffixMatch;

void Expander::setFilter(const LetterFilter *filter)
{
    m_filter = filter;
    if (!filter)
        return;
    const auto file = [this](const std::vector<bool> &admitted, Filed &filed) {
        const auto admits = [&admitted](const AffixRule &rule) {
            return rule.id < admitted.size() && admitted[rule.id];
        };
        const std::size_t classes = m_affixes.classes.size();
        filed.byEdge.assign(classes, {});
        filed.anyEdge.assign(classes, {});
        for (std::size_t c = 0; c < classes; ++c) {
            const AffixClass &affixClass = m_affixes.classes[c];
            for (const auto &entry : affixClass.byEdge) {
                if (admits(affixClass.rules[entry.second]))
                    filed.byEdge[c].push_back(entry);
            }
            for (const std::uint32_t r : affixClass.anyEdge) {
                if (admits(affixClass.rules[r]))
                    filed.anyEdge[c].push_back(r);
            }
        }
    };
    file(filter->admitted, m_admitted);
    file(filter->admittedLast, m_admittedLast);
}

FiledRules Expander::rulesOf(const AffixClass &affixClass, bool last) const
{
    if (!m_filter)
        return { affixClass.byEdge, affixClass.anyEdge };
    const Filed &filed = last ? m_admittedLast : m_admitted;
    const auto c = static_cast<std::size_t>(&affixClass - m_affixes.classes.data());
    return { filed.byEdge[c], filed.anyEdge[c] };
}

void Expander::addChains(const FlagList &flags, std::vector<Chain> &chains)
{
    const std::u32string &stem = *m_stem;
    for (const Flag flag : flags) {
        const AffixClass *affixClass = m_affixes.suffix(flag);
        if (!affixClass)
            continue;
        forEachFiled(*affixClass, rulesOf(*affixClass, false), stem, [&](const AffixRule &rule) {
            ++m_tests;
            if (stop() || !stem.ends_with(rule.strip))
                return;
            // What a second suffix may strip of this form, at most.
            const std::size_t next = m_filter && rule.id < m_filter->nextSuffixStrip->size()
                ? (*m_filter->nextSuffixStrip)[rule.id]
                : m_suffixReach / 2;
            // Most rules make a form with too many letters: told before the
            // form is made, and before the rule's condition is read, since
            // those are most of a Hungarian search.
            const std::u32string_view kept(stem.data(), stem.size() - rule.strip.size());
            if (beyondLetters(kept, rule.add, m_front, next) || !suffixConditionHolds(rule, stem))
                return;
            Chain once { std::u32string(kept) + rule.add, {}, affixClass->cross };
            // A character that cannot be typed, beyond what a second suffix
            // or the prefixes can strip, leaves nothing worth making here.
            if (hopeless(once.form, m_suffixReach / 2))
                return;
            once.suffixes.add(rule);
            // Where the first character that cannot be typed stands (past
            // what prefixes strip): a second suffix must strip it.
            std::size_t untypable = once.form.size();
            if (m_typable) {
                for (std::size_t i = m_prefixReach; i < once.form.size(); ++i) {
                    if (!typable(once.form[i])) {
                        untypable = i;
                        break;
                    }
                }
            }
            // What a second suffix may add: what the letters leave beside
            // the part of this form that it cannot strip. Nothing strips
            // what the last suffix adds, as long as prefixes cannot reach it.
            LetterCounts left {};
            const bool counting = m_filter && once.form.size() > m_front + next;
            if (counting) {
                left = m_filter->letters;
                for (std::size_t i = m_front; i < once.form.size() - next; ++i) {
                    const int key = m_filter->fold->countedKey(once.form[i]);
                    if (key >= 0)
                        --left[static_cast<std::size_t>(key)];
                }
            }
            for (const Flag inner : rule.continuation) {
                const AffixClass *second = m_affixes.suffix(inner);
                if (!second)
                    continue;
                forEachFiled(
                    *second, rulesOf(*second, counting), once.form, [&](const AffixRule &outer) {
                        if (counting && !fitsWithin((*m_filter->addLetters)[outer.id], left))
                            return;
                        ++m_tests;
                        if (stop()
                            || untypable
                                < once.form.size() - std::min(outer.strip.size(), once.form.size())
                            || (m_typable && !counting
                                && !std::ranges::all_of(
                                    outer.add, [this](char32_t c) { return typable(c); }))
                            || !suffixConditionHolds(outer, once.form))
                            return;
                        const std::u32string_view base(
                            once.form.data(), once.form.size() - outer.strip.size());
                        if (beyondLetters(base, outer.add, m_front, 0))
                            return;
                        Chain twice { std::u32string(base) + outer.add, once.suffixes,
                            once.cross || second->cross };
                        twice.suffixes.add(outer);
                        chains.push_back(std::move(twice));
                    });
            }
            chains.push_back(std::move(once));
        });
        if (stop())
            return;
    }
}

void Expander::prefixChain(const Chain &chain, const FlagList &flags, bool crossing)
{
    const std::u32string &stem = *m_stem;
    // A character that cannot be typed past what prefixes strip stays in
    // every prefixed form.
    if (m_typable
        && !std::all_of(chain.form.begin()
                + static_cast<std::ptrdiff_t>(std::min(m_prefixReach, chain.form.size())),
            chain.form.end(), [this](char32_t c) { return typable(c); }))
        return;
    std::u32string once;
    std::u32string twice;
    for (const Flag flag : flags) {
        const AffixClass *affixClass = m_affixes.prefix(flag);
        if (!affixClass || (crossing && !affixClass->cross))
            continue;
        forEachFiled(
            *affixClass, rulesOf(*affixClass, false), chain.form, [&](const AffixRule &rule) {
                ++m_tests;
                // The checkers test a prefix's condition on what follows it,
                // suffixes included; the bare stem is tried as well, in case they differ.
                if (stop() || !chain.form.starts_with(rule.strip)
                    || !(
                        prefixConditionHolds(rule, chain.form) || prefixConditionHolds(rule, stem)))
                    return;
                // Only a prefix that the rule's continuation names may strip
                // the start of this one.
                const std::size_t next = rule.id < m_nextPrefixStrip.size()
                    ? m_nextPrefixStrip[rule.id]
                    : m_prefixReach;
                if (beyondLetters(rule.add,
                        std::u32string_view(chain.form).substr(rule.strip.size()), next, 0))
                    return;
                once = rule.add;
                once.append(chain.form, rule.strip.size());
                Applied prefixes;
                prefixes.add(rule);
                give(once, prefixes, chain.suffixes);
                for (const Flag inner : rule.continuation) {
                    const AffixClass *second = m_affixes.prefix(inner);
                    if (!second)
                        continue;
                    forEachFiled(
                        *second, rulesOf(*second, false), once, [&](const AffixRule &outer) {
                            ++m_tests;
                            if (stop() || !once.starts_with(outer.strip)
                                || !(prefixConditionHolds(outer, once)
                                    || prefixConditionHolds(outer, stem)))
                                return;
                            twice = outer.add;
                            twice.append(once, outer.strip.size());
                            Applied both = prefixes;
                            both.add(outer);
                            give(twice, both, chain.suffixes);
                        });
                }
            });
    }
}
