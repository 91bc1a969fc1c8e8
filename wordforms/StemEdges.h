// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// By rule number: the longest strip of the prefixes (or suffixes) that the
// rule's continuation names.
[[nodiscard]] std::vector<std::size_t> longestNextStrips(const AffixFile &affixes, bool prefix);

// How many characters at the start and at the end of a stem some form of it
// may lack: what the affixes its flags allow, and those they allow in turn,
// strip from it. A bound, never less than an expansion of the stem strips:
// the letters between are in every form of it.
class StemEdges {
public:
    explicit StemEdges(const AffixFile &affixes);
    [[nodiscard]] std::pair<std::size_t, std::size_t> of(
        const std::u32string &stem, const FlagList &flags) const;
    // By rule number: the longest strip of the suffixes its continuation names.
    [[nodiscard]] const std::vector<std::size_t> &nextSuffixStrip() const
    {
        return m_nextSuffixStrip;
    }
    // By rule number: the longest strip of the prefixes its continuation names.
    [[nodiscard]] const std::vector<std::size_t> &nextPrefixStrip() const
    {
        return m_nextPrefixStrip;
    }

private:
    // What a rule strips, with what a second affix of the same side may
    // strip beyond what the rule adds.
    [[nodiscard]] std::size_t reach(const AffixRule &rule, bool prefix) const;
    // The longest reach of the class's rules whose strip the stem has at its edge.
    [[nodiscard]] std::optional<std::size_t> reachOn(
        const AffixClass &affixClass, const std::u32string &stem) const;
    [[nodiscard]] std::size_t classNumber(const AffixClass &affixClass) const
    {
        return static_cast<std::size_t>(&affixClass - m_affixes.classes.data());
    }

    const AffixFile &m_affixes;
    // By rule number: the longest strip of the prefixes (suffixes) that the
    // rule's continuation names.
    std::vector<std::size_t> m_nextPrefixStrip;
    std::vector<std::size_t> m_nextSuffixStrip;
    // By class: the prefix flags that its rules, or the suffixes their
    // continuations name, name in turn.
    std::vector<FlagList> m_prefixesAfter;
    // By class: the suffix flags its rules name.
    std::vector<FlagList> m_suffixesAfter;
    // By class: each strip its rules have, with the longest reach of those
    // rules, the longest first. (A rule's condition is not asked: a reach
    // too long only files a stem under fewer letters.)
    std::vector<std::vector<std::pair<std::u32string, std::size_t>>> m_strips;
};
