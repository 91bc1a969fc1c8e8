// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseSpreads.h"

#include "search/LooseSearch.h"
#include "search/Odometer.h"
#include "wordforms/AsciiLetters.h"
#include "wordindex/WordIndex.h"

#include "search/Enumerator.h"

#include <algorithm>

TokenLetters byCase(const std::vector<std::string> &variants, const LooseAlphabet &alphabet)
{
    TokenLetters letters;
    for (const std::string &variant : variants)
        (alphabet.capitals(variant) > 0 ? letters.capital : letters.small).push_back(variant);
    const std::size_t capitals = letters.capital.size();
    for (const std::string &small : letters.small) {
        const std::string folded = alphabet.caseless(small);
        const auto end = letters.capital.begin() + static_cast<std::ptrdiff_t>(capitals);
        if (std::none_of(letters.capital.begin(), end,
                [&](const std::string &c) { return alphabet.caseless(c) == folded; }))
            letters.capital.push_back(small);
    }
    letters.either = variants;
    return letters;
}

double spreadsOf(const std::string &sorted)
{
    double ways = 1;
    std::size_t placed = 0;
    for (std::size_t at = 0; at < sorted.size();) {
        const std::size_t end = sorted.find_first_not_of(sorted[at], at);
        const std::size_t stop = end == std::string::npos ? sorted.size() : end;
        for (std::size_t i = 1; i <= stop - at; ++i) {
            ++placed;
            ways = ways * static_cast<double>(placed) / static_cast<double>(i);
        }
        at = stop;
    }
    return ways;
}

PartLetters::PartLetters(const WordIndex &index, const LooseAlphabet &alphabet,
    const std::vector<std::pair<std::string, std::string>> &conversions)
    : m_index(index)
    , m_alphabet(alphabet)
{
    for (const auto &[from, to] : conversions)
        m_sources[alphabet.caseless(to)].push_back(alphabet.caseless(from));
}

PartLetters::~PartLetters() = default;

const PartLetters::Run &PartLetters::run(std::string_view text)
{
    const auto [at, added] = m_runs.try_emplace(std::string(text));
    Run &run = at->second;
    if (!added)
        return run;
    const WordIndex::Forms forms = m_index.formsFor(WordIndex::keyOf(text));
    for (std::size_t i = 0; i < forms.size() && !run.any; ++i) {
        if (asciiLowered(forms[i]) != text)
            continue;
        run.found = true;
        run.letters.resize(text.size());
        if (!m_index.spellingsOf(forms, i, m_spellings)) {
            run.any = true;
            break;
        }
        for (const std::string &spelling : m_spellings) {
            const std::vector<std::string> letters = lettersOf(spelling);
            if (letters.size() != text.size()) {
                run.any = true;
                break;
            }
            for (std::size_t p = 0; p < letters.size(); ++p) {
                std::string letter = m_alphabet.caseless(letters[p]);
                if (const auto sources = m_sources.find(letter); sources != m_sources.end())
                    run.letters[p].insert(sources->second.begin(), sources->second.end());
                run.letters[p].insert(std::move(letter));
            }
        }
    }
    return run;
}

PlaceLetters PartLetters::of(std::string_view candidate)
{
    // The runs are remembered as a cache: a long input's millions of
    // compounds have more runs than memory holds, most of them short-lived.
    constexpr std::size_t kMostRuns = std::size_t { 1 } << 17;
    if (m_runs.size() > kMostRuns)
        m_runs.clear();
    const std::size_t length = candidate.size();
    PlaceLetters places(length);
    std::vector<char> any(length, 0);
    std::vector<char> covered(length, 0);
    for (std::size_t begin = 0; begin < length; ++begin) {
        for (std::size_t end = begin + 1; end <= length; ++end) {
            const Run &found = run(candidate.substr(begin, end - begin));
            if (!found.found)
                continue;
            for (std::size_t p = begin; p < end; ++p) {
                covered[p] = 1;
                if (found.any) {
                    any[p] = 1;
                    continue;
                }
                if (!places[p])
                    places[p].emplace();
                places[p]->insert(found.letters[p - begin].begin(), found.letters[p - begin].end());
            }
        }
    }
    for (std::size_t p = 0; p < length; ++p) {
        if (any[p] || !covered[p])
            places[p].reset();
    }
    return places;
}

bool Speller::placesOf(const std::string &form)
{
    for (auto &p : m_places)
        p.clear();
    for (std::size_t i = 0; i < form.size(); ++i) {
        const int x = keyLetterNumber(form[i]);
        if (x < 0)
            return false;
        m_places[static_cast<std::size_t>(x)].push_back(i);
    }
    for (const std::size_t x : m_tokens.present) {
        if (m_places[x].size() != m_tokens.byKey[x].size())
            return false;
    }
    return true;
}

void Speller::narrow(const std::string &form, const PlaceLetters *places)
{
    m_narrowed.assign(form.size(), {});
    if (!places)
        return;
    const auto keep = [&](const std::vector<std::string> &letters,
                          const std::unordered_set<std::string> &allowed) {
        std::vector<std::string> kept;
        for (const std::string &letter : letters) {
            auto [at, added] = m_caseless.try_emplace(letter);
            if (added)
                at->second = m_alphabet->caseless(letter);
            if (allowed.contains(at->second))
                kept.push_back(letter);
        }
        return kept;
    };
    for (std::size_t p = 0; p < form.size() && p < places->size(); ++p) {
        if (!(*places)[p])
            continue;
        const std::string &tokens
            = m_tokens.byKey[static_cast<std::size_t>(keyLetterNumber(form[p]))];
        m_narrowed[p].resize(m_tokens.variants.size());
        for (const char token : tokens) {
            const std::size_t t = static_cast<unsigned char>(token) - 1;
            const TokenLetters &all = m_tokens.variants[t];
            m_narrowed[p][t] = { keep(all.small, *(*places)[p]), keep(all.capital, *(*places)[p]),
                keep(all.either, *(*places)[p]) };
        }
    }
}

const TokenLetters &Speller::lettersAt(std::size_t at, char token) const
{
    const std::size_t t = static_cast<unsigned char>(token) - 1;
    return m_narrowed.size() > at && !m_narrowed[at].empty() ? m_narrowed[at][t]
                                                             : m_tokens.variants[t];
}

double Speller::most(const std::string &form, const PlaceLetters &places)
{
    if (!placesOf(form))
        return 0;
    narrow(form, &places);
    auto ways = static_cast<double>(kCases.size());
    for (const std::size_t x : m_tokens.present)
        ways *= spreadsOf(m_tokens.byKey[x]);
    for (std::size_t p = 0; p < form.size(); ++p) {
        // Either case only where the index keeps none (as spell puts them).
        const auto x = static_cast<std::size_t>(keyLetterNumber(form[p]));
        std::size_t widest = 0;
        for (const char token : m_tokens.byKey[x]) {
            const TokenLetters &letters = lettersAt(p, token);
            widest = x < kAsciiKeyLetters
                ? std::max({ widest, letters.small.size(), letters.capital.size() })
                : std::max(widest, letters.either.size());
        }
        ways *= static_cast<double>(widest);
    }
    return ways;
}

void Speller::spell(const std::string &form, std::unordered_set<std::string> &seen,
    std::vector<std::string> &strings, const PlaceLetters *places)
{
    if (!placesOf(form))
        return;
    narrow(form, places);
    // Each way of putting the candidate in case once.
    std::vector<std::vector<char>> cases;
    for (const CaseOf each : kCases) {
        // 0: small, 1: capital, 2: either, where the index keeps no
        // case (a letter not filed under a to z: пФ is spelt so).
        std::vector<char> capital(form.size());
        for (std::size_t i = 0; i < form.size(); ++i) {
            const bool latin
                = (form[i] >= 'A' && form[i] <= 'Z') || (form[i] >= 'a' && form[i] <= 'z');
            capital[i] = !latin ? 2
                : each == CaseOf::AllCapitals || (each == CaseOf::FirstCapital && i == 0)
                    || (form[i] >= 'A' && form[i] <= 'Z')
                ? 1
                : 0;
        }
        if (std::ranges::find(cases, capital) == cases.end())
            cases.push_back(std::move(capital));
    }
    forEachSpread(m_tokens.byKey, m_tokens.present, m_places, m_placed, [&] {
        for (const std::vector<char> &capital : cases) {
            m_capital = &capital;
            fill(0, seen, strings);
        }
    });
}

void Speller::fill(
    std::size_t at, std::unordered_set<std::string> &seen, std::vector<std::string> &strings)
{
    if (at == m_placed.size()) {
        if (seen.insert(m_word).second)
            strings.push_back(m_word);
        return;
    }
    const std::size_t length = m_word.size();
    const TokenLetters &letters = lettersAt(at, m_placed[at]);
    const char place = (*m_capital)[at];
    for (const std::string &letter : place == 2 ? letters.either
            : place == 1                        ? letters.capital
                                                : letters.small) {
        m_word += letter;
        fill(at + 1, seen, strings);
        m_word.resize(length);
    }
}
