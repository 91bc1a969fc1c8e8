// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/WordIndex.h"

#include "wordindex/Expander.h"
#include "wordindex/TextDecoder.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <unordered_set>
#include <utility>

namespace {

struct DicEntry {
    std::string word;
    std::string_view flags;
};

// A line of the .dic file: the word, "/" and its flags, then optional
// morphological fields after a tab or after a space before "xx:". A slash
// inside the word is written "\/".
DicEntry splitEntry(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
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

bool isCountLine(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return !line.empty() && std::ranges::all_of(line, [](char c) { return c >= '0' && c <= '9'; });
}

// A compound rule can join words of letters only if each of its parts that
// must be there can be such a word: a part whose flag only entries with other
// characters (digits, in the English ordinals) carry keeps the rule harmless.
bool ruleJoinsLetters(
    const std::vector<CompoundRuleElement> &rule, const std::unordered_set<Flag> &letterFlags)
{
    return std::ranges::none_of(rule, [&letterFlags](const CompoundRuleElement &element) {
        return !element.optional && !letterFlags.contains(element.flag);
    });
}

std::optional<std::string> readBounded(const std::filesystem::path &path, std::size_t maxBytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One byte more than the size tells a file that grew since.
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > size)
        return std::nullopt;
    text.resize(got);
    return text;
}

} // namespace

std::string WordIndex::keyOf(std::string_view word)
{
    std::string key(word);
    for (char &c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    std::ranges::sort(key);
    return key;
}

WordIndex WordIndex::fromForms(std::vector<std::string> forms)
{
    std::erase_if(forms, [](const std::string &form) {
        return form.empty()
            || !std::ranges::all_of(form, [](char c) { return c >= 'a' && c <= 'z'; });
    });
    // Each form is filed as its key, a blank (below every letter, so no
    // other key can sort in between) and itself: one sort puts the keys in
    // order and the forms of a key together, and drops repeats.
    std::vector<std::string> filed;
    filed.reserve(forms.size());
    for (const std::string &form : forms) {
        std::string entry = keyOf(form);
        entry += ' ';
        entry += form;
        filed.push_back(std::move(entry));
    }
    forms = {};
    std::ranges::sort(filed);
    filed.erase(std::unique(filed.begin(), filed.end()), filed.end());

    WordIndex index;
    index.m_formCount = filed.size();
    std::string_view lastKey;
    for (const std::string &entry : filed) {
        const std::string_view key = std::string_view(entry).substr(0, entry.size() / 2);
        const std::string_view form = std::string_view(entry).substr(key.size() + 1);
        if (key != lastKey) {
            index.m_keyStart.push_back(static_cast<std::uint32_t>(index.m_keys.size()));
            index.m_formStart.push_back(static_cast<std::uint32_t>(index.m_forms.size()));
            index.m_keys += key;
            lastKey = key;
        }
        index.m_forms += form;
    }
    index.m_keyStart.push_back(static_cast<std::uint32_t>(index.m_keys.size()));
    index.m_formStart.push_back(static_cast<std::uint32_t>(index.m_forms.size()));
    index.m_keys.shrink_to_fit();
    index.m_forms.shrink_to_fit();
    return index;
}

std::vector<std::string_view> WordIndex::formsFor(std::string_view key) const
{
    std::vector<std::string_view> forms;
    const std::size_t count = keyCount();
    const auto keyAt = [this](std::size_t i) {
        return std::string_view(m_keys).substr(m_keyStart[i], m_keyStart[i + 1] - m_keyStart[i]);
    };
    // Binary search over the sorted keys.
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (keyAt(middle) < key)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == count || keyAt(low) != key || key.empty())
        return forms;
    const std::string_view block = std::string_view(m_forms).substr(
        m_formStart[low], m_formStart[low + 1] - m_formStart[low]);
    for (std::size_t at = 0; at < block.size(); at += key.size())
        forms.push_back(block.substr(at, key.size()));
    return forms;
}

std::size_t WordIndex::memoryBytes() const
{
    return sizeof(*this) + m_keys.capacity() + m_forms.capacity()
        + (m_keyStart.capacity() + m_formStart.capacity()) * sizeof(std::uint32_t);
}

WordIndexBuild buildWordIndex(
    std::string_view affText, std::string_view dicText, const ReadLimits &limits)
{
    WordIndexBuild build;
    const AffixFile affixes = parseAffixFile(affText, limits);
    if (!affixes.refusal.empty()) {
        build.refusal = affixes.refusal;
        return build;
    }
    const auto decoder = TextDecoder::forEncoding(affixes.encoding);
    Expander expander(affixes, limits.maxFormsPerStem, limits.maxRuleTests);
    std::unordered_set<Flag> letterFlags;
    std::vector<std::string> stored;
    std::vector<std::u32string> forms;
    std::size_t entries = 0;
    std::size_t generated = 0;
    bool first = true;
    const auto entry = [&](const std::u32string &stem, const FlagList &flags) {
        if (!affixes.compoundRules.empty() && foldToLetters(stem))
            letterFlags.insert(flags.begin(), flags.end());
        if (!expander.expand(stem, flags, forms)) {
            build.refusal = expander.exhausted() ? "the affix rules take too long to apply"
                                                 : "a dictionary word has too many forms";
            return false;
        }
        generated += forms.size();
        for (const std::u32string &form : forms) {
            if (auto letters = foldToLetters(form); letters && !letters->empty())
                stored.push_back(std::move(*letters));
        }
        if (generated > limits.maxTotalForms || stored.size() > limits.maxStoredForms) {
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
        const DicEntry parsed = splitEntry(line);
        if (parsed.word.empty())
            return true;
        const std::u32string stem = decoder->decode(parsed.word);
        const FlagList flags = affixes.parseFlags(parsed.flags);
        if (!entry(stem, flags))
            return false;
        // A checker that ends the word at its first blank reads another word.
        if (const auto blank = stem.find(U' '); blank != std::u32string::npos && blank > 0)
            return entry(stem.substr(0, blank), flags);
        return true;
    });
    if (!whole)
        build.refusal = "the dictionary has a line that is too long";
    if (!build.refusal.empty())
        return build;
    for (const auto &rule : affixes.compoundRules) {
        if (ruleJoinsLetters(rule, letterFlags)) {
            build.refusal = "COMPOUNDRULE joins words made of letters";
            return build;
        }
    }
    build.index = std::make_shared<const WordIndex>(WordIndex::fromForms(std::move(stored)));
    return build;
}

WordIndexBuild buildWordIndexFromFiles(const std::filesystem::path &base, const ReadLimits &limits)
{
    const auto aff
        = readBounded(std::filesystem::path(base.string() + ".aff"), limits.maxFileBytes);
    const auto dic
        = readBounded(std::filesystem::path(base.string() + ".dic"), limits.maxFileBytes);
    if (!aff || !dic)
        return { nullptr, "the dictionary files cannot be read as regular files of bounded size" };
    return buildWordIndex(*aff, *dic, limits);
}

WordIndexBuild WordIndexCache::get(const std::filesystem::path &base)
{
    const std::filesystem::path aff(base.string() + ".aff");
    const std::filesystem::path dic(base.string() + ".dic");
    const auto stampOf = [](const std::filesystem::path &path)
        -> std::optional<std::pair<std::uintmax_t, std::int64_t>> {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return std::nullopt;
        const auto size = std::filesystem::file_size(path, error);
        if (error)
            return std::nullopt;
        const auto time = std::filesystem::last_write_time(path, error);
        if (error)
            return std::nullopt;
        return std::pair(size, static_cast<std::int64_t>(time.time_since_epoch().count()));
    };
    const auto affStamp = stampOf(aff);
    const auto dicStamp = stampOf(dic);
    if (!affStamp || !dicStamp)
        return { nullptr, "the dictionary files are not regular files" };
    std::error_code error;
    const Stamp stamp { std::filesystem::weakly_canonical(base, error).string(), affStamp->first,
        affStamp->second, dicStamp->first, dicStamp->second };
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_builds.find(stamp); found != m_builds.end())
        return found->second;
    // Only the dictionaries of a few languages are ever in use at once.
    if (m_builds.size() >= 8)
        m_builds.clear();
    WordIndexBuild build = buildWordIndexFromFiles(base);
    m_builds.emplace(stamp, build);
    return build;
}
