// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/WordIndex.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Where a sequence of compound parts has got to in the COMPOUNDRULE
// patterns: one bit for each place in each rule that it may have reached.
// Fixed in size, so that a state of the search is a key of its own.
struct RuleState {
    // Places enough for every installed dictionary's rules (nl's 37 have 277).
    static constexpr std::size_t kMaxPlaces = 512;
    std::array<std::uint64_t, kMaxPlaces / 64> bits {};
    [[nodiscard]] bool none() const
    {
        for (const auto word : bits) {
            if (word != 0)
                return false;
        }
        return true;
    }
    bool operator==(const RuleState &) const = default;
};

// The COMPOUNDRULE patterns as one automaton over the parts' flags: a part
// moves every rule on whose next element it carries the flag of; an
// element with "*" may repeat and with "?" or "*" may be left out.
class CompoundRules {
public:
    explicit CompoundRules(std::vector<std::vector<CompoundSettings::RuleElement>> rules);

    [[nodiscard]] bool empty() const { return m_rules.empty(); }
    // More places than a state holds: the rules cannot be followed.
    [[nodiscard]] bool tooMany() const { return m_positions > RuleState::kMaxPlaces; }
    [[nodiscard]] RuleState start() const;
    [[nodiscard]] RuleState advance(const RuleState &state, std::uint64_t partFlags) const;
    // Whether the parts so far make a whole rule.
    [[nodiscard]] bool accepts(const RuleState &state) const;

private:
    void set(RuleState &state, std::size_t rule, std::size_t place) const;
    [[nodiscard]] bool has(const RuleState &state, std::size_t position) const;

    std::vector<std::vector<CompoundSettings::RuleElement>> m_rules;
    std::vector<std::size_t> m_first; // the position of each rule's first place
    std::size_t m_positions = 0;
};
