// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryChooser.h"

#include "fileio/BoundedFile.h"
#include "spelling/DictionaryCheck.h"
#include "spelling/EngineProbe.h"
#include "spelling/Reasons.h"

#include <QCoreApplication>

namespace {

// "Nuspell refused de_DE.aff: ...", the note a run shows on standard error;
// the reason, kept in the cache as it is written, in the user's language.
std::string refusedNote(Engine engine, const std::string &aff, const std::string &why)
{
    return QCoreApplication::translate("DictionaryChooser", "%1 refused %2: %3")
        .arg(QString::fromStdString(engineName(engine)), QString::fromStdString(aff),
            Reasons::said(why))
        .toStdString();
}

} // namespace

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
        m_tell(
            QCoreApplication::translate("DictionaryChooser", "Nuspell and Hunspell refused %1: %2")
                .arg(QString::fromStdString(aff),
                    Reasons::said(report.refusal.value_or(
                        QT_TRANSLATE_NOOP("Reason", "its files cannot be read"))))
                .toStdString());
        return std::nullopt;
    }
    KeptDictionary kept = KeptDictionary::forFiles(m_settings.cacheFolder, base.string(),
        std::get<FileStamp>(affStamp), std::get<FileStamp>(dicStamp));
    const EngineProbe probe(m_settings.probeHelper);
    for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
        if (engine == Engine::Nuspell && report.nuspellRefusal) {
            m_tell(refusedNote(engine, aff, *report.nuspellRefusal));
            continue;
        }
        auto verdict = kept.verdict(engine);
        if (!verdict && probe.available()) {
            verdict = probe.probe(engine, base, &m_cancel);
            if (verdict->settled)
                kept.setVerdict(engine, *verdict);
        }
        if (verdict && !verdict->usable) {
            m_tell(refusedNote(engine, aff, verdict->why));
            continue;
        }
        if (m_settings.beforeLoading && !m_cancel)
            m_settings.beforeLoading(base, engine, kept);
        if (m_cancel)
            return std::nullopt;
        std::string why;
        auto loaded = LoadedDictionary::load(engine, base, &why);
        if (!loaded) {
            m_tell(refusedNote(engine, aff, why));
            continue;
        }
        // Past the self-test, a dictionary that still takes any string of
        // Latin letters judges its own alphabet properly (the helper asked
        // it about nonsense in its own letters): only its Latin answers
        // are worthless, and it answers no to them.
        if (loaded->checker()->checkSpelling(kNoWordInAnyLanguage) == true)
            loaded->refuseLatinWords();
        return ChosenDictionary { base, std::move(loaded), std::move(kept) };
    }
    if (const auto problem = kept.keep(m_settings.cacheFolder, {}))
        m_tell(*problem);
    return std::nullopt;
}
