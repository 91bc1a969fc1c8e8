// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/ScriptedChecker.h"

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
// script, which counts questions, checkers alive and clones.
// Standard types only, so ThreadSanitizer sees all of it.
struct ThreadScript {
    std::set<std::string, std::less<>> accepted;
    bool acceptAll = false;
    QuestionDelay delay;
    std::atomic<long> asked { 0 };
    std::atomic<int> alive { 0 };
    std::atomic<int> clones { 0 };
    // How many questions each thread asked, to tell workers from the run's
    // own thread; read once the run is over.
    std::mutex mutex;
    std::map<std::thread::id, long> askers;
};

class ThreadSafeChecker final : public CountedChecker<ThreadScript> {
public:
    using Script = ThreadScript;
    using CountedChecker::CountedChecker;

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        ++m_script->asked;
        {
            const std::lock_guard lock(m_script->mutex);
            ++m_script->askers[std::this_thread::get_id()];
        }
        if (m_script->delay)
            std::this_thread::sleep_for(m_script->delay(word));
        return m_script->acceptAll || m_script->accepted.contains(word);
    }

    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        ++m_script->clones;
        return std::make_unique<ThreadSafeChecker>(m_script);
    }
};
