// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryChooser.h"

#include "fileio/BoundedFile.h"
#include "spelling/DictionaryCheck.h"
#include "spelling/EngineProbe.h"

DictionaryChooser::DictionaryChooser(Settings settings, const std::atomic<bool> &cancel, Tell tell)
    : m_settings(std::move(settings))
    , m_cancel(cancel)
    , m_tell(std::move(tell))
{
}

std::optional<ChosenDictionary> DictionaryChooser::tryDictionary(const std::filesystem::path &base)
{
    const std::string aff = base.string() + ".aff";
    const auto affStamp = stampOf(aff);
    const auto dicStamp = stampOf(base.string() + ".dic");
    const DictionaryCheck::Report report = DictionaryCheck::inspect(base);
    if (report.refusal || !std::holds_alternative<FileStamp>(affStamp)
        || !std::holds_alternative<FileStamp>(dicStamp)) {
        m_tell("Nuspell and Hunspell refused " + aff + ": "
            + report.refusal.value_or("its files cannot be read"));
        return std::nullopt;
    }
    KeptDictionary kept = KeptDictionary::forFiles(m_settings.cacheFolder, base.string(),
        std::get<FileStamp>(affStamp), std::get<FileStamp>(dicStamp));
    const EngineProbe probe(m_settings.probeHelper);
    for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
        const std::string name = engineName(engine);
        if (engine == Engine::Nuspell && report.nuspellRefusal) {
            m_tell(name + " refused " + aff + ": " + *report.nuspellRefusal);
            continue;
        }
        auto verdict = kept.verdict(engine);
        if (!verdict && probe.available()) {
            verdict = probe.probe(engine, base, &m_cancel);
            if (verdict->settled)
                kept.setVerdict(engine, *verdict);
        }
        if (verdict && !verdict->usable) {
            m_tell(name + " refused " + aff + ": " + verdict->why);
            continue;
        }
        if (m_cancel)
            return std::nullopt;
        std::string why;
        auto loaded = LoadedDictionary::load(engine, base, &why);
        if (!loaded) {
            m_tell(name + " refused " + aff + ": " + why);
            continue;
        }
        return ChosenDictionary { base, std::move(loaded), std::move(kept) };
    }
    if (const auto problem = kept.keep(m_settings.cacheFolder, {}))
        m_tell(*problem);
    return std::nullopt;
}
