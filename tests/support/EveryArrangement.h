// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the run over every arrangement finds, in counter order: the answer
// the word index must give. Tests compare the index's answers with it.
#include "platform/SpellChecker.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "search/WordList.h"

#include <QString>
#include <QStringList>
#include <set>
#include <string>
#include <vector>

[[nodiscard]] inline WordList enumeratedWords(const std::string &letters, SpellChecker &checker)
{
    WordList list;
    Arrangements arrangements(letters);
    do {
        if (testword(checker, arrangements.current()))
            addword(arrangements.current(), list);
    } while (arrangements.advance());
    return list;
}

// The result text the run over every arrangement writes.
[[nodiscard]] inline QString enumerated(const std::string &letters, SpellChecker &checker)
{
    return resultFor(enumeratedWords(letters, checker)).text;
}

// Words once each, in byte order: the candidates a search names, whatever
// order it names them in.
[[nodiscard]] inline QStringList sortedOnce(const std::vector<std::string> &words)
{
    const std::set<std::string> unique(words.begin(), words.end());
    QStringList list;
    for (const std::string &word : unique)
        list.append(QString::fromStdString(word));
    return list;
}
