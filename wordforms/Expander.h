// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "wordforms/AffixMatch.h"
#include "wordforms/FormRole.h"
#include "wordforms/LetterCounts.h"
#include "wordforms/LetterFold.h"
#include "wordforms/PartCertainty.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <vector>

// Receives the forms of a stem, in the dictionary's own characters.
class FormSink {
public:
    virtual ~FormSink() = default;
    // ruleFlags: the stem's COMPOUNDRULE flags as bits (see Expander::ruleBit).
    virtual void form(std::u32string_view form, std::uint8_t roles, std::uint64_t ruleFlags) = 0;
};

// Every form of a dictionary stem that its flags allow: the stem, up to two
// suffixes (the second from the first one's continuation), up to two
// prefixes, and the combinations of both that cross products or
// continuation classes permit, each with the roles its flags give it. It
// rather makes a form too many, or gives a role too many, than one too few.
class Expander {
public:
    // maxTests bounds the affix rules tried over all stems together. A stem
    // with a character that cannot be typed, where no affix can strip it,
    // has no form worth making.
    Expander(const AffixFile &affixes, std::size_t maxForms, std::size_t maxTests,
        std::function<bool(char32_t)> typable = {});

    // False when the stem had more forms than the limit, or the rules tried
    // passed their bound (see exhausted()).
    bool expand(const std::u32string &stem, const FlagList &flags, FormSink &sink);
    [[nodiscard]] bool exhausted() const { return m_tests > m_maxTests; }
    // Where compounds are settled part by part (CompoundModel::settlesByParts),
    // of the forms made so far in letters a to z of either case, in small
    // letters: the forbidden words, and the parts at which Hunspell stops
    // looking for a longer one (CompoundSettings::partStops).
    [[nodiscard]] const std::set<std::string> &forbiddenWords() const { return m_forbidden; }
    [[nodiscard]] const std::set<std::string> &partStops() const { return m_partStops; }
    // The forms one stem may have from now on.
    void setMaxForms(std::size_t maxForms) { m_maxForms = maxForms; }
    // Bits for the flags that COMPOUNDRULE names; every bit when there are
    // more than 64 of them, so that no rule is left out.
    [[nodiscard]] std::uint64_t ruleBits(const FlagList &flags) const;
    [[nodiscard]] std::uint64_t ruleBit(Flag flag) const;
    // Only forms within some letters are wanted (a search for the forms of
    // those letters): a form on its way whose plain letters that no later
    // affix can strip are more than these is taken no further, and affix
    // rules that add letters the forms cannot hold are passed over.
    struct LetterFilter {
        LetterCounts letters {};
        // By rule number: the plain letters each adds, whether it may be
        // applied at all, whether it may be the last suffix (all it adds
        // is kept, so it must be typed and within the letters).
        const std::vector<LetterCounts> *addLetters = nullptr;
        // By rule number: what a suffix after it may strip, at most.
        const std::vector<std::size_t> *nextSuffixStrip = nullptr;
        std::vector<bool> admitted;
        std::vector<bool> admittedLast;
        // Which key letter a character of a form is counted as (LetterFold::countedKey).
        const LetterFold *fold = nullptr;
        // Of the letters, those a form holds as they are (a crossword's
        // given ones); at most blanks more are any of the letters.
        LetterCounts base {};
        std::size_t blanks = std::numeric_limits<std::size_t>::max();
    };
    // The filter's admitted rules are read here, not later: fill them first.
    void setFilter(const LetterFilter *filter);
    // Characters that prefixes (suffixes) can strip from a stem, at most.
    [[nodiscard]] std::size_t prefixReach() const { return m_prefixReach; }
    [[nodiscard]] std::size_t suffixReach() const { return m_suffixReach; }

private:
    struct Applied {
        const AffixRule *rules[2] = { nullptr, nullptr };
        int count = 0;
        void add(const AffixRule &rule) { rules[count++] = &rule; }
    };
    // The stem with one or two suffixes, or none.
    struct Chain {
        std::u32string form;
        Applied suffixes;
        bool cross = false; // some suffix class allows a prefix too
    };
    // The stem with one suffix of a class that flags name, and with a second
    // from that one's continuation class.
    void addChains(const FlagList &flags, std::vector<Chain> &chains);
    // Prefixes of the classes that flags name on a chain, and a second
    // prefix from the first one's continuation class.
    void prefixChain(const Chain &chain, const FlagList &flags, bool crossing);
    void give(const std::u32string &form, const Applied &prefixes, const Applied &suffixes);
    // Whether the form keeps a character that cannot be typed whatever
    // affixes follow (prefixes, and suffixes stripping up to suffixReach).
    [[nodiscard]] bool hopeless(std::u32string_view form, std::size_t suffixReach) const;
    // Characters prefixes can strip from the start of the stem's forms, at most.
    [[nodiscard]] std::size_t frontOf(const std::u32string &stem) const;
    // Whether the plain letters of the form, past front characters and
    // before the last back ones, are more than the letters wanted.
    [[nodiscard]] bool beyondLetters(
        std::u32string_view form, std::size_t front, std::size_t back) const;
    // The same for the form head + tail, without making it.
    [[nodiscard]] bool beyondLetters(std::u32string_view head, std::u32string_view tail,
        std::size_t front, std::size_t back) const;
    // The class's rules that may be applied: those the filter admits (as the
    // last suffix, with last), or all without a filter.
    [[nodiscard]] AffixMatch::FiledRules rulesOf(const AffixClass &affixClass, bool last) const;
    [[nodiscard]] bool stop() const { return m_count > m_maxForms || m_tests > m_maxTests; }

    const AffixFile &m_affixes;
    std::size_t m_maxForms;
    std::size_t m_maxTests;
    std::size_t m_tests = 0;
    std::vector<Flag> m_ruleFlags; // sorted
    std::function<bool(char32_t)> m_typable;
    static constexpr char32_t kTypableTable = 0x800;
    std::vector<char> m_typableBelow; // m_typable's answers below kTypableTable
    [[nodiscard]] bool typable(char32_t c) const
    {
        return c < m_typableBelow.size() ? m_typableBelow[c] != 0 : m_typable(c);
    }
    const LetterFilter *m_filter = nullptr;
    // By class, the rules the filter admits, filed as the class files them:
    // a search for twelve Hungarian letters admits few of a class's rules,
    // and passing over the others for every form on its way was most of
    // the time its forms took.
    struct Filed {
        std::vector<std::vector<std::pair<char32_t, std::uint32_t>>> byEdge;
        std::vector<std::vector<std::uint32_t>> anyEdge;
    };
    Filed m_admitted;
    Filed m_admittedLast;
    std::size_t m_prefixReach = 0; // characters two prefixes can strip, at most
    std::size_t m_suffixReach = 0;
    std::vector<std::size_t>
        m_nextPrefixStrip; // by rule: the longest strip of the prefixes it names
    std::vector<std::pair<std::u32string, std::size_t>>
        m_prefixStrips; // strip, reach; longest first
    std::size_t m_front = 0; // frontOf the stem being expanded, when filtering
    // The stem being expanded.
    const FlagList *m_stemFlags = nullptr;
    const std::u32string *m_stem = nullptr;
    FormSink *m_sink = nullptr;
    std::size_t m_count = 0;
    std::uint64_t m_stemRuleBits = 0;
    // Expanding a word of two without its space (see expand).
    bool m_pairing = false;
    bool expandStem(const std::u32string &stem, const FlagList &flags, FormSink &sink);
    // The ways to the stem's forms, where compounds are settled part by part.
    struct Way {
        std::u32string form;
        std::uint8_t roles = 0;
        std::uint64_t ruleBits = 0;
        PartWay part;
    };
    std::vector<Way> m_ways;
    void flushWays();
    std::set<std::string> m_forbidden;
    std::set<std::string> m_partStops;
};
