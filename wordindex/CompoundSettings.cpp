// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/CompoundSettings.h"

#include "hunspellfiles/AffixFile.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/Expander.h"
#include "wordforms/LetterFold.h"

#include <algorithm>

CompoundSettings compoundSettingsOf(const AffixFile &affixes)
{
    const Expander expander(affixes, 0, 0);
    const CompoundModel &model = affixes.compounds;
    CompoundSettings settings;
    settings.minPart = static_cast<std::uint32_t>(std::max<std::size_t>(model.minPart, 1));
    // With COMPOUNDSYLLABLE, Hunspell lets short words join in any number.
    settings.maxWords = model.syllableLimit ? 0 : static_cast<std::uint32_t>(model.maxWords);
    settings.classic = model.classic();
    settings.simplifiedTriple = model.simplifiedTriple;
    settings.checkTriple = model.checkTriple;
    settings.partsMarked = model.settlesByParts();
    for (const auto &rule : model.rules) {
        auto &elements = settings.rules.emplace_back();
        for (const RuleElement &element : rule)
            elements.push_back(
                { expander.ruleBit(element.flag), element.optional, element.repeats });
    }
    // A replacement is typed; the characters it stands for are the parts'
    // own and fold as their forms do.
    const LetterFold fold(affixes);
    for (const BoundaryReplacement &pattern : model.replacements) {
        std::vector<std::string> end;
        std::vector<std::string> begin;
        std::vector<std::string> typed;
        (void)fold.spellings(pattern.endChars, end, kMaxSpellings);
        (void)fold.spellings(pattern.beginChars, begin, kMaxSpellings);
        (void)fold.spellings(pattern.replacement, typed, kMaxSpellings);
        for (const auto &e : end) {
            for (const auto &b : begin) {
                for (const auto &t : typed)
                    settings.replacements.push_back(
                        { asciiLowered(e), asciiLowered(b), asciiLowered(t) });
            }
        }
    }
    return settings;
}
