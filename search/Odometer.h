// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Every spread of the typed letters over a candidate: the tokens of each key
// letter (byKey, sorted) over the places of that key letter in the
// candidate, each distinct order once. The key letters turn like the wheels
// of an odometer: the next one steps when the one before has gone round.
// placed holds each spread in turn when spread() is called.
template<typename Spread>
void forEachSpread(const std::array<std::string, kKeyLetters> &byKey,
    const std::vector<std::size_t> &present,
    const std::array<std::vector<std::size_t>, kKeyLetters> &places, std::string &placed,
    Spread &&spread)
{
    auto wheels = byKey;
    while (true) {
        for (const std::size_t x : present) {
            for (std::size_t k = 0; k < places[x].size(); ++k)
                placed[places[x][k]] = wheels[x][k];
        }
        spread();
        std::size_t d = 0;
        while (d < present.size() && !std::ranges::next_permutation(wheels[present[d]]).found)
            ++d;
        if (d == present.size())
            return;
    }
}
