// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/CompoundSettings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Every form a dictionary can spell, in key letters (wordforms/KeyLetters.h),
// filed under its key letters in lower case and in the order of their
// numbers (the key its anagrams share), with the roles its flags give it (a
// word alone, a part of a compound) and the dictionary's own spelling as far
// as the case of A to Z goes; and, for a form whose letters were folded into
// key letters, every own spelling of the dictionary's that it stands for
// (wordindex/OwnSpellings.h: côte and coté are two forms "cote"). The keys form a
// tree by their letters, so that every key made of some of a word's letters
// is found without trying the others.
//
// The index is one block of memory, the same as the file the cache keeps:
// read back, it is checked whole before any of it is used.
class WordIndex {
public:
    using NodeId = std::uint32_t;
    using KeyId = std::uint32_t;

    // The key letters of word in lower case, sorted: the key its anagrams share.
    [[nodiscard]] static std::string keyOf(std::string_view word);

    // An index of exactly these forms (in key letters; others are left
    // out), each with its roles; for tests and the word-game search.
    [[nodiscard]] static WordIndex fromForms(
        const std::vector<std::pair<std::string, std::uint8_t>> &forms,
        const CompoundSettings &settings = {});

    // The index a block of memory holds; nothing, and why in whyNot, when
    // the block is not one (damaged, cut short, of another version or byte order).
    [[nodiscard]] static std::optional<WordIndex> fromImage(
        std::vector<std::uint64_t> image, std::string *whyNot = nullptr);
    [[nodiscard]] const std::vector<std::uint64_t> &image() const { return *m_image; }

    // The key's forms, as the dictionary spells them, and their roles.
    struct Forms {
        std::string_view text; // the forms one after another, each keyLength long
        std::span<const std::uint8_t> roles;
        std::size_t keyLength = 0;
        std::uint32_t firstForm = 0;
        [[nodiscard]] std::size_t size() const { return roles.size(); }
        [[nodiscard]] std::string_view operator[](std::size_t i) const
        {
            return text.substr(i * keyLength, keyLength);
        }
    };
    [[nodiscard]] Forms formsFor(std::string_view key) const;
    [[nodiscard]] Forms formsOf(KeyId key) const;
    // The spellings of the forms' i-th form as the dictionary has them (NFC,
    // in its case: côte and coté of the form "cote"), each once, into out:
    // its own spellings kept, or its text, when that is its one spelling (a
    // form of letters a to z, and every form of an index made fromForms).
    // False, and out empty, when they are not kept: a form with a letter
    // filed under a key byte beyond a to z (Greek, Cyrillic, ł), whose
    // spellings the typed letters must be spread over.
    [[nodiscard]] bool spellingsOf(
        const Forms &forms, std::size_t i, std::vector<std::string> &out) const;
    // The letters the checker converts into one other as it reads a word
    // (ICONV), in UTF-8: from, to. A spelling with such a letter in the
    // place of the one it becomes is taken too.
    [[nodiscard]] const std::vector<std::pair<std::string, std::string>> &conversions() const
    {
        return m_conversions;
    }
    [[nodiscard]] std::size_t ownSpellingForms() const { return m_own.size(); }
    // The COMPOUNDRULE flags of a form with the role Rule or RuleLast.
    [[nodiscard]] std::uint64_t ruleFlags(std::uint32_t form) const;

    // The tree of keys: a node is a key's letters so far.
    [[nodiscard]] static NodeId root() { return 0; }
    [[nodiscard]] char letterOf(NodeId node) const;
    // The roles of every form of every key at or below the node.
    [[nodiscard]] std::uint8_t rolesBelow(NodeId node) const;
    [[nodiscard]] std::optional<KeyId> keyAt(NodeId node) const;
    // Calls visit(child) for each child, in alphabetical order.
    template<typename Visit> void forEachChild(NodeId node, Visit &&visit) const
    {
        const NodeId end = endOf(node);
        for (NodeId child = node + 1; child < end; child = endOf(child))
            visit(child);
    }

    [[nodiscard]] const CompoundSettings &compounds() const { return m_compounds; }
    [[nodiscard]] std::size_t formCount() const { return m_roles.size(); }
    [[nodiscard]] std::size_t keyCount() const
    {
        return m_keyForm.empty() ? 0 : m_keyForm.size() - 1;
    }
    [[nodiscard]] std::size_t nodeCount() const { return m_nodes.size(); }
    [[nodiscard]] std::size_t memoryBytes() const { return m_image->size() * 8; }

private:
    friend class WordIndexWriter;
    WordIndex() = default;
    [[nodiscard]] NodeId endOf(NodeId node) const;
    // The own spellings kept of a form, each ended by a NUL; empty when none are.
    [[nodiscard]] std::string_view ownSpellings(std::uint32_t form) const;
    // Points the spans into the image; false when its sections do not fit it.
    bool map(std::string *whyNot);
    [[nodiscard]] bool validate(std::string *whyNot) const;

    std::shared_ptr<const std::vector<std::uint64_t>> m_image;
    std::span<const std::uint64_t> m_nodes;
    std::span<const std::uint32_t> m_keyForm; // key k: forms m_keyForm[k] .. m_keyForm[k+1]
    std::span<const std::uint32_t> m_keyText; // key k: its forms' text from m_keyText[k]
    std::span<const std::uint8_t> m_roles;
    std::span<const std::uint64_t> m_rules; // pairs: form, flags; sorted by form
    std::string_view m_text;
    std::span<const std::uint64_t> m_own; // form << 32 | start in m_ownText; sorted
    std::string_view m_ownText;
    std::vector<std::pair<std::string, std::string>> m_conversions;
    CompoundSettings m_compounds;
};

// Writes an index's block of memory from its forms, given sorted by key:
// the sizes are counted first, so that the block is made once, at its size.
class WordIndexWriter {
public:
    struct Counts {
        std::size_t nodes = 1; // the root
        std::size_t keys = 0;
        std::size_t forms = 0;
        std::size_t textBytes = 0;
        std::size_t rules = 0;
        std::size_t ownForms = 0;
        std::size_t ownBytes = 0;
        std::vector<std::pair<std::string, std::string>> conversions;
        // Counts one more form, with ownBytes of own spellings; keys come in sorted order.
        void count(std::string_view previousKey, std::string_view key, bool hasRuleFlags,
            std::size_t ownBytes = 0);
    };
    WordIndexWriter(const Counts &counts, const CompoundSettings &settings);
    // own: the form's own spellings, each ended by a NUL; empty when its
    // text is its one spelling.
    void add(std::string_view key, std::string_view form, std::uint8_t roles,
        std::uint64_t ruleFlags, std::string_view own = {});
    [[nodiscard]] WordIndex finish();

private:
    void closeTo(std::size_t depth);

    std::vector<std::uint64_t> m_image;
    Counts m_counts;
    // Where the sections start, in words.
    std::size_t m_nodesAt = 0;
    std::size_t m_keyFormAt = 0;
    std::size_t m_keyTextAt = 0;
    std::size_t m_rolesAt = 0;
    std::size_t m_rulesAt = 0;
    std::size_t m_textAt = 0;
    std::size_t m_ownAt = 0;
    std::size_t m_ownTextAt = 0;
    std::size_t m_ownForms = 0;
    std::size_t m_ownBytes = 0;
    std::size_t m_nodes = 1;
    std::size_t m_keys = 0;
    std::size_t m_forms = 0;
    std::size_t m_text = 0;
    std::size_t m_rules = 0;
    std::string m_key; // the last key added
    std::vector<std::uint32_t> m_path; // the open nodes, the root first
    std::vector<std::uint8_t> m_pathRoles;
    WordIndex m_index;
};
