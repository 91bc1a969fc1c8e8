// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/PartCertainty.h"

#include "wordforms/AffixMatch.h"
#include "wordforms/FormRole.h"

#include <algorithm>

namespace {

// The flag the engines take for FORBIDDENWORD when the file names none.
constexpr Flag kDefaultForbidden = 65510;

} // namespace

bool plainSpelling(std::u32string_view form)
{
    const auto small = [](char32_t c) { return c >= U'a' && c <= U'z'; };
    return !form.empty() && (small(form[0]) || (form[0] >= U'A' && form[0] <= U'Z'))
        && std::all_of(form.begin() + 1, form.end(), small);
}

PartWay partWay(const AffixFile &affixes, const FlagList &stemFlags, std::u32string_view form,
    std::span<const AffixRule *const> prefixes, std::span<const AffixRule *const> suffixes,
    std::uint8_t roles)
{
    const CompoundModel &model = affixes.compounds;
    const Flag forbidden = affixes.forbiddenWord != 0 ? affixes.forbiddenWord : kDefaultForbidden;
    const auto anyAffix = [&](Flag flag) {
        const auto named
            = [flag](const AffixRule *rule) { return AffixMatch::has(rule->continuation, flag); };
        return std::ranges::any_of(prefixes, named) || std::ranges::any_of(suffixes, named);
    };
    PartWay way;
    const std::uint8_t parts = roles & (FormRole::Begin | FormRole::Middle | FormRole::End);
    way.forbidden = AffixMatch::has(stemFlags, forbidden) || anyAffix(forbidden);
    way.harmful = way.forbidden
        || (parts != 0
            && (!plainSpelling(form) || AffixMatch::has(stemFlags, affixes.keepCase)
                || anyAffix(affixes.keepCase)));
    if (parts == 0 || way.harmful)
        return way;
    way.certain = parts;
    if (anyAffix(affixes.needAffix) || anyAffix(affixes.circumfix)
        || prefixes.size() + suffixes.size() > 1) {
        way.certain = 0;
    } else if (prefixes.size() + suffixes.size() == 1) {
        // Hunspell takes an affix inside a compound only with
        // COMPOUNDPERMITFLAG (Nuspell takes any), a suffix on a first part
        // and a prefix on a last one likewise; a prefix on the first part and
        // a suffix on the last stand where a word's would.
        const AffixRule &rule = prefixes.empty() ? *suffixes[0] : *prefixes[0];
        if (!AffixMatch::has(rule.continuation, model.permit))
            way.certain &= prefixes.empty() ? FormRole::End : FormRole::Begin;
    }
    way.uncertain = parts & ~way.certain;
    return way;
}
