// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/IndexBuilder.h"

#include "fileio/BoundedFile.h"
#include "hunspellfiles/AffixReader.h"
#include "hunspellfiles/DicFile.h"
#include "hunspellfiles/Reason.h"
#include "wordforms/Expander.h"
#include "wordforms/LetterFold.h"
#include "wordindex/CompoundSettings.h"
#include "wordindex/DictionaryAlphabet.h"
#include "wordindex/FormTable.h"
#include "wordindex/IndexLayout.h"
#include "wordindex/OwnSpellings.h"
#include "wordindex/StemIndex.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

namespace {

// Folds each form the expander gives into its typed spellings and keeps
// them, with the form's own spelling.
class FoldingSink final : public FormSink {
public:
    FoldingSink(const LetterFold &fold, const OwnSpellings &own, FormTable &table)
        : m_fold(fold)
        , m_own(own)
        , m_table(table)
    {
    }

    void form(std::u32string_view form, std::uint8_t roles, std::uint64_t ruleFlags) override
    {
        m_spellings.clear();
        if (!m_fold.spellings(form, m_spellings, kMaxSpellings)) {
            m_tooMany = true;
            return;
        }
        // Made only for a spelling that keeps it (most of an alphabet of
        // its own keep none).
        std::optional<std::string> own;
        bool made = false;
        for (const std::string &spelling : m_spellings) {
            if (spelling.empty())
                continue;
            if (!made && keepsOwnSpellings(spelling)) {
                own = m_own.of(form);
                made = true;
            }
            m_table.add(spelling, roles, ruleFlags, own ? &*own : nullptr);
        }
    }
    [[nodiscard]] bool tooMany() const { return m_tooMany; }

private:
    const LetterFold &m_fold;
    const OwnSpellings &m_own;
    FormTable &m_table;
    std::vector<std::string> m_spellings;
    bool m_tooMany = false;
};

class CountingSink final : public FormSink {
public:
    void form(std::u32string_view, std::uint8_t, std::uint64_t) override { ++count; }
    std::size_t count = 0;
};

// Whether the dictionary's words have more forms than the limit, told from
// every so many of them; it stops as soon as their forms pass their share.
bool moreFormsThan(
    std::size_t limit, const AffixFile &affixes, std::string_view dicText, const ReadLimits &limits)
{
    constexpr std::size_t kSamples = 4096;
    const auto lines = static_cast<std::size_t>(std::ranges::count(dicText, '\n')) + 1;
    const std::size_t stride = std::max<std::size_t>(1, lines / kSamples);
    const std::size_t share = limit / stride;
    const LetterFold fold(affixes);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests,
        [&fold](char32_t c) { return fold.typable(c); });
    CountingSink sink;
    std::size_t seen = 0;
    bool more = false;
    (void)forEachDicWord(
        affixes, dicText, limits, nullptr, [&](std::u32string &word, const FlagList &flags) {
            if (seen++ % stride != 0)
                return true;
            expander.setMaxForms(std::min(limits.maxFormsPerStem, share - sink.count));
            more = !expander.expand(word, flags, sink) || sink.count > share;
            return !more;
        });
    return more;
}

WordIndexBuild keptForms(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, const std::function<void()> &readAll)
{
    const LetterFold fold(affixes);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests,
        [&fold](char32_t c) { return fold.typable(c); });
    auto table = std::make_unique<FormTable>(limits.maxStoredForms);
    const OwnSpellings ownSpellings(affixes);
    table->setConversions(ownSpellings.conversions());
    FoldingSink sink(fold, ownSpellings, *table);
    std::string refusal;
    std::string own = forEachDicWord(
        affixes, dicText, limits, cancel, [&](std::u32string &word, const FlagList &flags) {
            if (!expander.expand(word, flags, sink))
                refusal = expander.exhausted()
                    ? Reason::mark("the affix rules take too long to apply")
                    : Reason::mark("a dictionary word has too many forms");
            else if (sink.tooMany())
                refusal = Reason::mark("a dictionary word has too many spellings in letters");
            else if (table->full())
                refusal = Reason::mark("the dictionary has too many forms");
            return refusal.empty();
        });
    if (refusal.empty())
        refusal = std::move(own);
    if (!refusal.empty())
        return { nullptr, std::move(refusal), {} };
    // The words' text is no longer needed: gone before the index, the
    // build's largest block, is written.
    readAll();
    CompoundSettings settings = compoundSettingsOf(affixes);
    // Lists too long for the settings leave every compound to the checker.
    const auto listable = [](const std::set<std::string> &words) {
        std::size_t bytes = 0;
        for (const std::string &word : words) {
            bytes += 4 + word.size();
            if (word.size() > IndexLayout::kMaxListedLetters)
                return false;
        }
        return bytes <= IndexLayout::kMaxListedBytes;
    };
    if (settings.partsMarked && listable(expander.forbiddenWords())
        && listable(expander.partStops())) {
        settings.forbidden.assign(
            expander.forbiddenWords().begin(), expander.forbiddenWords().end());
        settings.partStops.assign(expander.partStops().begin(), expander.partStops().end());
        settings.settlesByParts = true;
    }
    return { std::make_shared<const KeptForms>(table->write(settings)), {}, {} };
}

WordIndexBuild indexOf(std::shared_ptr<const AffixFile> affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind,
    const std::function<void()> &readAll)
{
    if (kind == IndexKind::Chosen)
        kind = moreFormsThan(
                   std::min(kKeepFormsUpTo, limits.maxStoredForms), *affixes, dicText, limits)
            ? IndexKind::Stems
            : IndexKind::Forms;
    if (kind == IndexKind::Forms)
        return keptForms(*affixes, dicText, limits, cancel, readAll);
    auto stems = StemIndex::build(std::move(affixes), dicText, limits, cancel);
    if (auto *refusal = std::get_if<std::string>(&stems))
        return { nullptr, std::move(*refusal), {} };
    return { std::make_shared<const StemIndex>(std::move(std::get<StemIndex>(stems))), {}, {} };
}

// Whether typed letters could make a number of the checker's (ICONV of
// letters into digits): the index names no such word. It may stand in
// only where those letters are outside the alphabet of a script other than
// Latin (uk_UA turns every Latin letter into a digit), since such letters
// are then refused before any search (search/AlphabetCheck.h).
bool typesNumbers(const AffixFile &affixes, const std::optional<Alphabet> &alphabet)
{
    if (affixes.numberConversions.empty())
        return false;
    if (!alphabet || alphabet->isLatin())
        return true;
    return std::ranges::any_of(affixes.numberConversions, [&](const std::u32string &from) {
        return std::ranges::any_of(from, [&](char32_t c) {
            const char small = static_cast<char>(c | 0x20); // from holds A to Z only
            return alphabet->id(std::string(1, small)).has_value();
        });
    });
}

// The index and alphabet of the words in dicText; readAll is called once
// the text is read for the last time, so that its owner can free it.
WordIndexBuild indexAndAlphabet(std::string_view affText, std::string_view dicText, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind,
    std::string_view language, const std::function<void()> &readAll)
{
    auto affixes = std::make_shared<const AffixFile>(parseAffixFile(affText, dialect, limits));
    if (!affixes->refusal.empty())
        return { nullptr, affixes->refusal, {} };
    // An index refused for its rules still has words to know the letters
    // of; they are known first, so that the forms' build reads the words last.
    std::optional<Alphabet> alphabet
        = dictionaryAlphabet(*affixes, dicText, language, limits, cancel);
    WordIndexBuild build = indexOf(affixes, dicText, limits, cancel, kind, readAll);
    build.alphabet = std::move(alphabet);
    if (build.forms && typesNumbers(*affixes, build.alphabet)) {
        build.forms = nullptr;
        build.refusal = Reason::mark("ICONV converts letters before the check");
    }
    return build;
}

} // namespace

WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind,
    std::string_view language)
{
    return indexAndAlphabet(affText, dicText, dialect, limits, cancel, kind, language, [] {});
}

WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind)
{
    const BoundedRead bounds { .maxBytes = limits.maxFileBytes, .cancel = cancel };
    auto aff = readBounded(base.string() + ".aff", bounds);
    auto dic = readBounded(base.string() + ".dic", bounds);
    for (const auto *file : { &aff, &dic }) {
        if (const auto *refusal = std::get_if<FileRefusal>(file))
            return { nullptr, Reason::with(Reason::kFilesUnread, refusal->text()), {} };
    }
    std::string &words = std::get<FileBytes>(dic).bytes;
    return indexAndAlphabet(std::get<FileBytes>(aff).bytes, words, dialect, limits, cancel, kind,
        base.filename().string(), [&words] { std::string().swap(words); });
}

std::shared_ptr<const FormSource> readWordIndex(std::vector<std::uint64_t> image,
    const std::filesystem::path &base, Dialect dialect, std::string *whyNot,
    const ReadLimits &limits)
{
    if (!StemIndex::isStemImage(image)) {
        auto index = WordIndex::fromImage(std::move(image), whyNot);
        return index ? std::make_shared<const KeptForms>(std::move(*index)) : nullptr;
    }
    // An index of stems goes with the rules of its affix file.
    auto aff = readBounded(base.string() + ".aff", { .maxBytes = limits.maxFileBytes });
    if (const auto *refusal = std::get_if<FileRefusal>(&aff)) {
        if (whyNot)
            *whyNot = Reason::with(Reason::kAffixFileUnread, refusal->text());
        return nullptr;
    }
    auto affixes = std::make_shared<const AffixFile>(
        parseAffixFile(std::get<FileBytes>(aff).bytes, dialect, limits));
    auto index = StemIndex::fromImage(std::move(image), std::move(affixes), whyNot, limits);
    return index ? std::make_shared<const StemIndex>(std::move(*index)) : nullptr;
}
