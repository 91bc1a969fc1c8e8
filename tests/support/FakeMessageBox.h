// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"
#include "tests/support/CallLog.h"

#include <QList>
#include <QQueue>
#include <functional>

// Answers from a queue (OK, or the first button, when the queue is empty)
// and keeps every box it was asked to show.
class FakeMessageBox final : public MessageBox {
public:
    explicit FakeMessageBox(CallLog *log = nullptr)
        : m_log(log)
    {
    }

    MessageAnswer show(const MessageRequest &request) override
    {
        m_shown.append(request);
        if (m_log)
            m_log->add(QStringLiteral("message: ") + request.text);
        if (onShow)
            onShow(request);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    [[nodiscard]] const QList<MessageRequest> &shown() const { return m_shown; }

    std::function<void(const MessageRequest &)> onShow;

private:
    CallLog *m_log;
    QQueue<MessageAnswer> m_answers;
    QList<MessageRequest> m_shown;
};
