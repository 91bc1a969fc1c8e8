// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One spelling engine, asked about one word at a time in the case it was
// typed. An empty answer means the question itself failed.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    [[nodiscard]] virtual std::optional<bool> checkSpelling(std::string_view word) = 0;
    // A checker with the same dictionary that another thread may ask while
    // this one is asked; nullptr when the engine cannot give one. Called on
    // one thread, one after another.
    [[nodiscard]] virtual std::unique_ptr<SpellChecker> cloneForThread() { return nullptr; }
    // The engine that answers ("Nuspell"); empty for a stand-in.
    [[nodiscard]] virtual std::string engineName() const { return {}; }
    // The Hunspell-format dictionary the checker answers from (its path
    // without .aff and .dic), so that its word index can stand in for the
    // enumeration; nothing when there is no such file to read.
    [[nodiscard]] virtual std::optional<std::filesystem::path> dictionary() const
    {
        return std::nullopt;
    }
};

// No word in any language: a checker that accepts it accepts anything.
inline constexpr std::string_view kNoWordInAnyLanguage = "qzxvkqj";

// Creates a spelling engine by the name a caller knows it by; nullptr when it
// cannot be created (no dictionary, or the engine refuses the dictionary).
class SpellCheckerFactory {
public:
    virtual ~SpellCheckerFactory() = default;
    [[nodiscard]] virtual std::unique_ptr<SpellChecker> create(std::string_view progId) = 0;
    // Calls ready once create() answers at once: at once when it does
    // already, else later, from the thread that made it ready. The first
    // call starts the slow part of creating (finding, trying and loading the
    // dictionary) on a thread of its own, so that a window can go on
    // handling its events meanwhile.
    virtual void whenReady(const std::function<void()> &ready) { ready(); }
};
