// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spelling/KeptDictionary.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/FormSource.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

// The word index of a chosen dictionary, or why it has none.
struct LoadedIndex {
    std::shared_ptr<const FormSource> index; // nullptr when refused or cut short
    std::string refusal;
    // The letters of the dictionary's words; nullptr when not known.
    std::shared_ptr<const Alphabet> alphabet;
};

// About how long the index takes to be ready: read back from the cache, or
// built from the size of the word list. A short input is answered by trying
// its arrangements rather than wait for it.
[[nodiscard]] std::chrono::steady_clock::duration indexReadyIn(
    const KeptDictionary &kept, Engine engine);

// Reads the index the cache kept for the engine's reading of the dictionary
// at base, else builds it from the files (until cancel is set); kept learns
// what was built, to be written back. A kept index that cannot be read is
// said, and built again.
[[nodiscard]] LoadedIndex loadIndex(KeptDictionary &kept, const std::filesystem::path &base,
    Engine engine, const std::atomic<bool> &cancel,
    const std::function<void(const std::string &)> &tell);
