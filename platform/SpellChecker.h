#pragma once

#include <memory>
#include <optional>
#include <string_view>

// One spelling engine, asked about one word at a time in the case it was
// typed. An empty answer means the question itself failed.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    [[nodiscard]] virtual std::optional<bool> checkSpelling(std::string_view word) = 0;
    // A checker with the same dictionary that another thread may ask while
    // this one is asked; nullptr when the engine cannot give one. Called on
    // one thread, one after another.
    [[nodiscard]] virtual std::unique_ptr<SpellChecker> cloneForThread() { return nullptr; }
};

// Creates a spelling engine by the name a caller knows it by; nullptr when it
// cannot be created (no dictionary, or the engine refuses the dictionary).
class SpellCheckerFactory {
public:
    virtual ~SpellCheckerFactory() = default;
    [[nodiscard]] virtual std::unique_ptr<SpellChecker> create(std::string_view progId) = 0;
};
