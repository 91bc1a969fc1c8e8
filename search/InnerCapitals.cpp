// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/InnerCapitals.h"

#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"
#include "wordindex/KeyWalk.h"
#include "wordindex/WordIndex.h"

#include <algorithm>

namespace {

bool capital(char c)
{
    return c >= 'A' && c <= 'Z';
}

} // namespace

InnerCapitals::InnerCapitals(
    const WordIndex &index, std::string_view keys, const LetterCounts &capitals)
    : m_known(index.compounds().settlesByParts)
{
    if (!m_known || std::ranges::all_of(capitals, [](std::uint8_t n) { return n == 0; }))
        return;
    // Any part role but the first's: a capitalised form that only begins a
    // compound never stands after another part.
    constexpr std::uint8_t kFollows
        = FormRole::Middle | FormRole::End | FormRole::Rule | FormRole::RuleLast;
    KeyFilter filter { LetterPool(countLetters(keys), 0), 0xff, 1, keys.size(), {} };
    // A form that puts a capital where one of those typed stands holds its
    // letter: with one such letter, the walk needs only keys that hold it.
    if (std::ranges::count_if(capitals, [](std::uint8_t n) { return n != 0; }) == 1) {
        const auto letter = std::ranges::find_if(capitals, [](std::uint8_t n) { return n != 0; });
        filter.required[static_cast<std::size_t>(letter - capitals.begin())] = 1;
    }
    forEachKeyWithin(index, filter, [&](WordIndex::KeyId key, std::size_t) {
        const WordIndex::Forms forms = index.formsOf(key);
        for (std::size_t f = 0; f < forms.size(); ++f) {
            const std::string_view spelling = forms[f];
            const bool follows = (forms.roles[f] & kFollows) != 0 && capital(spelling.front());
            if (!follows && std::ranges::none_of(spelling.substr(1), capital))
                continue;
            m_byText[asciiLowered(spelling)].push_back(static_cast<std::uint32_t>(m_forms.size()));
            m_forms.push_back({ std::string(spelling), follows });
            m_lengths.push_back(spelling.size());
        }
        return true;
    });
    std::ranges::sort(m_lengths);
    m_lengths.erase(std::unique(m_lengths.begin(), m_lengths.end()), m_lengths.end());
}

void InnerCapitals::placesIn(std::string_view candidate, std::vector<char> &places) const
{
    places.assign(candidate.size(), 0);
    std::string text;
    for (std::size_t start = 0; start < candidate.size(); ++start) {
        for (const std::size_t length : m_lengths) {
            if (start + length > candidate.size())
                break;
            text.assign(candidate.substr(start, length));
            const auto found = m_byText.find(text);
            if (found == m_byText.end())
                continue;
            for (const std::uint32_t at : found->second) {
                const Form &form = m_forms[at];
                for (std::size_t j = 0; j < length; ++j) {
                    if (capital(form.spelling[j]) && (j > 0 || (start > 0 && form.follows)))
                        places[start + j] = 1;
                }
            }
        }
    }
}
