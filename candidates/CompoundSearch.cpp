// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"

#include "candidates/CompoundCover.h"
#include "candidates/CompoundParts.h"
#include "candidates/CompoundRules.h"
#include "candidates/CompoundSearchWords.h"
#include "candidates/PatternSquares.h"
#include "candidates/SearchStates.h"
#include "hunspellfiles/Reason.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace {

using namespace compoundsearch;

class Search {
public:
    Search(const WordIndex &index, const CompoundQuery &query, const CompoundBudget &budget,
        const std::function<void(const std::string &)> &found,
        const std::function<void(std::size_t)> &sure)
        : m_index(index)
        , m_settings(index.compounds())
        , m_rules(index.compounds().rules)
        , m_query(query)
        , m_budget(budget)
        , m_deadline(deadlineOf(budget))
        , m_found(found)
        , m_sure(sure)
        , m_parts(
              index, index.compounds().minPart, query.maxLength,
              [this](std::size_t work) { return pace(work); }, query.capitals, query.typed)
    {
        m_parts.setTop(query.pool);
        for (std::size_t from = 0; from < m_query.squares.size(); ++from)
            m_fromSquare.push_back(squaresFrom(m_query.squares, from));
    }

    CompoundSearchEnd run()
    {
        std::string prefix;
        if (m_rules.tooMany()) {
            m_unfinished
                = Reason::mark("the dictionary has more compounding rules than the search follows");
            return { std::move(m_unfinished), false };
        }
        if (m_settings.classic)
            (void)step({ m_query.pool, {}, 0, {}, false }, prefix);
        if (!m_rules.empty() && !stopped())
            (void)step({ m_query.pool, {}, 0, m_rules.start(), true }, prefix);
        // The caller handles its events between two tables freed.
        const auto events = [this] { (void)(m_budget.keepGoing && m_budget.keepGoing()); };
        m_nodes.clear(events);
        return { std::move(m_unfinished), m_stoppedByCaller };
    }

private:
    [[nodiscard]] bool stopped() const { return !m_unfinished.empty(); }

    void tick(std::size_t steps)
    {
        m_steps += steps;
        if (m_steps > m_budget.maxSteps) {
            m_unfinished
                = Reason::with(Reason::kStepsOverBudget, std::to_string(m_budget.maxSteps));
            return;
        }
        pace(steps);
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
            if (std::chrono::steady_clock::now() > m_deadline) {
                m_unfinished = Reason::mark("the search for compounds took longer than its budget");
            } else if (m_budget.keepGoing && !m_budget.keepGoing()) {
                m_unfinished = Reason::mark("the search for compounds was stopped");
                m_stoppedByCaller = true;
            }
        }
        return !stopped();
    }

    // What decides whether a state can still end a compound the query
    // wants: besides the state, the letters so far. Without blanks those
    // are the pool's less the letters left; with blanks they are not.
    // Nothing for a credit too long to keep: that state is not remembered.
    std::optional<StateKey> keyOf(const State &state, const std::string &prefix) const
    {
        if (state.credit.size() > StateKey::kMaxCredit)
            return std::nullopt;
        StateKey key;
        key.rest = state.rest.counts;
        key.blanks = state.rest.blanks;
        std::ranges::copy(state.credit, key.credit.begin());
        key.parts = m_settings.maxWords ? state.parts : std::min<std::size_t>(state.parts, 1);
        key.rules = state.rules;
        key.byRules = state.byRules;
        if (m_query.pool.blanks != 0)
            key.sofar = countLetters(prefix);
        // Where a crossword's squares bound the letters, the letters left say no more than where
        // the word has got to (and what it must still hold): prefixes that got as far are one
        // state.
        if (const auto state
            = m_squaresBound ? squaresState(prefix, m_query.required) : std::nullopt)
            std::tie(key.square, key.rest) = std::pair(state->first + 1, state->second);
        return key;
    }

    // Finds the compounds that go on from the state after prefix; whether
    // there was one. A state is searched once: one that ends none is
    // remembered as such, and one that ends some with the ways on from it
    // that do, which a later visit from another prefix follows without
    // looking for parts again.
    bool step(const State &state, std::string &prefix, Node **reached = nullptr)
    {
        if (stopped())
            return false;
        const std::optional<StateKey> key = keyOf(state, prefix);
        Node *node = key ? &m_nodes.emplace(*key).first : nullptr;
        if (reached)
            *reached = node;
        if (node && node->known == Node::Dead)
            return false;
        if (node && node->known == Node::Live)
            return replay(*node, prefix, state.sure);
        const bool remember = node && node->known == Node::Unknown;
        if (remember)
            node->known = Node::Searching;
        Recording recording;
        Recording *record = remember ? &recording : nullptr;
        const bool byRules = state.byRules;
        LetterPool within = state.rest;
        bool any = false;
        if (addLetters(within.counts, state.credit)) {
            any = tryParts(within, state, prefix, byRules, nullptr, record);
            for (const auto &replacement : m_settings.replacements) {
                if (byRules)
                    break;
                LetterPool wider = within;
                if (addLetters(wider.counts, replacement.endChars))
                    any = tryParts(wider, state, prefix, false, &replacement, record) || any;
            }
        }
        if (remember) {
            node->known = stopped() || !recording.whole ? Node::Unknown
                : any                                   ? Node::Live
                                                        : Node::Dead;
            if (node->known == Node::Live)
                node->edges = std::move(recording.edges);
        }
        return any;
    }

    // The compounds on from a state searched before, by the ways it found.
    bool replay(const Node &node, std::string &prefix, bool sure)
    {
        for (const Edge &edge : node.edges) {
            if (!pace(1))
                break;
            // An edge's certainty is its part's own: the boundary it makes
            // depends on the way here.
            const bool certain = sure && edge.sure && !triple(prefix, edge.piece);
            const std::size_t length = prefix.size();
            prefix += edge.piece;
            if (edge.next)
                (void)replay(*edge.next, prefix, certain);
            else
                (void)offer(prefix, certain);
            prefix.resize(length);
        }
        return true;
    }

    bool tryParts(const LetterPool &within, const State &state, std::string &prefix, bool byRules,
        const CompoundSettings::Replacement *replacement, Recording *record)
    {
        const std::uint8_t wanted = byRules ? FormRole::Rule | FormRole::RuleLast
            : state.parts == 0              ? FormRole::Begin
                                            : FormRole::Middle | FormRole::End;
        const std::size_t parts = state.parts;
        bool any = false;
        // A crossword's part is looked for only in the letters of the squares it stands on.
        const LetterPool &looked = m_fromSquare.empty() || replacement
            ? within
            : onSquares(within, m_fromSquare, prefix, state.credit.size());
        // The keys within the letters that have a form of the roles, each list found once.
        std::size_t steps = 0;
        const PartList &found = m_parts.find(looked, wanted, state.before, steps);
        if (steps != 0)
            tick(steps);
        for (const Part *each : m_fromSquare.empty() || replacement
                ? found.parts
                : partsOnSquares(found, prefix, state.credit.size())) {
            const Part &part = *each;
            LetterPool left = within;
            (void)take(left, part.letters);
            if (replacement && !take(left, countLetters(replacement->replacement)))
                continue;
            // A split whose letters left no parts can use up never ends.
            if (m_query.wholePool && left.size() != 0 && !cover(byRules).coverable(left.counts))
                continue;
            // Where the whole pool is used, only the part that takes the
            // last of it ends the word, and it goes on no further.
            const bool last = left.size() == 0 && !replacement;
            for (const Part::Form &variant : part.forms) {
                if (stopped())
                    return any;
                const std::string &form = variant.text;
                const std::uint8_t roles = variant.roles;
                // A part the letters typed do not spell stands only where a
                // rule replaces some of its letters (PartsWithin).
                if (!variant.typed && !replacement && state.credit.empty())
                    continue;
                // Only a part as the dictionary spells it, joined by
                // COMPOUNDFLAG or in a place its certain roles name, leaves no
                // doubt (the state is part of the key).
                const bool plain = !byRules && !replacement && state.credit.empty();
                const bool sureEnd = plain && (variant.sureRoles & FormRole::End);
                const bool sure = plain
                    && (variant.sureRoles & (parts == 0 ? FormRole::Begin : FormRole::Middle));
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
                // Whether the parts so far and this one leave no doubt; the
                // boundary with the prefix is not the part's own.
                const bool boundary = state.sure && !triple(prefix, piece);
                const bool certain = boundary && sure;
                // A crossword's squares leave most parts out where they begin.
                const SquaresFit square = m_query.squares.empty()
                    ? SquaresFit {}
                    : squaresFit(m_query.squares, prefix, piece);
                if (!square.fits)
                    continue;
                RuleState next;
                if (byRules) {
                    next = m_rules.advance(state.rules, variant.ruleFlags);
                    if (next.none())
                        continue;
                }
                const bool ends = byRules
                    ? m_rules.accepts(next) && (roles & (FormRole::Rule | FormRole::RuleLast))
                    : (roles & FormRole::End) != 0;
                if (!replacement && parts >= 1 && ends && (last || !m_query.wholePool)
                    && (m_query.squares.empty() || square.full)
                    && (m_settings.maxWords == 0 || parts < m_settings.maxWords)
                    && offer(prefix + piece, boundary && sureEnd)) {
                    any = true;
                    if (record)
                        record->edges.push_back({ piece, nullptr, sureEnd });
                }
                if (last && m_query.wholePool)
                    continue;
                const bool goesOn = byRules ? (roles & FormRole::Rule) != 0
                    : parts == 0            ? (roles & FormRole::Begin) != 0
                                            : (roles & FormRole::Middle) != 0;
                if (!goesOn || (m_settings.maxWords != 0 && parts + 2 > m_settings.maxWords)
                    || !square.room)
                    continue;
                const std::string credit = replacement ? replacement->beginChars : std::string();
                // The next part adds a letter unless it begins with a credit.
                if (credit.empty() && prefix.size() + piece.size() + 1 > m_query.maxLength)
                    continue;
                any = follow({ left, credit, parts + 1, next, byRules, certain, &found }, prefix,
                          piece, record, sure)
                    || any;
                // "Schifffahrt" is written "Schiffahrt": a part that ends in
                // a doubled letter may swallow the next part's first.
                if (!byRules && !replacement && m_settings.simplifiedTriple && piece.size() >= 2
                    && piece.back() == piece[piece.size() - 2])
                    any = follow({ left, std::string(1, piece.back()), parts + 1, next, byRules,
                                     false, &found },
                              prefix, piece, record, false)
                        || any;
            }
        }
        return any;
    }

    // Of a crossword's parts, those that may begin where the word has got to.
    const std::vector<const Part *> &partsOnSquares(
        const PartList &found, std::string_view prefix, std::size_t credit)
    {
        auto [copy, made] = m_squareCopies.try_emplace(&found);
        if (made) {
            for (const Part *part : found.parts)
                copy->second.push_back(*part);
        }
        const std::vector<Part> &fitting = m_squareParts.on(copy->second, prefix, credit);
        auto [pointers, fresh] = m_squarePointers.try_emplace(&fitting);
        if (fresh) {
            for (const Part &part : fitting)
                pointers->second.push_back(&part);
        }
        return pointers->second;
    }

    // Whether the engines would refuse three same letters where piece follows prefix.
    [[nodiscard]] bool triple(std::string_view prefix, std::string_view piece) const
    {
        return m_settings.checkTriple && tripleAt(prefix, piece);
    }

    // What the parts after the first may use up, by the roles they join by.
    CompoundCover &cover(bool byRules)
    {
        std::optional<CompoundCover> &cover = byRules ? m_ruleCover : m_classicCover;
        if (!cover)
            cover.emplace(
                m_index, m_query.pool.counts,
                byRules ? FormRole::Rule | FormRole::RuleLast : FormRole::Middle | FormRole::End,
                [this](std::size_t work) { return pace(work); }, m_query.capitals, m_query.typed);
        return *cover;
    }

    bool follow(const State &next, std::string &prefix, const std::string &piece, Recording *record,
        bool sure)
    {
        const std::size_t length = prefix.size();
        prefix += piece;
        Node *reached = nullptr;
        const bool any = step(next, prefix, &reached);
        prefix.resize(length);
        if (any && record) {
            // A way on to a state that is not remembered cannot be followed again.
            if (reached && reached->known == Node::Live)
                record->edges.push_back({ piece, reached, sure });
            else
                record->whole = false;
        }
        return any;
    }

    // Whether the word is one the query wants; it is told once, and once
    // more where it is first found sure.
    bool offer(const std::string &word, bool sure)
    {
        if (word.size() < m_query.minLength || !fitsWithin(m_query.required, countLetters(word)))
            return false;
        tick(1);
        if (stopped())
            return true;
        const auto [number, fresh] = m_seen.name(word);
        if (fresh) {
            if (m_seen.size() > m_budget.maxCandidates) {
                m_unfinished = Reason::with(
                    Reason::kCandidatesOverBudget, std::to_string(m_budget.maxCandidates));
                return true;
            }
            m_found(word);
        }
        // A forbidden word of these letters refuses the compound.
        if (sure && !m_seen.sure(number)
            && !std::ranges::binary_search(m_settings.forbidden, word)) {
            m_seen.setSure(number);
            if (m_sure)
                m_sure(number);
        }
        return true;
    }

    const WordIndex &m_index;
    const CompoundSettings &m_settings;
    CompoundRules m_rules;
    const CompoundQuery &m_query;
    const CompoundBudget &m_budget;
    std::chrono::steady_clock::time_point m_deadline;
    const std::function<void(const std::string &)> &m_found;
    const std::function<void(std::size_t)> &m_sure;
    std::size_t m_steps = 0;
    std::size_t m_work = 0; // since the clock was last asked
    std::string m_unfinished;
    bool m_stoppedByCaller = false;
    PartsWithin m_parts;
    SteppedMap<StateKey, Node, StateKeyHash> m_nodes;
    std::optional<CompoundCover> m_classicCover;
    std::optional<CompoundCover> m_ruleCover;
    NamedWords m_seen;
    std::vector<LetterCounts> m_fromSquare; // a crossword's letters from each square on
    SquareParts m_squareParts { m_query.squares };
    // A crossword's lists of parts as SquareParts takes and gives them.
    std::unordered_map<const PartList *, std::vector<Part>> m_squareCopies;
    std::unordered_map<const std::vector<Part> *, std::vector<const Part *>> m_squarePointers;
    bool m_squaresBound = squaresBound(m_query.squares, m_query.pool);
};

} // namespace

CompoundSearchEnd searchCompounds(const WordIndex &index, const CompoundQuery &query,
    const CompoundBudget &budget, const std::function<void(const std::string &)> &found,
    const std::function<void(std::size_t)> &sure)
{
    if (!index.compounds().any() || query.pool.size() == 0)
        return {};
    return Search(index, query, budget, found, sure).run();
}
