// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryService.h"

#include "fileio/BoundedFile.h"
#include "spelling/CacheFile.h"
#include "spelling/DictionaryCheck.h"
#include "spelling/EngineProbe.h"
#include "wordindex/IndexBuilder.h"

namespace {

// What is left when dictionaries are there but none serves: every question
// fails, so the search's self-test does too.
class UnusableChecker final : public SpellChecker {
public:
    std::optional<bool> checkSpelling(std::string_view) override { return std::nullopt; }
};

// About how long an index takes to build, from the size of the word list:
// a short input is answered by trying its arrangements rather than wait.
std::chrono::steady_clock::duration buildEstimate(const FileStamp &dic)
{
    return std::chrono::milliseconds(100 + dic.size / 1200);
}

std::string verdictNote(const EngineProbe::Verdict &verdict)
{
    return verdict.usable ? "usable" : "refused\t" + verdict.why;
}

std::optional<EngineProbe::Verdict> verdictOf(const std::string *note)
{
    return note ? ProbeReport::parse(*note) : std::nullopt;
}

} // namespace

DictionaryService::DictionaryService(Settings settings, Diagnostics diagnostics)
    : m_settings(std::move(settings))
    , m_diagnostics(std::move(diagnostics))
{
}

DictionaryService::~DictionaryService()
{
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

void DictionaryService::cancel()
{
    m_cancel = true;
    m_changed.notify_all();
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
    return m_phase >= Phase::Indexing || m_cancel;
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

std::unique_ptr<SpellChecker> DictionaryService::create(std::string_view progId)
{
    prepare();
    const std::lock_guard lock(m_mutex);
    if (progId == kNuspellProgId)
        return m_loaded ? m_loaded->checker() : nullptr;
    if (progId == kHunspellProgId && !m_loaded && m_foundAny)
        return std::make_unique<UnusableChecker>();
    return nullptr;
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
        return { nullptr, "the word index is of another dictionary" };
    if (m_phase != Phase::Done)
        return { nullptr, m_cancel ? "the index was not finished" : "" };
    return { m_index, m_indexRefusal };
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
    m_changed.notify_all();
}

void DictionaryService::work()
{
    const auto candidates
        = m_settings.candidates ? m_settings.candidates() : std::vector<std::filesystem::path>();
    CacheEntry entry;
    bool chosen = false;
    for (const auto &base : candidates) {
        if (m_cancel)
            break;
        {
            const std::lock_guard lock(m_mutex);
            m_foundAny = true;
        }
        entry = CacheEntry();
        m_keptAsRead = false;
        if (tryDictionary(base, entry)) {
            chosen = true;
            break;
        }
    }
    {
        const std::lock_guard lock(m_mutex);
        m_phase = chosen ? Phase::Indexing : Phase::Done;
    }
    m_changed.notify_all();
    if (!chosen)
        return;
    indexChosen(entry);
    {
        const std::lock_guard lock(m_mutex);
        m_phase = Phase::Done;
    }
    m_changed.notify_all();
    if (!m_cancel)
        keep(entry);
}

bool DictionaryService::tryDictionary(const std::filesystem::path &base, CacheEntry &entry)
{
    const std::string aff = base.string() + ".aff";
    const auto affStamp = stampOf(aff);
    const auto dicStamp = stampOf(base.string() + ".dic");
    const DictionaryCheck::Report report = DictionaryCheck::inspect(base);
    if (report.refusal || !std::holds_alternative<FileStamp>(affStamp)
        || !std::holds_alternative<FileStamp>(dicStamp)) {
        tell("Nuspell and Hunspell refused " + aff + ": "
            + report.refusal.value_or("its files cannot be read"));
        return false;
    }
    entry.dictionary = base.string();
    entry.aff = std::get<FileStamp>(affStamp);
    entry.dic = std::get<FileStamp>(dicStamp);
    if (m_settings.cacheFolder) {
        std::string why;
        auto kept
            = CacheFile::read(CacheFile::fileFor(*m_settings.cacheFolder, entry.dictionary), &why);
        if (kept && kept->dictionary == entry.dictionary && kept->aff == entry.aff
            && kept->dic == entry.dic) {
            entry = std::move(*kept);
            m_keptAsRead = true;
        }
    }
    const EngineProbe probe(m_settings.probeHelper);
    for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
        const std::string name = engineName(engine);
        if (engine == Engine::Nuspell && report.nuspellRefusal) {
            tell(name + " refused " + aff + ": " + *report.nuspellRefusal);
            continue;
        }
        auto verdict = verdictOf(entry.note(name));
        if (!verdict && probe.available()) {
            verdict = probe.probe(engine, base, &m_cancel);
            if (verdict->settled) {
                entry.setNote(name, verdictNote(*verdict));
                m_keptAsRead = false;
            }
        }
        if (verdict && !verdict->usable) {
            tell(name + " refused " + aff + ": " + verdict->why);
            continue;
        }
        if (m_cancel)
            return false;
        std::string why;
        auto loaded = LoadedDictionary::load(engine, base, &why);
        if (!loaded) {
            tell(name + " refused " + aff + ": " + why);
            continue;
        }
        const std::lock_guard lock(m_mutex);
        m_loaded = std::move(loaded);
        m_choice = DictionaryChoice { base, engine, base.filename().string(), m_settings.language,
            m_passedOver };
        // An index kept in the cache is only read back.
        const bool kept = entry.dialect == static_cast<std::uint32_t>(dialectOf(engine))
            && (!entry.image.empty() || !entry.indexRefusal.empty());
        m_indexDue = std::chrono::steady_clock::now()
            + (kept ? std::chrono::milliseconds(2 + entry.image.size() / 125'000)
                    : buildEstimate(entry.dic));
        return true;
    }
    // Neither engine: what was found out is kept, so the next run skips it at once.
    keep(entry);
    return false;
}

void DictionaryService::indexChosen(CacheEntry &entry)
{
    const Engine engine = m_choice->engine;
    const auto dialect = static_cast<std::uint32_t>(dialectOf(engine));
    std::shared_ptr<const FormSource> index;
    std::string refusal;
    if (entry.dialect == dialect) {
        if (!entry.indexRefusal.empty()) {
            refusal = entry.indexRefusal;
        } else {
            std::string why;
            index = readWordIndex(std::move(entry.image), m_choice->base, dialectOf(engine), &why);
            if (!index) {
                tell("the kept word index of " + entry.dictionary + " is not used: " + why);
                m_keptAsRead = false;
            }
            entry.image.clear();
        }
    }
    if (!index && refusal.empty()) {
        const WordIndexBuild build
            = buildWordIndexFromFiles(m_choice->base, dialectOf(engine), {}, &m_cancel);
        index = build.forms;
        refusal = build.refusal;
        entry.dialect = m_cancel ? std::nullopt : std::optional(dialect);
        entry.indexRefusal = refusal;
        entry.image.clear();
        m_keptAsRead = false;
    }
    const std::lock_guard lock(m_mutex);
    m_index = std::move(index);
    m_indexRefusal = std::move(refusal);
}

void DictionaryService::keep(const CacheEntry &entry)
{
    if (!m_settings.cacheFolder || entry.dictionary.empty())
        return;
    // Writing a large index again would cost the run's end more than the answer took.
    if (m_keptAsRead) {
        CacheFile::markUsed(*m_settings.cacheFolder, entry.dictionary);
        return;
    }
    std::shared_ptr<const FormSource> index;
    {
        const std::lock_guard lock(m_mutex);
        if (m_choice && m_choice->base.string() == entry.dictionary)
            index = m_index;
    }
    std::string why;
    if (!CacheFile::write(*m_settings.cacheFolder, entry,
            index ? std::span(index->image()) : std::span<const std::uint64_t>(), &why))
        tell("the cache in " + m_settings.cacheFolder->string() + " is not written: " + why);
}
