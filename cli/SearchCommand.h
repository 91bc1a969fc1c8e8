// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommonOptions.h"
#include "cli/DictionaryOption.h"
#include "cli/ExitStatus.h"
#include "cli/GameOptions.h"
#include "search/WordSearch.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What quorvel-search is asked to do.
struct SearchCommand {
    bool listDictionaries = false;
    // As given: the whole-word search checks them as it checks typed ones.
    QString letters;
    SearchOptions search; // --threads, --exhaustive and --loose
    std::optional<GameCommand> game; // a word game instead of the whole-word search
    DictionaryPick dictionary;
    bool noCache = false;
    bool readLines = false; // --stdin: the letters of each query on a line of standard input
};

// The command line of quorvel-search: the options both programs take, its
// own, and the word games'.
class SearchCommandLine {
    Q_DECLARE_TR_FUNCTIONS(SearchCommandLine)

public:
    SearchCommandLine();

    // The command, or why there is none. --help and --version are answered
    // here and end the program. Without --dictionary the dictionaries of
    // the user's language in the folders are the candidates.
    [[nodiscard]] std::variant<SearchCommand, CommandRefusal> read(const QStringList &arguments,
        const std::vector<std::filesystem::path> &folders,
        const std::optional<std::string> &userLanguage);
    // The command read, for other letters (a line of --stdin): the same
    // checks as letters given as an argument.
    [[nodiscard]] std::variant<SearchCommand, CommandRefusal> withLetters(
        SearchCommand command, const QString &letters) const;
    // Whether the command read answers a query with a line per result (a
    // game, not --json): --stdin then ends each answer with an empty line.
    [[nodiscard]] bool answersInLines() const { return m_games.inLines(m_parser); }
    // Whether each answer is one line of JSON.
    [[nodiscard]] bool answersInJson() const { return m_games.inJson(m_parser); }

    static constexpr unsigned kMaxThreads = 256;

private:
    QCommandLineParser m_parser;
    CommonOptions m_common;
    GameOptions m_games;
    QCommandLineOption m_threads;
    QCommandLineOption m_list;
    QCommandLineOption m_stdin;
    QCommandLineOption m_loose;
};
