// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"

#include "letters/Letters.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

bool oneByteEach(const std::string &text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string joined(const std::vector<std::string> &letters)
{
    std::string out;
    for (const std::string &letter : letters)
        out += letter;
    return out;
}

} // namespace

double fact(double x)
{
    double product = 1;
    for (double i = x; i >= 1; --i)
        product *= i;
    return product;
}

std::vector<std::string> lettersOf(const std::string &text)
{
    if (!oneByteEach(text)) {
        thread_local LetterSplitter splitter;
        if (auto letters = splitter.split(text))
            return std::move(*letters);
    }
    std::vector<std::string> bytes;
    bytes.reserve(text.size());
    for (const char c : text)
        bytes.emplace_back(1, c);
    return bytes;
}

std::size_t letterCount(const std::string &text)
{
    return oneByteEach(text) ? text.size() : lettersOf(text).size();
}

void resetletters(std::vector<std::string> &letters, std::span<const int> neworder)
{
    std::vector<std::string> copy = letters;
    for (std::size_t p = 0; p < letters.size(); ++p)
        copy[static_cast<std::size_t>(neworder[p])] = letters[p];
    letters = std::move(copy);
}

void resetletters(std::string &letters, std::span<const int> neworder)
{
    std::vector<std::string> each = lettersOf(letters);
    resetletters(each, neworder);
    letters = joined(each);
}

std::string reorder(std::vector<std::string> &letters, std::span<const int> offsets)
{
    const int n = static_cast<int>(letters.size());
    std::vector<int> order(letters.size());
    for (int i = n - 1; i >= 0; --i) {
        std::iota(order.begin(), order.end(), 0);
        for (int k = 0; k <= i; ++k) {
            order[k] = k + offsets[i];
            if (order[k] > i)
                order[k] -= i + 1;
        }
        resetletters(letters, order);
    }
    return joined(letters);
}

std::string reorder(std::string &letters, std::span<const int> offsets)
{
    std::vector<std::string> each = lettersOf(letters);
    letters = reorder(each, offsets);
    return letters;
}

std::optional<std::size_t> advanceOffsets(std::vector<int> &offsets)
{
    std::size_t j = 0;
    while (j < offsets.size() && offsets[j] == static_cast<int>(j))
        ++j;
    if (j == offsets.size())
        return std::nullopt;
    ++offsets[j];
    std::fill_n(offsets.begin(), j, 0);
    return j;
}

Arrangements::Arrangements(const std::string &letters)
{
    const auto levelsOf = [](auto typed) {
        using Word = decltype(typed);
        const std::size_t n = typed.size();
        return Levels<Word> { typed,
            std::vector<Word>(
                std::max<std::size_t>(1, std::min(n - (n == 0 ? 0 : 1), kKeptLevels)) + 1, typed) };
    };
    if (oneByteEach(letters)) {
        m_offsets.assign(letters.size(), 0);
        m_walk = levelsOf(letters);
        return;
    }
    // Each different letter a number, in the order they first come.
    std::map<std::string, char32_t> numbers;
    std::u32string typed;
    for (std::string &letter : lettersOf(letters)) {
        const auto [at, added] = numbers.emplace(letter, char32_t(m_letters.size()));
        if (added)
            m_letters.push_back(std::move(letter));
        typed.push_back(at->second);
    }
    m_offsets.assign(typed.size(), 0);
    m_walk = levelsOf(std::move(typed));
    spell();
}

const std::string &Arrangements::current() const
{
    if (const auto *bytes = std::get_if<Levels<std::string>>(&m_walk))
        return bytes->levels[1];
    return m_spelt;
}

void Arrangements::spell()
{
    const auto &walk = std::get<Levels<std::u32string>>(m_walk);
    m_spelt.clear();
    for (const char32_t number : walk.levels[1])
        m_spelt += m_letters[number];
}

template<typename Word> void Arrangements::rebuild(Levels<Word> &walk)
{
    const std::size_t n = m_offsets.size();
    const std::size_t kept = walk.levels.size() - 1;
    const auto rotate = [this](Word &word, std::size_t i) {
        if (i >= m_offsets.size() || m_offsets[i] == 0)
            return;
        const auto first = word.begin();
        const auto last = first + static_cast<std::ptrdiff_t>(i + 1);
        std::rotate(first, last - m_offsets[i], last);
    };
    // The levels above the kept ones, folded into the top kept level.
    Word &top = walk.levels[kept];
    top = walk.typed;
    for (std::size_t i = n - 1; i > kept && i < n; --i)
        rotate(top, i);
    rotate(top, kept);
    for (std::size_t i = kept - 1; i >= 1; --i) {
        walk.levels[i] = walk.levels[i + 1];
        rotate(walk.levels[i], i);
    }
}

template<typename Word> void Arrangements::step(Levels<Word> &walk, std::size_t j)
{
    if (j >= walk.levels.size()) {
        // A digit above the kept levels: only after 21! arrangements.
        rebuild(walk);
        return;
    }
    // Level j was level j+1 rotated by the old digit; one more place to the
    // right gives the new digit's rotation, so it is rotated where it stands.
    Word &level = walk.levels[j];
    const auto first = level.begin();
    const auto last = first + static_cast<std::ptrdiff_t>(j + 1);
    std::rotate(first, last - 1, last);
    // The digits below j are back to 0: their rotations change nothing, and
    // the levels below agree with level j past position j already.
    for (std::size_t k = j - 1; k >= 1; --k)
        std::copy(first, last, walk.levels[k].begin());
}

bool Arrangements::advance()
{
    const auto changed = advanceOffsets(m_offsets);
    if (!changed)
        return false;
    std::visit([&](auto &walk) { step(walk, *changed); }, m_walk);
    if (!m_letters.empty())
        spell();
    return true;
}

void Arrangements::seek(double counter)
{
    const std::size_t n = m_offsets.size();
    // Digit j of the counter in the factorial number system; once j! is
    // beyond the counter every digit is 0.
    double placeValue = 1; // j!
    for (std::size_t j = 1; j < n; ++j) {
        placeValue *= static_cast<double>(j);
        m_offsets[j] = placeValue > counter
            ? 0
            : static_cast<int>(
                std::fmod(std::floor(counter / placeValue), static_cast<double>(j + 1)));
    }
    std::visit([&](auto &walk) { rebuild(walk); }, m_walk);
    if (!m_letters.empty())
        spell();
}
