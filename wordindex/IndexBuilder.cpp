// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/IndexBuilder.h"

#include "fileio/BoundedFile.h"
#include "wordindex/Expander.h"
#include "wordindex/FormTable.h"
#include "wordindex/LetterFold.h"
#include "wordindex/TextDecoder.h"

#include <algorithm>
#include <utility>

namespace {

// More spellings of one form than this (each ICONV target character may be
// typed in more than one way) and the index is not trusted.
constexpr std::size_t kMaxSpellings = 64;

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

CompoundSettings settingsOf(const AffixFile &affixes, const Expander &expander)
{
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

} // namespace

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

namespace {

// The forms of a dictionary, or why it has no index.
struct Collected {
    std::unique_ptr<FormTable> forms;
    CompoundSettings settings;
    std::string refusal;
};

Collected collectForms(std::string_view affText, std::string_view dicText, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    Collected build;
    const AffixFile affixes = parseAffixFile(affText, dialect, limits);
    if (!affixes.refusal.empty()) {
        build.refusal = affixes.refusal;
        return build;
    }
    const auto decoder = TextDecoder::forEncoding(affixes.encoding);
    const LetterFold fold(affixes);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests,
        [&fold](char32_t c) { return fold.typable(c); });
    build.forms = std::make_unique<FormTable>(limits.maxStoredForms);
    FormTable &table = *build.forms;
    FoldingSink sink(fold, table);
    std::size_t entries = 0;
    bool first = true;
    std::u32string stem;
    const auto entry = [&](std::u32string &word, const FlagList &flags) {
        // The engines drop ignored characters from the words they load.
        std::erase_if(word, [&](char32_t c) { return affixes.ignored.find(c) != std::u32string::npos; });
        if (word.empty())
            return true;
        if (!expander.expand(word, flags, sink)) {
            build.refusal = expander.exhausted() ? "the affix rules take too long to apply"
                                                 : "a dictionary word has too many forms";
            return false;
        }
        if (sink.tooMany()) {
            build.refusal = "a dictionary word has too many spellings in letters";
            return false;
        }
        if (table.full()) {
            build.refusal = "the dictionary has too many forms";
            return false;
        }
        return true;
    };
    const bool whole = forEachLine(dicText, limits.maxLineBytes, [&](std::string_view line) {
        if (std::exchange(first, false) && isCountLine(line))
            return true;
        if (++entries > limits.maxEntries) {
            build.refusal = "the dictionary has too many words";
            return false;
        }
        if (cancel && entries % 1024 == 0 && cancel->load(std::memory_order_relaxed)) {
            build.refusal = "the index was not finished";
            return false;
        }
        const DicEntry parsed = splitDicEntry(line);
        if (parsed.word.empty())
            return true;
        const FlagList flags = affixes.parseFlags(parsed.flags);
        stem.clear();
        decoder->decodeInto(parsed.word, stem);
        // A checker that ends the word at its first blank reads another word.
        const auto blank = stem.find(U' ');
        std::u32string head = blank != std::u32string::npos && blank > 0 ? stem.substr(0, blank) : U"";
        if (!entry(stem, flags))
            return false;
        return head.empty() || entry(head, flags);
    });
    if (!whole)
        build.refusal = "the dictionary has a line that is too long";
    if (!build.refusal.empty())
        build.forms.reset();
    else
        build.settings = settingsOf(affixes, expander);
    return build;
}

WordIndexBuild written(Collected collected)
{
    if (!collected.forms)
        return { nullptr, std::move(collected.refusal) };
    return { std::make_shared<const WordIndex>(collected.forms->write(collected.settings)), {} };
}

} // namespace

WordIndexBuild buildWordIndex(std::string_view affText, std::string_view dicText, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    return written(collectForms(affText, dicText, dialect, limits, cancel));
}

WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base, Dialect dialect,
    const ReadLimits &limits, const std::atomic<bool> *cancel)
{
    const BoundedRead bounds { .maxBytes = limits.maxFileBytes, .cancel = cancel };
    auto aff = readBounded(base.string() + ".aff", bounds);
    auto dic = readBounded(base.string() + ".dic", bounds);
    for (const auto *file : { &aff, &dic }) {
        if (const auto *refusal = std::get_if<FileRefusal>(file))
            return { nullptr, "the dictionary files cannot be read: " + refusal->text() };
    }
    Collected collected = collectForms(
        std::get<FileBytes>(aff).bytes, std::get<FileBytes>(dic).bytes, dialect, limits, cancel);
    // The files' text is no longer needed while the index is written.
    aff = FileBytes();
    dic = FileBytes();
    return written(std::move(collected));
}
