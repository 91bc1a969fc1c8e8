// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"

#include "candidates/CompoundRules.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordindex/KeyWalk.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

bool add(LetterCounts &counts, std::string_view letters)
{
    for (const char c : letters) {
        auto &count = counts[static_cast<std::size_t>(c - 'a')];
        if (count == 255)
            return false;
        ++count;
    }
    return true;
}

bool remove(LetterCounts &counts, std::string_view letters)
{
    for (const char c : letters) {
        auto &count = counts[static_cast<std::size_t>(c - 'a')];
        if (count == 0)
            return false;
        --count;
    }
    return true;
}

bool empty(const LetterCounts &counts)
{
    return std::ranges::all_of(counts, [](std::uint8_t n) { return n == 0; });
}

std::size_t total(const LetterCounts &counts)
{
    std::size_t n = 0;
    for (const auto c : counts)
        n += c;
    return n;
}

// A key of the index that lies within some letters: its letters, and its
// forms in lower case, each with the roles and rule flags of all its
// spellings (a part is found in lower case: "Haus" begins "Haustier").
struct Part {
    struct Form {
        std::string text;
        std::uint8_t roles = 0;
        std::uint64_t ruleFlags = 0;
    };
    std::string letters;
    std::vector<Form> forms;
};

// What one state of the search is: the letters left, those the next part
// begins with that the word does not hold, how many parts came before, and
// (for COMPOUNDRULE) where in the rules the parts so far have led.
std::string stateKey(
    const LetterCounts &rest, std::string_view credit, std::size_t parts, const RuleState &rules)
{
    std::string key(reinterpret_cast<const char *>(rest.data()), rest.size());
    key += credit;
    key += '|';
    key += std::to_string(parts);
    key += '|';
    for (const auto word : rules.bits)
        key.append(reinterpret_cast<const char *>(&word), sizeof(word));
    return key;
}

class Search {
public:
    Search(const WordIndex &index, const CompoundBudget &budget)
        : m_index(index)
        , m_settings(index.compounds())
        , m_rules(index.compounds().rules)
        , m_budget(budget)
        , m_deadline(std::chrono::steady_clock::now() + budget.maxTime)
    {
    }

    CompoundCandidates run(const LetterCounts &letters)
    {
        std::string prefix;
        if (m_settings.classic)
            (void)step(letters, {}, 0, {}, prefix, false);
        if (!m_rules.empty() && m_unfinished.empty())
            (void)step(letters, {}, 0, m_rules.start(), prefix, false);
        if (!m_unfinished.empty())
            m_words.clear();
        return { std::move(m_words), std::move(m_unfinished), m_stoppedByCaller };
    }

private:
    [[nodiscard]] bool stopped() const { return !m_unfinished.empty(); }

    bool tick(std::size_t steps)
    {
        m_steps += steps;
        if (m_steps > m_budget.maxSteps) {
            m_unfinished = "the search for compounds took more steps than its budget";
            return false;
        }
        return pace(steps);
    }

    // The clock and the caller are asked after every 64 units of work (a
    // step, a form read): a step of a Hungarian search can take a tenth of a
    // millisecond, and asking every 1024 steps kept a window from its events
    // for 0.15 s.
    bool pace(std::size_t work)
    {
        m_work += work;
        if (m_work >= 64) {
            m_work = 0;
            if (std::chrono::steady_clock::now() > m_deadline)
                m_unfinished = "the search for compounds took longer than its budget";
            else if (m_budget.keepGoing && !m_budget.keepGoing()) {
                m_unfinished = "the search for compounds was stopped";
                m_stoppedByCaller = true;
            }
        }
        return !stopped();
    }

    // The keys within the letters that have a form of the roles, each
    // list found once per state.
    const std::vector<Part> &partsWithin(const LetterCounts &letters, std::uint8_t roles)
    {
        std::string key(reinterpret_cast<const char *>(letters.data()), letters.size());
        key += static_cast<char>(roles);
        const auto tried = m_parts.try_emplace(std::move(key));
        auto found = tried.first;
        if (!tried.second)
            return found->second;
        std::size_t steps = 0;
        // Many letters reach many keys of many forms: the walk keeps pace.
        forEachKeyWithin(
            m_index, letters, roles, m_settings.minPart, [&](WordIndex::KeyId id, std::size_t) {
                ++steps;
                const auto forms = m_index.formsOf(id);
                if (!pace(1 + forms.size()))
                    return false;
                Part part { WordIndex::keyOf(forms[0]), {} };
                // The index keeps a key's spellings of one word together.
                for (std::size_t f = 0; f < forms.size(); ++f) {
                    std::string text = asciiLowered(forms[f]);
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
                found->second.push_back(std::move(part));
                return true;
            });
        (void)tick(steps + 1);
        return found->second;
    }

    // Finds the compounds of the letters left as the next parts, after
    // prefix; with onlyWhether, just whether there is one (remembered per state).
    bool step(const LetterCounts &rest, const std::string &credit, std::size_t parts,
        const RuleState &rules, std::string &prefix, bool onlyWhether)
    {
        if (stopped())
            return false;
        std::string memoKey;
        if (onlyWhether) {
            memoKey = stateKey(
                rest, credit, m_settings.maxWords ? parts : std::min<std::size_t>(parts, 1), rules);
            if (const auto known = m_finishes.find(memoKey); known != m_finishes.end())
                return known->second;
        }
        const bool byRules = !rules.bits.empty();
        LetterCounts within = rest;
        bool any = false;
        if (add(within, credit)) {
            any = tryParts(within, credit, parts, rules, prefix, onlyWhether, byRules, nullptr);
            if (!byRules) {
                for (const auto &replacement : m_settings.replacements) {
                    if (any && onlyWhether)
                        break;
                    LetterCounts wider = within;
                    if (add(wider, replacement.endChars))
                        any = tryParts(wider, credit, parts, rules, prefix, onlyWhether, false,
                                  &replacement)
                            || any;
                }
            }
        }
        if (onlyWhether && !stopped())
            m_finishes.emplace(std::move(memoKey), any);
        return any;
    }

    bool tryParts(const LetterCounts &within, const std::string &credit, std::size_t parts,
        const RuleState &rules, std::string &prefix, bool onlyWhether, bool byRules,
        const CompoundSettings::Replacement *replacement)
    {
        const std::uint8_t wanted = byRules ? FormRole::Rule | FormRole::RuleLast
            : parts == 0                    ? FormRole::Begin
                                            : FormRole::Middle | FormRole::End;
        bool any = false;
        for (const Part &part : partsWithin(within, wanted)) {
            LetterCounts left = within;
            (void)remove(left, part.letters);
            if (replacement && !remove(left, replacement->replacement))
                continue;
            const bool last = empty(left) && !replacement;
            for (const Part::Form &variant : part.forms) {
                if (stopped() || (any && onlyWhether))
                    return any;
                const std::string &form = variant.text;
                const std::uint8_t roles = variant.roles;
                if (!form.starts_with(credit)
                    || (replacement && !form.ends_with(replacement->endChars)))
                    continue;
                const std::string piece = replacement
                    ? form.substr(
                          credit.size(), form.size() - credit.size() - replacement->endChars.size())
                        + replacement->replacement
                    : form.substr(credit.size());
                RuleState next;
                if (byRules) {
                    next = m_rules.advance(rules, variant.ruleFlags);
                    if (next.none())
                        continue;
                }
                if (last) {
                    const bool ends = byRules
                        ? m_rules.accepts(next) && (roles & (FormRole::Rule | FormRole::RuleLast))
                        : (roles & FormRole::End) != 0;
                    if (parts >= 1 && ends
                        && (m_settings.maxWords == 0 || parts < m_settings.maxWords)) {
                        any = true;
                        if (!onlyWhether)
                            addCandidate(prefix + piece);
                    }
                    continue;
                }
                const bool goesOn = byRules ? (roles & FormRole::Rule) != 0
                    : parts == 0            ? (roles & FormRole::Begin) != 0
                                            : (roles & FormRole::Middle) != 0;
                if (!goesOn || (m_settings.maxWords != 0 && parts + 2 > m_settings.maxWords))
                    continue;
                any = follow(left, replacement ? replacement->beginChars : std::string(), parts,
                          next, prefix, piece, onlyWhether)
                    || any;
                // "Schifffahrt" is written "Schiffahrt": a part that ends in
                // a doubled letter may swallow the next part's first.
                if (!byRules && !replacement && m_settings.simplifiedTriple && piece.size() >= 2
                    && piece.back() == piece[piece.size() - 2])
                    any = follow(left, std::string(1, piece.back()), parts, next, prefix, piece,
                              onlyWhether)
                        || any;
            }
        }
        return any;
    }

    bool follow(const LetterCounts &left, const std::string &credit, std::size_t parts,
        const RuleState &rules, std::string &prefix, const std::string &piece, bool onlyWhether)
    {
        if (!step(left, credit, parts + 1, rules, prefix, true))
            return false;
        if (onlyWhether)
            return true;
        const std::size_t length = prefix.size();
        prefix += piece;
        (void)step(left, credit, parts + 1, rules, prefix, false);
        prefix.resize(length);
        return true;
    }

    void addCandidate(std::string word)
    {
        if (!tick(1))
            return;
        if (m_found.insert(word).second)
            m_words.push_back(std::move(word));
        if (m_words.size() > m_budget.maxCandidates)
            m_unfinished = "the search for compounds found more candidates than its budget";
    }

    const WordIndex &m_index;
    const CompoundSettings &m_settings;
    CompoundRules m_rules;
    CompoundBudget m_budget;
    std::chrono::steady_clock::time_point m_deadline;
    std::size_t m_steps = 0;
    std::size_t m_work = 0; // since the clock was last asked
    std::string m_unfinished;
    bool m_stoppedByCaller = false;
    std::unordered_map<std::string, std::vector<Part>> m_parts;
    std::unordered_map<std::string, bool> m_finishes;
    std::unordered_set<std::string> m_found;
    std::vector<std::string> m_words;
};

} // namespace

CompoundCandidates compoundCandidates(
    const WordIndex &index, std::string_view letters, const CompoundBudget &budget)
{
    if (!index.compounds().any() || letters.empty())
        return {};
    const LetterCounts counts = countLetters(letters);
    if (total(counts) != letters.size())
        return {};
    return Search(index, budget).run(counts);
}
