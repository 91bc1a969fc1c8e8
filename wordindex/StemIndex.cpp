// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/StemIndex.h"

#include "hunspellfiles/Reason.h"
#include "wordforms/AddedLetters.h"
#include "wordforms/Expander.h"
#include "wordforms/StemEdges.h"
#include "wordindex/CompoundSettings.h"
#include "wordindex/FormTable.h"
#include "wordindex/KeyWalk.h"
#include "wordindex/OwnSpellings.h"
#include "wordindex/StemLayout.h"

#include <algorithm>
#include <limits>

using namespace StemLayout;

namespace {

// Keeps the spellings of a stem's forms that the letters can spell.
class Gather final : public FormSink {
public:
    Gather(const LetterFold &fold, const OwnSpellings &own, const LetterCounts &letters,
        FormTable &table, std::size_t longest = std::numeric_limits<std::size_t>::max())
        : m_fold(fold)
        , m_own(own)
        , m_letters(letters)
        , m_base(letters)
        , m_table(table)
        , m_longest(longest)
    {
    }
    // Only forms of these many key letters, a bit each (a crossword's words).
    void setLengths(std::uint64_t lengths) { m_lengths = lengths; }
    // Of the letters, those a form holds as they are; at most blanks more
    // are any of them.
    void setBase(const LetterCounts &base, std::size_t blanks)
    {
        m_base = base;
        m_blanks = blanks;
    }
    void form(std::u32string_view form, std::uint8_t roles, std::uint64_t ruleFlags) override
    {
        // Most forms are plain letters, most of them too many for the letters
        // asked; no character is typed with fewer letters than none.
        LetterCounts plain {};
        bool allPlain = true;
        std::size_t blanks = 0;
        for (const char32_t c : form) {
            const char32_t lower = c | 0x20;
            if (lower < U'a' || lower > U'z') {
                allPlain = false;
                break;
            }
            const std::size_t k = lower - U'a';
            if (++plain[k] > m_letters[k] || (plain[k] > m_base[k] && ++blanks > m_blanks))
                return;
        }
        if (allPlain) {
            if (form.size() > m_longest || !hasLength(form.size()))
                return;
            m_plain.assign(form.begin(), form.end());
            if (!m_plain.empty())
                m_table.add(m_plain, roles, ruleFlags);
            return;
        }
        m_spellings.clear();
        if (!m_fold.spellings(form, m_spellings, kMaxSpellings)) {
            m_tooMany = true;
            return;
        }
        std::optional<std::string> own;
        for (const std::string &spelling : m_spellings) {
            // A spelling in key letters has a byte a letter.
            if (spelling.empty() || spelling.size() > m_longest || !hasLength(spelling.size())
                || !fits(countLetters(spelling)))
                continue;
            if (!own)
                own = m_own.of(form);
            m_table.add(spelling, roles, ruleFlags, own ? &*own : nullptr);
        }
    }
    [[nodiscard]] bool tooMany() const { return m_tooMany; }

private:
    [[nodiscard]] bool hasLength(std::size_t length) const
    {
        return length >= 64 || (m_lengths >> length & 1);
    }
    [[nodiscard]] bool fits(const LetterCounts &counts) const
    {
        std::size_t blanks = 0;
        for (std::size_t k = 0; k < counts.size(); ++k) {
            if (counts[k] > m_letters[k])
                return false;
            if (counts[k] > m_base[k])
                blanks += counts[k] - m_base[k];
        }
        return blanks <= m_blanks;
    }

    const LetterFold &m_fold;
    const OwnSpellings &m_own;
    const LetterCounts &m_letters;
    LetterCounts m_base;
    std::size_t m_blanks = std::numeric_limits<std::size_t>::max();
    FormTable &m_table;
    std::vector<std::string> m_spellings;
    std::string m_plain;
    std::size_t m_longest;
    std::uint64_t m_lengths = ~std::uint64_t(0);
    bool m_tooMany = false;
};

} // namespace

bool StemIndex::isStemImage(const std::vector<std::uint64_t> &image)
{
    return !image.empty() && image[0] == kMagic;
}

std::optional<StemIndex> StemIndex::fromImage(std::vector<std::uint64_t> image,
    std::shared_ptr<const AffixFile> affixes, std::string *whyNot, const ReadLimits &limits)
{
    StemIndex index;
    index.m_limits = limits;
    index.m_image = std::make_shared<const std::vector<std::uint64_t>>(std::move(image));
    if (!index.attach(std::move(affixes), whyNot))
        return std::nullopt;
    return index;
}

bool StemIndex::attach(std::shared_ptr<const AffixFile> affixes, std::string *whyNot)
{
    const auto fail = [whyNot](const char *why) {
        if (whyNot)
            *whyNot = why;
        return false;
    };
    const auto sections = Sections::of(*m_image);
    if (!sections)
        return fail(Reason::mark("it is not an index of stems of this version"));
    const Sections &s = *sections;
    const std::uint64_t *words = m_image->data();
    const auto span32 = [words](std::size_t at, std::size_t count) {
        return std::span(reinterpret_cast<const std::uint32_t *>(words + at), count);
    };
    auto cores = WordIndex::fromImage(
        std::vector<std::uint64_t>(words + s.cores, words + s.cores + s.counts.coreWords), whyNot);
    if (!cores)
        return false;
    m_cores = std::make_shared<const WordIndex>(std::move(*cores));
    m_keyStem = span32(s.keyStem, s.counts.keys + 1);
    m_stemRefs = span32(s.stemRefs, s.counts.stemRefs);
    m_stemText = span32(s.stemText, s.counts.stems + 1);
    m_text = std::span(reinterpret_cast<const char32_t *>(words + s.text), s.counts.textChars);
    m_stemFlags = span32(s.stemFlags, s.counts.stems);
    m_flagStart = span32(s.flagStart, s.counts.flagLists + 1);
    m_flags = std::span(reinterpret_cast<const std::uint16_t *>(words + s.flags), s.counts.flags);
    m_coreless = span32(s.coreless, s.counts.coreless);
    const auto ordered = [](std::span<const std::uint32_t> offsets, std::size_t end) {
        return offsets.front() == 0 && offsets.back() == end && std::ranges::is_sorted(offsets);
    };
    const auto stemNumbers = [this](std::span<const std::uint32_t> stems) {
        return std::ranges::all_of(
            stems, [this](std::uint32_t stem) { return stem < m_stemFlags.size(); });
    };
    if (m_cores->keyCount() != s.counts.keys || !ordered(m_keyStem, m_stemRefs.size())
        || !ordered(m_stemText, m_text.size()) || !ordered(m_flagStart, m_flags.size())
        || !stemNumbers(m_stemRefs) || !stemNumbers(m_coreless)
        || !std::ranges::all_of(
            m_stemFlags, [this](std::uint32_t list) { return list < m_flagStart.size() - 1; }))
        return fail(Reason::mark("its stems do not fit together"));
    if (!affixes || !affixes->refusal.empty())
        return fail(Reason::mark("its affix file cannot be read"));
    m_affixes = std::move(affixes);
    m_fold = std::make_shared<const LetterFold>(*m_affixes);
    m_own = std::make_shared<const OwnSpellings>(*m_affixes);
    m_squares = std::make_shared<LazySquares>();
    m_settings = compoundSettingsOf(*m_affixes);
    const Expander expander(*m_affixes, 0, 0);
    const StemEdges edges(*m_affixes);
    m_nextSuffixStrip = edges.nextSuffixStrip();
    m_added = addedLetters(*m_affixes, *m_fold, expander.prefixReach(), expander.suffixReach(),
        m_nextSuffixStrip, edges.nextPrefixStrip());
    m_addLetters.assign(m_added.size(), LetterCounts {});
    m_addTypable.assign(m_added.size(), true);
    for (const AffixClass &affixClass : m_affixes->classes) {
        for (const AffixRule &rule : affixClass.rules) {
            if (rule.id >= m_addLetters.size())
                continue;
            m_addTypable[rule.id]
                = std::ranges::all_of(rule.add, [this](char32_t c) { return m_fold->typable(c); });
            for (const char32_t c : rule.add) {
                const int key = m_fold->countedKey(c);
                if (key < 0)
                    continue;
                auto &n = m_addLetters[rule.id][static_cast<std::size_t>(key)];
                n = static_cast<std::uint8_t>(std::min(255, n + 1));
            }
        }
    }
    return true;
}

const StemSquares &StemIndex::squares() const
{
    std::call_once(m_squares->made,
        [this] { m_squares->squares = std::make_unique<const StemSquares>(*m_affixes, *m_fold); });
    return *m_squares->squares;
}

FormsWithin StemIndex::within(
    std::string_view letters, const std::function<bool()> &keepGoing) const
{
    return withinUpTo(letters, std::numeric_limits<std::size_t>::max(), keepGoing);
}

FormsWithin StemIndex::withinUpTo(
    std::string_view letters, std::size_t longest, const std::function<bool()> &keepGoing) const
{
    return withinPool(LetterPool(countLetters(letters), 0), longest, keepGoing);
}

FormsWithin StemIndex::withinPool(
    const LetterPool &pool, std::size_t longest, const std::function<bool()> &keepGoing) const
{
    return formsWithin(pool, longest, nullptr, keepGoing);
}

FormsWithin StemIndex::withinSquares(const LetterPool &pool, std::size_t longest,
    const SquarePlaces &places, const std::function<bool()> &keepGoing) const
{
    // A part of a compound may stand anywhere in a word, and be of any length.
    return formsWithin(pool, longest, m_settings.any() ? nullptr : &places, keepGoing);
}

FormsWithin StemIndex::formsWithin(const LetterPool &pool, std::size_t longest,
    const SquarePlaces *places, const std::function<bool()> &keepGoing) const
{
    // A part of a compound whose boundary a replacement stands for holds
    // letters the typed ones lack: the replaced end, the replaced start.
    LetterCounts counts = countLetters(pool.reach());
    LetterCounts base = pool.counts;
    LetterCounts ends {};
    LetterCounts begins {};
    for (const CompoundSettings::Replacement &replacement : m_settings.replacements) {
        const LetterCounts end = countLetters(replacement.endChars);
        const LetterCounts begin = countLetters(replacement.beginChars);
        for (std::size_t i = 0; i < counts.size(); ++i) {
            ends[i] = std::max(ends[i], end[i]);
            begins[i] = std::max(begins[i], begin[i]);
        }
    }
    std::size_t slack = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i] = static_cast<std::uint8_t>(std::min(255, counts[i] + ends[i] + begins[i]));
        base[i] = static_cast<std::uint8_t>(std::min(255, base[i] + ends[i] + begins[i]));
        slack += ends[i] + begins[i];
    }
    // Beyond the pool's own letters a form holds those its blanks stand
    // for, and a part of a compound the letter a tripled one drops, which
    // may be one of those.
    const std::size_t blanks = pool.blanks == 0 ? 0 : pool.blanks + 1;
    // A part of a compound may be longer than the word by what a replacement
    // at its boundary takes away, and by the letter a tripled one drops.
    const std::size_t reach = longest > std::numeric_limits<std::size_t>::max() - slack - 1
        ? longest
        : longest + slack + 1;
    Expander expander(*m_affixes, m_limits.maxFormsPerStem, m_limits.maxRuleTests,
        [this](char32_t c) { return m_fold->typable(c); });
    // An affix that adds letters the forms cannot hold is not tried.
    Expander::LetterFilter filter { counts, &m_addLetters, &m_nextSuffixStrip,
        std::vector<bool>(m_added.size()), std::vector<bool>(m_added.size()), m_fold.get(), base,
        blanks };
    const auto fits = [&](const LetterCounts &added) {
        return fitsWithin(added, counts) && shortfall(base, added) <= blanks;
    };
    for (std::size_t rule = 0; rule < m_added.size(); ++rule) {
        filter.admitted[rule] = !m_added[rule] || fits(*m_added[rule]);
        filter.admittedLast[rule] = m_addTypable[rule] && fits(m_addLetters[rule]);
    }
    expander.setFilter(&filter);
    FormTable table(m_limits.maxStoredForms);
    table.setConversions(m_own->conversions());
    table.keepEveryOwnSpelling();
    Gather gather(*m_fold, *m_own, counts, table, reach);
    gather.setBase(base, blanks);
    if (places) {
        std::uint64_t lengths = 0;
        for (const auto &squares : *places)
            lengths
                |= squares.size() >= 64 ? ~std::uint64_t(0) : std::uint64_t(1) << squares.size();
        gather.setLengths(lengths);
    }
    const StemSquares *fills = places ? &squares() : nullptr;
    FormsWithin result;
    std::u32string stem;
    FlagList flags;
    std::size_t expanded = 0;
    const auto expand = [&](std::uint32_t s) {
        // A Hungarian stem can take a millisecond to expand: asking every
        // 256 stems kept a window from its events for 0.2 s.
        if (++expanded % 16 == 0 && keepGoing && !keepGoing()) {
            result.unfinished = Reason::mark("the search for the forms was stopped");
            result.stopped = true;
            return false;
        }
        stem.assign(m_text.begin() + m_stemText[s], m_text.begin() + m_stemText[s + 1]);
        const std::uint32_t list = m_stemFlags[s];
        flags.assign(m_flags.begin() + m_flagStart[list], m_flags.begin() + m_flagStart[list + 1]);
        if (fills && !fills->mayFill(stem, flags, *places))
            return true;
        if (!expander.expand(stem, flags, gather)) {
            result.unfinished = expander.exhausted()
                ? Reason::mark("the affix rules take too long to apply")
                : Reason::mark("a dictionary word has too many forms");
        } else if (gather.tooMany()) {
            result.unfinished = Reason::mark("a dictionary word has too many spellings in letters");
        } else if (table.full()) {
            result.unfinished = Reason::mark("the letters have too many forms");
        }
        return result.unfinished.empty();
    };
    bool going = std::ranges::all_of(m_coreless, expand);
    if (going) {
        // A stem's core is in every form of it: its letters come from the
        // pool, each letter beyond the pool's own a blank.
        LetterPool cores(base, blanks);
        cores.blankKeys = ~std::uint64_t(0);
        forEachKeyWithin(
            *m_cores, { cores, FormRole::Word, 1, reach }, [&](WordIndex::KeyId key, std::size_t) {
                for (std::uint32_t at = m_keyStem[key]; going && at < m_keyStem[key + 1]; ++at)
                    going = expand(m_stemRefs[at]);
                return going;
            });
    }
    if (going)
        result.index = std::make_shared<const WordIndex>(table.write(m_settings, false));
    return result;
}

std::vector<std::pair<std::string, std::uint8_t>> StemIndex::formsOfStem(
    std::size_t s, std::size_t maxForms) const
{
    LetterCounts any;
    any.fill(255);
    FormTable table(m_limits.maxFormsPerStem);
    table.setConversions(m_own->conversions());
    Gather gather(*m_fold, *m_own, any, table);
    Expander expander(*m_affixes, std::min(maxForms, m_limits.maxFormsPerStem),
        m_limits.maxRuleTests, [this](char32_t c) { return m_fold->typable(c); });
    const std::u32string stem(m_text.begin() + m_stemText[s], m_text.begin() + m_stemText[s + 1]);
    const std::uint32_t list = m_stemFlags[s];
    const FlagList flags(
        m_flags.begin() + m_flagStart[list], m_flags.begin() + m_flagStart[list + 1]);
    (void)expander.expand(stem, flags, gather);
    const WordIndex forms = table.write(m_settings, false);
    std::vector<std::pair<std::string, std::uint8_t>> out;
    std::vector<std::string> spellings;
    for (WordIndex::KeyId key = 0; key < forms.keyCount(); ++key) {
        const auto of = forms.formsOf(key);
        for (std::size_t i = 0; i < of.size(); ++i) {
            if (!forms.spellingsOf(of, i, spellings))
                continue;
            for (std::string &spelling : spellings)
                out.emplace_back(std::move(spelling), of.roles[i]);
        }
    }
    return out;
}
