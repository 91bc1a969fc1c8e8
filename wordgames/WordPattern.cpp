// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordPattern.h"

#include "wordforms/AsciiLetters.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

std::string at(std::size_t i)
{
    return "character " + std::to_string(i + 1);
}

// The class that starts at text[open] ("[" ... "]"): its square, and the
// place of its "]"; or why it is none.
std::variant<std::pair<WordPattern::Square, std::size_t>, std::string> parseClass(
    std::string_view text, std::size_t open)
{
    WordPattern::Square square;
    std::size_t i = open + 1;
    square.except = i < text.size() && text[i] == '^';
    if (square.except)
        ++i;
    for (; i < text.size() && text[i] != ']'; ++i) {
        if (!isAsciiLetter(text[i]))
            return at(i)
                + " stands in a class of letters, where only letters A-Z and a first "
                  "\"^\" can";
        const char lower = asciiLower(text[i]);
        if (square.letters.find(lower) == std::string::npos)
            square.letters.push_back(lower);
    }
    if (i == text.size())
        return "the class of letters at " + at(open) + " has no \"]\"";
    if (square.letters.empty())
        return "the class of letters at " + at(open) + " names no letters";
    std::ranges::sort(square.letters);
    return std::pair(std::move(square), i);
}

} // namespace

bool WordPattern::Square::takes(char lower) const
{
    return (letters.find(lower) != std::string::npos) != except;
}

std::optional<char> WordPattern::Square::fixed() const
{
    if (except || letters.size() != 1)
        return std::nullopt;
    return letters.front();
}

std::variant<WordPattern, std::string> WordPattern::parse(std::string_view text)
{
    WordPattern pattern;
    Place word;
    std::string fixed;
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
        } else if (c == '?') {
            word.push_back({});
        } else if (isAsciiLetter(c)) {
            word.push_back({ std::string(1, c), false });
        } else if (c == '[') {
            auto square = parseClass(text, i);
            if (auto *why = std::get_if<std::string>(&square))
                return std::move(*why);
            auto &[parsed, close] = std::get<0>(square);
            word.push_back(std::move(parsed));
            i = close;
        } else {
            return at(i)
                + " is none of a letter A-Z, \"?\", a class of letters in \"[]\" or a "
                  "space between words";
        }
        if (!word.empty() && word.back().fixed())
            fixed.push_back(*word.back().fixed());
        if (word.size() > LetterPool::kMaxTiles)
            return "a word has more than " + std::to_string(LetterPool::kMaxTiles) + " letters";
    }
    pattern.m_fixed = countLetters(fixed);
    return pattern;
}

std::size_t WordPattern::letters() const
{
    return std::accumulate(m_words.begin(), m_words.end(), std::size_t(0),
        [](std::size_t sum, const Place &word) { return sum + word.size(); });
}

std::string WordPattern::tiles() const
{
    std::string tiles;
    for (const Place &word : m_words) {
        for (const Square &square : word)
            tiles.push_back(square.fixed().value_or('?'));
    }
    return tiles;
}

bool WordPattern::fits(std::size_t place, std::string_view word) const
{
    const Place &want = m_words[place];
    if (word.size() != want.size())
        return false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (!want[i].takes(asciiLower(word[i])))
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

std::optional<std::vector<std::size_t>> WordPattern::order(
    const std::vector<std::string> &words) const
{
    if (words.size() != m_words.size())
        return std::nullopt;
    std::vector<std::uint32_t> fills;
    fills.reserve(words.size());
    for (const std::string &word : words)
        fills.push_back(placesOf(word));
    // Place by place, the first word free that fills it; the sets of words
    // used that lead nowhere are remembered, so each is tried once.
    std::vector<std::size_t> chosen(m_words.size());
    std::vector<bool> dead(std::size_t(1) << words.size());
    const std::function<bool(std::size_t, std::uint32_t)> place
        = [&](std::size_t at, std::uint32_t used) {
              if (at == m_words.size())
                  return true;
              if (dead[used])
                  return false;
              for (std::size_t w = 0; w < words.size(); ++w) {
                  if (!(used >> w & 1) && (fills[w] >> at & 1)
                      && place(at + 1, used | std::uint32_t(1) << w)) {
                      chosen[at] = w;
                      return true;
                  }
              }
              dead[used] = true;
              return false;
          };
    if (!place(0, 0))
        return std::nullopt;
    return chosen;
}
