#include "platform/SpellEngines.h"

#include "platform/DictionaryLocator.h"

#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>

#include <string>

namespace {

class NuspellChecker final : public SpellChecker {
public:
    explicit NuspellChecker(const std::filesystem::path &base)
    {
        m_dictionary.load_aff_dic(std::filesystem::path(base.string() + ".aff"));
    }

    std::optional<bool> checkSpelling(std::string_view word) override
    {
        try {
            return m_dictionary.spell(word);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }

private:
    nuspell::Dictionary m_dictionary;
};

class HunspellChecker final : public SpellChecker {
public:
    explicit HunspellChecker(const std::filesystem::path &base)
        : m_hunspell((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str())
    {
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
        if (nuspell)
            return std::make_unique<NuspellChecker>(*dictionary);
        return std::make_unique<HunspellChecker>(*dictionary);
    } catch (const std::exception &) {
        // Nuspell refuses some affix files that Hunspell reads; the caller
        // then falls back to the other engine.
        return nullptr;
    }
}
