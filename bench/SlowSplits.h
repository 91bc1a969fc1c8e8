// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quorvel-longcheck's own search for compounds, which knows nothing of the
// index's: every split of a multiset of letters into forms that may stand in
// a compound, with what it reads of the .aff file itself, and the checker's
// judgement of each candidate in every spread of the typed capitals.
#include "search/CheckerQuestions.h"
#include "wordforms/FormRole.h"
#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace longcheck {

inline char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = lower(c);
    return result;
}

// What the .aff file says about compounds, read here and not from the index.
struct AffCompounding {
    std::size_t minPart = 3; // Hunspell's default
    bool simplifiedTriple = false;
};

inline AffCompounding readAff(const std::filesystem::path &base)
{
    AffCompounding result;
    std::ifstream aff(base.string() + ".aff");
    std::string line;
    while (std::getline(aff, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name == "COMPOUNDMIN") {
            long value = 0;
            words >> value;
            result.minPart = static_cast<std::size_t>(std::max(value, 1L));
        } else if (name == "SIMPLIFIEDTRIPLE") {
            result.simplifiedTriple = true;
        }
    }
    return result;
}

struct Piece {
    std::string text; // lower case
    LetterCounts counts {};
    std::uint8_t roles = 0;
    std::uint32_t mask = 0; // the letters it has, a bit each
};

inline std::uint32_t maskOf(const LetterCounts &counts)
{
    std::uint32_t mask = 0;
    for (std::size_t x = 0; x < counts.size(); ++x)
        mask |= counts[x] ? std::uint32_t(1) << x : 0;
    return mask;
}

inline bool within(const LetterCounts &part, const LetterCounts &whole)
{
    for (std::size_t x = 0; x < part.size(); ++x) {
        if (part[x] > whole[x])
            return false;
    }
    return true;
}

inline bool empty(const LetterCounts &counts)
{
    return std::ranges::all_of(counts, [](std::uint8_t n) { return n == 0; });
}

// Every string of exactly the letters made of two or more pieces, each in a
// place its roles allow, the doubled letter of a triple written twice where
// the .aff file lets it.
class SlowSearch {
public:
    SlowSearch(std::vector<Piece> pieces, const AffCompounding &aff, std::size_t maxCandidates,
        std::chrono::steady_clock::time_point deadline)
        : m_pieces(std::move(pieces))
        , m_aff(aff)
        , m_maxCandidates(maxCandidates)
        , m_deadline(deadline)
    {
    }

    // Nothing when the candidates passed their bound.
    std::optional<std::set<std::string>> run(const LetterCounts &letters)
    {
        std::string prefix;
        walk(letters, 0, prefix);
        if (m_overflow)
            return std::nullopt;
        return std::move(m_found);
    }

private:
    static constexpr std::uint8_t kFirst = FormRole::Begin | FormRole::Rule;
    static constexpr std::uint8_t kInside = FormRole::Middle | FormRole::Rule;
    static constexpr std::uint8_t kLast = FormRole::End | FormRole::Rule | FormRole::RuleLast;

    // The letters a piece takes: all of them, or all but its first where
    // the part before ends in the same letter doubled.
    template<typename Visit>
    void eachUse(const LetterCounts &rest, const std::string &prefix, const Visit &visit) const
    {
        const bool triple = m_aff.simplifiedTriple && prefix.size() >= 2
            && prefix.back() == prefix[prefix.size() - 2];
        const std::uint32_t mask
            = maskOf(rest) | (triple ? maskOf(countLetters(prefix.substr(prefix.size() - 1))) : 0);
        for (const Piece &piece : m_pieces) {
            if (piece.text.size() < m_aff.minPart || (piece.mask & ~mask) != 0)
                continue;
            if (within(piece.counts, rest)) {
                LetterCounts left = rest;
                for (std::size_t x = 0; x < left.size(); ++x)
                    left[x] = static_cast<std::uint8_t>(left[x] - piece.counts[x]);
                visit(piece, left, std::string_view(piece.text));
            }
            if (triple && piece.text.front() == prefix.back()) {
                LetterCounts need = piece.counts;
                --need[static_cast<std::size_t>(piece.text.front() - 'a')];
                if (!within(need, rest))
                    continue;
                LetterCounts left = rest;
                for (std::size_t x = 0; x < left.size(); ++x)
                    left[x] = static_cast<std::uint8_t>(left[x] - need[x]);
                visit(piece, left, std::string_view(piece.text).substr(1));
            }
        }
    }

    // Whether the rest can be the last parts, after parts before; what the
    // pieces may take depends on the prefix only by its last two letters.
    bool finishes(const LetterCounts &rest, std::size_t parts, const std::string &prefix)
    {
        if (m_overflow
            || (++m_steps % 4096 == 0 && std::chrono::steady_clock::now() > m_deadline)) {
            m_overflow = true;
            return false;
        }
        std::string key(reinterpret_cast<const char *>(rest.data()), rest.size());
        key += static_cast<char>(std::min<std::size_t>(parts, 1));
        // The prefix matters only by a doubled letter at its end.
        if (m_aff.simplifiedTriple && prefix.size() >= 2
            && prefix.back() == prefix[prefix.size() - 2])
            key += prefix.back();
        if (const auto known = m_finishes.find(key); known != m_finishes.end())
            return known->second;
        bool any = false;
        eachUse(rest, prefix,
            [&](const Piece &piece, const LetterCounts &left, std::string_view written) {
                if (any)
                    return;
                if (empty(left))
                    any = parts >= 1 && (piece.roles & kLast);
                else if (piece.roles & (parts == 0 ? kFirst : kInside))
                    any = finishes(left, parts + 1, prefix + std::string(written));
            });
        if (!m_overflow)
            m_finishes.emplace(std::move(key), any);
        return any;
    }

    void walk(const LetterCounts &rest, std::size_t parts, std::string &prefix)
    {
        if (m_overflow)
            return;
        eachUse(rest, prefix,
            [&](const Piece &piece, const LetterCounts &left, std::string_view written) {
                const std::size_t length = prefix.size();
                if (empty(left)) {
                    if (parts >= 1 && (piece.roles & kLast)) {
                        m_found.insert(prefix + std::string(written));
                        m_overflow = m_overflow || m_found.size() > m_maxCandidates;
                    }
                    return;
                }
                if (!(piece.roles & (parts == 0 ? kFirst : kInside)))
                    return;
                prefix += written;
                if (finishes(left, parts + 1, prefix))
                    walk(left, parts + 1, prefix);
                prefix.resize(length);
            });
    }

    std::vector<Piece> m_pieces;
    AffCompounding m_aff;
    std::size_t m_maxCandidates;
    std::chrono::steady_clock::time_point m_deadline;
    std::size_t m_steps = 0;
    bool m_overflow = false; // past the bound of candidates or time
    std::unordered_map<std::string, bool> m_finishes;
    std::set<std::string> m_found;
};

// Whether the checker takes the candidate in some spread of the typed
// capitals over its letters.
inline bool accepted(SpellChecker &checker, const std::string &candidate, std::string_view typed)
{
    std::array<std::size_t, 26> capitals {};
    for (const char c : typed) {
        if (c >= 'A' && c <= 'Z')
            ++capitals[static_cast<std::size_t>(c - 'A')];
    }
    std::string spelled = candidate;
    // Places each letter's capitals, letter by letter, from position from on.
    const auto place
        = [&](auto &self, std::size_t letter, std::size_t from, std::size_t left) -> bool {
        while (letter < 26 && left == 0) {
            ++letter;
            from = 0;
            left = letter < 26 ? capitals[letter] : 0;
        }
        if (letter == 26)
            return testword(checker, spelled);
        for (std::size_t i = from; i < spelled.size(); ++i) {
            if (spelled[i] != static_cast<char>('a' + letter))
                continue;
            spelled[i] = static_cast<char>('A' + letter);
            const bool yes = self(self, letter, i + 1, left - 1);
            spelled[i] = static_cast<char>('a' + letter);
            if (yes)
                return true;
        }
        return false;
    };
    return place(place, 0, 0, capitals[0]);
}

} // namespace longcheck
