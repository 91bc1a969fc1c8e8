// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordPattern.h"

#include "wordforms/AsciiLetters.h"

#include <numeric>

std::variant<WordPattern, std::string> WordPattern::parse(std::string_view text)
{
    WordPattern pattern;
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? asciiLower(text[i]) : ' ';
        if (c == ' ') {
            // Two spaces, or one at either end, would be a word of no letters.
            if (word.empty())
                return std::string(
                    text.empty() ? "it is empty" : "a space may only stand between two words");
            pattern.m_words.push_back(std::move(word));
            word.clear();
            if (pattern.m_words.size() > kMaxWords)
                return "it has more than " + std::to_string(kMaxWords) + " words";
        } else if (c == '?' || (c >= 'a' && c <= 'z')) {
            word.push_back(c);
            if (c != '?')
                ++pattern.m_fixed[static_cast<std::size_t>(c - 'a')];
        } else {
            return "character " + std::to_string(i + 1)
                + " is none of a letter A-Z, \"?\" or a space between words";
        }
    }
    return pattern;
}

std::size_t WordPattern::letters() const
{
    return std::accumulate(m_words.begin(), m_words.end(), std::size_t(0),
        [](std::size_t sum, const std::string &word) { return sum + word.size(); });
}

bool WordPattern::fits(std::size_t place, std::string_view word) const
{
    const std::string &want = m_words[place];
    if (word.size() != want.size())
        return false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (want[i] != '?' && want[i] != asciiLower(word[i]))
            return false;
    }
    return true;
}

std::uint32_t WordPattern::placesOf(std::string_view word) const
{
    std::uint32_t places = 0;
    for (std::size_t place = 0; place < m_words.size(); ++place) {
        if (fits(place, word))
            places |= std::uint32_t(1) << place;
    }
    return places;
}
