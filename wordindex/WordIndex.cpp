// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/WordIndex.h"

#include "hunspellfiles/Reason.h"
#include "wordforms/LetterCounts.h"
#include "wordindex/IndexLayout.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace IndexLayout;

std::string WordIndex::keyOf(std::string_view word)
{
    // Sorted by the letters' numbers, as the tree holds them.
    LetterCounts counts = countLetters(word);
    std::string key;
    key.reserve(word.size());
    for (std::size_t letter = 0; letter < kKeyLetters; ++letter) {
        if (counts[letter] != 0)
            key.append(counts[letter], keyLetterByte(letter));
    }
    return key;
}

WordIndex WordIndex::fromForms(const std::vector<std::pair<std::string, std::uint8_t>> &forms,
    const CompoundSettings &settings)
{
    // Sorted as the builder sorts: by key, then the form in lower case, then as given.
    std::vector<std::tuple<std::string, std::string, std::size_t>> keyed;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const std::string &form = forms[i].first;
        if (!form.empty()
            && std::ranges::all_of(form, [](char c) { return keyLetterNumber(c) >= 0; }))
            keyed.emplace_back(keyOf(form), asciiLowered(form), i);
    }
    std::ranges::sort(keyed);
    keyed.erase(std::unique(keyed.begin(), keyed.end(),
                    [&forms](const auto &a, const auto &b) {
                        return forms[std::get<2>(a)].first == forms[std::get<2>(b)].first;
                    }),
        keyed.end());
    WordIndexWriter::Counts counts;
    std::string_view previous;
    for (const auto &[key, lower, i] : keyed) {
        counts.count(previous, key, false);
        previous = key;
    }
    WordIndexWriter writer(counts, settings);
    for (const auto &[key, lower, i] : keyed)
        writer.add(key, forms[i].first, forms[i].second, 0);
    return writer.finish();
}

WordIndex::NodeId WordIndex::endOf(NodeId node) const
{
    return static_cast<NodeId>(m_nodes[node] & kEndMask);
}

char WordIndex::letterOf(NodeId node) const
{
    const auto letter = (m_nodes[node] >> kLetterShift) & kLetterMask;
    return letter == 0 ? '\0' : keyLetterByte(letter - 1);
}

std::uint8_t WordIndex::rolesBelow(NodeId node) const
{
    return static_cast<std::uint8_t>((m_nodes[node] >> kRolesShift) & kRolesMask);
}

std::optional<WordIndex::KeyId> WordIndex::keyAt(NodeId node) const
{
    if (!(m_nodes[node] >> kTerminalShift))
        return std::nullopt;
    return static_cast<KeyId>((m_nodes[node] >> kKeysShift) & kKeysMask);
}

WordIndex::Forms WordIndex::formsOf(KeyId key) const
{
    const std::uint32_t first = m_keyForm[key];
    const std::uint32_t count = m_keyForm[key + 1] - first;
    const std::size_t bytes = m_keyText[key + 1] - m_keyText[key];
    return { m_text.substr(m_keyText[key], bytes), m_roles.subspan(first, count),
        count == 0 ? 0 : bytes / count, first };
}

WordIndex::Forms WordIndex::formsFor(std::string_view key) const
{
    if (key.empty() || m_nodes.empty())
        return {};
    NodeId node = root();
    for (const char c : key) {
        std::optional<NodeId> next;
        forEachChild(node, [&](NodeId child) {
            if (!next && letterOf(child) == c)
                next = child;
        });
        if (!next)
            return {};
        node = *next;
    }
    const auto id = keyAt(node);
    return id ? formsOf(*id) : Forms {};
}

std::uint64_t WordIndex::ruleFlags(std::uint32_t form) const
{
    std::size_t low = 0;
    std::size_t high = m_rules.size() / 2;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (m_rules[middle * 2] < form)
            low = middle + 1;
        else
            high = middle;
    }
    return low < m_rules.size() / 2 && m_rules[low * 2] == form ? m_rules[low * 2 + 1] : 0;
}

std::string_view WordIndex::ownSpellings(std::uint32_t form) const
{
    const auto at = std::ranges::lower_bound(
        m_own, form, {}, [](std::uint64_t entry) { return std::uint32_t(entry >> 32); });
    if (at == m_own.end() || (*at >> 32) != form)
        return {};
    const std::size_t start = *at & 0xFFFF'FFFFu;
    const std::size_t end = at + 1 == m_own.end() ? m_ownText.size() : (at[1] & 0xFFFF'FFFFu);
    return m_ownText.substr(start, end - start);
}

bool WordIndex::spellingsOf(const Forms &forms, std::size_t i, std::vector<std::string> &out) const
{
    out.clear();
    const std::string_view own = ownSpellings(forms.firstForm + static_cast<std::uint32_t>(i));
    if (own.empty()) {
        const std::string_view text = forms[i];
        if (std::ranges::any_of(
                text, [](char c) { return keyLetterNumber(c) >= int(kAsciiKeyLetters); }))
            return false;
        out.emplace_back(text);
        return true;
    }
    for (std::size_t at = 0; at < own.size();) {
        const std::size_t end = own.find('\0', at);
        out.emplace_back(own.substr(at, end - at));
        at = end + 1;
    }
    return true;
}

std::optional<WordIndex> WordIndex::fromImage(std::vector<std::uint64_t> image, std::string *whyNot)
{
    WordIndex index;
    index.m_image = std::make_shared<const std::vector<std::uint64_t>>(std::move(image));
    if (!index.map(whyNot) || !index.validate(whyNot))
        return std::nullopt;
    return index;
}

bool WordIndex::map(std::string *whyNot)
{
    const auto fail = [whyNot](const char *why) {
        if (whyNot)
            *whyNot = why;
        return false;
    };
    const std::vector<std::uint64_t> &image = *m_image;
    const auto sections = Sections::of(image);
    if (!sections)
        return fail(Reason::mark("it is not a word index of this version"));
    const auto bytes = [&image](std::size_t word) {
        return reinterpret_cast<const std::uint8_t *>(image.data() + word);
    };
    const Sections &s = *sections;
    m_nodes = { image.data() + s.nodes, s.counts.nodes };
    m_keyForm = { reinterpret_cast<const std::uint32_t *>(bytes(s.keyForm)), s.counts.keys + 1 };
    m_keyText = { reinterpret_cast<const std::uint32_t *>(bytes(s.keyText)), s.counts.keys + 1 };
    m_roles = { bytes(s.roles), s.counts.forms };
    m_rules = { image.data() + s.rules, s.counts.rules * 2 };
    m_text = { reinterpret_cast<const char *>(bytes(s.text)), s.counts.textBytes };
    m_own = { image.data() + s.own, s.counts.ownForms };
    m_ownText = { reinterpret_cast<const char *>(bytes(s.ownText)), s.counts.ownBytes };
    auto conversions = readConversions(
        { reinterpret_cast<const char *>(bytes(s.conversions)), s.counts.conversionBytes });
    if (!conversions)
        return fail(Reason::mark("its sections do not agree"));
    m_conversions = std::move(*conversions);
    const auto settings = readSettings(
        { reinterpret_cast<const char *>(bytes(s.settings)), s.counts.settingsBytes });
    if (!settings)
        return fail(Reason::mark("its compound settings are damaged"));
    m_compounds = *settings;
    return true;
}

bool WordIndex::validate(std::string *whyNot) const
{
    const auto fail = [whyNot](const char *why) {
        if (whyNot)
            *whyNot = why;
        return false;
    };
    const std::size_t nodes = m_nodes.size();
    const std::size_t keys = keyCount();
    if (nodes == 0 || endOf(0) != nodes || letterOf(0) != '\0' || m_keyForm[0] != 0
        || m_keyText[0] != 0 || m_keyForm[keys] != m_roles.size()
        || m_keyText[keys] != m_text.size())
        return fail(Reason::mark("its sections do not agree"));
    // One pass over the tree in its order checks that every node lies
    // inside its parent, that the keys are counted as they come, and that
    // each key's forms are made of the key's letters.
    std::vector<NodeId> parents { 0 };
    std::array<std::uint32_t, kKeyLetters> counts {};
    std::string path;
    std::size_t seen = 0;
    for (NodeId node = 1; node < nodes; ++node) {
        while (parents.size() > 1 && endOf(parents.back()) <= node) {
            --counts[static_cast<std::size_t>(keyLetterNumber(path.back()))];
            path.pop_back();
            parents.pop_back();
        }
        const char letter = letterOf(node);
        const std::uint64_t keysBefore = (m_nodes[node] >> kKeysShift) & kKeysMask;
        if (keyLetterNumber(letter) < 0 || endOf(node) <= node
            || endOf(node) > endOf(parents.back()) || keysBefore != seen)
            return fail(Reason::mark("its tree of keys is damaged"));
        path.push_back(letter);
        ++counts[static_cast<std::size_t>(keyLetterNumber(letter))];
        parents.push_back(node);
        if (!keyAt(node))
            continue;
        if (++seen > keys || m_keyForm[seen] <= m_keyForm[seen - 1]
            || m_keyForm[seen] > m_roles.size() || m_keyText[seen] < m_keyText[seen - 1]
            || m_keyText[seen] - m_keyText[seen - 1]
                != std::size_t(m_keyForm[seen] - m_keyForm[seen - 1]) * path.size()
            || m_keyText[seen] > m_text.size())
            return fail(Reason::mark("its keys do not match their forms"));
        const std::string_view text
            = m_text.substr(m_keyText[seen - 1], m_keyText[seen] - m_keyText[seen - 1]);
        for (std::size_t at = 0; at < text.size(); at += path.size()) {
            std::array<std::uint32_t, kKeyLetters> letters {};
            for (const char c : text.substr(at, path.size())) {
                const int number = keyLetterNumber(c);
                if (number < 0)
                    return fail(Reason::mark("a form holds other characters than letters"));
                ++letters[static_cast<std::size_t>(number)];
            }
            if (letters != counts)
                return fail(Reason::mark("a form is not made of its key's letters"));
        }
    }
    if (seen != keys)
        return fail(Reason::mark("its keys do not match their forms"));
    for (std::size_t i = 0; i < m_rules.size(); i += 2) {
        if (m_rules[i] >= m_roles.size() || (i > 0 && m_rules[i] <= m_rules[i - 2]))
            return fail(Reason::mark("its compound rule flags are damaged"));
    }
    // Each form's own spellings: forms in order, lists one after another
    // from the start, each whole UTF-8 spellings.
    std::size_t ownEnd = 0;
    for (std::size_t i = 0; i < m_own.size(); ++i) {
        const std::uint64_t form = m_own[i] >> 32;
        const std::size_t start = m_own[i] & 0xFFFF'FFFFu;
        const std::size_t end
            = i + 1 == m_own.size() ? m_ownText.size() : (m_own[i + 1] & 0xFFFF'FFFFu);
        if (form >= m_roles.size() || (i > 0 && form <= (m_own[i - 1] >> 32)) || start != ownEnd
            || end <= start || end > m_ownText.size()
            || !spellingList(m_ownText.substr(start, end - start)))
            return fail(Reason::mark("its sections do not agree"));
        ownEnd = end;
    }
    if (ownEnd != m_ownText.size())
        return fail(Reason::mark("its sections do not agree"));
    return true;
}
