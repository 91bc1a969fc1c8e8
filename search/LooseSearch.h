// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidates/CompoundSearch.h"
#include "platform/SpellChecker.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class LetterCase;
class LooseLetters;

// Matching letters loosely, as word-game players count them: case never
// counts, and a mark counts only where the language has a letter of its own
// for it (letters/LooseLetters.h). A typed letter stands for every letter of
// the dictionary's alphabet that counts as the same one, in small letters
// and in capitals.
class LooseAlphabet {
public:
    // language: the dictionary's name ("fr_FR"); letters: its alphabet, in
    // small letters, in any order (the one its word index is built with,
    // wordindex/DictionaryAlphabet.h); converted: those of them the
    // dictionary converts into others as it reads a word, no word being
    // spelt with them (Alphabet::converted()), or nothing where not known.
    LooseAlphabet(std::string_view language, const std::vector<std::string> &letters,
        std::optional<std::vector<std::string>> converted = std::nullopt);
    ~LooseAlphabet();
    LooseAlphabet(const LooseAlphabet &) = delete;
    LooseAlphabet &operator=(const LooseAlphabet &) = delete;

    // Every letter a typed letter stands for, each once: those of the
    // alphabet that count as the same letter, each in small letters and
    // in capitals; the typed letter in small letters and in capitals when
    // the alphabet has none.
    [[nodiscard]] std::vector<std::string> variants(std::string_view letter) const;
    // Whether the letter counts as one of the alphabet's: one the dictionary
    // is not spelt with may still be accepted, through a conversion the
    // checker makes as it reads a word (ICONV: ʼ to an apostrophe).
    [[nodiscard]] bool knows(std::string_view letter) const;
    // Whether the checker may read the letter, in either case, as others
    // (an ICONV of a ligature): always, where the conversions are not
    // known. Dutch ĳ is read as typed: its words are spelt with it.
    [[nodiscard]] bool mayConvert(std::string_view letter) const;
    // The form of a word that tells it apart from another but for case.
    [[nodiscard]] std::string caseless(std::string_view word) const;
    // How many of the word's letters are capitals.
    [[nodiscard]] std::size_t capitals(std::string_view word) const;
    [[nodiscard]] const std::string &language() const { return m_language; }

private:
    std::string m_language;
    std::unique_ptr<LetterCase> m_case;
    std::unique_ptr<LooseLetters> m_loose;
    std::unordered_map<std::string, std::vector<std::string>> m_byKey; // key -> small letters
    std::optional<std::unordered_set<std::string>> m_converted; // caseless
};

// What a loose search found: each word once, in the dictionary's spelling,
// in the alphabetical order of its language.
struct LooseAnswer {
    std::vector<std::string> words;
    double questions = 0; // asked of the checker
    bool stopped = false; // keepGoing said no: the words are not all there
    bool indexed = false; // answered by the word index
    std::string fallback; // why every arrangement was tried (or is to be), when it was
};

class FormSource;

// How a loose search may use the dictionary's word index.
struct LooseIndex {
    const FormSource *forms = nullptr; // nothing: every arrangement is tried
    CompoundBudget budget;
    unsigned threads = 0; // checkers judging at once (0: one per core)
    // The most questions the index may ask before trying every arrangement is
    // thought better.
    std::size_t maxQuestions = 1'000'000;
    // Only the index answers: when it cannot, the answer has no words, says
    // why in fallback and is not indexed, and the caller decides.
    bool indexOnly = false;
};

// The most questions a loose search of the letters asks: every arrangement
// times every variant of each letter (fewer when letters repeat).
[[nodiscard]] double looseQuestionBound(const std::string &letters, const LooseAlphabet &alphabet);

// The definition of loose matching: every arrangement of the letters, with
// each letter replaced by each of its variants, each distinct string asked
// of the checker once. Of the strings accepted that differ only in case the
// one with the fewest capitals is the dictionary's spelling (Tisch, not
// TISCH; gehen, not Gehen; EU). keepGoing, told the questions asked so far,
// is called every few questions; once it says no the search stops.
//
// The one function through which every front end searches loosely, so that
// a faster engine (the word index) can take its place behind it.
//
// With an index, the index names the candidate words for the loose keys of
// the letters and only their spellings are asked: the same words, found
// without trying every arrangement (search/LooseIndexed.cpp).
[[nodiscard]] LooseAnswer looseWords(const std::string &letters, const LooseAlphabet &alphabet,
    SpellChecker &checker, const std::function<bool(double asked)> &keepGoing,
    const LooseIndex &index = {});

// The words of the strings a loose search had accepted: of those that differ
// only in case, the one with the fewest capitals, in the language's order.
[[nodiscard]] std::vector<std::string> looseSpellings(
    const std::vector<std::string> &accepted, const LooseAlphabet &alphabet);

// The word index's answer alone (see LooseIndex::indexOnly).
[[nodiscard]] LooseAnswer indexedLooseWords(const std::string &letters,
    const LooseAlphabet &alphabet, SpellChecker &checker,
    const std::function<bool(double asked)> &keepGoing, const LooseIndex &index);
