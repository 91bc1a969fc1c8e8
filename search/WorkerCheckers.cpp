// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/WorkerCheckers.h"

#include <algorithm>
#include <thread>

std::vector<std::unique_ptr<SpellChecker>> workerCheckers(
    SpellChecker &checker, unsigned threads, CallerAsks caller)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    const unsigned own = caller == CallerAsks::Yes ? 1 : 0;
    std::vector<std::unique_ptr<SpellChecker>> clones;
    while (threads > 1 && clones.size() + own < threads) {
        auto clone = checker.cloneForThread();
        if (!clone)
            break;
        clones.push_back(std::move(clone));
    }
    if (clones.size() + own < 2)
        clones.clear();
    return clones;
}
