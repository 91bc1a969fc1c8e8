// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quorvel-longcheck's own search for compounds, which knows nothing of the
// index's: every split of a multiset of letters into forms that may stand in
// a compound, with what it reads of the .aff file itself, and the checker's
// judgement of each candidate in every spread of the typed capitals.
#include "letters/LetterCase.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
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

// The letters of text in small letters, each one, as the language's own
// case makes them (Ä as ä, not only A to Z).
inline std::vector<std::string> smallLetters(const LetterCase &letterCase, const std::string &text)
{
    std::vector<std::string> letters = lettersOf(text);
    for (std::string &letter : letters)
        letter = letterCase.lower(letter);
    return letters;
}

inline std::string lowered(const LetterCase &letterCase, const std::string &text)
{
    std::string result;
    for (const std::string &letter : smallLetters(letterCase, text))
        result += letter;
    return result;
}

// What the .aff file says about compounds, read here and not from the index.
struct AffCompounding {
    std::size_t minPart = 3; // Hunspell's default
    bool simplifiedTriple = false;
    // ICONV: what a user types (ij) and what the checker turns it into
    // before it looks a word up (the dictionary's ĳ).
    std::vector<std::pair<std::string, std::string>> inputConversions;
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
        } else if (name == "ICONV") {
            std::string from;
            std::string to;
            // The first ICONV line gives only the count.
            if (words >> from >> to)
                result.inputConversions.emplace_back(std::move(from), std::move(to));
        }
    }
    return result;
}

// The spelling as a user types it where the checker turns several typed
// letters into one of the dictionary's (ICONV ij ĳ): a Dutch lĳst is typed
// lijst. Conversions the other way (ICONV ﬀ ff) or letter for letter
// (ICONV ’ ') leave what a user types as the dictionary spells it.
inline std::string asTyped(const AffCompounding &aff, std::string spelling)
{
    for (const auto &[from, to] : aff.inputConversions) {
        if (to.empty() || lettersOf(from).size() <= lettersOf(to).size())
            continue;
        std::string typed;
        std::size_t at = 0;
        for (std::size_t found; (found = spelling.find(to, at)) != std::string::npos;
             at = found + to.size())
            typed.append(spelling, at, found - at).append(from);
        typed.append(spelling, at);
        spelling = std::move(typed);
    }
    return spelling;
}

struct Piece {
    std::string text; // a spelling of the dictionary's, in small letters
    std::size_t letters = 0; // how many letters text has (COMPOUNDMIN counts them)
    LetterCounts counts {};
    std::uint8_t roles = 0;
    std::uint64_t mask = 0; // the letters it has, a bit each
};

inline std::uint64_t maskOf(const LetterCounts &counts)
{
    static_assert(std::tuple_size_v<LetterCounts> <= 64);
    std::uint64_t mask = 0;
    for (std::size_t x = 0; x < counts.size(); ++x)
        mask |= counts[x] ? std::uint64_t(1) << x : 0;
    return mask;
}

// Each letter typed (in small letters) has its own place in LetterCounts, so
// the slow search counts whole letters as the user typed them: ö, ß or ĳ is
// one letter, where the index's key letters (wordforms/KeyLetters.h) would
// count the bytes of other letters or none.
class LetterSlots {
public:
    explicit LetterSlots(const std::vector<std::string> &typed)
    {
        for (const std::string &letter : typed) {
            if (m_slots.size() < std::tuple_size_v<LetterCounts>)
                m_slots.try_emplace(letter, m_slots.size());
        }
    }

    // Nothing when the letters hold one not typed.
    [[nodiscard]] std::optional<LetterCounts> count(const std::vector<std::string> &letters) const
    {
        LetterCounts counts {};
        for (const std::string &letter : letters) {
            const auto slot = m_slots.find(letter);
            if (slot == m_slots.end() || counts[slot->second] == 255)
                return std::nullopt;
            ++counts[slot->second];
        }
        return counts;
    }

    [[nodiscard]] std::optional<std::size_t> slotOf(char letter) const
    {
        const auto slot = m_slots.find(std::string(1, letter));
        return slot == m_slots.end() ? std::nullopt : std::optional(slot->second);
    }

private:
    std::unordered_map<std::string, std::size_t> m_slots;
};

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

// Every string of the typed letters made of two or more pieces, each in a place its roles allow,
// the doubled letter of a triple written twice where the .aff file lets it; accepted() keeps those
// of exactly the typed letters.
class SlowSearch {
public:
    SlowSearch(std::vector<Piece> pieces, const LetterSlots &typed, const AffCompounding &aff,
        std::size_t maxCandidates, std::chrono::steady_clock::time_point deadline)
        : m_pieces(std::move(pieces))
        , m_slots(typed)
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
        // Triples are of letters a to z (ss-s, ff-f), never of a letter of
        // more than one byte.
        const std::optional<std::size_t> slot = m_aff.simplifiedTriple && prefix.size() >= 2
                && prefix.back() >= 'a' && prefix.back() <= 'z'
                && prefix.back() == prefix[prefix.size() - 2]
            ? m_slots.slotOf(prefix.back())
            : std::nullopt;
        const bool triple = slot.has_value();
        const std::size_t doubled = slot.value_or(0);
        const std::uint64_t mask = maskOf(rest) | (triple ? std::uint64_t(1) << doubled : 0);
        for (const Piece &piece : m_pieces) {
            if (piece.letters < m_aff.minPart || (piece.mask & ~mask) != 0)
                continue;
            if (within(piece.counts, rest)) {
                LetterCounts left = rest;
                for (std::size_t x = 0; x < left.size(); ++x)
                    left[x] = static_cast<std::uint8_t>(left[x] - piece.counts[x]);
                visit(piece, left, std::string_view(piece.text));
            }
            if (triple && piece.text.front() == prefix.back()) {
                LetterCounts need = piece.counts;
                --need[doubled];
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
        if (m_aff.simplifiedTriple && prefix.size() >= 2 && prefix.back() >= 'a'
            && prefix.back() <= 'z' && prefix.back() == prefix[prefix.size() - 2])
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
    const LetterSlots &m_slots;
    AffCompounding m_aff;
    std::size_t m_maxCandidates;
    std::chrono::steady_clock::time_point m_deadline;
    std::size_t m_steps = 0;
    bool m_overflow = false; // past the bound of candidates or time
    std::unordered_map<std::string, bool> m_finishes;
    std::set<std::string> m_found;
};

// Whether the candidate (small letters) is an arrangement of exactly the
// typed letters and the checker takes it in some spread of the typed
// capitals over its letters.
inline bool accepted(SpellChecker &checker, const LetterCase &letterCase,
    const std::string &candidate, const std::string &typed)
{
    std::vector<std::string> spelled = smallLetters(letterCase, candidate);
    std::vector<std::string> small = smallLetters(letterCase, typed);
    std::vector<std::string> sortedSpelled = spelled;
    std::ranges::sort(sortedSpelled);
    std::ranges::sort(small);
    if (sortedSpelled != small)
        return false;
    // The typed capitals, each with its small letter, in order so that the
    // same capital twice is placed at rising positions only.
    std::vector<std::pair<std::string, std::string>> capitals;
    for (const std::string &letter : lettersOf(typed)) {
        std::string lower = letterCase.lower(letter);
        if (lower != letter)
            capitals.emplace_back(std::move(lower), letter);
    }
    std::ranges::sort(capitals);
    const auto joined = [&spelled] {
        std::string word;
        for (const std::string &letter : spelled)
            word += letter;
        return word;
    };
    const auto place = [&](auto &self, std::size_t capital, std::size_t from) -> bool {
        if (capital == capitals.size())
            return testword(checker, joined());
        const auto &[lower, upper] = capitals[capital];
        if (capital > 0 && capitals[capital - 1].first != lower)
            from = 0;
        for (std::size_t i = from; i < spelled.size(); ++i) {
            if (spelled[i] != lower)
                continue;
            spelled[i] = upper;
            const bool yes = self(self, capital + 1, i + 1);
            spelled[i] = lower;
            if (yes)
                return true;
        }
        return false;
    };
    return place(place, 0, 0);
}

} // namespace longcheck
