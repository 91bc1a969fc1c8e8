// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ProgressLine.h"
#include "platform/MessageBox.h"

#include <QByteArray>
#include <filesystem>
#include <functional>
#include <string>

class IndexSource;
class ProgramTerminator;
class SpellCheckerFactory;

// Where a run from the command line writes.
struct ToolIo {
    std::function<void(const QByteArray &)> out; // the answer
    std::function<void(const std::string &)> errLine; // a line of standard error
    // Set where standard error is a terminal: the progress goes there.
    std::function<void(const std::string &)> terminal;
    ProgressLine::Clock clock = [] { return std::chrono::steady_clock::now(); };
};

// What a run from the command line is given: the same services as the window's.
struct ToolServices {
    SpellCheckerFactory &checkers;
    IndexSource &indexes;
    MessageBox &messageBox; // told when the letters are refused or there is no checker
    ProgramTerminator &terminator;
};

// The messages of a run without a window, a line each on standard error.
// A question is answered Yes without being shown: the tool never stops to
// ask, and a long run is what its user asked for.
class ToolMessageBox final : public MessageBox {
public:
    explicit ToolMessageBox(std::function<void(const std::string &)> errLine);
    [[nodiscard]] MessageAnswer show(const MessageRequest &request) override;

private:
    std::function<void(const std::string &)> m_errLine;
};

// The line that names the dictionary and the engine that answered. Scripts
// read it: in English (LANGUAGE=en, or no catalogue) it is word for word
// what it has always been.
[[nodiscard]] std::string answeredByLine(
    const std::filesystem::path &dictionary, const std::string &engine);
