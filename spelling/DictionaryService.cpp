// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryService.h"

#include "spelling/IndexLoading.h"

#include <QtGlobal>

namespace {

// What is left when dictionaries are there but none serves: every question
// fails, so the search's self-test does too.
class UnusableChecker final : public SpellChecker {
public:
    std::optional<bool> checkSpelling(std::string_view) override { return std::nullopt; }
};

// The names the search creates its checker by, best first.
std::optional<DictionaryService::Checker> checkerNamed(std::string_view progId)
{
    if (progId == "excel.application")
        return DictionaryService::Checker::Chosen;
    if (progId == "word.application")
        return DictionaryService::Checker::FailingStandIn;
    return std::nullopt;
}

} // namespace

DictionaryService::DictionaryService(Settings settings, Diagnostics diagnostics)
    : m_settings(std::move(settings))
    , m_diagnostics(std::move(diagnostics))
{
}

DictionaryService::~DictionaryService()
{
    {
        // Nobody who asked is there to be told any more.
        const std::lock_guard lock(m_mutex);
        m_whenReady.clear();
    }
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void DictionaryService::tell(const std::string &line)
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_choice && m_passedOver.size() < 16)
            m_passedOver.push_back(line);
    }
    if (m_diagnostics)
        m_diagnostics(line);
}

void DictionaryService::startInBackground()
{
    const std::lock_guard lock(m_mutex);
    if (m_phase != Phase::Idle)
        return;
    m_phase = Phase::Choosing;
    m_worker = std::thread([this] { run(); });
}

bool DictionaryService::readyLocked() const
{
    return m_phase >= Phase::Indexing || m_cancel;
}

// Moves on to the phase, and tells those waiting for the checker once it is ready.
void DictionaryService::enter(Phase phase)
{
    std::vector<std::function<void()>> told;
    {
        const std::lock_guard lock(m_mutex);
        m_phase = std::max(m_phase, phase);
        if (readyLocked())
            told = std::exchange(m_whenReady, {});
    }
    m_changed.notify_all();
    for (const auto &ready : told)
        ready();
}

void DictionaryService::cancel()
{
    m_cancel = true;
    enter(Phase::Idle);
}

void DictionaryService::waitFor(Phase phase)
{
    startInBackground();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_phase >= phase || m_cancel; });
}

void DictionaryService::prepare()
{
    waitFor(Phase::Indexing);
}

bool DictionaryService::finishedWithin(std::chrono::steady_clock::duration time)
{
    std::unique_lock lock(m_mutex);
    if (m_phase == Phase::Idle)
        return true;
    return m_changed.wait_for(lock, time, [this] { return m_workerDone; });
}

bool DictionaryService::ready()
{
    startInBackground();
    const std::lock_guard lock(m_mutex);
    return readyLocked();
}

void DictionaryService::whenReady(const std::function<void()> &ready)
{
    startInBackground();
    {
        const std::lock_guard lock(m_mutex);
        if (!readyLocked()) {
            m_whenReady.push_back(ready);
            return;
        }
    }
    ready();
}

void DictionaryService::finish()
{
    if (!m_settings.cacheFolder) {
        // Nothing would keep the index: building it on would only delay the end.
        cancel();
        return;
    }
    startInBackground();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_workerDone; });
}

std::unique_ptr<SpellChecker> DictionaryService::checker(Checker which)
{
    prepare();
    const std::lock_guard lock(m_mutex);
    switch (which) {
    case Checker::Chosen:
        return m_loaded ? m_loaded->checker() : nullptr;
    case Checker::FailingStandIn:
        return !m_loaded && m_foundAny ? std::make_unique<UnusableChecker>() : nullptr;
    }
    return nullptr;
}

std::unique_ptr<SpellChecker> DictionaryService::create(std::string_view progId)
{
    const auto which = checkerNamed(progId);
    return which ? checker(*which) : nullptr;
}

std::optional<std::filesystem::path> DictionaryService::dictionary()
{
    const std::lock_guard lock(m_mutex);
    return m_loaded && m_choice ? std::optional(m_choice->base) : std::nullopt;
}

std::optional<DictionaryChoice> DictionaryService::choice() const
{
    const std::lock_guard lock(m_mutex);
    return m_choice;
}

IndexSource::Offer DictionaryService::indexFor(
    const std::filesystem::path &base, std::chrono::steady_clock::duration wait)
{
    startInBackground();
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, wait, [&] { return m_phase == Phase::Done || m_cancel; });
    if (!m_choice || m_choice->base != base)
        return { nullptr, QT_TRANSLATE_NOOP("Reason", "the word index is of another dictionary"),
            nullptr };
    if (m_phase != Phase::Done)
        return { nullptr, m_cancel ? QT_TRANSLATE_NOOP("Reason", "the index was not finished") : "",
            nullptr };
    return { m_index, m_indexRefusal, m_alphabet };
}

std::chrono::steady_clock::duration DictionaryService::buildTimeLeft(
    const std::filesystem::path &base) const
{
    const std::lock_guard lock(m_mutex);
    if (m_phase == Phase::Done || !m_choice || m_choice->base != base)
        return {};
    return std::max(
        std::chrono::steady_clock::duration::zero(), m_indexDue - std::chrono::steady_clock::now());
}

void DictionaryService::run()
{
    work();
    {
        const std::lock_guard lock(m_mutex);
        m_workerDone = true;
    }
    enter(Phase::Done);
}

void DictionaryService::work()
{
    const auto candidates
        = m_settings.candidates ? m_settings.candidates() : std::vector<std::filesystem::path>();
    // Where the cache will keep it, a missing index is built before the
    // engine loads the dictionary, so that the build's tables and the
    // engine's own copy of the words are never in memory at once (el_GR:
    // Nuspell's 86 MB beside the build's 60). Short inputs then wait for the
    // index, on the dictionary's first run only; without a cache every run
    // would, so there the checker comes first and the index after it.
    struct BuiltFirst {
        std::filesystem::path base;
        Engine engine;
        LoadedIndex index;
    };
    std::optional<BuiltFirst> builtFirst;
    const auto tellLine = [this](const std::string &line) { tell(line); };
    const auto beforeLoading
        = [&](const std::filesystem::path &base, Engine engine, KeptDictionary &kept) {
              builtFirst.reset();
              if (m_settings.cacheFolder && !kept.holdsIndexFor(engine))
                  builtFirst = BuiltFirst { base, engine,
                      loadIndex(kept, base, engine, m_cancel, tellLine) };
          };
    DictionaryChooser chooser(
        { m_settings.probeHelper, m_settings.cacheFolder, beforeLoading }, m_cancel, tellLine);
    std::optional<ChosenDictionary> chosen;
    for (const auto &base : candidates) {
        if (m_cancel)
            break;
        {
            const std::lock_guard lock(m_mutex);
            m_foundAny = true;
        }
        if ((chosen = chooser.tryDictionary(base)))
            break;
    }
    if (!chosen) {
        enter(Phase::Done);
        return;
    }
    const Engine engine = chosen->loaded->engine();
    std::optional<LoadedIndex> loaded;
    if (builtFirst && builtFirst->base == chosen->base && builtFirst->engine == engine)
        loaded = std::move(builtFirst->index);
    builtFirst.reset();
    {
        const std::lock_guard lock(m_mutex);
        m_loaded = chosen->loaded;
        m_choice = DictionaryChoice { chosen->base, engine, chosen->base.filename().string(),
            m_settings.language, m_passedOver };
        m_indexDue = std::chrono::steady_clock::now()
            + (loaded ? std::chrono::steady_clock::duration::zero()
                      : indexReadyIn(chosen->kept, engine));
    }
    if (!loaded) {
        enter(Phase::Indexing);
        loaded = loadIndex(chosen->kept, chosen->base, engine, m_cancel, tellLine);
    }
    const std::shared_ptr<const FormSource> index = loaded->index;
    {
        const std::lock_guard lock(m_mutex);
        m_index = index;
        m_indexRefusal = std::move(loaded->refusal);
        m_alphabet = std::move(loaded->alphabet);
    }
    enter(Phase::Done);
    if (m_cancel)
        return;
    if (const auto problem = chosen->kept.keep(m_settings.cacheFolder,
            index ? std::span(index->image()) : std::span<const std::uint64_t>()))
        tell(*problem);
}
