// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reference of --no-compounds: the dictionary's expanded list, every
// form its word list gives with its affixes (wordforms/Expander.h) that is
// a word on its own, no compounding rule applied; a form is a word of the
// game when the tiles make it, each tile standing for the letters that
// count as it and a blank for any letter, and the checker accepts it as
// the list spells it.
#include "fileio/BoundedFile.h"
#include "hunspellfiles/AffixReader.h"
#include "hunspellfiles/DicFile.h"
#include "letters/LetterCase.h"
#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"
#include "wordforms/Expander.h"

#include <QString>
#include <filesystem>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class ExpandedList {
public:
    // Reads and expands the dictionary; maxLetters: the longest form kept.
    ExpandedList(const std::filesystem::path &base, std::size_t maxLetters)
        : m_case(base.filename().string())
    {
        const BoundedRead bounds { .maxBytes = ReadLimits {}.maxFileBytes };
        auto aff = readBounded(base.string() + ".aff", bounds);
        auto dic = readBounded(base.string() + ".dic", bounds);
        const auto *affBytes = std::get_if<FileBytes>(&aff);
        const auto *dicBytes = std::get_if<FileBytes>(&dic);
        if (!affBytes || !dicBytes)
            return;
        const AffixFile affixes = parseAffixFile(affBytes->bytes);
        const ReadLimits limits;
        Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests);
        for (const auto &[typed, converted] : affixes.typedConversions)
            m_typed.emplace_back(utf8(typed), utf8(converted));
        Collect sink(*this, maxLetters);
        (void)forEachDicWord(affixes, dicBytes->bytes, limits, nullptr,
            [&](std::u32string &word, const FlagList &flags) {
                (void)expander.expand(word, flags, sink);
                return true;
            });
        m_read = true;
    }

    [[nodiscard]] bool read() const { return m_read; }
    [[nodiscard]] std::size_t size() const { return m_forms.size(); }

    // The forms spelt with a capital after their first letter and not all
    // in capitals (GGy of the prefix G and Gy): capitals a string may want
    // that neither its first letter nor all its letters say.
    [[nodiscard]] std::vector<std::string> innerCapitals() const
    {
        std::vector<std::string> inner;
        for (const Form &form : m_forms) {
            const std::vector<std::string> letters = lettersOf(form.text);
            bool capital = false;
            for (std::size_t i = 1; i < letters.size() && i < form.letters.size(); ++i)
                capital = capital || letters[i] != form.letters[i];
            if (capital && m_case.upper(form.text) != form.text)
                inner.push_back(form.text);
        }
        return inner;
    }

    // The forms the tiles make with at least minLetters letters (all of
    // the tiles' when allTiles), accepted by the checker, folded by
    // letterCase; a blank stands for any letter of the alphabet.
    std::set<std::string> words(const std::vector<std::set<std::string>> &tiles, std::size_t blanks,
        const std::set<std::string> &alphabet, std::size_t minLetters, bool allTiles,
        const LetterCase &letterCase, SpellChecker &checker, std::size_t &questions)
    {
        std::set<std::string> found;
        const std::size_t most = tiles.size() + blanks;
        for (const Form &form : m_forms) {
            const std::size_t length = form.letters.size();
            if (length < minLetters || length > most || (allTiles && length != most))
                continue;
            std::vector<bool> used(tiles.size(), false);
            if (!fits(form.letters, 0, { tiles, alphabet }, used, blanks))
                continue;
            auto [answer, asked] = m_answers.try_emplace(form.text, false);
            if (asked) {
                ++questions;
                answer->second = testword(checker, form.text);
            }
            if (answer->second)
                found.insert(letterCase.folded(form.text));
        }
        return found;
    }

private:
    struct Form {
        std::string text;
        std::vector<std::string> letters; // in small letters
    };

    class Collect final : public FormSink {
    public:
        Collect(ExpandedList &list, std::size_t maxLetters)
            : m_list(list)
            , m_maxLetters(maxLetters)
        {
        }
        Collect(const Collect &) = delete;
        Collect &operator=(const Collect &) = delete;
        void form(std::u32string_view form, std::uint8_t roles, std::uint64_t) override
        {
            if ((roles & FormRole::Word) == 0 || form.size() > 4 * m_maxLetters)
                return;
            const std::string text = utf8(form);
            keep(text);
            // Its capitals, where they are other letters (SS of ß), which
            // the checker may accept.
            keep(m_list.m_case.upper(text));
            // Typed as the letters the checker converts into its own (Dutch ij for ĳ).
            for (const auto &[typed, converted] : m_list.m_typed) {
                if (!converted.empty() && text.find(converted) != std::string::npos)
                    keep(QString::fromStdString(text)
                             .replace(
                                 QString::fromStdString(converted), QString::fromStdString(typed))
                             .toStdString());
            }
        }

    private:
        void keep(const std::string &text)
        {
            std::vector<std::string> letters = lettersOf(text);
            if (letters.empty() || letters.size() > m_maxLetters || !m_seen.insert(text).second)
                return;
            for (std::string &letter : letters)
                letter = m_list.m_case.lower(letter);
            m_list.m_forms.push_back({ text, std::move(letters) });
        }

        ExpandedList &m_list;
        std::size_t m_maxLetters;
        std::set<std::string> m_seen;
    };

    struct Rack {
        const std::vector<std::set<std::string>> &tiles;
        const std::set<std::string> &alphabet;
    };

    // Whether the letters from at on each take a tile of their own that
    // stands for them, or a blank.
    static bool fits(const std::vector<std::string> &letters, std::size_t at, const Rack &rack,
        std::vector<bool> &used, std::size_t blanks)
    {
        if (at == letters.size())
            return true;
        for (std::size_t t = 0; t < rack.tiles.size(); ++t) {
            if (used[t] || !rack.tiles[t].contains(letters[at]))
                continue;
            used[t] = true;
            const bool fitted = fits(letters, at + 1, rack, used, blanks);
            used[t] = false;
            if (fitted)
                return true;
        }
        return blanks > 0 && rack.alphabet.contains(letters[at])
            && fits(letters, at + 1, rack, used, blanks - 1);
    }

    static std::string utf8(std::u32string_view text)
    {
        return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
    }

    LetterCase m_case;
    std::vector<std::pair<std::string, std::string>> m_typed; // ICONV: typed, converted
    std::vector<Form> m_forms;
    std::unordered_map<std::string, bool> m_answers;
    bool m_read = false;
};
