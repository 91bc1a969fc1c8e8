// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/KeyLetters.h"
#include "wordindex/IndexBuilder.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

// The word as the index spells it: each letter as its key letter.
[[nodiscard]] inline std::string keySpelling(const QString &word)
{
    std::string spelling;
    for (const char32_t c : word.toUcs4()) {
        const KeyLetter key = keyLetterOf(c);
        if (key.role == KeyRole::Letter)
            spelling.push_back(key.byte);
    }
    return spelling;
}

// The roles of a form as the index holds it (0: not there).
[[nodiscard]] inline std::uint8_t rolesOf(const WordIndex &index, const QString &word)
{
    const std::string form = keySpelling(word);
    const auto forms = index.formsFor(WordIndex::keyOf(form));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i] == form)
            return forms.roles[i];
    }
    return 0;
}

// The same through a source of forms: what it gives for the word's letters.
[[nodiscard]] inline std::uint8_t rolesOf(const FormSource &source, const QString &word)
{
    const FormsWithin within = source.within(keySpelling(word));
    return within.index ? rolesOf(*within.index, word) : 0;
}

// Compounding flags on stems and on affixes: x begins, y is inside, z ends,
// c lets a suffix begin a compound, f forbids compounds, o only in them.
inline constexpr char kCompoundAff[]
    = "SET UTF-8\nCOMPOUNDBEGIN x\nCOMPOUNDMIDDLE y\nCOMPOUNDEND z\n"
      "COMPOUNDPERMITFLAG c\nCOMPOUNDFORBIDFLAG f\nONLYINCOMPOUND o\n"
      "NEEDAFFIX n\nCOMPOUNDRULE 1\nCOMPOUNDRULE ab\n"
      "SFX S Y 1\nSFX S 0 s .\nSFX P Y 1\nSFX P 0 n/c .\n"
      "SFX F Y 1\nSFX F 0 ing/f .\nPFX U Y 1\nPFX U 0 un .\n";
inline constexpr char kCompoundDic[]
    = "8\nhaus/xSU\ntier/yzS\narzt/z\nfuge/oxP\nbau/xF\nneed/nxS\nein/a\nzwei/bS\n";

// Both kinds of index, built for the same dictionary.
inline constexpr std::array kBothKinds { IndexKind::Forms, IndexKind::Stems };
