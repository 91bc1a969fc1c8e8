// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the dictionary cache's reader: a file's bytes as an
// entry, the word index inside it checked whole, and a search through an
// index that passes, so that no file in the cache folder can make the
// program crash, hang or read past what it holds. The checksum would turn
// away almost every changed file, so an input is taken as the entry's
// fields and index with the checksum made right for them.
// Built by cmake/fuzz.sh with clang; linked with replay_main.cpp it reads
// the regression files in the test suite and checks each against
// cache-expected.tsv.
#include "candidates/CompoundSearch.h"
#include "hunspellfiles/AffixReader.h"
#include "spelling/CacheFile.h"
#include "wordindex/StemIndex.h"
#include "wordindex/WordIndex.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <xxhash.h>

namespace {

std::string describe(const std::uint8_t *data, std::size_t size)
{
    // The input after a header made right for it: magic and version of a
    // real entry, the length, and the checksum.
    CacheEntry sample;
    const std::vector<std::uint64_t> real = CacheFile::serialize(sample, {});
    std::vector<std::uint64_t> words(4 + (size + 7) / 8, 0);
    std::memcpy(words.data() + 4, data, size);
    words[0] = real[0];
    words[1] = real[1];
    words[2] = words.size();
    words[3] = XXH3_64bits(words.data() + 4, (words.size() - 4) * 8);
    std::string why;
    auto entry = CacheFile::parse(words, &why);
    if (!entry)
        return "no entry (" + why + ")";
    std::string text = "entry of " + std::to_string(entry->notes.size()) + " notes, ";
    if (entry->image.empty())
        return text + "no index kept" + (entry->indexRefusal.empty() ? "" : " (refused)");
    if (StemIndex::isStemImage(entry->image)) {
        // An index of stems is read with the affix file it was made from.
        static const auto affixes = std::make_shared<const AffixFile>(
            parseAffixFile("COMPOUNDFLAG X\nSFX S Y 1\nSFX S 0 s .\nPFX P Y 1\nPFX P 0 re .\n"));
        const auto stems = StemIndex::fromImage(std::move(entry->image), affixes, &why);
        if (!stems)
            return text + "no index of stems (" + why + ")";
        const FormsWithin within = stems->within("catdogs");
        if (!within.index)
            return text + "index of " + std::to_string(stems->size()) + " stems, no forms ("
                + within.unfinished + ")";
        CompoundBudget budget;
        budget.maxTime = std::chrono::milliseconds(200);
        const auto compounds = compoundCandidates(*within.index, "catdogs", budget);
        return text + "index of " + std::to_string(stems->size()) + " stems, "
            + std::to_string(within.index->formCount()) + " forms within, "
            + std::to_string(compounds.words.size()) + " compounds";
    }
    auto index = WordIndex::fromImage(std::move(entry->image), &why);
    if (!index)
        return text + "no index (" + why + ")";
    CompoundBudget budget;
    budget.maxTime = std::chrono::milliseconds(200);
    const auto compounds = compoundCandidates(*index, "catdogs", budget);
    return text + "index of " + std::to_string(index->formCount()) + " forms, "
        + std::to_string(index->formsFor(WordIndex::keyOf("cat")).size()) + " for cat, "
        + std::to_string(compounds.words.size()) + " compounds";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)describe(data, size);
    return 0;
}

std::string quorvelDescribeInput(const std::uint8_t *data, std::size_t size)
{
    return describe(data, size);
}
