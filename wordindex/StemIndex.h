// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "wordforms/LetterCounts.h"
#include "wordforms/LetterFold.h"
#include "wordindex/FormSource.h"
#include "wordindex/OwnSpellings.h"
#include "wordindex/StemIndexSquares.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The index of a dictionary whose words have more forms than are worth
// keeping (Hungarian, Basque, Estonian ...): its stems, each filed under its
// core (the letters no affix can strip, which every form of it keeps), and
// the forms within some letters made when they are asked for, by the same
// expansion as a kept index uses, from only the stems whose core lies
// within the letters and with only the affixes whose letters fit them.
// The image holds no affix rules: it is read back with the affix file it
// was built from (the cache's stamp covers that file).
class StemIndex final : public FormSource {
public:
    [[nodiscard]] static std::variant<StemIndex, std::string> build(
        std::shared_ptr<const AffixFile> affixes, std::string_view dicText,
        const ReadLimits &limits = {}, const std::atomic<bool> *cancel = nullptr);
    // The index of an image built with this affix file; nothing, and why,
    // when the image is not one.
    // The limits hold for the forms within the letters asked for.
    [[nodiscard]] static std::optional<StemIndex> fromImage(std::vector<std::uint64_t> image,
        std::shared_ptr<const AffixFile> affixes, std::string *whyNot = nullptr,
        const ReadLimits &limits = {});
    // Whether a block of memory is meant as an index of stems (else of forms).
    [[nodiscard]] static bool isStemImage(const std::vector<std::uint64_t> &image);

    [[nodiscard]] FormsWithin within(
        std::string_view letters, const std::function<bool()> &keepGoing = {}) const override;
    [[nodiscard]] FormsWithin withinUpTo(std::string_view letters, std::size_t longest,
        const std::function<bool()> &keepGoing = {}) const override;
    [[nodiscard]] FormsWithin withinPool(const LetterPool &pool, std::size_t longest,
        const std::function<bool()> &keepGoing = {}) const override;
    [[nodiscard]] FormsWithin withinSquares(const LetterPool &pool, std::size_t longest,
        const SquarePlaces &places, const std::function<bool()> &keepGoing = {}) const override;
    [[nodiscard]] const CompoundSettings &compounds() const override { return m_settings; }
    [[nodiscard]] const std::vector<std::uint64_t> &image() const override { return *m_image; }
    [[nodiscard]] std::size_t size() const override { return m_stemFlags.size(); }
    [[nodiscard]] std::size_t memoryBytes() const override { return m_image->size() * 8; }
    [[nodiscard]] bool keepsForms() const override { return false; }
    // The forms of one stem as the dictionary spells them (ü, not the key
    // letter u), with their roles, up to about maxForms of them (for tests
    // and benches); a form whose spellings are not kept is left out.
    [[nodiscard]] std::vector<std::pair<std::string, std::uint8_t>> formsOfStem(
        std::size_t stem, std::size_t maxForms) const;

private:
    StemIndex() = default;
    bool attach(std::shared_ptr<const AffixFile> affixes, std::string *whyNot);
    // Made at the first crossword that asks: a whole-word search never does,
    // nor a dictionary that joins compounds, and making it took a third of
    // reading hu_HU's index back.
    [[nodiscard]] const StemSquares &squares() const;
    // places: nothing, or the crossword's words the forms must fill.
    [[nodiscard]] FormsWithin formsWithin(const LetterPool &pool, std::size_t longest,
        const SquarePlaces *places, const std::function<bool()> &keepGoing) const;

    std::shared_ptr<const AffixFile> m_affixes;
    std::shared_ptr<const LetterFold> m_fold;
    std::shared_ptr<const OwnSpellings> m_own;
    struct LazySquares {
        std::once_flag made;
        std::unique_ptr<const StemSquares> squares;
    };
    std::shared_ptr<LazySquares> m_squares;
    std::shared_ptr<const std::vector<std::uint64_t>> m_image;
    std::shared_ptr<const WordIndex> m_cores; // one form a key: the key
    ReadLimits m_limits;
    CompoundSettings m_settings;
    // The letters each rule adds that no other affix can strip, by rule
    // number; a rule whose letters cannot be told has none.
    std::vector<std::optional<LetterCounts>> m_added;
    std::vector<LetterCounts> m_addLetters; // all the plain letters each rule adds
    std::vector<bool> m_addTypable; // whether all it adds can be typed
    std::vector<std::size_t> m_nextSuffixStrip;
    std::span<const std::uint32_t> m_keyStem; // key k: m_stemRefs from m_keyStem[k]
    std::span<const std::uint32_t> m_stemRefs;
    std::span<const std::uint32_t> m_stemText; // stem s: from m_stemText[s], in m_text
    std::span<const char32_t> m_text;
    std::span<const std::uint32_t> m_stemFlags; // stem s: its flag list
    std::span<const std::uint32_t> m_flagStart; // list f: m_flags from m_flagStart[f]
    std::span<const std::uint16_t> m_flags;
    std::span<const std::uint32_t> m_coreless; // stems whose every letter an affix may strip
};
