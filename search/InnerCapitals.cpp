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
    // Every form within the letters, for the spellings a form puts each
    // capital of in its place: most of a long word's are still no word.
    m_nodes.emplace_back();
    forEachKeyWithin(index, { LetterPool(countLetters(keys), 0), 0xff, 1, keys.size(), {} },
        [&](WordIndex::KeyId key, std::size_t) {
            const WordIndex::Forms forms = index.formsOf(key);
            for (std::size_t f = 0; f < forms.size(); ++f) {
                const std::string_view spelling = forms[f];
                std::uint32_t node = 0;
                for (const char c : spelling) {
                    const char small = asciiLower(c);
                    std::uint32_t next = childOf(node, small);
                    if (next == 0) {
                        next = static_cast<std::uint32_t>(m_nodes.size());
                        m_nodes.push_back({ 0, m_nodes[node].child, kNoText, small });
                        m_nodes[node].child = next;
                    }
                    node = next;
                }
                if (m_nodes[node].text == kNoText) {
                    m_nodes[node].text = static_cast<std::uint32_t>(m_texts.size());
                    m_texts.emplace_back();
                }
                Text &text = m_texts[m_nodes[node].text];
                if (std::ranges::none_of(spelling, capital)) {
                    text.small = true;
                    text.smallRoles |= forms.roles[f];
                } else {
                    text.cased.emplace_back(std::string(spelling), forms.roles[f]);
                }
            }
            return true;
        });
}

std::uint32_t InnerCapitals::childOf(std::uint32_t node, char letter) const
{
    for (std::uint32_t at = m_nodes[node].child; at != 0; at = m_nodes[at].sibling) {
        if (m_nodes[at].letter == letter)
            return at;
    }
    return 0;
}

void InnerCapitals::piecesIn(std::string_view candidate, std::vector<Piece> &pieces) const
{
    pieces.clear();
    for (std::size_t start = 0; start < candidate.size(); ++start) {
        std::uint32_t node = 0;
        for (std::size_t end = start; end < candidate.size(); ++end) {
            node = childOf(node, candidate[end]);
            if (node == 0)
                break;
            if (m_nodes[node].text != kNoText) {
                pieces.push_back({ static_cast<std::uint32_t>(start),
                    static_cast<std::uint32_t>(end + 1 - start), m_nodes[node].text });
            }
        }
    }
}

bool InnerCapitals::spelt(std::string_view cases, const std::vector<Piece> &pieces) const
{
    // Both engines join COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND parts
    // only (CompoundSettings::settlesByParts); the whole spelling may be
    // one form of any role.
    const std::size_t n = cases.size();
    std::vector<char> reached(n + 1, 0);
    reached[0] = 1;
    for (const Piece &piece : pieces) {
        const std::size_t start = piece.start;
        const std::size_t end = start + piece.length;
        if (end > n || !reached[start] || reached[end])
            continue;
        const std::uint8_t role = start == 0 ? (end == n ? std::uint8_t(0xff) : FormRole::Begin)
                                             : (end == n ? FormRole::End : FormRole::Middle);
        const std::string_view run = cases.substr(start, piece.length);
        const Text &text = m_texts[piece.text];
        bool fits = text.small && (text.smallRoles & role) != 0
            && std::ranges::find(run, 'A') == run.end();
        for (std::size_t c = 0; c < text.cased.size() && !fits; ++c) {
            const auto &[spelling, roles] = text.cased[c];
            if ((roles & role) == 0)
                continue;
            fits = true;
            for (std::size_t j = 0; j < run.size() && fits; ++j) {
                if (run[j] == 'A' || run[j] == 'a')
                    fits = capital(spelling[j]) == (run[j] == 'A');
            }
        }
        if (fits)
            reached[end] = 1;
    }
    return reached[n] != 0;
}
