// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/LetterCase.h"
#include "letters/LooseLetters.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Alphabet;

// How the word games match letters in a dictionary: a letter typed and a
// letter of a word are one when the language's players count them as one
// (case and the marks that make no letter of their own do not count: é is
// e in French, ñ is not n in Spanish). The one place that turns a typed
// letter into the loose letter of this dictionary it stands for.
class GameLetters {
public:
    // Every letter is known; marks count as the language's loose matching
    // has them (a word list, which brings no alphabet).
    explicit GameLetters(std::string_view language);
    // The letters of the dictionary's alphabet, in its language.
    GameLetters(const Alphabet &alphabet, std::string_view language);

    // The loose letter a typed letter (a grapheme) stands for; nothing when
    // no letter of the alphabet counts as it.
    [[nodiscard]] std::optional<std::string> looseLetter(std::string_view typed) const;
    // The loose letters of a word as the dictionary spells it, one for each
    // of its letters; any thread may ask at once.
    [[nodiscard]] std::vector<std::string> looseLetters(std::string_view word) const;
    // The loose letter of one letter of a word (a letter of the alphabet).
    [[nodiscard]] std::string looseOf(std::string_view letter) const;
    // The key letters of the index (wordforms/LetterCounts.h) that the
    // alphabet's letters standing for a loose letter are filed under, a bit
    // each; every key letter when the alphabet is not known.
    [[nodiscard]] std::uint64_t keyLetters(const std::string &loose) const;
    // The key letters of any letter of the alphabet.
    [[nodiscard]] std::uint64_t anyKeyLetter() const { return m_any; }

    // The letters of the alphabet, in small letters, that the index files
    // under a key letter (a byte of a form: a to z, another key byte).
    // A to Z in capitals give those letters in capitals.
    [[nodiscard]] const std::vector<std::string> &lettersUnder(char key) const;
    // Whether the letter (small, capital or title case) is one of the
    // alphabet's; any is when the alphabet is not known.
    [[nodiscard]] bool holds(const std::string &letter) const
    {
        return !m_known || m_keys.contains(letter);
    }
    // Whether a form of the index stands for spellings other than itself:
    // some letter of the alphabet is filed under a key letter not its own (é, ж).
    [[nodiscard]] bool beyondKeys() const { return m_beyondKeys; }
    // The letters a dictionary reads a compatibility character as, where it
    // is several (ﬂ as f and l): a crossword's square holds one letter as the
    // checker reads it, so ﬂ fills two squares and is no letter of one.
    // Nothing for any other letter (ſ is read as one letter, s).
    [[nodiscard]] static std::optional<std::vector<std::string>> ligatureLetters(
        std::string_view letter);
    // A word in the language's small letters, capitals, and with its first letter one.
    [[nodiscard]] std::string lower(std::string_view word) const { return m_case.lower(word); }
    [[nodiscard]] std::string upper(std::string_view word) const { return m_case.upper(word); }
    [[nodiscard]] std::string title(std::string_view word) const { return m_case.title(word); }
    // The language, as given (a dictionary's name: fr, pl_PL).
    [[nodiscard]] const std::string &language() const { return m_language; }

private:
    std::string m_language;
    LooseLetters m_loose;
    LetterCase m_case;
    bool m_known = false; // the alphabet is known
    bool m_beyondKeys = false;
    std::vector<std::vector<std::string>> m_under; // by key byte
    // Each letter of the alphabet, small and capital, and its loose letter:
    // read by every thread, written only while made.
    std::unordered_map<std::string, std::string> m_keys;
    std::unordered_map<std::string, std::uint64_t> m_keyLetters; // by loose letter
    std::uint64_t m_any = 0;
    // Letters met beyond it (a capital the alphabet holds no pair of).
    mutable std::mutex m_more;
    mutable std::unordered_map<std::string, std::string> m_moreKeys;
};
