// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/CompoundsWithin.h"

#include "candidates/CompoundRules.h"
#include "wordforms/FormRole.h"
#include "wordgames/PoolWalk.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

std::string lowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
}

bool addLetters(LetterCounts &counts, std::string_view letters)
{
    for (const char c : letters) {
        auto &count = counts[static_cast<std::size_t>(c - 'a')];
        if (count == 255)
            return false;
        ++count;
    }
    return true;
}

void appendBytes(std::string &key, const void *data, std::size_t size)
{
    key.append(static_cast<const char *>(data), size);
}

// A key of the index within the pool: its letters, and its forms in lower
// case, each with the roles and rule flags of all its spellings (a part is
// found in lower case: "Haus" begins "Haustier").
struct Part {
    struct Form {
        std::string text;
        std::uint8_t roles = 0;
        std::uint64_t ruleFlags = 0;
    };
    LetterCounts letters {};
    std::vector<Form> forms;
};

// Where the parts so far have led: what a state of the search is.
struct State {
    LetterPool rest;
    std::string credit; // letters the next part begins with that the word does not hold
    std::size_t parts = 0;
    RuleState rules;
};

class Search {
public:
    Search(const WordIndex &index, const CompoundQuery &query, const CompoundLimits &limits,
        const std::function<void(const std::string &)> &found)
        : m_index(index)
        , m_settings(index.compounds())
        , m_rules(index.compounds().rules)
        , m_query(query)
        , m_limits(limits)
        , m_found(found)
    {
    }

    std::string run()
    {
        std::string prefix;
        if (m_settings.classic)
            (void)step({ m_query.pool, {}, 0, {} }, prefix);
        if (!m_rules.empty() && m_unfinished.empty())
            (void)step({ m_query.pool, {}, 0, m_rules.start() }, prefix);
        return m_unfinished;
    }

private:
    [[nodiscard]] bool stopped() const { return !m_unfinished.empty(); }

    void tick(std::size_t steps)
    {
        m_steps += steps;
        if (m_steps > m_limits.maxSteps)
            m_unfinished = "the search for compounds took more steps than its budget of "
                + std::to_string(m_limits.maxSteps);
        else if ((m_steps & 1023) < steps && std::chrono::steady_clock::now() > m_limits.deadline)
            m_unfinished = "the search took longer than its budget";
    }

    // The keys within the pool that have a form of the roles, each list
    // found once.
    const std::vector<Part> &partsWithin(const LetterPool &pool, std::uint8_t roles)
    {
        std::string key;
        appendBytes(key, pool.counts.data(), pool.counts.size());
        key += static_cast<char>(pool.blanks);
        key += static_cast<char>(roles);
        const auto emplaced = m_parts.try_emplace(std::move(key));
        std::vector<Part> &parts = emplaced.first->second;
        if (!emplaced.second)
            return parts;
        std::size_t steps = 0;
        forEachKeyInPool(m_index, { pool, roles, m_settings.minPart, m_query.maxLength, {} },
            [&](WordIndex::KeyId id, std::size_t) {
                ++steps;
                const auto forms = m_index.formsOf(id);
                Part part { countLetters(forms[0]), {} };
                // The index keeps a key's spellings of one word together.
                for (std::size_t f = 0; f < forms.size(); ++f) {
                    std::string text = lowered(forms[f]);
                    const std::uint64_t flags
                        = forms.roles[f] & (FormRole::Rule | FormRole::RuleLast)
                        ? m_index.ruleFlags(forms.firstForm + static_cast<std::uint32_t>(f))
                        : 0;
                    if (!part.forms.empty() && part.forms.back().text == text) {
                        part.forms.back().roles |= forms.roles[f];
                        part.forms.back().ruleFlags |= flags;
                    } else {
                        part.forms.push_back({ std::move(text), forms.roles[f], flags });
                    }
                }
                parts.push_back(std::move(part));
                return true;
            });
        tick(steps + 1);
        return parts;
    }

    // What decides whether a state can still end a compound: besides the
    // state, the letters so far (blanks make them differ for one pool).
    std::string deadKey(const State &state, const std::string &prefix) const
    {
        std::string key;
        appendBytes(key, state.rest.counts.data(), state.rest.counts.size());
        key += static_cast<char>(state.rest.blanks);
        key += state.credit;
        key += '|';
        key += std::to_string(
            m_settings.maxWords ? state.parts : std::min<std::size_t>(state.parts, 1));
        key += '|';
        for (const auto word : state.rules.bits)
            appendBytes(key, &word, sizeof(word));
        const LetterCounts so = countLetters(prefix);
        appendBytes(key, so.data(), so.size());
        return key;
    }

    // Finds the compounds that go on from the state after prefix; whether
    // there was one. A state that ends none is remembered.
    bool step(const State &state, std::string &prefix)
    {
        if (stopped())
            return false;
        std::string dead = deadKey(state, prefix);
        if (m_dead.contains(dead))
            return false;
        const bool byRules = !state.rules.bits.empty();
        LetterPool within = state.rest;
        bool any = false;
        if (addLetters(within.counts, state.credit)) {
            any = tryParts(within, state, prefix, byRules, nullptr);
            for (const auto &replacement : m_settings.replacements) {
                if (byRules)
                    break;
                LetterPool wider = within;
                if (addLetters(wider.counts, replacement.endChars))
                    any = tryParts(wider, state, prefix, false, &replacement) || any;
            }
        }
        if (!any && !stopped())
            m_dead.insert(std::move(dead));
        return any;
    }

    bool tryParts(const LetterPool &within, const State &state, std::string &prefix, bool byRules,
        const CompoundSettings::Replacement *replacement)
    {
        const std::uint8_t wanted = byRules ? FormRole::Rule | FormRole::RuleLast
            : state.parts == 0              ? FormRole::Begin
                                            : FormRole::Middle | FormRole::End;
        const std::size_t parts = state.parts;
        bool any = false;
        for (const Part &part : partsWithin(within, wanted)) {
            LetterPool left = within;
            (void)take(left, part.letters);
            if (replacement && !take(left, countLetters(replacement->replacement)))
                continue;
            for (const Part::Form &variant : part.forms) {
                if (stopped())
                    return any;
                const std::string &form = variant.text;
                const std::uint8_t roles = variant.roles;
                if (!form.starts_with(state.credit)
                    || (replacement && !form.ends_with(replacement->endChars)))
                    continue;
                const std::string piece = replacement
                    ? form.substr(state.credit.size(),
                          form.size() - state.credit.size() - replacement->endChars.size())
                        + replacement->replacement
                    : form.substr(state.credit.size());
                if (prefix.size() + piece.size() > m_query.maxLength)
                    continue;
                RuleState next;
                if (byRules) {
                    next = m_rules.advance(state.rules, variant.ruleFlags);
                    if (next.none())
                        continue;
                }
                // Within a pool a part may end the word and go on as well.
                const bool ends = byRules
                    ? m_rules.accepts(next) && (roles & (FormRole::Rule | FormRole::RuleLast))
                    : (roles & FormRole::End) != 0;
                if (!replacement && parts >= 1 && ends
                    && (m_settings.maxWords == 0 || parts < m_settings.maxWords))
                    any = offer(prefix + piece) || any;
                const bool goesOn = byRules ? (roles & FormRole::Rule) != 0
                    : parts == 0            ? (roles & FormRole::Begin) != 0
                                            : (roles & FormRole::Middle) != 0;
                if (!goesOn || (m_settings.maxWords != 0 && parts + 2 > m_settings.maxWords)
                    || prefix.size() + piece.size() + 1 > m_query.maxLength)
                    continue;
                any = follow({ left, replacement ? replacement->beginChars : std::string(),
                                 parts + 1, next },
                          prefix, piece)
                    || any;
                // "Schifffahrt" is written "Schiffahrt": a part that ends in
                // a doubled letter may swallow the next part's first.
                if (!byRules && !replacement && m_settings.simplifiedTriple && piece.size() >= 2
                    && piece.back() == piece[piece.size() - 2])
                    any = follow({ left, std::string(1, piece.back()), parts + 1, next }, prefix,
                              piece)
                        || any;
            }
        }
        return any;
    }

    bool follow(const State &next, std::string &prefix, const std::string &piece)
    {
        const std::size_t length = prefix.size();
        prefix += piece;
        const bool any = step(next, prefix);
        prefix.resize(length);
        return any;
    }

    // Whether the word is one the query wants; it is told once.
    bool offer(const std::string &word)
    {
        if (word.size() < m_query.minLength || !fitsWithin(m_query.required, countLetters(word)))
            return false;
        tick(1);
        if (!stopped() && m_seen.insert(word).second) {
            if (m_seen.size() > m_limits.maxCandidates) {
                m_unfinished = "the search for compounds named more than "
                    + std::to_string(m_limits.maxCandidates) + " candidates, its budget";
                return true;
            }
            m_found(word);
        }
        return true;
    }

    const WordIndex &m_index;
    const CompoundSettings &m_settings;
    CompoundRules m_rules;
    const CompoundQuery &m_query;
    const CompoundLimits &m_limits;
    const std::function<void(const std::string &)> &m_found;
    std::size_t m_steps = 0;
    std::string m_unfinished;
    std::unordered_map<std::string, std::vector<Part>> m_parts;
    std::unordered_set<std::string> m_dead;
    std::unordered_set<std::string> m_seen;
};

} // namespace

std::string compoundsWithin(const WordIndex &index, const CompoundQuery &query,
    const CompoundLimits &limits, const std::function<void(const std::string &)> &found)
{
    if (!index.compounds().any() || query.pool.size() == 0)
        return {};
    return Search(index, query, limits, found).run();
}
