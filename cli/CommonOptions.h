// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/DictionaryOption.h"
#include "cli/ExitStatus.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <optional>
#include <variant>
#include <vector>

// The options both programs take, added to either's parser by one builder
// so that they are spelt, explained and read alike: --help, --version,
// --exhaustive, --no-cache, --dictionary and --language.
class CommonOptions {
    Q_DECLARE_TR_FUNCTIONS(CommonOptions)

public:
    CommonOptions();
    void addTo(QCommandLineParser &parser) const;

    [[nodiscard]] bool exhaustive(const QCommandLineParser &parser) const;
    [[nodiscard]] bool noCache(const QCommandLineParser &parser) const;
    // The dictionary --dictionary names, looked for in the folders; nothing
    // when the option is not given; a usage error when there is no such
    // dictionary.
    [[nodiscard]] std::variant<std::optional<DictionaryPick>, CommandRefusal> dictionary(
        const QCommandLineParser &parser, const std::vector<std::filesystem::path> &folders) const;

private:
    // For the curious and for comparing: every arrangement is tried, as
    // without a word index.
    QCommandLineOption m_exhaustive;
    // For a dictionary that is being edited, and for measuring.
    QCommandLineOption m_noCache;
    QCommandLineOption m_dictionary;
    // Read before everything else (InterfaceLanguage::choose), so that the
    // rest is told in that language; here for --help.
    QCommandLineOption m_language;
};
