// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexedSearch.h"

#include "wordforms/AsciiLetters.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The strings of exactly the typed letters' key letters, in small letters,
// that the index names: the forms filed under the letters, then the compounds.
std::optional<std::vector<std::string>> candidatesFor(std::string_view keys, const WordIndex &index,
    const CompoundBudget &budget, const std::optional<LetterCounts> &capitals,
    const std::optional<TypedLetters> &typed, std::string &fallback, bool &stopped,
    std::vector<bool> &sure)
{
    std::vector<std::string> candidates;
    std::unordered_set<std::string> seen;
    const auto forms = index.formsFor(WordIndex::keyOf(keys));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        std::string form(forms[i]);
        std::ranges::transform(form, form.begin(), asciiLower);
        if (seen.insert(form).second)
            candidates.push_back(std::move(form));
    }
    CompoundCandidates compounds = compoundCandidates(index, keys, budget, capitals, typed);
    if (!compounds.unfinished.empty()) {
        fallback = compounds.unfinished;
        stopped = compounds.stopped;
        return std::nullopt;
    }
    // The search names each compound once: only a form can be the same
    // string, and a long word's compounds are too many to keep twice.
    candidates.reserve(candidates.size() + compounds.words.size());
    sure.assign(candidates.size(), false);
    for (std::size_t c = 0; c < compounds.words.size(); ++c) {
        if (!seen.contains(compounds.words[c])) {
            candidates.push_back(std::move(compounds.words[c]));
            sure.push_back(compounds.sure[c]);
        }
    }
    return candidates;
}

} // namespace

KeyCandidates keyCandidates(std::string_view keys, const FormSource &forms,
    const CompoundBudget &budget, const std::function<bool()> &keepGoing,
    const std::optional<LetterCounts> &capitals, const std::optional<TypedLetters> &typed)
{
    KeyCandidates named;
    const FormsWithin within = forms.within(keys, keepGoing);
    if (!within.index) {
        named.fallback = within.unfinished;
        named.stopped = within.stopped;
        return named;
    }
    named.words = candidatesFor(
        keys, *within.index, budget, capitals, typed, named.fallback, named.stopped, named.sure);
    return named;
}
