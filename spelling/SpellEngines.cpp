#include "spelling/SpellEngines.h"

#include "spelling/DictionaryLocator.h"

#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>

#include <string>

namespace {

class NuspellChecker final : public SpellChecker {
public:
    explicit NuspellChecker(const std::filesystem::path &base)
    {
        auto dictionary = std::make_shared<nuspell::Dictionary>();
        dictionary->load_aff_dic(std::filesystem::path(base.string() + ".aff"));
        m_dictionary = std::move(dictionary);
    }

    // Nuspell's spell() is const and safe to call from several threads at
    // once, so every thread shares the one dictionary.
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        return std::make_unique<NuspellChecker>(m_dictionary);
    }

    explicit NuspellChecker(std::shared_ptr<const nuspell::Dictionary> dictionary)
        : m_dictionary(std::move(dictionary))
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

private:
    std::shared_ptr<const nuspell::Dictionary> m_dictionary;
};

class HunspellChecker final : public SpellChecker {
public:
    explicit HunspellChecker(const std::filesystem::path &base)
        : m_base(base)
        , m_hunspell((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str())
    {
    }

    // A Hunspell object may not be shared between threads: each gets its own.
    std::unique_ptr<SpellChecker> cloneForThread() override
    {
        try {
            return std::make_unique<HunspellChecker>(m_base);
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

private:
    std::filesystem::path m_base;
    Hunspell m_hunspell;
    std::string m_word; // reused so a question does not allocate
};

} // namespace

SpellEngineFactory::SpellEngineFactory()
    : SpellEngineFactory(&DictionaryLocator::findForUser)
{
}

SpellEngineFactory::SpellEngineFactory(Locator locator)
    : m_locator(std::move(locator))
{
}

std::unique_ptr<SpellChecker> SpellEngineFactory::create(std::string_view progId)
{
    const bool nuspell = progId == kNuspellProgId;
    if (!nuspell && progId != kHunspellProgId)
        return nullptr;
    const auto dictionary = m_locator();
    if (!dictionary)
        return nullptr;
    try {
        std::unique_ptr<SpellChecker> checker;
        if (nuspell)
            checker = std::make_unique<NuspellChecker>(*dictionary);
        else
            checker = std::make_unique<HunspellChecker>(*dictionary);
        m_lastDictionary = dictionary;
        return checker;
    } catch (const std::exception &) {
        // Nuspell refuses some affix files that Hunspell reads; the caller
        // then falls back to the other engine.
        return nullptr;
    }
}
