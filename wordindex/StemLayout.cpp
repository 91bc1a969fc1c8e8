// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/StemLayout.h"

#include <algorithm>

namespace StemLayout {

namespace {

std::size_t wordsFor(std::size_t bytes)
{
    return bytes / 8 + (bytes % 8 != 0);
}

constexpr std::size_t kMaxCount = std::size_t(1) << 31;

} // namespace

std::optional<Sections> Sections::layout(const Counts &c)
{
    for (const std::size_t count : { c.coreWords, c.keys, c.stemRefs, c.stems, c.textChars,
             c.flagLists, c.flags, c.coreless }) {
        if (count >= kMaxCount)
            return std::nullopt;
    }
    Sections s;
    s.counts = c;
    s.cores = kHeaderWords;
    s.keyStem = s.cores + c.coreWords;
    s.stemRefs = s.keyStem + wordsFor((c.keys + 1) * 4);
    s.stemText = s.stemRefs + wordsFor(c.stemRefs * 4);
    s.text = s.stemText + wordsFor((c.stems + 1) * 4);
    s.stemFlags = s.text + wordsFor(c.textChars * 4);
    s.flagStart = s.stemFlags + wordsFor(c.stems * 4);
    s.flags = s.flagStart + wordsFor((c.flagLists + 1) * 4);
    s.coreless = s.flags + wordsFor(c.flags * 2);
    s.total = s.coreless + wordsFor(c.coreless * 4);
    return s;
}

std::optional<Sections> Sections::of(const std::vector<std::uint64_t> &image)
{
    if (image.size() < kHeaderWords || image[0] != kMagic || image[1] != kVersion)
        return std::nullopt;
    const Counts counts { image[2], image[3], image[4], image[5], image[6], image[7], image[8],
        image[9] };
    auto sections = layout(counts);
    if (!sections || sections->total != image.size())
        return std::nullopt;
    return sections;
}

} // namespace StemLayout
