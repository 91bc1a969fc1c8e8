// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolIo.h"

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
    return "dictionary " + dictionary.filename().string() + " (" + dictionary.string()
        + "), engine " + engine;
}
