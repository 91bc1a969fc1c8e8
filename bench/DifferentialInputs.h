// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/LetterCase.h"
#include "search/Enumerator.h"
#include "wordforms/FormRole.h"
#include "wordindex/FormSource.h"
#include "wordindex/StemIndex.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

// Seeded inputs for the differential program, made from a dictionary's own
// forms: one form shuffled (in the dictionary's capitals, or in lower or
// upper case, or mixed), two or three forms that may be parts of a compound
// joined, a form with extra letters, and random letters. Lengths count
// letters and the shuffles move letters, never bytes: a shuffled ü or ø
// must stay a letter, or the input is no text a user could type.
class DifferentialInputs {
public:
    DifferentialInputs(std::uint64_t seed, const std::filesystem::path &base,
        const FormSource *forms, std::size_t minLength, std::size_t maxLength)
        : m_random(seed)
        , m_case(base.filename().string())
        , m_kept(dynamic_cast<const KeptForms *>(forms))
        , m_stems(dynamic_cast<const StemIndex *>(forms))
        , m_min(minLength)
        , m_max(maxLength)
    {
    }

    std::string next(bool longest)
    {
        const std::size_t length = longest ? m_max : pick(m_min, m_max);
        std::vector<std::string> letters;
        switch (pick(0, 5)) {
        case 0: // random letters, all 26
            while (letters.size() < length)
                letters.emplace_back(1, static_cast<char>('a' + pick(0, 25)));
            break;
        case 1: // random letters from a few, so they repeat
            while (letters.size() < length)
                letters.emplace_back(1, "aeinrst"[pick(0, 6)]);
            break;
        case 2: // parts of a compound, or words, joined
        case 3:
            for (int tries = 0; tries < 50 && letters.size() < length; ++tries) {
                const auto form = lettersOf(randomForm(
                    letters.empty() ? FormRole::Begin : FormRole::Middle | FormRole::End));
                if (!form.empty() && letters.size() + form.size() <= length)
                    letters.insert(letters.end(), form.begin(), form.end());
            }
            break;
        default: // a form of just that length, or with letters to make it up
            for (int tries = 0; tries < 200; ++tries) {
                auto form = lettersOf(randomForm(0xFF));
                if (form.size() == length || (tries > 100 && form.size() < length)) {
                    letters = std::move(form);
                    break;
                }
            }
            break;
        }
        while (letters.size() < length)
            letters.emplace_back(1, static_cast<char>('a' + pick(0, 25)));
        std::shuffle(letters.begin(), letters.end(), m_random);
        std::string text;
        switch (pick(0, 4)) {
        case 0: // as the dictionary spells them
            for (const std::string &letter : letters)
                text += letter;
            break;
        case 1:
            for (const std::string &letter : letters)
                text += m_case.lower(letter);
            break;
        case 2:
            for (const std::string &letter : letters)
                text += m_case.upper(letter);
            break;
        default: // some capitals
            for (const std::string &letter : letters)
                text += pick(0, 3) == 0 ? m_case.upper(letter) : letter;
            break;
        }
        return text;
    }

    // Two to four forms joined, of the lengths given, shuffled: the first may
    // begin a compound and the others continue one, or all are words; in
    // lower case but for one capital, as a compound of them would begin.
    std::string joined(std::size_t fewest, std::size_t most)
    {
        const std::size_t count = pick(fewest, most);
        const bool parts = pick(0, 3) != 0;
        std::vector<std::string> letters;
        for (int tries = 0; tries < 200; ++tries) {
            letters.clear();
            for (std::size_t word = 0; word < count; ++word) {
                const std::uint8_t roles = !parts ? FormRole::Word
                    : word == 0                   ? FormRole::Begin
                                                  : FormRole::Middle | FormRole::End;
                std::string form = randomForm(roles);
                if (form.empty())
                    form = randomForm(0xFF);
                for (const std::string &letter : lettersOf(form))
                    letters.push_back(m_case.lower(letter));
            }
            if (letters.size() >= m_min && letters.size() <= m_max)
                break;
        }
        if (letters.size() > m_max)
            letters.resize(m_max);
        while (letters.size() < m_min)
            letters.emplace_back(1, static_cast<char>('a' + pick(0, 25)));
        letters.front() = m_case.upper(letters.front());
        std::shuffle(letters.begin(), letters.end(), m_random);
        std::string text;
        for (const std::string &letter : letters)
            text += letter;
        return text;
    }

private:
    std::size_t pick(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }

    // A form of the index with one of the roles; empty when none was found.
    std::string randomForm(std::uint8_t roles)
    {
        for (int tries = 0; tries < 20; ++tries) {
            if (m_stems && m_stems->size() > 0) {
                const auto forms = m_stems->formsOfStem(pick(0, m_stems->size() - 1), 5000);
                if (forms.empty())
                    continue;
                const auto &[form, formRoles] = forms[pick(0, forms.size() - 1)];
                if ((formRoles & roles) != 0 && lettersOf(form).size() <= m_max)
                    return form;
                continue;
            }
            if (!m_kept || m_kept->index().keyCount() == 0)
                return {};
            const WordIndex &index = m_kept->index();
            const auto forms
                = index.formsOf(static_cast<WordIndex::KeyId>(pick(0, index.keyCount() - 1)));
            const std::size_t i = pick(0, forms.size() - 1);
            // The index files forms in key letters (ü as u): a user types
            // the dictionary's spelling.
            std::vector<std::string> spellings;
            if ((forms.roles[i] & roles) == 0 || !index.spellingsOf(forms, i, spellings))
                continue;
            std::string &spelling
                = spellings[spellings.size() == 1 ? 0 : pick(0, spellings.size() - 1)];
            if (lettersOf(spelling).size() <= m_max)
                return std::move(spelling);
        }
        return {};
    }

    std::mt19937_64 m_random;
    LetterCase m_case;
    const KeptForms *m_kept;
    const StemIndex *m_stems;
    std::size_t m_min;
    std::size_t m_max;
};
