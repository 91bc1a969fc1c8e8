// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordforms/FormRole.h"
#include "wordindex/FormSource.h"
#include "wordindex/StemIndex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <random>
#include <string>

// Seeded inputs for the differential program, made from a dictionary's own
// forms: one form shuffled (in the dictionary's capitals, or in lower or
// upper case, or mixed), two or three forms that may be parts of a compound
// joined, a form with extra letters, and random letters.
class DifferentialInputs {
public:
    DifferentialInputs(std::uint64_t seed, const std::filesystem::path &, const FormSource *forms,
        std::size_t minLength, std::size_t maxLength)
        : m_random(seed)
        , m_kept(dynamic_cast<const KeptForms *>(forms))
        , m_stems(dynamic_cast<const StemIndex *>(forms))
        , m_min(minLength)
        , m_max(maxLength)
    {
    }

    std::string next(bool longest)
    {
        const std::size_t length = longest ? m_max : pick(m_min, m_max);
        std::string letters;
        switch (pick(0, 5)) {
        case 0: // random letters, all 26
            while (letters.size() < length)
                letters += static_cast<char>('a' + pick(0, 25));
            break;
        case 1: // random letters from a few, so they repeat
            while (letters.size() < length)
                letters += "aeinrst"[pick(0, 6)];
            break;
        case 2: // parts of a compound, or words, joined
        case 3:
            for (int tries = 0; tries < 50 && letters.size() < length; ++tries) {
                const std::string form = randomForm(
                    letters.empty() ? FormRole::Begin : FormRole::Middle | FormRole::End);
                if (!form.empty() && letters.size() + form.size() <= length)
                    letters += form;
            }
            break;
        default: // a form of just that length, or with letters to make it up
            for (int tries = 0; tries < 200; ++tries) {
                const std::string form = randomForm(0xFF);
                if (form.size() == length || (tries > 100 && form.size() < length)) {
                    letters = form;
                    break;
                }
            }
            break;
        }
        while (letters.size() < length)
            letters += static_cast<char>('a' + pick(0, 25));
        std::shuffle(letters.begin(), letters.end(), m_random);
        switch (pick(0, 4)) {
        case 0: // as the dictionary spells them
            break;
        case 1:
            for (char &c : letters)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            break;
        case 2:
            for (char &c : letters)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            break;
        default: // some capitals
            for (char &c : letters) {
                if (pick(0, 3) == 0)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            break;
        }
        return letters;
    }

    // Two to four forms joined, of the lengths given, shuffled: the first may
    // begin a compound and the others continue one, or all are words; in
    // lower case but for one capital, as a compound of them would begin.
    std::string joined(std::size_t fewest, std::size_t most)
    {
        const std::size_t count = pick(fewest, most);
        const bool parts = pick(0, 3) != 0;
        std::string letters;
        for (int tries = 0; tries < 200; ++tries) {
            letters.clear();
            for (std::size_t word = 0; word < count; ++word) {
                const std::uint8_t roles = !parts ? FormRole::Word
                    : word == 0                   ? FormRole::Begin
                                                  : FormRole::Middle | FormRole::End;
                std::string form = randomForm(roles);
                if (form.empty())
                    form = randomForm(0xFF);
                for (char &c : form)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                letters += form;
            }
            if (letters.size() >= m_min && letters.size() <= m_max)
                break;
        }
        if (letters.size() > m_max)
            letters.resize(m_max);
        while (letters.size() < m_min)
            letters += static_cast<char>('a' + pick(0, 25));
        letters.front()
            = static_cast<char>(std::toupper(static_cast<unsigned char>(letters.front())));
        std::shuffle(letters.begin(), letters.end(), m_random);
        return letters;
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
                if ((formRoles & roles) != 0 && form.size() <= m_max)
                    return form;
                continue;
            }
            if (!m_kept || m_kept->index().keyCount() == 0)
                return {};
            const WordIndex &index = m_kept->index();
            const auto forms
                = index.formsOf(static_cast<WordIndex::KeyId>(pick(0, index.keyCount() - 1)));
            const std::size_t i = pick(0, forms.size() - 1);
            if ((forms.roles[i] & roles) != 0 && forms[i].size() <= m_max)
                return std::string(forms[i]);
        }
        return {};
    }

    std::mt19937_64 m_random;
    const KeptForms *m_kept;
    const StemIndex *m_stems;
    std::size_t m_min;
    std::size_t m_max;
};
