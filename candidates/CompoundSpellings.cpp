// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSpellings.h"

#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The roles a part may have where it stands.
std::uint8_t rolesAt(bool first, bool last)
{
    if (first)
        return FormRole::Begin | FormRole::Rule;
    return last ? FormRole::End | FormRole::Rule | FormRole::RuleLast
                : FormRole::Middle | FormRole::Rule;
}

// A spelling without its first letter (one UTF-8 sequence).
std::string withoutFirst(const std::string &spelling)
{
    std::size_t at = 1;
    while (at < spelling.size() && (static_cast<unsigned char>(spelling[at]) & 0xC0) == 0x80)
        ++at;
    return spelling.substr(std::min(at, spelling.size()));
}

class Splitter {
public:
    Splitter(const WordIndex &index, std::string_view word, std::size_t most)
        : m_index(index)
        , m_word(word)
        , m_most(most)
        , m_dead(2 * word.size() + 2, false)
    {
    }

    CompoundSplits run()
    {
        const CompoundSettings &settings = m_index.compounds();
        // Where a rule may put other letters at a boundary, the word's own
        // letters do not tell all its parts.
        m_result.whole = settings.replacements.empty();
        split(0, false);
        return std::move(m_result);
    }

private:
    // Splits the word from at on; lent: the part there begins with the last
    // letter before it. Whether some split ends; one that cannot from a place
    // is not tried from there again.
    bool split(std::size_t at, bool lent)
    {
        const std::size_t place = 2 * at + (lent ? 1 : 0);
        if (m_dead[place] || m_result.splits.size() >= m_most)
            return false;
        bool any = false;
        const CompoundSettings &settings = m_index.compounds();
        const std::size_t from = lent ? at - 1 : at;
        for (std::size_t end = at + 1; end <= m_word.size(); ++end) {
            if (end - from < settings.minPart)
                continue;
            const bool first = m_parts.empty();
            const bool last = end == m_word.size();
            if (first && last)
                continue;
            std::vector<std::string> spellings;
            if (!spellingsOf(m_word.substr(from, end - from), rolesAt(first, last), spellings))
                continue;
            if (lent) {
                for (std::string &spelling : spellings)
                    spelling = withoutFirst(spelling);
            }
            m_parts.push_back({ std::string(m_word.substr(at, end - at)), std::move(spellings) });
            if (last) {
                any = true;
                if (m_result.splits.size() >= m_most)
                    m_result.whole = false;
                else
                    m_result.splits.push_back(m_parts);
            } else {
                any = split(end, false) || any;
                // Schiff|fahrt written Schiffahrt: the next part begins with
                // this one's doubled last letter.
                if (settings.simplifiedTriple && end - at >= 2
                    && m_word[end - 1] == m_word[end - 2])
                    any = split(end, true) || any;
            }
            m_parts.pop_back();
        }
        // A place left early for the number of splits found is not dead.
        if (!any && m_result.splits.size() < m_most)
            m_dead[place] = true;
        return any;
    }

    // The own spellings of the piece's forms with some of the roles; false
    // when it has none, or (whole turns false) when they are not kept.
    bool spellingsOf(std::string_view piece, std::uint8_t roles, std::vector<std::string> &out)
    {
        const auto forms = m_index.formsFor(WordIndex::keyOf(piece));
        std::vector<std::string> own;
        for (std::size_t f = 0; f < forms.size(); ++f) {
            if (!(forms.roles[f] & roles) || asciiLowered(forms[f]) != piece)
                continue;
            if (!m_index.spellingsOf(forms, f, own)) {
                m_result.whole = false;
                continue;
            }
            for (std::string &spelling : own) {
                if (std::ranges::find(out, spelling) == out.end())
                    out.push_back(std::move(spelling));
            }
        }
        return !out.empty();
    }

    const WordIndex &m_index;
    std::string_view m_word;
    std::size_t m_most;
    std::vector<PartSpellings> m_parts;
    std::vector<bool> m_dead; // by place: 2 * letter, + 1 where lent
    CompoundSplits m_result;
};

} // namespace

CompoundSplits compoundSplits(const WordIndex &index, std::string_view word, std::size_t mostSplits)
{
    return Splitter(index, word, mostSplits).run();
}

bool joinedSpellings(
    const CompoundSplits &splits, std::size_t mostSpellings, std::vector<std::string> &out)
{
    out.clear();
    std::unordered_set<std::string> seen;
    for (const auto &split : splits.splits) {
        std::vector<std::size_t> choice(split.size(), 0);
        while (true) {
            std::string joined;
            for (std::size_t p = 0; p < split.size(); ++p)
                joined += split[p].spellings[choice[p]];
            if (seen.insert(joined).second) {
                if (out.size() >= mostSpellings)
                    return false;
                out.push_back(std::move(joined));
            }
            // The next combination: an odometer over the parts.
            std::size_t p = 0;
            while (p < split.size() && ++choice[p] == split[p].spellings.size())
                choice[p++] = 0;
            if (p == split.size())
                break;
        }
    }
    return splits.whole;
}
