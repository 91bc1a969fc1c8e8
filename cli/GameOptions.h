// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameRun.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// Why a command line asks for no game that can be played, and the exit
// status that says so.
struct GameRefusal {
    int status = 2;
    QString message;
};

// The options of the word games (words from some of the letters, phrases),
// read into a query.
class GameOptions {
public:
    GameOptions();
    void addTo(QCommandLineParser &parser) const;

    // Whether the command line asks for a game rather than the whole-word search.
    [[nodiscard]] bool asked(const QCommandLineParser &parser) const;
    // Whether it gives an option that only a game takes (for the refusal
    // of one without --some or --phrases); its name, or nothing.
    [[nodiscard]] std::optional<QString> gameOnlyOption(const QCommandLineParser &parser) const;
    [[nodiscard]] std::variant<GameQuery, GameRefusal> read(
        const QCommandLineParser &parser, const QString &letters) const;

    // "--phrases" without a number means two words: the arguments with
    // the number written out, since the parser knows no optional values.
    [[nodiscard]] static QStringList withPhraseDefault(QStringList arguments);

    static constexpr int kExitRefused = 1; // the letters
    static constexpr int kExitUsage = 2;
    static constexpr std::size_t kDefaultPhraseLimit = 1000;

private:
    QCommandLineOption m_some;
    QCommandLineOption m_phrases;
    QCommandLineOption m_minLength;
    QCommandLineOption m_pattern;
    QCommandLineOption m_contains;
    QCommandLineOption m_limit;
    QCommandLineOption m_json;
};
