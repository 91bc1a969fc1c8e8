// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spelling/LoadedDictionary.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

// Some affix files make an engine die or hang while it loads them (Nuspell
// asserts on a directive with no value, and reads past a converter it
// failed to open), and no look at the text can foresee every such case.
// So before the program loads a dictionary itself, a helper program
// (quorvel-probe) loads it with the engine and runs its self-test, under
// limits of memory and processor time and with a deadline, and says how it
// went; only a dictionary the helper found usable is loaded here.
class EngineProbe {
public:
    // The longest a helper is waited for: longer than any real dictionary
    // takes to load on a busy machine.
    static constexpr std::chrono::seconds kDeadline { 20 };

    explicit EngineProbe(
        std::filesystem::path helper, std::chrono::steady_clock::duration deadline = kDeadline);

    struct Verdict {
        bool usable = false;
        std::string why; // when not usable
        bool settled = true; // false when the trying was cut short: not to be kept
    };
    // Blocks until the helper ends, the deadline passes, or cancel is set.
    [[nodiscard]] Verdict probe(Engine engine, const std::filesystem::path &base,
        const std::atomic<bool> *cancel = nullptr) const;

    [[nodiscard]] bool available() const { return !m_helper.empty(); }

private:
    std::filesystem::path m_helper;
    std::chrono::steady_clock::duration m_deadline;
};

// What the helper prints: one line, and the verdict it stands for.
namespace ProbeReport {
[[nodiscard]] std::string line(const std::optional<std::string> &refusal);
[[nodiscard]] std::optional<EngineProbe::Verdict> parse(std::string_view output);
} // namespace ProbeReport
