// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/IndexSource.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

// How often a request that waits for the dictionary's index looks again.
inline constexpr auto kIndexWaitSlice = std::chrono::milliseconds(5);

// The word index of the dictionary at base, waited for a slice at a time
// while it is being built or read. Before each slice keepWaiting is told
// about how long the index still takes, and gives false to stop waiting:
// the offer is then still pending.
[[nodiscard]] IndexSource::Offer waitForIndex(IndexSource &indexes,
    const std::filesystem::path &base, std::chrono::steady_clock::duration slice,
    const std::function<bool(std::chrono::steady_clock::duration left)> &keepWaiting);

// As waitForIndex for a search that may try every arrangement instead:
// it stops waiting, with why in fallback, once trying them (enumeration,
// in microseconds) is quicker than the index's time left, and when going
// says so, with stopped set.
[[nodiscard]] IndexSource::Offer waitUnlessQuicker(IndexSource &indexes,
    const std::filesystem::path &base, std::chrono::steady_clock::duration slice,
    double enumeration, const std::function<bool()> &going, std::string &fallback, bool &stopped);
