// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/BoundedFile.h"
#include "hunspellfiles/AffixReader.h"
#include "hunspellfiles/DicFile.h"
#include "letters/Alphabet.h"
#include "letters/LetterCase.h"
#include "search/Enumerator.h"
#include "wordindex/FormSource.h"

#include <QString>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

// Seeded inputs for the differential program, made from a dictionary's own
// words with their marks and case, as its users type them: one word (with
// an affix of the dictionary's now and then) shuffled, in the dictionary's
// capitals, or in small or capital letters of its language, or mixed; two
// or three words joined, so that compounds occur; a word with extra letters;
// and random letters of the dictionary's alphabet. Letters are what a
// reader takes for one character (search/Enumerator.h), never bytes.
class DictionaryInputs {
public:
    DictionaryInputs(std::uint64_t seed, const std::filesystem::path &base, const FormSource *,
        std::size_t minLength, std::size_t maxLength)
        : m_random(seed)
        , m_case(base.filename().string())
        , m_min(minLength)
        , m_max(maxLength)
    {
        readWords(base);
    }

    [[nodiscard]] bool empty() const { return m_words.empty(); }

    std::string next(bool longest)
    {
        const std::size_t length = longest ? m_max : pick(m_min, m_max);
        std::vector<std::string> letters;
        switch (pick(0, 5)) {
        case 0: // random letters of the alphabet, as often as its words hold them
            while (letters.size() < length)
                letters.push_back(randomLetter());
            break;
        case 1: // random letters from a few, so they repeat
        {
            std::vector<std::string> few;
            while (few.size() < 7)
                few.push_back(randomLetter());
            while (letters.size() < length)
                letters.push_back(few[pick(0, few.size() - 1)]);
            break;
        }
        case 2: // words joined
        case 3:
            for (int tries = 0; tries < 50 && letters.size() < length; ++tries) {
                const auto word = lettersOf(randomForm());
                if (!word.empty() && letters.size() + word.size() <= length)
                    letters.insert(letters.end(), word.begin(), word.end());
            }
            break;
        default: // a form of just that length, or with letters to make it up
            for (int tries = 0; tries < 200; ++tries) {
                const auto word = lettersOf(randomForm());
                if (word.size() == length || (tries > 100 && word.size() < length)) {
                    letters = word;
                    break;
                }
            }
            break;
        }
        // Now and then, letters typed as a letter the checker converts into
        // them (ICONV: the Arabic lam-alif ligature for lam and alif).
        if (!m_conversions.empty() && pick(0, 3) == 0)
            typeConverted(letters);
        while (letters.size() < length)
            letters.push_back(randomLetter());
        std::string text;
        const std::size_t casing = pick(0, 4);
        for (const std::string &letter : letters) {
            if (casing == 1 || (casing > 2 && pick(0, 3) != 0))
                text += m_case.lower(letter);
            else if (casing == 2 || casing > 2)
                text += m_case.upper(letter);
            else
                text += letter;
        }
        // A capital may be more letters than its small one (ß and SS).
        letters = lettersOf(text);
        if (letters.size() > length)
            letters.resize(length);
        std::shuffle(letters.begin(), letters.end(), m_random);
        text.clear();
        for (const std::string &letter : letters)
            text += letter;
        return text;
    }

private:
    // Replaces the first letters that one of the conversions, tried from a
    // random one on, makes with the letter it converts.
    void typeConverted(std::vector<std::string> &letters)
    {
        std::string text;
        for (const std::string &letter : letters)
            text += letter;
        const std::size_t first = pick(0, m_conversions.size() - 1);
        for (std::size_t k = 0; k < m_conversions.size(); ++k) {
            const auto &[from, to] = m_conversions[(first + k) % m_conversions.size()];
            const std::size_t at = text.find(to);
            if (at == std::string::npos)
                continue;
            text.replace(at, to.size(), from);
            letters = lettersOf(text);
            return;
        }
    }

    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }

    void readWords(const std::filesystem::path &base)
    {
        const BoundedRead bounds { .maxBytes = ReadLimits {}.maxFileBytes };
        auto aff = readBounded(base.string() + ".aff", bounds);
        auto dic = readBounded(base.string() + ".dic", bounds);
        if (!std::holds_alternative<FileBytes>(aff) || !std::holds_alternative<FileBytes>(dic))
            return;
        const AffixFile affixes = parseAffixFile(std::get<FileBytes>(aff).bytes);
        // The words' letters only: an apostrophe or a hyphen is no letter
        // a user types.
        const auto utf8 = [](const std::u32string &text) {
            std::string letters;
            for (const std::string &letter :
                lettersOf(QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()))
                              .toStdString())) {
                if (isAlphabetic(letter))
                    letters += letter;
            }
            return letters;
        };
        (void)forEachDicWord(affixes, std::get<FileBytes>(dic).bytes, {}, nullptr,
            [&](std::u32string &word, const FlagList &) {
                if (!word.empty())
                    m_words.push_back(utf8(word));
                return true;
            });
        // Conversions of one letter into letters of words (not of letters
        // into digits or apostrophes).
        for (const auto &[from, to] : affixes.typedConversions) {
            const std::string letter = utf8(from);
            const std::string letters = utf8(to);
            if (!letters.empty() && lettersOf(letter).size() == 1
                && letters.size()
                    == QString::fromUcs4(to.data(), static_cast<qsizetype>(to.size()))
                           .toStdString()
                           .size())
                m_conversions.emplace_back(letter, letters);
        }
        for (const AffixClass &affixClass : affixes.classes) {
            for (const AffixRule &rule : affixClass.rules) {
                if (!rule.add.empty())
                    (affixClass.prefix ? m_prefixes : m_suffixes).push_back(utf8(rule.add));
            }
        }
        // The alphabet as often as the words hold each letter.
        for (int i = 0; i < 2000 && !m_words.empty(); ++i) {
            for (std::string &letter : lettersOf(m_words[pick(0, m_words.size() - 1)]))
                m_letters.push_back(std::move(letter));
        }
    }

    // A word of the dictionary, now and then with one of its affixes: not
    // always a form it has, but near one.
    std::string randomForm()
    {
        if (m_words.empty())
            return {};
        std::string form = m_words[pick(0, m_words.size() - 1)];
        if (!m_suffixes.empty() && pick(0, 1) == 0)
            form += m_suffixes[pick(0, m_suffixes.size() - 1)];
        if (!m_prefixes.empty() && pick(0, 4) == 0)
            form = m_prefixes[pick(0, m_prefixes.size() - 1)] + form;
        return form;
    }

    std::string randomLetter()
    {
        if (m_letters.empty())
            return std::string(1, static_cast<char>('a' + pick(0, 25)));
        return m_letters[pick(0, m_letters.size() - 1)];
    }

    std::mt19937_64 m_random;
    LetterCase m_case;
    std::size_t m_min;
    std::size_t m_max;
    std::vector<std::string> m_words;
    std::vector<std::string> m_prefixes;
    std::vector<std::string> m_suffixes;
    std::vector<std::string> m_letters;
    std::vector<std::pair<std::string, std::string>> m_conversions; // the letter, what it makes
};
