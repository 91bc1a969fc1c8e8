// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "search/WordList.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <optional>
#include <string_view>

// More questions than this and the index is no quicker than it is worth.
inline constexpr std::size_t kMaxArrangementsTried = 1'000'000;

// The word list that a run over every arrangement of letters would give,
// found without the enumeration: the index names the candidate words, the
// checker judges each arrangement of the typed characters (case as typed)
// that spells one, and each word keeps the arrangement that the enumeration
// would have reached first, in the order it would have reached them.
// Nothing when the letters are not all a-z/A-Z, or when more than
// maxArrangements questions would be needed: the caller then enumerates.
[[nodiscard]] std::optional<WordList> indexedSearch(std::string_view letters,
    const WordIndex &index, SpellChecker &checker,
    std::size_t maxArrangements = kMaxArrangementsTried);
