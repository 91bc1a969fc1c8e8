// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/AffixFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The word as it can be typed with the letters a-z, in lower case, or nothing
// when some character has no such spelling. Characters whose case mapping
// leads to plain letters count as those letters (ß and ẞ as "ss", dotless ı
// as "i", the long s as "s", the Latin ligatures as their letters), since a
// checker may accept the plain spelling for them.
[[nodiscard]] std::optional<std::string> foldToLetters(std::u32string_view word);

// Every form of a dictionary stem that its flags allow: the stem, up to two
// suffixes (the second from the first one's continuation), up to two
// prefixes, and the combinations of both that cross products or continuation
// classes permit. It rather makes a form too many than one too few.
class Expander {
public:
    // maxTests bounds the affix rules tried over all stems together.
    Expander(const AffixFile &affixes, std::size_t maxForms, std::size_t maxTests);

    // Replaces forms with those of the stem; false when there were more than
    // the limit (forms then holds only part of them).
    bool expand(
        const std::u32string &stem, const FlagList &flags, std::vector<std::u32string> &forms);
    // Whether the rules tried passed the bound (expand then gave false).
    [[nodiscard]] bool exhausted() const { return m_tests > m_maxTests; }

private:
    struct Chain {
        std::u32string form;
        bool cross;
        FlagList continuation; // of every suffix applied
    };
    void suffixChains(
        const std::u32string &stem, const FlagList &flags, std::vector<Chain> &chains);
    void prefixed(const AffixRule &rule, const std::u32string &word, const std::u32string &stem);
    bool full() const { return m_out->size() > m_maxForms || exhausted(); }
    bool tried() { return ++m_tests <= m_maxTests; }

    const AffixFile &m_affixes;
    std::size_t m_maxForms;
    std::size_t m_maxTests;
    std::size_t m_tests = 0;
    std::vector<std::u32string> *m_out = nullptr;
};
