// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include "tests/support/TempFolder.h"

#include <QByteArray>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

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

// A dictionary a test writes from lines of its own into a folder that goes
// away with it, read by each engine in turn.
class WrittenDictionary {
public:
    WrittenDictionary(QByteArray aff, QByteArray dic)
        : m_aff(std::move(aff))
        , m_dic(std::move(dic))
    {
        m_folder.write(QStringLiteral("xx.aff"), m_aff);
        m_folder.write(QStringLiteral("xx.dic"), m_dic);
        m_base = m_folder.path(QStringLiteral("xx")).toStdString();
    }

    [[nodiscard]] const std::filesystem::path &base() const { return m_base; }

    // A checker of it as the engine loads it; nothing when it refuses it.
    [[nodiscard]] std::unique_ptr<SpellChecker> checker(Engine engine) const
    {
        const auto loaded = LoadedDictionary::load(engine, m_base);
        return loaded ? loaded->checker() : nullptr;
    }

    // Its word index of that kind, read as the engine reads the files.
    [[nodiscard]] WordIndexBuild index(Engine engine, IndexKind kind = IndexKind::Chosen) const
    {
        return buildWordIndex(
            m_aff.toStdString(), m_dic.toStdString(), dialectOf(engine), {}, nullptr, kind);
    }

private:
    TempFolder m_folder;
    QByteArray m_aff;
    QByteArray m_dic;
    std::filesystem::path m_base;
};
