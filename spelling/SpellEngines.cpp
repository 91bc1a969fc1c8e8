// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/SpellEngines.h"

#include "spelling/DictionaryCheck.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/EngineProbe.h"

#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>

#include <string>

namespace {

class NuspellChecker final : public SpellChecker {
public:
    NuspellChecker(const std::filesystem::path &base, std::optional<std::string> ownWord)
        : m_base(base)
        , m_ownWord(std::move(ownWord))
    {
        auto dictionary = std::make_shared<nuspell::Dictionary>();
        dictionary->load_aff_dic(std::filesystem::path(base.string() + ".aff"));
        m_dictionary = std::move(dictionary);
    }

    // Nuspell's spell() is const and safe to call from several threads at
    // once, so every thread shares the one dictionary.
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        return std::make_unique<NuspellChecker>(m_dictionary, m_base);
    }

    NuspellChecker(
        std::shared_ptr<const nuspell::Dictionary> dictionary, std::filesystem::path base)
        : m_dictionary(std::move(dictionary))
        , m_base(std::move(base))
    {
    }

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        try {
            return m_dictionary->spell(word);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }

    std::optional<std::string> selfTestWord() const override { return m_ownWord; }
    std::optional<std::filesystem::path> dictionary() const override { return m_base; }

private:
    std::shared_ptr<const nuspell::Dictionary> m_dictionary;
    std::filesystem::path m_base;
    std::optional<std::string> m_ownWord;
};

class HunspellChecker final : public SpellChecker {
public:
    HunspellChecker(const std::filesystem::path &base, std::optional<std::string> ownWord)
        : m_base(base)
        , m_hunspell((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str())
        , m_ownWord(std::move(ownWord))
    {
    }

    // A Hunspell object may not be shared between threads: each gets its own.
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        try {
            return std::make_unique<HunspellChecker>(m_base, std::nullopt);
        } catch (const std::exception &) {
            return nullptr; // the run then asks from fewer threads
        }
    }

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        try {
            m_word.assign(word);
            return m_hunspell.spell(m_word);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }

    std::optional<std::string> selfTestWord() const override { return m_ownWord; }
    std::optional<std::filesystem::path> dictionary() const override { return m_base; }

private:
    std::filesystem::path m_base;
    Hunspell m_hunspell;
    std::optional<std::string> m_ownWord;
    std::string m_word; // reused so a question does not allocate
};

// What is left when dictionaries are there but none serves: every question
// fails, so the search's self-test does too.
class UnusableChecker final : public SpellChecker {
public:
    std::optional<bool> checkSpelling(std::string_view) override { return std::nullopt; }
};

// Why the checker's answers cannot be trusted; nothing when they can.
std::optional<std::string> failedSelfTest(
    SpellChecker &checker, const std::optional<std::string> &ownWord)
{
    if (!checker.checkSpelling("hello"))
        return "a question to it fails";
    if (ownWord && checker.checkSpelling(*ownWord) != true)
        return "it does not accept \"" + *ownWord + "\", an entry of its own word list";
    if (checker.checkSpelling(kNoWordInAnyLanguage) != false)
        return "it accepts \"" + std::string(kNoWordInAnyLanguage) + "\", which is no word";
    return std::nullopt;
}

} // namespace

SpellEngineFactory::SpellEngineFactory()
    : SpellEngineFactory(&DictionaryLocator::candidatesForUser)
{
}

SpellEngineFactory::SpellEngineFactory(Locator locator)
    : m_locator(std::move(locator))
{
}

void SpellEngineFactory::tell(const std::string &line) const
{
    if (m_diagnostics)
        m_diagnostics(line);
}

std::unique_ptr<SpellChecker> SpellEngineFactory::create(std::string_view progId)
{
    const bool nuspell = progId == kNuspellProgId;
    if (!nuspell && progId != kHunspellProgId)
        return nullptr;
    const std::string engine = nuspell ? "Nuspell" : "Hunspell";
    const auto dictionaries = m_locator();
    for (const auto &base : dictionaries) {
        const std::string aff = base.string() + ".aff";
        const DictionaryCheck::Report report = DictionaryCheck::inspect(base);
        if (report.refusal) {
            tell(engine + " refused " + aff + ": " + *report.refusal);
            continue;
        }
        if (nuspell && report.nuspellRefusal) {
            tell(engine + " refused " + aff + ": " + *report.nuspellRefusal);
            continue;
        }
        if (const auto why = EngineProbe::whyNot(
                nuspell ? EngineProbe::Engine::Nuspell : EngineProbe::Engine::Hunspell, base)) {
            tell(engine + " refused " + aff + ": " + *why);
            continue;
        }
        const auto ownWord = nuspell ? report.plainEntryUtf8 : report.plainEntryRaw;
        std::unique_ptr<SpellChecker> checker;
        try {
            if (nuspell)
                checker = std::make_unique<NuspellChecker>(base, ownWord);
            else
                checker = std::make_unique<HunspellChecker>(base, ownWord);
        } catch (const std::exception &error) {
            // Nuspell refuses some affix files that Hunspell reads; the caller
            // then falls back to the other engine.
            tell(engine + " refused " + aff + ": " + error.what());
            continue;
        }
        if (const auto why = failedSelfTest(*checker, ownWord)) {
            tell(engine + " cannot use " + base.string() + ": " + *why);
            continue;
        }
        return checker;
    }
    if (nuspell || dictionaries.empty())
        return nullptr;
    return std::make_unique<UnusableChecker>();
}
