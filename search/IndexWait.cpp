// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/IndexWait.h"

#include <QCoreApplication>

IndexSource::Offer waitForIndex(IndexSource &indexes, const std::filesystem::path &base,
    std::chrono::steady_clock::duration slice,
    const std::function<bool(std::chrono::steady_clock::duration left)> &keepWaiting)
{
    IndexSource::Offer offer = indexes.indexFor(base, {});
    while (offer.pending() && keepWaiting(indexes.buildTimeLeft(base)))
        offer = indexes.indexFor(base, slice);
    return offer;
}

IndexSource::Offer waitUnlessQuicker(IndexSource &indexes, const std::filesystem::path &base,
    std::chrono::steady_clock::duration slice, double enumeration,
    const std::function<bool()> &going, std::string &fallback, bool &stopped)
{
    return waitForIndex(indexes, base, slice, [&](std::chrono::steady_clock::duration left) {
        if (enumeration < static_cast<double>(
                std::chrono::duration_cast<std::chrono::microseconds>(left).count())) {
            fallback = QT_TRANSLATE_NOOP("Reason",
                "the word index is still being built or read, and trying every arrangement "
                "is quicker");
            return false;
        }
        stopped = !going();
        return !stopped;
    });
}
