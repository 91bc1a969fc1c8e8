// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the games differential's references ask the checker: whether a
// string in lower case is a word in some case.
#include "search/CheckerQuestions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline std::string lowered(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The words of the dictionary's word list spelt with the letters A-Z and a
// capital after the first letter (THz, NiCd, EU), read as plain text.
inline std::vector<std::string> innerCapitals(const std::filesystem::path &base)
{
    std::vector<std::string> words;
    std::ifstream list(base.string() + ".dic");
    std::string line;
    std::getline(list, line); // the count
    while (std::getline(list, line)) {
        const std::string word = line.substr(0, line.find_first_of("/\t "));
        const bool letters = !word.empty() && std::ranges::all_of(word, [](char c) {
            return std::isalpha(static_cast<unsigned char>(c));
        });
        if (letters && std::any_of(word.begin() + 1, word.end(), [](char c) {
                return std::isupper(static_cast<unsigned char>(c));
            }))
            words.push_back(word);
    }
    return words;
}

// Accepted in lower case, capitalised or in capitals, or with the capitals
// of a word of the list spelt so that begins it (EUs from EU).
inline bool acceptedInSomeCase(
    SpellChecker &checker, const std::string &lower, const std::vector<std::string> &inner)
{
    std::string capital = lower;
    capital[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[0])));
    std::string upper = lower;
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (testword(checker, lower) || testword(checker, capital) || testword(checker, upper))
        return true;
    for (const std::string &word : inner) {
        if (word.size() > lower.size() || lowered(word) != lower.substr(0, word.size()))
            continue;
        if (testword(checker, word + lower.substr(word.size())))
            return true;
    }
    return false;
}
