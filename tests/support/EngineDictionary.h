// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include <filesystem>
#include <memory>
#include <string>

// A test dictionary as one engine reads it: its checker, and the word index
// and alphabet built from its files as that engine reads them (the ones
// the window and the tool use).
struct EngineDictionary {
    std::unique_ptr<SpellChecker> checker; // nothing when it was not loaded
    WordIndexBuild build;
    std::string whyNot; // why it was not loaded, or why it has no index or alphabet

    // Loaded, with an index and its alphabet.
    [[nodiscard]] bool ready() const { return checker && build.forms && build.alphabet; }
};

[[nodiscard]] inline EngineDictionary engineDictionary(
    Engine engine, const std::filesystem::path &base)
{
    EngineDictionary dictionary;
    const auto loaded = LoadedDictionary::load(engine, base, &dictionary.whyNot);
    if (!loaded)
        return dictionary;
    dictionary.checker = loaded->checker();
    dictionary.build = buildWordIndexFromFiles(base, dialectOf(engine));
    if (!dictionary.build.forms)
        dictionary.whyNot = dictionary.build.refusal;
    else if (!dictionary.build.alphabet)
        dictionary.whyNot = "no alphabet";
    return dictionary;
}

// The engines a test dictionary is read by, each in turn.
inline constexpr Engine kEngines[] = { Engine::Nuspell, Engine::Hunspell };
