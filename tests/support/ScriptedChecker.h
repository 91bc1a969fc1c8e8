// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "tests/support/CallLog.h"

#include <QSet>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a scripted checker says, shared with the test after the checker has
// been handed to a run (and released by it).
struct CheckerScript {
    QSet<QString> accepted; // words answered true, exactly as written
    QSet<QString> failing; // questions that fail
    QStringList asked; // every question, in order
    int alive = 0; // checkers created and not yet released
    std::function<void(const QString &)> onAsk;
    // The dictionary the checkers say they answer from; none: no index for them.
    std::optional<std::filesystem::path> dictionary;
};

// A checker answering from a script it shares with the test, and counted
// alive in it until released.
template<typename Script> class CountedChecker : public SpellChecker {
public:
    explicit CountedChecker(std::shared_ptr<Script> script)
        : m_script(std::move(script))
    {
        ++m_script->alive;
    }
    ~CountedChecker() override { --m_script->alive; }

protected:
    std::shared_ptr<Script> m_script;
};

class ScriptedChecker final : public CountedChecker<CheckerScript> {
public:
    using Script = CheckerScript;
    using CountedChecker::CountedChecker;

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
    std::optional<std::filesystem::path> dictionary() const override
    {
        return m_script->dictionary;
    }
    std::string engineName() const override { return "Scripted"; }
};

// Creates checkers for the names it is told to, and logs every attempt.
template<typename Checker> class ScriptedFactory final : public SpellCheckerFactory {
public:
    explicit ScriptedFactory(CallLog *log = nullptr)
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
        return std::make_unique<Checker>(script);
    }
    // While loading, as a dictionary that is still being made ready, those
    // who ask are told only when becomeReady() is called.
    void whenReady(const std::function<void()> &ready) override
    {
        if (loading)
            waiting.push_back(ready);
        else
            ready();
    }
    void becomeReady()
    {
        loading = false;
        for (const auto &ready : std::exchange(waiting, {}))
            ready();
    }

    QSet<QString> creatable { QStringLiteral("excel.application"),
        QStringLiteral("word.application") };
    bool loading = false;
    std::vector<std::function<void()>> waiting;
    QStringList attempts;
    std::shared_ptr<typename Checker::Script> script = std::make_shared<typename Checker::Script>();

private:
    CallLog *m_log;
};
using ScriptedCheckerFactory = ScriptedFactory<ScriptedChecker>;
