// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spelling/KeptDictionary.h"
#include "spelling/LoadedDictionary.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// A dictionary that an engine loaded and that passed its self-test, with
// what the cache keeps of it.
struct ChosenDictionary {
    std::filesystem::path base;
    std::shared_ptr<LoadedDictionary> loaded;
    KeptDictionary kept;
};

// Tries dictionaries one at a time: a look at its files first, then each
// engine, Nuspell before Hunspell, tried by the helper (or by the verdict
// the cache kept of an earlier try) before it is loaded here.
class DictionaryChooser {
public:
    struct Settings {
        // The program that tries an engine first (see EngineProbe); empty:
        // dictionaries are loaded without it.
        std::filesystem::path probeHelper;
        // Where the cache is kept; nothing: no cache.
        std::optional<std::filesystem::path> cacheFolder;
        // Called when an engine's verdict lets it load the dictionary at
        // base, just before it does (see DictionaryService::work).
        std::function<void(const std::filesystem::path &base, Engine engine, KeptDictionary &kept)>
            beforeLoading;
    };
    // Told, a line each, why a dictionary or an engine was passed over.
    using Tell = std::function<void(const std::string &line)>;

    DictionaryChooser(Settings settings, const std::atomic<bool> &cancel, Tell tell);

    // The dictionary at base (without .aff and .dic), loaded by the first
    // engine that serves; nothing when neither does, or when cancelled.
    // What was found out of a dictionary passed over is kept, so that the
    // next run skips it at once.
    [[nodiscard]] std::optional<ChosenDictionary> tryDictionary(const std::filesystem::path &base);

private:
    Settings m_settings;
    const std::atomic<bool> &m_cancel;
    Tell m_tell;
};
