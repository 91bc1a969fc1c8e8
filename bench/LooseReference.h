// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quorvel-loosediff's slow reference: every letter written anywhere in the
// dictionary's two files, each typed letter standing for every one of them
// that counts as the same letter (and for its capital), every arrangement
// with every such choice asked of the checker.
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "letters/LooseLetters.h"
#include "platform/SpellChecker.h"
#include "search/CheckerQuestions.h"

#include <QString>
#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <utility>
#include <vector>

class Reference {
public:
    Reference(const std::string &language, const std::string &affText, const std::string &dicText)
        : m_case(language)
        , m_loose(language)
    {
        // What IGNORE names is no part of a word's letters: the checker
        // takes it out of every word it is asked about (Arabic vowel marks).
        QString ignored;
        std::istringstream lines(affText);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string directive;
            std::string characters;
            if (words >> directive >> characters && directive == "IGNORE")
                ignored = QString::fromStdString(characters);
        }
        std::set<std::string> letters;
        // The marks written after a character anywhere (an affix's ending
        // may begin with one that lands on a stem's last letter).
        std::set<std::u32string> marks;
        for (const std::string *file : { &affText, &dicText }) {
            QString kept = QString::fromStdString(*file);
            for (const QChar c : std::as_const(ignored))
                kept.remove(c);
            const std::string text = kept.toStdString();
            std::set<std::string> seen;
            for (std::string &letter : splitLetters(text).value_or(std::vector<std::string> {}))
                seen.insert(std::move(letter));
            for (const std::string &letter : seen) {
                if (isAlphabetic(letter))
                    letters.insert(m_case.lower(letter));
                const std::u32string points = QString::fromStdString(letter).toStdU32String();
                if (points.size() > 1)
                    marks.insert(points.substr(1));
            }
        }
        // Every letter of one character with every run of marks seen: more
        // letters than the dictionary has, never fewer.
        std::set<std::string> marked;
        for (const std::string &letter : letters) {
            const std::u32string base = QString::fromStdString(letter).toStdU32String();
            if (base.size() != 1)
                continue;
            for (const std::u32string &run : marks) {
                const auto one = splitLetters(QString::fromStdU32String(base + run).toStdString());
                if (one && one->size() == 1 && isAlphabetic(one->front()))
                    marked.insert(m_case.lower(one->front()));
            }
        }
        letters.merge(marked);
        for (const std::string &letter : letters)
            m_byKey[m_loose.key(letter)].push_back(letter);
        // A tile is one letter in either case: the capitals of a letter are
        // the upper-case letters whose small letter it is (ẞ of ß, never the
        // SS of a word in capitals), found among every one Unicode has.
        for (UChar32 c = 0; c <= 0x10ffff; ++c) {
            if (!u_isUUppercase(c))
                continue;
            std::string written;
            icu::UnicodeString(c).toUTF8String(written);
            const auto capital = normalised(written);
            if (!capital)
                continue;
            const std::string small = m_case.lower(*capital);
            const auto one = splitLetters(small);
            if (one && one->size() == 1)
                m_capitals[small].insert(*capital);
        }
    }

    // The capitals of a letter in small letters, each one letter.
    [[nodiscard]] std::set<std::string> capitals(const std::string &small) const
    {
        std::set<std::string> out;
        const std::string upper = m_case.upper(small);
        if (const auto one = splitLetters(upper); one && one->size() == 1)
            out.insert(upper);
        if (const auto more = m_capitals.find(small); more != m_capitals.end())
            out.insert(more->second.begin(), more->second.end());
        return out;
    }

    // A letter in capitals, as one letter (itself when it has no capital).
    [[nodiscard]] std::string capital(const std::string &letter) const
    {
        const std::set<std::string> each = capitals(m_case.lower(letter));
        return each.empty() ? letter : *each.begin();
    }

    // Each letter a typed letter may stand for, in small letters and capitals.
    [[nodiscard]] std::vector<std::string> variants(const std::string &typed) const
    {
        std::set<std::string> small { m_case.lower(typed) };
        if (const auto same = m_byKey.find(m_loose.key(typed)); same != m_byKey.end())
            small.insert(same->second.begin(), same->second.end());
        std::set<std::string> out;
        for (const std::string &letter : small) {
            out.insert(letter);
            out.merge(capitals(letter));
        }
        return { out.begin(), out.end() };
    }

    [[nodiscard]] double strings(const std::vector<std::string> &typed) const
    {
        double count = 1;
        for (std::size_t k = 0; k < typed.size(); ++k)
            count *= static_cast<double>((k + 1) * variants(typed[k]).size());
        return count;
    }

    // The words: of each set of accepted strings equal but for case, the
    // one with the fewest capitals (then the first by bytes).
    std::set<std::string> words(
        const std::vector<std::string> &typed, SpellChecker &checker, std::size_t &questions)
    {
        std::vector<std::vector<std::string>> choices;
        choices.reserve(typed.size());
        for (const std::string &letter : typed)
            choices.push_back(variants(letter));
        std::set<std::string> strings;
        std::vector<std::size_t> order(typed.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = k;
        do {
            std::vector<std::size_t> pick(typed.size(), 0);
            for (;;) {
                std::string text;
                for (std::size_t k = 0; k < order.size(); ++k)
                    text += choices[order[k]][pick[k]];
                strings.insert(text);
                std::size_t k = 0;
                while (k < pick.size() && ++pick[k] == choices[order[k]].size())
                    pick[k++] = 0;
                if (k == pick.size())
                    break;
            }
        } while (std::next_permutation(order.begin(), order.end()));
        std::map<std::string, std::pair<std::size_t, std::string>> best;
        for (const std::string &text : strings) {
            ++questions;
            if (!testword(checker, text))
                continue;
            std::size_t capitals = 0;
            for (const std::string &letter :
                splitLetters(text).value_or(std::vector<std::string> {}))
                capitals += m_case.lower(letter) != letter ? 1 : 0;
            const std::pair<std::size_t, std::string> candidate { capitals, text };
            auto [at, added] = best.try_emplace(m_case.folded(text), candidate);
            if (!added && candidate < at->second)
                at->second = candidate;
        }
        std::set<std::string> out;
        for (const auto &[caseless, word] : best)
            out.insert(word.second);
        return out;
    }

    [[nodiscard]] const LetterCase &letterCase() const { return m_case; }
    [[nodiscard]] const LooseLetters &loose() const { return m_loose; }
    [[nodiscard]] std::vector<std::string> alphabet() const
    {
        std::vector<std::string> out;
        for (const auto &[key, letters] : m_byKey)
            out.insert(out.end(), letters.begin(), letters.end());
        return out;
    }

private:
    LetterCase m_case;
    LooseLetters m_loose;
    std::map<std::string, std::vector<std::string>> m_byKey;
    std::map<std::string, std::set<std::string>> m_capitals; // small letter -> capitals
};
