// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundRules.h"

CompoundRules::CompoundRules(std::vector<std::vector<CompoundSettings::RuleElement>> rules)
    : m_rules(std::move(rules))
{
    for (const auto &rule : m_rules) {
        m_first.push_back(m_positions);
        m_positions += rule.size() + 1; // each place, and the end
    }
}

bool CompoundRules::has(const RuleState &state, std::size_t position) const
{
    return (state.bits[position / 64] >> (position % 64)) & 1;
}

void CompoundRules::set(RuleState &state, std::size_t rule, std::size_t place) const
{
    // Reaching a place reaches the ones after every element that may be left out.
    const auto &elements = m_rules[rule];
    for (;; ++place) {
        const std::size_t position = m_first[rule] + place;
        state.bits[position / 64] |= std::uint64_t(1) << (position % 64);
        if (place == elements.size() || !elements[place].optional)
            return;
    }
}

RuleState CompoundRules::start() const
{
    RuleState state;
    if (tooMany())
        return state;
    for (std::size_t rule = 0; rule < m_rules.size(); ++rule)
        set(state, rule, 0);
    return state;
}

RuleState CompoundRules::advance(const RuleState &state, std::uint64_t partFlags) const
{
    RuleState next;
    if (tooMany())
        return next;
    for (std::size_t rule = 0; rule < m_rules.size(); ++rule) {
        const auto &elements = m_rules[rule];
        for (std::size_t place = 0; place < elements.size(); ++place) {
            if (!has(state, m_first[rule] + place) || (elements[place].bit & partFlags) == 0)
                continue;
            set(next, rule, place + 1);
            if (elements[place].repeats)
                set(next, rule, place);
        }
    }
    return next;
}

bool CompoundRules::accepts(const RuleState &state) const
{
    for (std::size_t rule = 0; rule < m_rules.size() && !tooMany(); ++rule) {
        if (has(state, m_first[rule] + m_rules[rule].size()))
            return true;
    }
    return false;
}
