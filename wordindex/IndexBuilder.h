// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "letters/Alphabet.h"
#include "wordindex/FormSource.h"
#include "wordindex/WordIndex.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct WordIndexBuild {
    std::shared_ptr<const FormSource> forms; // nullptr when refused
    std::string refusal; // why the index cannot stand in for the checker
    // The letters its words are spelt with (see dictionaryAlphabet), also
    // when the index is refused; nothing when they could not be told.
    std::optional<Alphabet> alphabet;
};

// Whether to keep every form or the stems: chosen by the forms the words
// would have (more than kKeepFormsUpTo: stems), or as a test asks.
enum class IndexKind { Chosen, Forms, Stems };
inline constexpr std::size_t kKeepFormsUpTo = 1'500'000;

// The index of a dictionary from the text of its two files, read as the
// engine of the dialect reads them, and its alphabet, in the small letters
// of the language ("tr_TR": its dotted and dotless i). cancel, when set
// from another thread, ends the build with a refusal.
[[nodiscard]] WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr, IndexKind kind = IndexKind::Chosen,
    std::string_view language = {});

// The index of the dictionary at base (the path without .aff and .dic),
// whose file name names its language.
[[nodiscard]] WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base,
    Dialect dialect = Dialect::Nuspell, const ReadLimits &limits = {},
    const std::atomic<bool> *cancel = nullptr, IndexKind kind = IndexKind::Chosen);

// The index a block of memory holds, of either kind (an index of stems
// reads the affix file at base again); nothing, and why, when it is not one.
[[nodiscard]] std::shared_ptr<const FormSource> readWordIndex(std::vector<std::uint64_t> image,
    const std::filesystem::path &base, Dialect dialect, std::string *whyNot = nullptr,
    const ReadLimits &limits = {});
