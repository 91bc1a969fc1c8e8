// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a loose search shares each typed letter's count out among the key
// letters the index files the letters it stands for under: each share is
// looked up in the index on its own.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A typed letter: the letters it stands for, grouped by the key letter
// the index files each under (one group but for a letter that folds into
// one filed apart, as a Hebrew final form into its letter), and how often
// it was typed.
struct TypedLetter {
    std::vector<std::pair<char, std::vector<std::string>>> groups;
    std::size_t count = 0;
};

// The most ways of sharing letters out among their key letters that are
// each looked up in the index.
constexpr std::size_t kMostShares = 256;

// Every way of sharing each typed letter's count out among its groups,
// given to visit as each group's count (for the letters in turn, their
// groups in turn); false when there are more than limit ways (none
// visited), or visit said to stop.
[[nodiscard]] bool forEachShare(const std::vector<TypedLetter> &typed, std::size_t limit,
    const std::function<bool(const std::vector<std::vector<std::size_t>> &)> &visit);
