// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/Alphabet.h"
#include "wordindex/FormSource.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

// Where the search gets the word index of the dictionary its checker
// answers from. Building one takes time: a caller may ask whether it is
// there yet, and wait for it, without blocking the window.
class IndexSource {
public:
    struct Offer {
        std::shared_ptr<const FormSource> index; // nullptr: none (yet)
        std::string refusal; // why there is none; empty while it is being built
        // The letters the dictionary's words are spelt with (see
        // dictionaryAlphabet); nullptr while pending, or when not known.
        std::shared_ptr<const Alphabet> alphabet;
        [[nodiscard]] bool pending() const { return !index && refusal.empty(); }
    };
    virtual ~IndexSource() = default;
    // The index for the dictionary at base, waiting at most the timeout for
    // one that is being built.
    [[nodiscard]] virtual Offer indexFor(
        const std::filesystem::path &base, std::chrono::steady_clock::duration wait)
        = 0;
    // About how long the index still takes to build; zero when it is there.
    [[nodiscard]] virtual std::chrono::steady_clock::duration buildTimeLeft(
        const std::filesystem::path &base) const = 0;
};
