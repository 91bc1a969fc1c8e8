// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "platform/SpellChecker.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// The two spelling engines that read Hunspell-format dictionaries.
enum class Engine { Nuspell, Hunspell };

[[nodiscard]] const char *engineName(Engine engine);
// How the engine reads an affix file, which the word index follows.
[[nodiscard]] Dialect dialectOf(Engine engine);

// A dictionary loaded by one engine in this process, shared by every
// checker made from it. A Nuspell dictionary answers several threads at
// once; a Hunspell object answers one question at a time, so its checkers
// take turns, and a worker thread gets a Hunspell of its own.
class LoadedDictionary {
public:
    virtual ~LoadedDictionary() = default;

    // nullptr, and why, when the engine refuses the files.
    [[nodiscard]] static std::shared_ptr<LoadedDictionary> load(
        Engine engine, const std::filesystem::path &base, std::string *whyNot = nullptr);

    [[nodiscard]] Engine engine() const { return m_engine; }
    [[nodiscard]] const std::filesystem::path &base() const { return m_base; }
    // A checker that asks this dictionary; it keeps the dictionary loaded.
    [[nodiscard]] virtual std::unique_ptr<SpellChecker> checker() = 0;

    // The dictionary takes every string of Latin letters for a word though
    // its alphabet is another (uk_UA turns them into digits with ICONV, so
    // that foreign words pass): from now on its checkers answer no to a
    // word of Latin letters alone, as its word list does. Set before the
    // dictionary is shared.
    void refuseLatinWords() { m_refusesLatinWords = true; }
    [[nodiscard]] bool refusesLatinWords() const { return m_refusesLatinWords; }
    // Whether the word is all letters A to Z, in either case.
    [[nodiscard]] static bool onlyLatinLetters(std::string_view word);

protected:
    LoadedDictionary(Engine engine, std::filesystem::path base)
        : m_engine(engine)
        , m_base(std::move(base))
    {
    }

private:
    Engine m_engine;
    std::filesystem::path m_base;
    bool m_refusesLatinWords = false;
};
