// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Enumerator.h"

#include <algorithm>
#include <cmath>
#include <numeric>

double fact(double x)
{
    double product = 1;
    for (double i = x; i >= 1; --i)
        product *= i;
    return product;
}

void resetletters(std::string &letters, std::span<const int> neworder)
{
    std::string copy = letters;
    for (std::size_t p = 0; p < letters.size(); ++p)
        copy[static_cast<std::size_t>(neworder[p])] = letters[p];
    letters = std::move(copy);
}

std::string reorder(std::string &letters, std::span<const int> offsets)
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
    : m_typed(letters)
    , m_offsets(letters.size(), 0)
    , m_levels(std::max<std::size_t>(
                   1, std::min(letters.size() - (letters.empty() ? 0 : 1), kKeptLevels))
              + 1,
          letters)
{
}

void Arrangements::rebuild()
{
    const std::size_t n = m_offsets.size();
    const std::size_t kept = m_levels.size() - 1;
    const auto rotate = [this](std::string &word, std::size_t i) {
        if (i >= m_offsets.size() || m_offsets[i] == 0)
            return;
        const auto first = word.begin();
        const auto last = first + static_cast<std::ptrdiff_t>(i + 1);
        std::rotate(first, last - m_offsets[i], last);
    };
    // The levels above the kept ones, folded into the top kept level.
    std::string &top = m_levels[kept];
    top = m_typed;
    for (std::size_t i = n - 1; i > kept && i < n; --i)
        rotate(top, i);
    rotate(top, kept);
    for (std::size_t i = kept - 1; i >= 1; --i) {
        m_levels[i] = m_levels[i + 1];
        rotate(m_levels[i], i);
    }
}

bool Arrangements::advance()
{
    const auto changed = advanceOffsets(m_offsets);
    if (!changed)
        return false;
    const std::size_t j = *changed;
    if (j >= m_levels.size()) {
        // A digit above the kept levels: only after 21! arrangements.
        rebuild();
        return true;
    }
    // Level j was level j+1 rotated by the old digit; one more place to the
    // right gives the new digit's rotation, so it is rotated where it stands.
    std::string &level = m_levels[j];
    const auto first = level.begin();
    const auto last = first + static_cast<std::ptrdiff_t>(j + 1);
    std::rotate(first, last - 1, last);
    // The digits below j are back to 0: their rotations change nothing, and
    // the levels below agree with level j past position j already.
    for (std::size_t k = j - 1; k >= 1; --k)
        std::copy(first, last, m_levels[k].begin());
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
    rebuild();
}
