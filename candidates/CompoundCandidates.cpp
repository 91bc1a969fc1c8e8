// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"

CompoundSearchEnd searchCompoundCandidates(const WordIndex &index, std::string_view letters,
    const CompoundBudget &budget, const std::optional<LetterCounts> &capitals,
    const std::optional<TypedLetters> &typed, const std::function<void(const std::string &)> &found,
    const std::function<void(std::size_t)> &sure)
{
    CompoundQuery query;
    query.capitals = capitals;
    query.typed = typed;
    query.pool.counts = countLetters(letters);
    if (query.pool.letters() != letters.size())
        return {};
    query.wholePool = true;
    query.minLength = letters.size();
    query.maxLength = letters.size();
    return searchCompounds(index, query, budget, found, sure);
}

// The whole-word search's compounds: the strings of exactly the letters.
CompoundCandidates compoundCandidates(const WordIndex &index, std::string_view letters,
    const CompoundBudget &budget, const std::optional<LetterCounts> &capitals,
    const std::optional<TypedLetters> &typed)
{
    CompoundCandidates candidates;
    CompoundSearchEnd end = searchCompoundCandidates(
        index, letters, budget, capitals, typed,
        [&candidates](const std::string &word) {
            candidates.words.push_back(word);
            candidates.sure.push_back(false);
        },
        [&candidates](std::size_t number) { candidates.sure[number] = true; });
    if (!end.unfinished.empty()) {
        candidates.words.clear();
        candidates.sure.clear();
    }
    candidates.unfinished = std::move(end.unfinished);
    candidates.stopped = end.stopped;
    return candidates;
}
