#pragma once

#include "platform/SpellChecker.h"

#include <filesystem>
#include <functional>
#include <optional>

// The spelling engines behind the two names the search asks for:
// "excel.application" is Nuspell, "word.application" is Hunspell. Both load
// the dictionary that the locator gives at the moment of creation.
class SpellEngineFactory final : public SpellCheckerFactory {
public:
    using Locator = std::function<std::optional<std::filesystem::path>()>;

    SpellEngineFactory();
    explicit SpellEngineFactory(Locator locator);

    [[nodiscard]] std::unique_ptr<SpellChecker> create(std::string_view progId) override;

    // The dictionary (path without .aff/.dic) that the last checker created
    // loaded; nothing before the first one.
    [[nodiscard]] const std::optional<std::filesystem::path> &lastDictionary() const
    {
        return m_lastDictionary;
    }

    static constexpr std::string_view kNuspellProgId = "excel.application";
    static constexpr std::string_view kHunspellProgId = "word.application";

private:
    Locator m_locator;
    std::optional<std::filesystem::path> m_lastDictionary;
};
