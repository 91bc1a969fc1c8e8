// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letters/Alphabet.h"
#include "platform/SpellChecker.h"
#include "wordindex/WordIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

// A player's own word list (a tournament list): one word a line, UTF-8
// (é as one character or as e and its mark: both are read as one),
// "#" starting a comment line, spaces and a CR at the ends of a line
// ignored.
struct PlayerList {
    std::vector<std::string> words; // as spelt in the list, in normal form C, each once
    std::size_t skipped = 0; // words with a character that is no letter (a digit, a hyphen)

    // The longest line a word list has; a longer one is no word list.
    static constexpr std::size_t kMaxLine = 1024;

    // The list in the bytes of its file, or why they are none: a NUL byte
    // (a binary file), text that is not UTF-8, a line past kMaxLine, no
    // word at all; each with the line it is on.
    [[nodiscard]] static std::variant<PlayerList, std::string> parse(std::string_view bytes);

    // The word index of the list's words (no compounds), each filed as it
    // can be typed in key letters (wordforms/LetterFold.h), as a
    // dictionary's forms are.
    [[nodiscard]] WordIndex index() const;
    // The letters the list's words and the typed ones are spelt with, in the
    // language's small letters: the alphabet the games match them in.
    [[nodiscard]] std::optional<Alphabet> alphabet(
        std::string_view language, const std::vector<std::string> &typed) const;
};

// The judge of a game played on a word list: it takes the list's words as
// spelt there, and nothing else; no dictionary is read.
class ListChecker final : public SpellChecker {
public:
    explicit ListChecker(const PlayerList &list);
    [[nodiscard]] std::optional<bool> checkSpelling(std::string_view word) override;
    [[nodiscard]] std::unique_ptr<SpellChecker> cloneForThread() override;
    [[nodiscard]] std::string engineName() const override { return "word list"; }

private:
    std::shared_ptr<const std::unordered_set<std::string>> m_words;
};
