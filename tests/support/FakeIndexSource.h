// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/IndexSource.h"

#include <memory>

// Serves one word index, or a refusal, for every dictionary; it may be
// still being built for the first few times it is asked.
class FakeIndexSource final : public IndexSource {
public:
    Offer indexFor(const std::filesystem::path &base, std::chrono::steady_clock::duration) override
    {
        asked = base;
        if (++offers <= pendingFor)
            return {};
        return { index, refusal, alphabet };
    }
    std::chrono::steady_clock::duration buildTimeLeft(const std::filesystem::path &) const override
    {
        return offers < pendingFor ? timeLeft : std::chrono::steady_clock::duration::zero();
    }

    std::shared_ptr<const FormSource> index;
    std::string refusal;
    std::shared_ptr<const Alphabet> alphabet; // none: every letter is one
    int pendingFor = 0;
    std::chrono::steady_clock::duration timeLeft = std::chrono::seconds(1);
    int offers = 0;
    std::filesystem::path asked;
};
