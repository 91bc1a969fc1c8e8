// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexWait.h"

IndexSource::Offer waitForIndex(IndexSource &indexes, const std::filesystem::path &base,
    std::chrono::steady_clock::duration slice,
    const std::function<bool(std::chrono::steady_clock::duration left)> &keepWaiting)
{
    IndexSource::Offer offer = indexes.indexFor(base, {});
    while (offer.pending() && keepWaiting(indexes.buildTimeLeft(base)))
        offer = indexes.indexFor(base, slice);
    return offer;
}
