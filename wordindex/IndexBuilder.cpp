// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/IndexBuilder.h"

#include "fileio/BoundedFile.h"
#include "wordindex/Expander.h"
#include "wordindex/FormTable.h"
#include "wordindex/LetterFold.h"
#include "wordindex/StemIndex.h"
#include "wordindex/TextDecoder.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <limits>
#include <utility>

bool isCountLine(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return !line.empty() && std::ranges::all_of(line, [](char c) { return c >= '0' && c <= '9'; });
}

DicEntry splitDicEntry(std::string_view line)
{
    // Morphological fields start at the first blank before "xx:" or at a tab.
    std::size_t cut = line.find('\t');
    for (std::size_t p = line.find(':'); p != std::string_view::npos && p < cut;
         p = line.find(':', p + 1)) {
        if (p >= 3 && (line[p - 3] == ' ' || line[p - 3] == '\t')) {
            cut = p - 3;
            break;
        }
    }
    line = line.substr(0, cut);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    DicEntry entry;
    std::size_t slash = std::string_view::npos;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '/' && line[i - 1] != '\\') {
            slash = i;
            break;
        }
    }
    const std::string_view word = line.substr(0, slash);
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '\\' && i + 1 < word.size() && word[i + 1] == '/')
            continue;
        entry.word.push_back(word[i]);
    }
    if (slash != std::string_view::npos) {
        entry.flags = line.substr(slash + 1);
        entry.flags = entry.flags.substr(0, entry.flags.find_first_of(" \t"));
    }
    return entry;
}

CompoundSettings compoundSettingsOf(const AffixFile &affixes)
{
    const Expander expander(affixes, 0, 0);
    const CompoundModel &model = affixes.compounds;
    CompoundSettings settings;
    settings.minPart = static_cast<std::uint32_t>(std::max<std::size_t>(model.minPart, 1));
    // With COMPOUNDSYLLABLE, Hunspell lets short words join in any number.
    settings.maxWords = model.syllableLimit ? 0 : static_cast<std::uint32_t>(model.maxWords);
    settings.classic = model.classic();
    settings.simplifiedTriple = model.simplifiedTriple;
    for (const auto &rule : model.rules) {
        auto &elements = settings.rules.emplace_back();
        for (const RuleElement &element : rule)
            elements.push_back({ expander.ruleBit(element.flag), element.optional, element.repeats });
    }
    // A replacement is typed; the characters it stands for are the parts'
    // own and fold as their forms do.
    const LetterFold fold(affixes);
    const auto lower = [](std::string text) {
        for (char &c : text)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return text;
    };
    for (const BoundaryReplacement &pattern : model.replacements) {
        std::vector<std::string> end;
        std::vector<std::string> begin;
        std::vector<std::string> typed;
        (void)fold.spellings(pattern.endChars, end, kMaxSpellings);
        (void)fold.spellings(pattern.beginChars, begin, kMaxSpellings);
        (void)fold.spellings(pattern.replacement, typed, kMaxSpellings);
        for (const auto &e : end) {
            for (const auto &b : begin) {
                for (const auto &t : typed)
                    settings.replacements.push_back({ lower(e), lower(b), lower(t) });
            }
        }
    }
    return settings;
}

namespace {

// The words both engines add beside one with capitals inside it, or in
// capitals throughout with affixes ("OpenOffice", "CIA/S"): the word with
// only its first letter a capital, whose forms they accept typed in
// capitals ("OPENOFFICE", "CIA'S"). Its affixes may apply where the
// capitals' did not. Turkish and its neighbours lower I to dotless i:
// that spelling is added too, since the affix file may not say its language.
void hiddenHomonyms(const std::u32string &word, bool hasFlags, std::vector<std::u32string> &out)
{
    out.clear();
    std::size_t upper = 0;
    std::size_t lower = 0;
    for (const char32_t c : word) {
        upper += u_isupper(static_cast<UChar32>(c)) || u_istitle(static_cast<UChar32>(c));
        lower += u_islower(static_cast<UChar32>(c));
    }
    const bool firstUpper = u_isupper(static_cast<UChar32>(word[0])) || u_istitle(static_cast<UChar32>(word[0]));
    const bool allCapitals = upper > 0 && lower == 0;
    const bool mixed = upper > 0 && lower > 0 && !(upper == 1 && firstUpper);
    if (!(mixed || (allCapitals && hasFlags)))
        return;
    for (const bool turkish : { false, true }) {
        std::u32string title;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const auto c = static_cast<UChar32>(word[i]);
            if (turkish && i > 0 && c == U'I')
                title.push_back(U'\u0131');
            else if (turkish && i > 0 && c == U'\u0130')
                title.push_back(U'i');
            else
                title.push_back(static_cast<char32_t>(i == 0 ? u_totitle(c) : u_tolower(c)));
        }
        if (title != word && std::ranges::find(out, title) == out.end())
            out.push_back(std::move(title));
    }
}

} // namespace

std::string forEachDicWord(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel, const DicWordVisit &visit)
{
    const auto decoder = TextDecoder::forEncoding(affixes.encoding);
    std::string refusal;
    std::size_t entries = 0;
    bool first = true;
    std::u32string word;
    std::u32string head;
    std::vector<std::u32string> hidden;
    const auto ignored = [&](char32_t c) { return affixes.ignored.find(c) != std::u32string::npos; };
    const bool whole = forEachLine(dicText, limits.maxLineBytes, [&](std::string_view line) {
        if (std::exchange(first, false) && isCountLine(line))
            return true;
        if (++entries > limits.maxEntries) {
            refusal = "the dictionary has too many words";
            return false;
        }
        if (cancel && entries % 1024 == 0 && cancel->load(std::memory_order_relaxed)) {
            refusal = "the index was not finished";
            return false;
        }
        const DicEntry parsed = splitDicEntry(line);
        if (parsed.word.empty())
            return true;
        const FlagList flags = affixes.parseFlags(parsed.flags);
        word.clear();
        decoder->decodeInto(parsed.word, word);
        // A checker that ends the word at its first blank reads another word.
        const auto blank = word.find(U' ');
        head = blank != std::u32string::npos && blank > 0 ? word.substr(0, blank) : U"";
        // The engines drop ignored characters from the words they load.
        for (std::u32string *each : { &word, &head }) {
            std::erase_if(*each, ignored);
            if (each->empty())
                continue;
            hiddenHomonyms(*each, !flags.empty(), hidden);
            if (!visit(*each, flags))
                return false;
            for (std::u32string &homonym : hidden) {
                if (!visit(homonym, flags))
                    return false;
            }
        }
        return true;
    });
    if (!whole)
        refusal = "the dictionary has a line that is too long";
    return refusal;
}

namespace {

// Folds each form the expander gives into its typed spellings and keeps them.
class FoldingSink final : public FormSink {
public:
    FoldingSink(const LetterFold &fold, FormTable &table)
        : m_fold(fold)
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
        for (const std::string &spelling : m_spellings) {
            if (!spelling.empty())
                m_table.add(spelling, roles, ruleFlags);
        }
    }
    [[nodiscard]] bool tooMany() const { return m_tooMany; }

private:
    const LetterFold &m_fold;
    FormTable &m_table;
    std::vector<std::string> m_spellings;
    bool m_tooMany = false;
};

class CountingSink final : public FormSink {
public:
    void form(std::u32string_view, std::uint8_t, std::uint64_t) override { ++count; }
    std::size_t count = 0;
};

// The forms the dictionary's words would have, told from every so many of them.
std::size_t estimatedForms(const AffixFile &affixes, std::string_view dicText, const ReadLimits &limits)
{
    constexpr std::size_t kSamples = 4096;
    const auto lines = static_cast<std::size_t>(std::ranges::count(dicText, '\n')) + 1;
    const std::size_t stride = std::max<std::size_t>(1, lines / kSamples);
    const LetterFold fold(affixes);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests / 64,
        [&fold](char32_t c) { return fold.typable(c); });
    CountingSink sink;
    std::size_t seen = 0;
    bool overflow = false;
    (void)forEachDicWord(affixes, dicText, limits, nullptr, [&](std::u32string &word, const FlagList &flags) {
        if (seen++ % stride == 0 && !expander.expand(word, flags, sink))
            overflow = true;
        return !overflow;
    });
    return overflow ? std::numeric_limits<std::size_t>::max() : sink.count * stride;
}

WordIndexBuild keptForms(const AffixFile &affixes, std::string_view dicText,
    const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    const LetterFold fold(affixes);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests,
        [&fold](char32_t c) { return fold.typable(c); });
    auto table = std::make_unique<FormTable>(limits.maxStoredForms);
    FoldingSink sink(fold, *table);
    std::string refusal;
    std::string own = forEachDicWord(affixes, dicText, limits, cancel,
        [&](std::u32string &word, const FlagList &flags) {
            if (!expander.expand(word, flags, sink))
                refusal = expander.exhausted() ? "the affix rules take too long to apply"
                                               : "a dictionary word has too many forms";
            else if (sink.tooMany())
                refusal = "a dictionary word has too many spellings in letters";
            else if (table->full())
                refusal = "the dictionary has too many forms";
            return refusal.empty();
        });
    if (refusal.empty())
        refusal = std::move(own);
    if (!refusal.empty())
        return { nullptr, std::move(refusal) };
    return { std::make_shared<const KeptForms>(table->write(compoundSettingsOf(affixes))), {} };
}

} // namespace

WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind)
{
    auto affixes = std::make_shared<const AffixFile>(parseAffixFile(affText, dialect, limits));
    if (!affixes->refusal.empty())
        return { nullptr, affixes->refusal };
    if (kind == IndexKind::Chosen)
        kind = estimatedForms(*affixes, dicText, limits) > std::min(kKeepFormsUpTo, limits.maxStoredForms)
            ? IndexKind::Stems
            : IndexKind::Forms;
    if (kind == IndexKind::Forms)
        return keptForms(*affixes, dicText, limits, cancel);
    auto stems = StemIndex::build(std::move(affixes), dicText, limits, cancel);
    if (auto *refusal = std::get_if<std::string>(&stems))
        return { nullptr, std::move(*refusal) };
    return { std::make_shared<const StemIndex>(std::move(std::get<StemIndex>(stems))), {} };
}

WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel, IndexKind kind)
{
    const BoundedRead bounds { .maxBytes = limits.maxFileBytes, .cancel = cancel };
    auto aff = readBounded(base.string() + ".aff", bounds);
    auto dic = readBounded(base.string() + ".dic", bounds);
    for (const auto *file : { &aff, &dic }) {
        if (const auto *refusal = std::get_if<FileRefusal>(file))
            return { nullptr, "the dictionary files cannot be read: " + refusal->text() };
    }
    return buildWordIndex(std::get<FileBytes>(aff).bytes, std::get<FileBytes>(dic).bytes, dialect,
        limits, cancel, kind);
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
            *whyNot = "its affix file cannot be read: " + refusal->text();
        return nullptr;
    }
    auto affixes = std::make_shared<const AffixFile>(
        parseAffixFile(std::get<FileBytes>(aff).bytes, dialect, limits));
    auto index = StemIndex::fromImage(std::move(image), std::move(affixes), whyNot, limits);
    return index ? std::make_shared<const StemIndex>(std::move(*index)) : nullptr;
}
