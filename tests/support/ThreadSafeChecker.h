// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

// How long a question to the checker takes.
using QuestionDelay = std::function<std::chrono::microseconds(std::string_view)>;

// A checker that many threads may ask at once: every clone shares the
// script, which counts questions, checkers alive and questions in flight.
// Standard types only, so ThreadSanitizer sees all of it.
struct ThreadScript {
    std::set<std::string, std::less<>> accepted;
    bool acceptAll = false;
    QuestionDelay delay;
    std::atomic<long> asked { 0 };
    std::atomic<int> inFlight { 0 };
    std::atomic<int> alive { 0 };
    std::atomic<int> clones { 0 };
    // How many questions each thread asked, to tell workers from the run's
    // own thread; read once the run is over.
    std::mutex mutex;
    std::map<std::thread::id, long> askers;
};

class ThreadSafeChecker final : public SpellChecker {
public:
    explicit ThreadSafeChecker(std::shared_ptr<ThreadScript> script)
        : m_script(std::move(script))
    {
        ++m_script->alive;
    }
    ~ThreadSafeChecker() override { --m_script->alive; }

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        ++m_script->inFlight;
        ++m_script->asked;
        {
            const std::lock_guard lock(m_script->mutex);
            ++m_script->askers[std::this_thread::get_id()];
        }
        if (m_script->delay)
            std::this_thread::sleep_for(m_script->delay(word));
        const bool accepted = m_script->acceptAll || m_script->accepted.contains(word);
        --m_script->inFlight;
        return accepted;
    }

    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        ++m_script->clones;
        return std::make_unique<ThreadSafeChecker>(m_script);
    }

private:
    std::shared_ptr<ThreadScript> m_script;
};

class ThreadSafeCheckerFactory final : public SpellCheckerFactory {
public:
    std::unique_ptr<SpellChecker> create(std::string_view) override
    {
        return std::make_unique<ThreadSafeChecker>(script);
    }
    std::shared_ptr<ThreadScript> script = std::make_shared<ThreadScript>();
};
