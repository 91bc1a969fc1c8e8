// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/LetterCounts.h"
#include "wordindex/IndexLayout.h"
#include "wordindex/WordIndex.h"

#include <cstring>

using namespace IndexLayout;

namespace {

std::size_t commonPrefix(std::string_view a, std::string_view b)
{
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

} // namespace

void WordIndexWriter::Counts::count(
    std::string_view previousKey, std::string_view key, bool hasRuleFlags, std::size_t own)
{
    ownForms += own != 0;
    ownBytes += own;
    if (keys == 0 || key != previousKey) {
        ++keys;
        nodes += key.size() - (keys == 1 ? 0 : commonPrefix(previousKey, key));
    }
    ++forms;
    textBytes += key.size();
    rules += hasRuleFlags;
}

WordIndexWriter::WordIndexWriter(const Counts &counts, const CompoundSettings &settings)
    : m_counts(counts)
{
    const std::string settingsBytes = writeSettings(settings);
    const std::string conversionBytes = writeConversions(counts.conversions);
    auto sections = Sections::layout(
        { counts.nodes, counts.keys, counts.forms, counts.rules, counts.textBytes,
            settingsBytes.size(), counts.ownForms, counts.ownBytes, conversionBytes.size() });
    if (!sections) {
        // Past what the layout holds (the builder's limits come first): an
        // index of nothing, so that every search enumerates.
        m_counts = {};
        sections = Sections::layout({ 1, 0, 0, 0, 0, settingsBytes.size(), 0, 0, 0 });
    }
    m_nodesAt = sections->nodes;
    m_keyFormAt = sections->keyForm;
    m_keyTextAt = sections->keyText;
    m_rolesAt = sections->roles;
    m_rulesAt = sections->rules;
    m_textAt = sections->text;
    m_ownAt = sections->own;
    m_ownTextAt = sections->ownText;
    m_image.assign(sections->total, 0);
    m_image[0] = kMagic;
    m_image[1] = kVersion;
    m_image[2] = m_counts.nodes;
    m_image[3] = m_counts.keys;
    m_image[4] = m_counts.forms;
    m_image[5] = m_counts.rules;
    m_image[6] = m_counts.textBytes;
    m_image[7] = settingsBytes.size();
    m_image[8] = m_counts.ownForms;
    m_image[9] = m_counts.ownBytes;
    m_image[10] = sections->counts.conversionBytes;
    std::memcpy(m_image.data() + sections->settings, settingsBytes.data(), settingsBytes.size());
    std::memcpy(m_image.data() + sections->conversions, conversionBytes.data(),
        sections->counts.conversionBytes);
    m_path.push_back(0);
    m_pathRoles.push_back(0);
    m_index.m_compounds = settings;
}

void WordIndexWriter::closeTo(std::size_t depth)
{
    while (m_path.size() > depth + 1) {
        const std::uint32_t node = m_path.back();
        const std::uint8_t roles = m_pathRoles.back();
        m_image[m_nodesAt + node] |= m_nodes | ((roles & kRolesMask) << kRolesShift);
        m_path.pop_back();
        m_pathRoles.pop_back();
        m_pathRoles.back() |= roles;
    }
}

void WordIndexWriter::add(std::string_view key, std::string_view form, std::uint8_t roles,
    std::uint64_t ruleFlags, std::string_view own)
{
    // Forms past what was counted would not fit; the counts come from the
    // same forms, so this only guards against a caller's mistake.
    const bool newKey = m_keys == 0 || key != m_key;
    const std::size_t shared = m_keys == 0 ? 0 : commonPrefix(m_key, key);
    if (m_forms >= m_counts.forms || m_text + form.size() > m_counts.textBytes
        || form.size() != key.size() || m_rules + (ruleFlags != 0) > m_counts.rules
        || m_ownForms + !own.empty() > m_counts.ownForms
        || m_ownBytes + own.size() > m_counts.ownBytes
        || (newKey && (m_keys >= m_counts.keys || m_nodes + key.size() - shared > m_counts.nodes)))
        return;
    auto *keyForm = reinterpret_cast<std::uint32_t *>(m_image.data() + m_keyFormAt);
    auto *keyText = reinterpret_cast<std::uint32_t *>(m_image.data() + m_keyTextAt);
    if (newKey) {
        closeTo(shared);
        for (std::size_t depth = shared; depth < key.size(); ++depth) {
            const auto letter = static_cast<std::uint64_t>(keyLetterNumber(key[depth])) + 1;
            m_image[m_nodesAt + m_nodes] = (std::uint64_t(m_keys) << kKeysShift)
                | (letter << kLetterShift)
                | (depth + 1 == key.size() ? std::uint64_t(1) << kTerminalShift : 0);
            m_path.push_back(static_cast<std::uint32_t>(m_nodes++));
            m_pathRoles.push_back(0);
        }
        keyForm[m_keys] = static_cast<std::uint32_t>(m_forms);
        keyText[m_keys] = static_cast<std::uint32_t>(m_text);
        ++m_keys;
        m_key = key;
    }
    m_pathRoles.back() |= roles;
    reinterpret_cast<std::uint8_t *>(m_image.data() + m_rolesAt)[m_forms] = roles;
    if (ruleFlags != 0) {
        m_image[m_rulesAt + m_rules * 2] = m_forms;
        m_image[m_rulesAt + m_rules * 2 + 1] = ruleFlags;
        ++m_rules;
    }
    if (!own.empty()) {
        m_image[m_ownAt + m_ownForms++] = (std::uint64_t(m_forms) << 32) | m_ownBytes;
        std::memcpy(reinterpret_cast<char *>(m_image.data() + m_ownTextAt) + m_ownBytes, own.data(),
            own.size());
        m_ownBytes += own.size();
    }
    std::memcpy(
        reinterpret_cast<char *>(m_image.data() + m_textAt) + m_text, form.data(), form.size());
    m_text += form.size();
    ++m_forms;
}

WordIndex WordIndexWriter::finish()
{
    closeTo(0);
    // The root: the whole tree below it.
    m_image[m_nodesAt] = m_nodes | ((m_pathRoles.front() & kRolesMask) << kRolesShift);
    auto *keyForm = reinterpret_cast<std::uint32_t *>(m_image.data() + m_keyFormAt);
    auto *keyText = reinterpret_cast<std::uint32_t *>(m_image.data() + m_keyTextAt);
    keyForm[m_keys] = static_cast<std::uint32_t>(m_forms);
    keyText[m_keys] = static_cast<std::uint32_t>(m_text);
    m_index.m_image = std::make_shared<const std::vector<std::uint64_t>>(std::move(m_image));
    m_index.map(nullptr);
    return std::move(m_index);
}
