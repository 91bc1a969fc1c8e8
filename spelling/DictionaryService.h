// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "spelling/DictionaryChooser.h"
#include "wordindex/IndexSource.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Which dictionary answers, and how it was chosen.
struct DictionaryChoice {
    std::filesystem::path base; // without .aff and .dic
    Engine engine = Engine::Nuspell;
    std::string language; // the dictionary's name: "de_DE"
    // The language the locale asks for; nothing for C or POSIX.
    std::optional<std::string> askedLanguage;
    // Dictionaries passed over before this one, a line each.
    std::vector<std::string> passedOver;
};

// The spelling checker of the program and the word index of its dictionary:
// the dictionaries are tried best first (see DictionaryChooser), and the
// first that an engine loads and that passes its self-test answers; then its
// word index is read from the cache or built (see loadIndex). All of it runs
// once, on a worker thread of its own, started early (or when first needed);
// the cache keeps the engines' verdicts and the index for the next run.
class DictionaryService final : public SpellCheckerFactory, public IndexSource {
public:
    struct Settings {
        // The dictionaries to try, best first.
        std::function<std::vector<std::filesystem::path>()> candidates;
        std::optional<std::string> language; // what the locale asks for
        // The program that tries an engine on a dictionary first (see
        // EngineProbe); empty: dictionaries are loaded without it.
        std::filesystem::path probeHelper;
        // Where the cache is kept; nothing: no cache.
        std::optional<std::filesystem::path> cacheFolder;
    };
    // Told, in one line each, why a dictionary was passed over and what
    // the cache could not do; called on the worker thread.
    using Diagnostics = std::function<void(const std::string &line)>;

    // The checkers the service offers.
    enum class Checker {
        Chosen, // the chosen dictionary's engine
        // There only when dictionaries were found but none serves: every
        // question to it fails, so that the search tells the user that the
        // checker fails its self-test.
        FailingStandIn,
    };

    explicit DictionaryService(Settings settings, Diagnostics diagnostics = {});
    ~DictionaryService() override;
    DictionaryService(const DictionaryService &) = delete;
    DictionaryService &operator=(const DictionaryService &) = delete;

    // Blocks until the choice is made; nullptr when there is no such checker.
    [[nodiscard]] std::unique_ptr<SpellChecker> checker(Checker which);
    // The names the search asks for: "excel.application" is the chosen
    // engine, "word.application" the failing stand-in.
    [[nodiscard]] std::unique_ptr<SpellChecker> create(std::string_view progId) override;
    void whenReady(const std::function<void()> &ready) override;
    // Whether create() answers at once; starts the work if it has not started.
    [[nodiscard]] bool ready();
    [[nodiscard]] std::optional<std::filesystem::path> dictionary() override;
    // Blocks until create() answers at once.
    void prepare();
    [[nodiscard]] Offer indexFor(
        const std::filesystem::path &base, std::chrono::steady_clock::duration wait) override;
    [[nodiscard]] std::chrono::steady_clock::duration buildTimeLeft(
        const std::filesystem::path &base) const override;

    // Starts the work on its thread, if it has not started; returns at once.
    void startInBackground();
    // Ends the work at once (a helper that runs is stopped): the program ends.
    void cancel();
    // Waits until the work is done (the command-line tool, before it ends,
    // so that the cache is written); without a cache, stops it instead.
    void finish();
    // Whether the work is done, or ends within the time.
    [[nodiscard]] bool finishedWithin(std::chrono::steady_clock::duration time);
    [[nodiscard]] std::optional<DictionaryChoice> choice() const;

private:
    enum class Phase { Idle, Choosing, Indexing, Done };
    void run();
    void work();
    void enter(Phase phase);
    void tell(const std::string &line);
    void waitFor(Phase phase);
    [[nodiscard]] bool readyLocked() const;

    Settings m_settings;
    Diagnostics m_diagnostics;
    std::atomic<bool> m_cancel = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    Phase m_phase = Phase::Idle;
    std::vector<std::function<void()>> m_whenReady;
    bool m_foundAny = false; // some dictionary was there to try
    std::shared_ptr<LoadedDictionary> m_loaded;
    std::optional<DictionaryChoice> m_choice;
    std::vector<std::string> m_passedOver;
    std::shared_ptr<const FormSource> m_index;
    std::string m_indexRefusal;
    std::shared_ptr<const Alphabet> m_alphabet;
    std::chrono::steady_clock::time_point m_indexDue;
    bool m_workerDone = false;
    std::thread m_worker;
};
