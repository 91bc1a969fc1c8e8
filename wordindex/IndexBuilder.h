// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/AffixFile.h"
#include "wordindex/FormSource.h"
#include "wordindex/WordIndex.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct WordIndexBuild {
    std::shared_ptr<const FormSource> forms; // nullptr when refused
    std::string refusal; // why the index cannot stand in for the checker
};

// Whether to keep every form or the stems: chosen by the forms the words
// would have (more than kKeepFormsUpTo: stems), or as a test asks.
enum class IndexKind { Chosen, Forms, Stems };
inline constexpr std::size_t kKeepFormsUpTo = 1'500'000;

// More spellings of one form than this (each ICONV target character may be
// typed in more than one way) and the index is not trusted.
inline constexpr std::size_t kMaxSpellings = 64;

// One entry of a dictionary's word list as the engines read it: the word
// (which may hold blanks), then "/" and its flags, then morphological
// fields after a tab or after a blank before "xx:". "\/" is a slash in the
// word, and so is a slash that begins the line.
struct DicEntry {
    std::string word;
    std::string_view flags;
};
[[nodiscard]] DicEntry splitDicEntry(std::string_view line);
// Whether a line is the word count that begins a word list.
[[nodiscard]] bool isCountLine(std::string_view line);

// Calls visit(word, flags) for each word of a word list as the engines load
// it (ignored characters dropped; an entry with a blank also as its first
// word alone; a word with capitals inside also with only its first one)
// until it gives false. Gives why the list could not be read
// to its end by itself, or nothing.
using DicWordVisit = std::function<bool(std::u32string &word, const FlagList &flags)>;
[[nodiscard]] std::string forEachDicWord(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, const DicWordVisit &visit);

// How the index joins compounds, from the affix file.
[[nodiscard]] CompoundSettings compoundSettingsOf(const AffixFile &affixes);

// The index of a dictionary from the text of its two files, read as the
// engine of the dialect reads them. cancel, when set from another thread,
// ends the build with a refusal.
[[nodiscard]] WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr, IndexKind kind = IndexKind::Chosen);

// The index of the dictionary at base (the path without .aff and .dic).
[[nodiscard]] WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr, IndexKind kind = IndexKind::Chosen);

// The index a block of memory holds, of either kind (an index of stems
// reads the affix file at base again); nothing, and why, when it is not one.
[[nodiscard]] std::shared_ptr<const FormSource> readWordIndex(std::vector<std::uint64_t> image,
    const std::filesystem::path &base, Dialect dialect, std::string *whyNot = nullptr,
    const ReadLimits &limits = {});
