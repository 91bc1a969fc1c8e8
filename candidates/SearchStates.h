// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the search for compounds remembers, keyed by values of a fixed size
// so that no string is made or hashed for a look-up: the parts within some
// letters, and each state of the search, with the ways on from it.
#include "candidates/CompoundCover.h"
#include "candidates/CompoundRules.h"
#include "candidates/CompoundSearch.h"
#include "wordforms/LetterCounts.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace compoundsearch {

// The hash of a key of fixed size, its parts given one after another.
class KeyHash {
public:
    void add(std::uint64_t word)
    {
        m_hash ^= word;
        m_hash *= 0x100000001b3ULL;
        m_hash ^= m_hash >> 29;
    }
    void add(const LetterCounts &counts) { add(LetterCountsHash {}(counts)); }
    [[nodiscard]] std::size_t value() const { return static_cast<std::size_t>(m_hash); }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};

// The letters and blanks a walk for parts is within, and the roles it is after.
struct PoolKey {
    LetterCounts counts {};
    std::size_t blanks = 0;
    std::uint8_t roles = 0;
    bool operator==(const PoolKey &) const = default;
};
struct PoolKeyHash {
    std::size_t operator()(const PoolKey &key) const noexcept
    {
        KeyHash hash;
        hash.add(key.counts);
        hash.add(key.blanks << 8 | key.roles);
        return hash.value();
    }
};

struct PartList;

// Where the parts so far have led: what a state of the search is.
struct State {
    LetterPool rest;
    std::string credit; // letters the next part begins with that the word does not hold
    std::size_t parts = 0;
    RuleState rules;
    bool byRules = false; // joined by the COMPOUNDRULE patterns
    bool sure = true; // every part so far leaves no doubt
    // The parts the state before was given: this one's are among them
    // (PartsWithin::find). Not part of what the state is.
    const PartList *before = nullptr;
};

// The sooner of the budget's deadline and the end of its time from now.
inline std::chrono::steady_clock::time_point deadlineOf(const CompoundBudget &budget)
{
    const auto now = std::chrono::steady_clock::now();
    return budget.deadline - now > budget.maxTime ? now + budget.maxTime : budget.deadline;
}

// What decides whether a state of the search can still end a compound the
// query wants (see Search::keyOf).
struct StateKey {
    static constexpr std::size_t kMaxCredit = 8;
    LetterCounts rest {};
    LetterCounts sofar {};
    RuleState rules;
    std::array<char, kMaxCredit> credit {};
    std::size_t blanks = 0;
    std::size_t parts = 0;
    std::size_t square = 0; // a crossword's square the next part begins on, plus one; 0: none
    bool byRules = false;
    bool operator==(const StateKey &) const = default;
};
struct StateKeyHash {
    std::size_t operator()(const StateKey &key) const noexcept
    {
        KeyHash hash;
        hash.add(key.rest);
        hash.add(key.sofar);
        for (const auto word : key.rules.bits)
            hash.add(word);
        for (const char c : key.credit)
            hash.add(static_cast<unsigned char>(c));
        hash.add(key.blanks << 16 | key.parts << 1 | static_cast<std::size_t>(key.byRules));
        hash.add(key.square);
        return hash.value();
    }
};

// A hash map kept as many small tables, one chosen by the top bits of a
// key's hash: each grows by itself. One table of the millions of states a
// long word reaches rehashed them all at once as it doubled, and the
// window, whose events the search hands over to now and then, froze for
// as long.
template<class Key, class Value, class Hash> class SteppedMap {
public:
    static constexpr std::size_t kTables = 256;

    // The value of the key, made where there was none; whether it was made.
    std::pair<Value &, bool> emplace(const Key &key, Value value = {})
    {
        const auto [at, made] = table(key).try_emplace(key, std::move(value));
        m_size += made ? 1 : 0;
        return { at->second, made };
    }
    [[nodiscard]] std::size_t size() const { return m_size; }

    // Hands the tables back one at a time, pace asked after each: freeing
    // millions of states at once is as long a pause as making room for them.
    template<class Pace> void clear(Pace pace)
    {
        for (auto &one : m_tables) {
            std::unordered_map<Key, Value, Hash>().swap(one);
            pace();
        }
        m_size = 0;
    }

private:
    std::unordered_map<Key, Value, Hash> &table(const Key &key)
    {
        return m_tables[static_cast<std::size_t>(Hash {}(key)) >> (8 * sizeof(std::size_t) - 8)];
    }
    std::array<std::unordered_map<Key, Value, Hash>, kTables> m_tables;
    std::size_t m_size = 0;
};

// A state of the search as far as it is known, and the ways on from one
// that ends some compound: a piece of text, then either the end of the
// word or another state.
struct Node;
struct Edge {
    std::string piece;
    const Node *next = nullptr; // the word ends here
    bool sure = false; // the piece is a part that leaves no doubt (FormRole::Sure)
};
struct Node {
    enum Known : std::uint8_t { Unknown, Searching, Dead, Live };
    Known known = Unknown;
    std::vector<Edge> edges;
};
// The ways on from the state being searched, as they are found.
struct Recording {
    std::vector<Edge> edges;
    bool whole = true; // false: a way on leads to a state not remembered
};

} // namespace compoundsearch
