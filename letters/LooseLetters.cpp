// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/LooseLetters.h"

#include "letters/Letters.h"

#include <unicode/coll.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    while (!line.empty()) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            break;
        line.remove_prefix(start);
        const auto end = std::min(line.find_first_of(" \t"), line.size());
        out.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return out;
}

icu::UnicodeString fromUtf8(std::string_view utf8)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), int32_t(utf8.size())));
}

// The letter with its nonspacing marks taken away (é to e, ё to е, ά to α);
// empty when nothing but marks is left.
icu::UnicodeString withoutMarks(const icu::UnicodeString &letter)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return letter;
    const icu::UnicodeString parts = nfd->normalize(letter, status);
    icu::UnicodeString bare;
    for (int32_t i = 0; i < parts.length();) {
        const UChar32 c = parts.char32At(i);
        if ((U_GET_GC_MASK(c) & U_GC_MN_MASK) == 0)
            bare.append(c);
        i += U16_LENGTH(c);
    }
    bare = nfc->normalize(bare, status);
    return U_FAILURE(status) ? letter : bare;
}

} // namespace

LooseLetters::LooseLetters(std::string_view language)
    : m_case(language)
{
    readTable();
    if (!m_tiles) {
        UErrorCode status = U_ZERO_ERROR;
        m_collator.reset(icu::Collator::createInstance(m_case.locale(), status));
        if (U_FAILURE(status))
            m_collator.reset();
        else
            m_collator->setStrength(icu::Collator::PRIMARY);
    }
}

LooseLetters::~LooseLetters() = default;

void LooseLetters::readTable()
{
    const std::string language = m_case.language();
    std::string_view rest = table();
    bool inSection = false;
    while (!rest.empty()) {
        const auto end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.starts_with('#'))
            continue;
        const auto parts = words(line);
        if (parts.empty())
            continue;
        if (parts.front().starts_with('[')) {
            inSection = false;
            for (std::string_view name : words(line.substr(1, line.find(']') - 1)))
                inSection = inSection || name == language;
            continue;
        }
        if (!inSection)
            continue;
        if (parts.front() == "own") {
            m_tiles = true;
            for (std::size_t k = 1; k < parts.size(); ++k)
                m_own.emplace(parts[k]);
        } else if (parts.front() == "fold" && parts.size() == 3) {
            m_folds.emplace(parts[1], parts[2]);
        }
    }
}

std::string LooseLetters::key(std::string_view letter) const
{
    std::string small = m_case.folded(letter);
    if (const auto fold = m_folds.find(small); fold != m_folds.end())
        return fold->second;
    if (m_tiles && m_own.contains(small))
        return small;
    const icu::UnicodeString text = fromUtf8(small);
    const icu::UnicodeString bare = withoutMarks(text);
    if (bare.isEmpty() || bare == text)
        return small;
    // Without tiles, a mark is dropped only where the collation ignores it too.
    UErrorCode status = U_ZERO_ERROR;
    if (!m_tiles
        && (!m_collator || m_collator->compare(text, bare, status) != UCOL_EQUAL
            || U_FAILURE(status)))
        return small;
    std::string out;
    bare.toUTF8String(out);
    return out;
}

std::string LooseLetters::capital(std::string_view letter) const
{
    std::string upper = m_case.upper(letter);
    const auto letters = splitLetters(upper);
    const bool one = letters && letters->size() == 1;
    if (one && m_case.lower(upper) == letter)
        return upper;
    // The capital whose small letter it is, among the letters the case
    // closure puts with it: ẞ beside ß and "ss", and Ά of ά, which Greek
    // words in capitals write as Α.
    const icu::UnicodeString text = fromUtf8(letter);
    if (text.countChar32() == 1) {
        icu::UnicodeSet same(text.char32At(0), text.char32At(0));
        same.closeOver(USET_CASE_INSENSITIVE);
        for (int32_t r = 0; r < same.getRangeCount(); ++r) {
            for (UChar32 c = same.getRangeStart(r); c <= same.getRangeEnd(r); ++c) {
                if (!u_isUUppercase(c))
                    continue;
                std::string out;
                icu::UnicodeString(c).toUTF8String(out);
                if (m_case.lower(out) == letter)
                    return out;
            }
        }
    }
    return one ? upper : std::string(letter);
}

void sortInLanguageOrder(std::vector<std::string> &words, std::string_view language)
{
    const LetterCase letterCase(language);
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(letterCase.locale(), status));
    if (U_FAILURE(status) || !collator) {
        std::ranges::sort(words);
        return;
    }
    std::ranges::sort(words, [&](const std::string &a, const std::string &b) {
        UErrorCode order = U_ZERO_ERROR;
        const UCollationResult result
            = collator->compareUTF8(icu::StringPiece(a.data(), int32_t(a.size())),
                icu::StringPiece(b.data(), int32_t(b.size())), order);
        if (U_FAILURE(order) || result == UCOL_EQUAL)
            return a < b;
        return result == UCOL_LESS;
    });
}
