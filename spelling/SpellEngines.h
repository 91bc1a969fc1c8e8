// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The spelling engines behind the two names the search asks for:
// "excel.application" is Nuspell, "word.application" is Hunspell. Each tries
// the dictionaries that the locator gives, best first, at the moment of
// creation, and keeps the first that passes a look at its files and a test
// of its answers: it must accept a plain entry of its own word list and
// refuse a string that is no word. When dictionaries are there but none
// serves, "word.application" gives a checker whose every question fails, so
// the search tells the user that the checker fails its self-test.
class SpellEngineFactory final : public SpellCheckerFactory {
public:
    using Locator = std::function<std::vector<std::filesystem::path>()>;
    // Told, in one line each, why a dictionary was not used ("Nuspell refused
    // /usr/share/hunspell/xx_XX.aff: ..."); the window shows none of it.
    using Diagnostics = std::function<void(const std::string &line)>;

    SpellEngineFactory();
    explicit SpellEngineFactory(Locator locator);

    void setDiagnostics(Diagnostics diagnostics) { m_diagnostics = std::move(diagnostics); }

    [[nodiscard]] std::unique_ptr<SpellChecker> create(std::string_view progId) override;

    static constexpr std::string_view kNuspellProgId = "excel.application";
    static constexpr std::string_view kHunspellProgId = "word.application";

private:
    void tell(const std::string &line) const;

    Locator m_locator;
    Diagnostics m_diagnostics;
};
