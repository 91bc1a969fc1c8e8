// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "tests/support/CallLog.h"

#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// What a scripted checker says, shared with the test after the checker has
// been handed to a run (and released by it).
struct CheckerScript {
    QSet<QString> accepted; // words answered true, exactly as written
    QSet<QString> failing; // questions that fail
    QStringList asked; // every question, in order
    int alive = 0; // checkers created and not yet released
    std::function<void(const QString &)> onAsk;
    std::optional<std::string> ownWord; // what selfTestWord() names
};

class ScriptedChecker final : public SpellChecker {
public:
    explicit ScriptedChecker(std::shared_ptr<CheckerScript> script)
        : m_script(std::move(script))
    {
        ++m_script->alive;
    }
    ~ScriptedChecker() override { --m_script->alive; }

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        const QString text = QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
        m_script->asked.append(text);
        if (m_script->onAsk)
            m_script->onAsk(text);
        if (m_script->failing.contains(text))
            return std::nullopt;
        return m_script->accepted.contains(text);
    }
    std::optional<std::string> selfTestWord() const override { return m_script->ownWord; }

private:
    std::shared_ptr<CheckerScript> m_script;
};

// Creates scripted checkers for the names it is told to, and logs every attempt.
class ScriptedCheckerFactory final : public SpellCheckerFactory {
public:
    explicit ScriptedCheckerFactory(CallLog *log = nullptr)
        : m_log(log)
    {
    }

    std::unique_ptr<SpellChecker> create(std::string_view progId) override
    {
        const QString name
            = QString::fromLatin1(progId.data(), static_cast<qsizetype>(progId.size()));
        attempts.append(name);
        if (m_log)
            m_log->add(QStringLiteral("create: ") + name);
        if (!creatable.contains(name))
            return nullptr;
        return std::make_unique<ScriptedChecker>(script);
    }

    QSet<QString> creatable { QStringLiteral("excel.application"),
        QStringLiteral("word.application") };
    QStringList attempts;
    std::shared_ptr<CheckerScript> script = std::make_shared<CheckerScript>();

private:
    CallLog *m_log;
};
