// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolIo.h"

#include <QCoreApplication>

ToolMessageBox::ToolMessageBox(std::function<void(const std::string &)> errLine)
    : m_errLine(std::move(errLine))
{
}

MessageAnswer ToolMessageBox::show(const MessageRequest &request)
{
    if (request.buttons == MessageButtons::YesNo)
        return MessageAnswer::Yes;
    m_errLine(request.text.toStdString());
    return MessageAnswer::Ok;
}

std::string answeredByLine(const std::filesystem::path &dictionary, const std::string &engine)
{
    // The path goes in byte for byte, whatever its encoding.
    const std::string pattern
        = QCoreApplication::translate("ToolIo", "dictionary %1 (%2), engine %3").toStdString();
    const std::string arguments[] = { dictionary.filename().string(), dictionary.string(), engine };
    std::string line;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
            && pattern[i + 1] <= '3') {
            line += arguments[pattern[i + 1] - '1'];
            ++i;
        } else {
            line += pattern[i];
        }
    }
    return line;
}
