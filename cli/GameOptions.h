// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ExitStatus.h"
#include "cli/GameOutput.h"
#include "wordgames/GameRun.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <variant>

// A word game as the command line asks for it: what to look for, and how
// to print what is found.
struct GameCommand {
    GameQuery query;
    bool scores = false; // each word's value with the tiles of the dictionary's language
    // The player's own word list, judged instead of the dictionary, and the
    // language whose tiles count (the dictionary's that would have been used).
    std::optional<std::filesystem::path> wordlist;
    std::string listLanguage;
    GameFormat format = GameFormat::Lines;
};

// The options of the word games (words from some of the letters, phrases),
// read into a game.
class GameOptions {
    Q_DECLARE_TR_FUNCTIONS(GameOptions)

public:
    GameOptions();
    void addTo(QCommandLineParser &parser) const;

    // Whether the command line asks for a game rather than the whole-word search.
    [[nodiscard]] bool asked(const QCommandLineParser &parser) const;
    // Whether the game is the crossword's: --pattern alone, every word of
    // the dictionary that fits it, no letters given.
    [[nodiscard]] bool crossword(const QCommandLineParser &parser) const;
    // Whether a game's answer is printed a result a line (not --json).
    [[nodiscard]] bool inLines(const QCommandLineParser &parser) const;
    // Whether a game's answer is printed as one line of JSON (--json).
    [[nodiscard]] bool inJson(const QCommandLineParser &parser) const;
    // Whether it gives an option that only a game takes (for the refusal
    // of one without --some or --phrases); its name, or nothing.
    [[nodiscard]] std::optional<QString> gameOnlyOption(const QCommandLineParser &parser) const;
    // The game, or why there is none: the letters refused (ExitStatus::Refused)
    // or options that do not fit together (ExitStatus::Usage).
    [[nodiscard]] std::variant<GameCommand, CommandRefusal> read(
        const QCommandLineParser &parser, const QString &letters) const;

    // "--phrases" without a number means two words: the arguments with
    // the number written out, since the parser knows no optional values.
    [[nodiscard]] static QStringList withPhraseDefault(QStringList arguments);

    static constexpr std::size_t kDefaultPhraseLimit = 1000;

private:
    // The letters an option names, of any alphabet or A to Z only, or its refusal.
    [[nodiscard]] std::variant<LetterPool, CommandRefusal> lettersOf(
        const QCommandLineParser &parser, const QCommandLineOption &option, bool anyAlphabet) const;

    QCommandLineOption m_some;
    QCommandLineOption m_phrases;
    QCommandLineOption m_minLength;
    QCommandLineOption m_pattern;
    QCommandLineOption m_contains;
    QCommandLineOption m_limit;
    QCommandLineOption m_json;
    QCommandLineOption m_exclude;
    QCommandLineOption m_include;
    QCommandLineOption m_containsWord;
    QCommandLineOption m_noAbbreviations;
    QCommandLineOption m_noNames;
    QCommandLineOption m_noCompounds;
    QCommandLineOption m_scores;
    QCommandLineOption m_sort;
    QCommandLineOption m_wordlist;
};
