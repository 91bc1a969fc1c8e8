// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "search/WordList.h"
#include "wordforms/LetterCounts.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class InnerCapitals;

// The typed letters as one byte each (a token for each different letter,
// from 1), so that arrangements compare and count as the enumerator's do.
struct Tokens {
    std::vector<std::string> letters; // each different letter, by its token - 1
    std::string typed; // the typed letters' tokens, in the order typed
    // The typed tokens of each key letter, sorted: their permutations are
    // the distinct ways to spread those letters over the key letter's places.
    std::array<std::string, kKeyLetters> byKey;
    std::vector<std::size_t> present; // key letters typed
};

// The accepted spellings of one thread, packed one after another (a long
// word's answer holds millions): each the digits of the first counter value
// that reaches it, most significant first and of one width, so that bytes
// compare as the counter values do, then the spelling.
class FoundWords {
public:
    explicit FoundWords(std::size_t letters);

    void add(const std::vector<int> &offsets, std::string_view word);
    [[nodiscard]] std::size_t size() const { return m_starts.size(); }
    [[nodiscard]] std::string_view order(std::size_t i) const;
    [[nodiscard]] std::string_view word(std::size_t i) const;

private:
    std::size_t m_width = 1; // bytes a digit takes
    std::size_t m_orderBytes = 0;
    std::vector<char> m_bytes;
    std::vector<std::size_t> m_starts;
};

// Whether a spelling is a sure compound's own (FormRole::Sure): in small
// letters as the index keeps it, or capitalised. The checker takes these
// for certain, in whatever search they are spelt. (A first part the
// dictionary capitalises is sure only where capitals are typed: no spread
// of them is then in small letters.)
[[nodiscard]] bool spelledAsSure(std::string_view spelling, std::string_view form);

// The word list of the spellings found by all threads: in counter order,
// of each word that differs only in case the first. keepGoing is asked now
// and then, every few thousand steps of the work; nothing when it said to stop.
[[nodiscard]] std::optional<WordList> wordsInCounterOrder(
    const std::vector<FoundWords> &found, const std::function<bool()> &keepGoing = {});

// Confirms the candidates the index names, a batch at a time, on all cores
// where a batch has enough questions to pay for the workers (each with a
// checker of its own, made once): only the accepted spellings are kept,
// so that memory grows with the answer, not with the candidates.
class Confirmer {
public:
    // keepGoing is asked on the calling thread only, now and then; told, as
    // often, how many candidates are confirmed.
    // capitals, where given, refuses spellings with a capital out of place
    // unasked. settledRefused, where given, is a proof of the rules that
    // settle compounds: every spelling settled without a question is asked
    // after all, and each one the checker answers otherwise counted there
    // (the rules' answer is kept).
    Confirmer(const Tokens &tokens, SpellChecker &checker, unsigned threads,
        std::function<bool()> keepGoing, std::function<void(std::size_t)> confirmed,
        const InnerCapitals *capitals = nullptr,
        std::atomic<std::size_t> *settledRefused = nullptr);
    ~Confirmer();
    Confirmer(const Confirmer &) = delete;
    Confirmer &operator=(const Confirmer &) = delete;

    // Confirms candidates (in small key letters) of which those marked sure
    // (FormRole::Sure) are taken in small letters and capitalised
    // without a question; false when keepGoing said to stop.
    bool confirm(const std::vector<std::string> &candidates, const std::vector<bool> &sure,
        std::size_t questions);

    [[nodiscard]] std::size_t questions() const { return m_questions; }
    [[nodiscard]] std::size_t confirmed() const { return m_confirmed; }
    // Candidates settled without a single question: every spread of the
    // typed letters over a sure one is spelt as it is sure.
    [[nodiscard]] std::size_t settled() const { return m_settled; }
    // Spellings taken or refused without a question, of every candidate.
    [[nodiscard]] std::size_t settledSpellings() const { return m_settledSpellings; }
    // The words found, in counter order; nothing when keepGoing said to stop.
    [[nodiscard]] std::optional<WordList> words() const
    {
        return wordsInCounterOrder(m_found, m_keepGoing);
    }

private:
    const Tokens &m_tokens;
    SpellChecker &m_checker;
    unsigned m_threads;
    std::function<bool()> m_keepGoing;
    std::function<void(std::size_t)> m_told;
    const InnerCapitals *m_capitals;
    std::atomic<std::size_t> *m_settledRefused;
    std::vector<std::unique_ptr<SpellChecker>> m_clones;
    bool m_clonesMade = false;
    std::vector<FoundWords> m_found; // the caller's, then each worker's
    std::size_t m_questions = 0;
    std::size_t m_confirmed = 0;
    std::size_t m_settled = 0;
    std::size_t m_settledSpellings = 0;
    std::size_t m_unasked = 0; // work since keepGoing was last asked
};
