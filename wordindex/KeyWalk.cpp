// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/KeyWalk.h"

#include <algorithm>
#include <numeric>

namespace {

class Walk {
public:
    Walk(const WordIndex &index, const KeyFilter &filter,
        const std::function<bool(WordIndex::KeyId, std::size_t)> &visit)
        : m_index(index)
        , m_filter(filter)
        , m_left(filter.pool.counts)
        , m_blanks(filter.pool.blanks)
        , m_missing(filter.required)
        , m_missingCount(std::accumulate(m_missing.begin(), m_missing.end(), std::size_t(0)))
        , m_visit(visit)
    {
    }

    void run() { walk(WordIndex::root(), 0); }

private:
    void walk(WordIndex::NodeId node, std::size_t depth)
    {
        if (depth >= m_filter.maxLength)
            return;
        // Below a letter only it and later ones follow: past the first
        // required letter still missing, it will never come.
        const auto firstMissing = m_missingCount == 0
            ? m_missing.size()
            : static_cast<std::size_t>(std::ranges::find_if(m_missing, [](std::uint8_t n) {
                  return n != 0;
              }) - m_missing.begin());
        m_index.forEachChild(node, [&](WordIndex::NodeId child) {
            if (!m_going)
                return;
            const auto letter = static_cast<std::size_t>(keyLetterNumber(m_index.letterOf(child)));
            if ((m_index.rolesBelow(child) & m_filter.roles) == 0 || letter > firstMissing)
                return;
            const bool blank = m_left[letter] == 0;
            // A blank stands for a letter of the dictionary's alphabet only.
            if (blank && (m_blanks == 0 || !m_filter.pool.blankReaches(letter)))
                return;
            blank ? --m_blanks : --m_left[letter];
            const bool wanted = m_missing[letter] != 0;
            if (wanted) {
                --m_missing[letter];
                --m_missingCount;
            }
            visitKey(child, depth + 1);
            if (m_going)
                walk(child, depth + 1);
            if (wanted) {
                ++m_missing[letter];
                ++m_missingCount;
            }
            blank ? ++m_blanks : ++m_left[letter];
        });
    }

    void visitKey(WordIndex::NodeId node, std::size_t length)
    {
        const auto key = m_index.keyAt(node);
        if (!key || length < m_filter.minLength || m_missingCount != 0)
            return;
        const auto forms = m_index.formsOf(*key);
        const std::uint8_t roles = m_filter.roles;
        if (std::ranges::any_of(forms.roles, [roles](std::uint8_t r) { return r & roles; }))
            m_going = m_visit(*key, length);
    }

    const WordIndex &m_index;
    const KeyFilter &m_filter;
    LetterCounts m_left;
    std::size_t m_blanks;
    LetterCounts m_missing;
    std::size_t m_missingCount;
    const std::function<bool(WordIndex::KeyId, std::size_t)> &m_visit;
    bool m_going = true;
};

} // namespace

void forEachKeyWithin(const WordIndex &index, const KeyFilter &filter,
    const std::function<bool(WordIndex::KeyId, std::size_t)> &visit)
{
    Walk(index, filter, visit).run();
}
