// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/AffixFile.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// Every form a dictionary can spell with the letters a-z, in lower case,
// filed under its letters in alphabetical order: the forms made of exactly
// the typed letters are the only words a search can find.
class WordIndex {
public:
    // The letters of word in lower case, sorted: the key its anagrams share.
    [[nodiscard]] static std::string keyOf(std::string_view word);

    // An index of exactly these forms (lower case a-z; others are left out).
    [[nodiscard]] static WordIndex fromForms(std::vector<std::string> forms);

    // The forms filed under key, which keyOf() made.
    [[nodiscard]] std::vector<std::string_view> formsFor(std::string_view key) const;

    [[nodiscard]] std::size_t formCount() const { return m_formCount; }
    [[nodiscard]] std::size_t keyCount() const
    {
        return m_keyStart.empty() ? 0 : m_keyStart.size() - 1;
    }
    [[nodiscard]] std::size_t memoryBytes() const;

private:
    std::string m_keys; // every key, one after the other, in sorted order
    std::vector<std::uint32_t> m_keyStart; // key i is m_keys[m_keyStart[i], m_keyStart[i+1])
    std::string m_forms; // the forms of key i: m_forms from m_formStart[i], each as long as the key
    std::vector<std::uint32_t> m_formStart;
    std::size_t m_formCount = 0;
};

struct WordIndexBuild {
    std::shared_ptr<const WordIndex> index; // nullptr when refused
    std::string refusal; // why the index cannot stand in for the checker
};

// The index of a dictionary from the text of its two files.
[[nodiscard]] WordIndexBuild buildWordIndex(
    std::string_view affText, std::string_view dicText, const ReadLimits &limits = {});

// The index of the dictionary at base (the path without .aff and .dic).
[[nodiscard]] WordIndexBuild buildWordIndexFromFiles(
    const std::filesystem::path &base, const ReadLimits &limits = {});

// One index per dictionary file, built the first time it is asked for and
// built again when either file changes (path, size or time of change).
// Safe to use from several threads.
class WordIndexCache {
public:
    [[nodiscard]] WordIndexBuild get(const std::filesystem::path &base);

private:
    using Stamp
        = std::tuple<std::string, std::uintmax_t, std::int64_t, std::uintmax_t, std::int64_t>;
    std::mutex m_mutex;
    std::map<Stamp, WordIndexBuild> m_builds;
};
