// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of a compound the search named, and each part's own spellings:
// a search that spreads letters over a compound (loosely, or over a
// crossword's squares) can spread them over the spellings its parts have
// rather than over every letter each key letter stands for.
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One part of a split: the letters it takes from the word, and the own
// spellings (WordIndex::spellingsOf) of its forms with a role that may
// stand there, each once. Where the part begins with a letter the part
// before lends it (SIMPLIFIEDTRIPLE: Schiff|fahrt written Schiffahrt), its
// piece and its spellings are without that letter.
struct PartSpellings {
    std::string piece; // key letters, in small letters
    std::vector<std::string> spellings; // NFC, in the dictionary's case
};

struct CompoundSplits {
    // Every split of the word into parts of the index, in order.
    std::vector<std::vector<PartSpellings>> splits;
    // False where the word may be spelt in ways no split gives: a part whose
    // spellings the index does not keep, a rule that replaces letters at a
    // boundary (CHECKCOMPOUNDPATTERN), more splits than asked for. Then its
    // letters are spread as before.
    bool whole = true;
};

// The splits of a word (key letters, small) into parts: the first with the
// role Begin or Rule, the last End, Rule or RuleLast, the others Middle or
// Rule, each at least the dictionary's shortest part long; mostSplits at
// most (past them, whole is false).
[[nodiscard]] CompoundSplits compoundSplits(
    const WordIndex &index, std::string_view word, std::size_t mostSplits = 64);

// The spellings of the word its splits give: each split's parts' spellings
// joined in every combination, each once, in the order found; false, with
// out cut short, past mostSpellings, or when the splits are not whole.
// Each is as the parts are spelt (Haus and aufgabe make Hausaufgabe): the
// case the checker is asked in is the caller's.
[[nodiscard]] bool joinedSpellings(
    const CompoundSplits &splits, std::size_t mostSpellings, std::vector<std::string> &out);
