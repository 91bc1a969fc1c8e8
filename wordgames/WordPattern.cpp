// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/WordPattern.h"

#include "letters/Alphabet.h"
#include "letters/Letters.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>

namespace {

std::string at(std::size_t i)
{
    return "character " + std::to_string(i + 1);
}

// The class that starts at letters[open] ("[" ... "]"): its square, and the
// place of its "]"; or why it is none.
std::variant<std::pair<WordPattern::Square, std::size_t>, std::string> parseClass(
    const std::vector<std::string> &letters, std::size_t open)
{
    WordPattern::Square square;
    std::size_t i = open + 1;
    square.except = i < letters.size() && letters[i] == "^";
    if (square.except)
        ++i;
    for (; i < letters.size() && letters[i] != "]"; ++i) {
        if (!isAlphabetic(letters[i]))
            return at(i)
                + " stands in a class of letters, where only letters and a first \"^\" can";
        square.typed.push_back(letters[i]);
    }
    if (i == letters.size())
        return "the class of letters at " + at(open) + " has no \"]\"";
    if (square.typed.empty())
        return "the class of letters at " + at(open) + " names no letters";
    return std::pair(std::move(square), i);
}

} // namespace

bool WordPattern::Square::takes(const std::string &loose) const
{
    return (std::ranges::find(letters, loose) != letters.end()) != except;
}

std::optional<std::string> WordPattern::Square::fixed() const
{
    if (except || letters.size() != 1)
        return std::nullopt;
    return letters.front();
}

std::variant<WordPattern, std::string> WordPattern::parse(std::string_view text)
{
    const auto split = splitLetters(normalised(text).value_or(std::string()));
    if (!isValidUtf8(text) || !split)
        return std::string("it is not UTF-8 text");
    const std::vector<std::string> &letters = *split;
    WordPattern pattern;
    Place word;
    for (std::size_t i = 0; i <= letters.size(); ++i) {
        const std::string c = i < letters.size() ? letters[i] : " ";
        if (c == " ") {
            // Two spaces, or one at either end, would be a word of no letters.
            if (word.empty())
                return std::string(
                    text.empty() ? "it is empty" : "a space may only stand between two words");
            pattern.m_words.push_back(std::move(word));
            word.clear();
            if (pattern.m_words.size() > kMaxWords)
                return "it has more than " + std::to_string(kMaxWords) + " words";
        } else if (c == "?") {
            word.push_back({});
        } else if (c == "[") {
            auto square = parseClass(letters, i);
            if (auto *why = std::get_if<std::string>(&square))
                return std::move(*why);
            auto &[parsed, close] = std::get<0>(square);
            word.push_back(std::move(parsed));
            i = close;
        } else if (const auto read = GameLetters::ligatureLetters(c)) {
            // A ligature fills a square for each letter the checker reads it as.
            for (const std::string &letter : *read)
                word.push_back({ { letter }, {}, false });
        } else if (isAlphabetic(c)) {
            word.push_back({ { c }, {}, false });
        } else {
            return at(i)
                + " is none of a letter, \"?\", a class of letters in \"[]\" or a space "
                  "between words";
        }
        if (word.size() > LetterPool::kMaxTiles)
            return "a word has more than " + std::to_string(LetterPool::kMaxTiles) + " letters";
    }
    (void)pattern.bind(std::make_shared<const GameLetters>(std::string_view()));
    return pattern;
}

std::optional<std::string> WordPattern::bind(std::shared_ptr<const GameLetters> letters)
{
    m_letters = std::move(letters);
    m_fixed = {};
    for (Place &word : m_words) {
        for (Square &square : word) {
            square.letters.clear();
            for (const std::string &typed : square.typed) {
                auto loose = m_letters->looseLetter(typed);
                if (!loose)
                    return typed;
                if (std::ranges::find(square.letters, *loose) == square.letters.end())
                    square.letters.push_back(std::move(*loose));
            }
            const auto fixed = square.fixed();
            const std::uint64_t keys = fixed ? m_letters->keyLetters(*fixed) : 0;
            if (std::has_single_bit(keys))
                ++m_fixed[static_cast<std::size_t>(std::countr_zero(keys))];
        }
    }
    return std::nullopt;
}

std::size_t WordPattern::letters() const
{
    return std::accumulate(m_words.begin(), m_words.end(), std::size_t(0),
        [](std::size_t sum, const Place &word) { return sum + word.size(); });
}

std::vector<std::uint64_t> WordPattern::keySquares(std::size_t place) const
{
    std::vector<std::uint64_t> keys;
    for (const Square &square : m_words[place]) {
        std::uint64_t may = square.except ? m_letters->anyKeyLetter() : 0;
        // A letter left out may share its key letter with one that is not (ñ and n).
        if (!square.except) {
            for (const std::string &loose : square.letters)
                may |= m_letters->keyLetters(loose);
        }
        keys.push_back(may);
    }
    return keys;
}

std::vector<std::vector<std::uint64_t>> WordPattern::keySquares() const
{
    std::vector<std::vector<std::uint64_t>> places;
    for (std::size_t place = 0; place < m_words.size(); ++place)
        places.push_back(keySquares(place));
    return places;
}

LetterPool WordPattern::pool() const
{
    LetterPool pool;
    for (std::size_t place = 0; place < m_words.size(); ++place) {
        for (const std::uint64_t may : keySquares(place)) {
            for (std::size_t x = 0; x < kKeyLetters; ++x)
                pool.counts[x] = static_cast<std::uint8_t>(
                    std::min(255, pool.counts[x] + static_cast<int>(may >> x & 1)));
        }
    }
    return pool;
}

LetterPool WordPattern::givenPool() const
{
    LetterPool pool(m_fixed, 0);
    pool.blankKeys = 0;
    for (std::size_t place = 0; place < m_words.size(); ++place) {
        for (const std::uint64_t may : keySquares(place)) {
            if (std::popcount(may) != 1) {
                ++pool.blanks;
                pool.blankKeys |= may;
            }
        }
    }
    return pool;
}

bool WordPattern::fits(std::size_t place, const std::vector<std::string> &word) const
{
    const Place &want = m_words[place];
    if (word.size() != want.size())
        return false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (!want[i].takes(word[i]))
            return false;
    }
    return true;
}

bool WordPattern::fits(std::size_t place, std::string_view word) const
{
    return fits(place, m_letters->looseLetters(word));
}

std::uint32_t WordPattern::placesOf(std::string_view word) const
{
    const std::vector<std::string> loose = m_letters->looseLetters(word);
    std::uint32_t places = 0;
    for (std::size_t place = 0; place < m_words.size(); ++place) {
        if (fits(place, loose))
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
