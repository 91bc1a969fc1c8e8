// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/FormRole.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The word games' tests' lexicon and what their checker takes of it.
namespace GameLexicon {

using namespace FormRole;

// A lexicon whose index holds a word the checker refuses in every case
// (gnale), one it takes only in capitals (Strasse, as "STRASSE" for
// "Straße"), one it lists in two spellings, the capitalised one first, and
// two parts that join into compounds the checker takes in every case.
inline const std::vector<std::pair<std::string, std::uint8_t>> kForms { { "angel", Word },
    { "angle", Word }, { "glean", Word }, { "Galen", Word }, { "lean", Word }, { "gel", Word },
    { "leg", Word }, { "an", Word }, { "a", Word }, { "nag", Word }, { "gal", Word },
    { "lag", Word }, { "ale", Word }, { "gnale", Word }, { "dirt", Word }, { "dirty", Word },
    { "room", Word }, { "roomy", Word }, { "moor", Word }, { "Polish", Word }, { "polish", Word },
    { "Paris", Word }, { "Strasse", Word }, { "ab", Word }, { "aba", Word }, { "baa", Word },
    { "aa", Word }, { "bb", Word }, { "nb", Begin }, { "book", Word | Begin | End },
    { "case", Word | Begin | End }, { "USS", Word } };

inline QSet<QString> acceptedWords()
{
    QSet<QString> accepted;
    for (const auto &[form, roles] : kForms)
        accepted.insert(QString::fromStdString(form));
    accepted -= QSet<QString> { "gnale", "Strasse", "nb" };
    accepted.insert(QStringLiteral("STRASSE"));
    for (const QString &compound : { QStringLiteral("bookcase"), QStringLiteral("casebook") })
        accepted += { compound, compound.left(1).toUpper() + compound.mid(1), compound.toUpper() };
    return accepted;
}

} // namespace GameLexicon
