// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LooseShares.h"

namespace {

// Every way of putting count letters into groups places, each as how many
// go to each place; at most limit of them (one more when there are more).
void sharesOf(std::size_t count, std::size_t groups, std::size_t limit,
    std::vector<std::size_t> &share, std::vector<std::vector<std::size_t>> &out)
{
    if (out.size() > limit)
        return;
    if (share.size() + 1 == groups) {
        share.push_back(count);
        out.push_back(share);
        share.pop_back();
        return;
    }
    for (std::size_t here = 0; here <= count; ++here) {
        share.push_back(here);
        sharesOf(count - here, groups, limit, share, out);
        share.pop_back();
    }
}

} // namespace

bool forEachShare(const std::vector<TypedLetter> &typed, std::size_t limit,
    const std::function<bool(const std::vector<std::vector<std::size_t>> &)> &visit)
{
    std::vector<std::vector<std::vector<std::size_t>>> ways(typed.size());
    double all = 1;
    for (std::size_t t = 0; t < typed.size(); ++t) {
        std::vector<std::size_t> share;
        sharesOf(typed[t].count, typed[t].groups.size(), limit, share, ways[t]);
        all *= static_cast<double>(ways[t].size());
        if (all > static_cast<double>(limit))
            return false;
    }
    std::vector<std::size_t> at(typed.size(), 0);
    std::vector<std::vector<std::size_t>> share(typed.size());
    while (true) {
        for (std::size_t t = 0; t < typed.size(); ++t)
            share[t] = ways[t][at[t]];
        if (!visit(share))
            return false;
        std::size_t t = 0;
        while (t < typed.size() && ++at[t] == ways[t].size())
            at[t++] = 0;
        if (t == typed.size())
            return true;
    }
}
