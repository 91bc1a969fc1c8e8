// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundParts.h"

#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordindex/KeyWalk.h"

#include <algorithm>
#include <utility>

namespace compoundsearch {

bool addLetters(LetterCounts &counts, std::string_view letters)
{
    for (const char c : letters) {
        auto &count = counts[static_cast<std::size_t>(keyLetterNumber(c))];
        if (count == 255)
            return false;
        ++count;
    }
    return true;
}

bool tripleAt(std::string_view before, std::string_view piece)
{
    if (before.empty() || piece.empty() || before.back() != piece.front())
        return false;
    return piece.size() < 2 || piece[1] == piece.front()
        || (before.size() >= 2 && before[before.size() - 2] == before.back());
}

bool capitalsFit(std::string_view spelling, const std::optional<LetterCounts> &capitals)
{
    if (!capitals)
        return true;
    LetterCounts used {};
    for (const char c : spelling) {
        if (c < 'A' || c > 'Z')
            continue;
        const auto x = static_cast<std::size_t>(c - 'A');
        if (++used[x] > (*capitals)[x])
            return false;
    }
    return true;
}

bool typedSpell(const WordIndex &index, const WordIndex::Forms &forms, std::size_t i,
    const std::optional<TypedLetters> &typed, std::vector<std::string> &spellings)
{
    if (!typed || !index.spellingsOf(forms, i, spellings))
        return true;
    return std::ranges::any_of(
        spellings, [&](const std::string &spelling) { return typed->spell(forms[i], spelling); });
}

namespace {

// The part roles a form of the index is certain in, as Part::Form tells them.
// A compound the engines check as typed, capitalised, begins with its first
// part as the dictionary spells it: "Haus" begins "Hausboot" for certain,
// "hausboot" not. That one is taken only where the capitals typed are known:
// then every spelling asked holds them, none is in small letters.
std::uint8_t sureRolesOf(
    std::string_view spelling, std::string_view lowered, std::uint8_t roles, bool capitalsKnown)
{
    constexpr std::uint8_t kParts = FormRole::Begin | FormRole::Middle | FormRole::End;
    if (!(roles & FormRole::Sure) || (roles & FormRole::Doubt))
        return 0;
    if (spelling == lowered)
        return roles & kParts;
    const bool capitalised
        = !spelling.empty() && spelling[0] != lowered[0] && spelling.substr(1) == lowered.substr(1);
    return capitalised && capitalsKnown ? roles & FormRole::Begin : 0;
}

} // namespace

PartsWithin::PartsWithin(const WordIndex &index, std::size_t minPart, std::size_t maxLength,
    std::function<bool(std::size_t)> pace, std::optional<LetterCounts> capitals,
    std::optional<TypedLetters> typed)
    : m_index(index)
    , m_minPart(minPart)
    , m_maxLength(maxLength)
    , m_pace(std::move(pace))
    , m_capitals(capitals)
    , m_typed(std::move(typed))
    , m_trustsMarks(!index.compounds().partsMarked || index.compounds().settlesByParts)
{
    if (m_typed) {
        m_typed->convertedBy(index.conversions());
        m_spelt.assign(index.formCount(), kNotAsked);
    }
}

bool PartsWithin::spelt(const WordIndex::Forms &forms, std::size_t i)
{
    const std::size_t number = forms.firstForm + i;
    if (number >= m_spelt.size())
        return typedSpell(m_index, forms, i, m_typed, m_spellings);
    std::uint8_t &known = m_spelt[number];
    if (known == kNotAsked)
        known = typedSpell(m_index, forms, i, m_typed, m_spellings) ? kSpelt : kNotSpelt;
    return known == kSpelt;
}

void PartsWithin::setTop(const LetterPool &top)
{
    if (top.blanks == 0)
        m_top = LetterPool(top.counts, 0);
}

const Part *PartsWithin::partOf(WordIndex::KeyId id)
{
    const auto known = m_byKey.find(id);
    if (known != m_byKey.end())
        return known->second;
    const auto forms = m_index.formsOf(id);
    Part part { countLetters(forms[0]), {} };
    // The index keeps a key's spellings of one word together.
    for (std::size_t f = 0; f < forms.size(); ++f) {
        if (!capitalsFit(forms[f], m_capitals))
            continue;
        // A part whose letters a rule may replace at a boundary can
        // stand in a word that lacks some of them.
        const bool typed = spelt(forms, f);
        if (!typed && m_index.compounds().replacements.empty())
            continue;
        std::string text = asciiLowered(forms[f]);
        const std::uint64_t flags = forms.roles[f] & (FormRole::Rule | FormRole::RuleLast)
            ? m_index.ruleFlags(forms.firstForm + static_cast<std::uint32_t>(f))
            : 0;
        const std::uint8_t sure = m_trustsMarks
            ? sureRolesOf(forms[f], text, forms.roles[f], m_capitals.has_value())
            : 0;
        if (!part.forms.empty() && part.forms.back().text == text) {
            part.forms.back().roles |= forms.roles[f];
            part.forms.back().ruleFlags |= flags;
            part.forms.back().sureRoles |= sure;
            part.forms.back().typed = part.forms.back().typed || typed;
        } else {
            part.forms.push_back({ std::move(text), forms.roles[f], flags, sure, typed });
        }
    }
    // Hunspell gives up looking for a part where a forbidden one
    // begins it (partStops): the longer part is in doubt.
    const auto &stops = m_index.compounds().partStops;
    for (Part::Form &form : part.forms) {
        for (std::size_t length = 1; form.sureRoles != 0 && length <= form.text.size(); ++length) {
            if (std::ranges::binary_search(stops, std::string_view(form.text).substr(0, length)))
                form.sureRoles = 0;
        }
    }
    const Part *made = part.forms.empty() ? nullptr : &m_made.emplace_back(std::move(part));
    m_byKey.emplace(id, made);
    return made;
}

const PartList &PartsWithin::find(
    const LetterPool &pool, std::uint8_t roles, const PartList *wider, std::size_t &steps)
{
    steps = 0;
    const auto emplaced = m_lists.try_emplace(PoolKey { pool.counts, pool.blanks, roles });
    PartList &list = emplaced.first->second;
    if (!emplaced.second)
        return list;
    list.pool = pool.counts;
    list.blanks = pool.blanks;
    list.roles = roles;
    const auto holds = [&](const PartList *other) {
        return other && other != &list && other->blanks == 0 && other->roles == roles
            && fitsWithin(pool.counts, other->pool);
    };
    if (pool.blanks == 0 && !holds(wider) && m_top && pool.counts != m_top->counts
        && fitsWithin(pool.counts, m_top->counts)) {
        std::size_t topSteps = 0;
        wider = &find(*m_top, roles, nullptr, topSteps);
        steps += topSteps;
    }
    if (pool.blanks == 0 && holds(wider)) {
        for (const Part *part : wider->parts) {
            if (fitsWithin(part->letters, pool.counts))
                list.parts.push_back(part);
        }
        // A part kept is a step, as a key walked to is.
        steps += 1 + list.parts.size();
        (void)m_pace(1 + list.parts.size());
        return list;
    }
    forEachKeyWithin(m_index, { pool, roles, m_minPart, m_maxLength, {} },
        [&](WordIndex::KeyId id, std::size_t) {
            ++steps;
            const auto forms = m_index.formsOf(id);
            // Many letters reach many keys of many forms: the walk keeps pace.
            if (!m_pace(1 + forms.size()))
                return false;
            if (const Part *part = partOf(id))
                list.parts.push_back(part);
            return true;
        });
    ++steps;
    return list;
}

} // namespace compoundsearch
