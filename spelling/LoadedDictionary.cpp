// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/LoadedDictionary.h"

#include "spelling/Reasons.h"

#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>

#include <algorithm>
#include <mutex>

namespace {

class NuspellDictionary final : public LoadedDictionary,
                                public std::enable_shared_from_this<NuspellDictionary> {
public:
    explicit NuspellDictionary(const std::filesystem::path &base)
        : LoadedDictionary(Engine::Nuspell, base)
    {
        m_dictionary.load_aff_dic(std::filesystem::path(base.string() + ".aff"));
    }
    std::unique_ptr<SpellChecker> checker() override;
    [[nodiscard]] bool spell(std::string_view word) const { return m_dictionary.spell(word); }

private:
    nuspell::Dictionary m_dictionary;
};

// Nuspell's spell() is const and safe to call from several threads at
// once, so every thread shares the one dictionary.
class NuspellChecker final : public SpellChecker {
public:
    explicit NuspellChecker(std::shared_ptr<const NuspellDictionary> dictionary)
        : m_dictionary(std::move(dictionary))
    {
    }
    std::optional<bool> checkSpelling(std::string_view word) override
    {
        if (m_dictionary->refusesLatinWords() && LoadedDictionary::onlyLatinLetters(word))
            return false;
        try {
            return m_dictionary->spell(word);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        return std::make_unique<NuspellChecker>(m_dictionary);
    }
    std::optional<std::filesystem::path> dictionary() const override
    {
        return m_dictionary->base();
    }
    std::string engineName() const override { return ::engineName(Engine::Nuspell); }

private:
    std::shared_ptr<const NuspellDictionary> m_dictionary;
};

std::unique_ptr<SpellChecker> NuspellDictionary::checker()
{
    return std::make_unique<NuspellChecker>(shared_from_this());
}

class HunspellDictionary final : public LoadedDictionary,
                                 public std::enable_shared_from_this<HunspellDictionary> {
public:
    explicit HunspellDictionary(const std::filesystem::path &base)
        : LoadedDictionary(Engine::Hunspell, base)
        , m_hunspell((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str())
    {
    }
    std::unique_ptr<SpellChecker> checker() override;
    bool spell(std::string_view word)
    {
        const std::lock_guard lock(m_mutex);
        m_word.assign(word);
        return m_hunspell.spell(m_word);
    }

private:
    std::mutex m_mutex;
    Hunspell m_hunspell;
    std::string m_word; // reused so a question does not allocate
};

class HunspellChecker final : public SpellChecker {
public:
    explicit HunspellChecker(std::shared_ptr<HunspellDictionary> dictionary)
        : m_dictionary(std::move(dictionary))
    {
    }
    std::optional<bool> checkSpelling(std::string_view word) override
    {
        if (m_dictionary->refusesLatinWords() && LoadedDictionary::onlyLatinLetters(word))
            return false;
        try {
            return m_dictionary->spell(word);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }
    // A Hunspell object may not be shared between threads: each gets its own.
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        const auto loaded = LoadedDictionary::load(Engine::Hunspell, m_dictionary->base());
        if (loaded && m_dictionary->refusesLatinWords())
            loaded->refuseLatinWords();
        return loaded ? loaded->checker() : nullptr; // the run then asks from fewer threads
    }
    std::optional<std::filesystem::path> dictionary() const override
    {
        return m_dictionary->base();
    }
    std::string engineName() const override { return ::engineName(Engine::Hunspell); }

private:
    std::shared_ptr<HunspellDictionary> m_dictionary;
};

std::unique_ptr<SpellChecker> HunspellDictionary::checker()
{
    return std::make_unique<HunspellChecker>(shared_from_this());
}

} // namespace

const char *engineName(Engine engine)
{
    return engine == Engine::Nuspell ? "Nuspell" : "Hunspell";
}

Dialect dialectOf(Engine engine)
{
    return engine == Engine::Nuspell ? Dialect::Nuspell : Dialect::Hunspell;
}

bool LoadedDictionary::onlyLatinLetters(std::string_view word)
{
    return !word.empty() && std::ranges::all_of(word, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

std::shared_ptr<LoadedDictionary> LoadedDictionary::load(
    Engine engine, const std::filesystem::path &base, std::string *whyNot)
{
    try {
        if (engine == Engine::Nuspell)
            return std::make_shared<NuspellDictionary>(base);
        return std::make_shared<HunspellDictionary>(base);
    } catch (const std::exception &error) {
        // Nuspell refuses some affix files that Hunspell reads.
        if (whyNot)
            *whyNot = Reasons::english(Reasons::kEngineSays, error.what());
        return nullptr;
    }
}
