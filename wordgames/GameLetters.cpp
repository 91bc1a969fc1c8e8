// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameLetters.h"

#include "letters/Alphabet.h"
#include "letters/Letters.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/LetterCounts.h"

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace {

// The bit of the key letter a letter is filed under; 0 for none.
std::uint64_t keyBit(const std::string &letter)
{
    const auto key = keyLettersOf(&letter, 1);
    if (!key)
        return 0;
    const int number = keyLetterNumber(key->front());
    return number < 0 ? 0 : std::uint64_t(1) << number;
}

} // namespace

GameLetters::GameLetters(std::string_view language)
    : m_language(language)
    , m_loose(language)
    , m_case(language)
    , m_any((std::uint64_t(1) << kKeyLetters) - 1)
{
}

GameLetters::GameLetters(const Alphabet &alphabet, std::string_view language)
    : m_language(language)
    , m_loose(language)
    , m_case(language)
    , m_known(true)
    , m_under(256 + 26)
{
    const LetterCase &letterCase = m_case;
    for (const std::string &letter : alphabet.letters()) {
        if (!isAlphabetic(letter) || ligatureLetters(letter))
            continue;
        if (const auto key = keyLettersOf(&letter, 1)) {
            const auto byte = static_cast<unsigned char>(key->front());
            m_under[byte].push_back(letter);
            if (byte >= 'a' && byte <= 'z')
                m_under[256 + (byte - 'a')].push_back(letterCase.upper(letter));
            m_beyondKeys = m_beyondKeys || *key != letter;
        }
        std::string loose = m_loose.key(letter);
        for (const std::string &spelling :
            { letter, letterCase.upper(letter), letterCase.title(letter) }) {
            m_keys.try_emplace(spelling, loose);
            m_keyLetters[loose] |= keyBit(spelling);
        }
        m_any |= m_keyLetters[loose];
    }
}

std::optional<std::vector<std::string>> GameLetters::ligatureLetters(std::string_view letter)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status))
        return std::nullopt;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(letter.data(), static_cast<std::int32_t>(letter.size())));
    if (nfkc->isNormalized(text, status) || U_FAILURE(status))
        return std::nullopt;
    std::string read;
    nfkc->normalize(text, status).toUTF8String(read);
    auto letters = splitLetters(read);
    if (U_FAILURE(status) || !letters || letters->size() < 2
        || !std::ranges::all_of(*letters, isAlphabetic))
        return std::nullopt;
    return letters;
}

std::string GameLetters::looseOf(std::string_view letter) const
{
    if (const auto known = m_keys.find(std::string(letter)); known != m_keys.end())
        return known->second;
    const std::lock_guard lock(m_more);
    const auto [met, added] = m_moreKeys.try_emplace(std::string(letter));
    if (added)
        met->second = m_loose.key(letter);
    return met->second;
}

std::optional<std::string> GameLetters::looseLetter(std::string_view typed) const
{
    const auto text = normalised(typed);
    if (!text || !isAlphabetic(*text))
        return std::nullopt;
    std::string loose = looseOf(*text);
    if (m_known && !m_keyLetters.contains(loose))
        return std::nullopt;
    return loose;
}

std::vector<std::string> GameLetters::looseLetters(std::string_view word) const
{
    std::vector<std::string> loose;
    if (std::ranges::all_of(word, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        loose.reserve(word.size());
        for (std::size_t i = 0; i < word.size(); ++i)
            loose.push_back(looseOf(word.substr(i, 1)));
        return loose;
    }
    // One splitter a thread: making one costs more than splitting a word.
    thread_local LetterSplitter splitter;
    const auto letters = splitter.split(word);
    if (!letters)
        return loose;
    loose.reserve(letters->size());
    for (const std::string &letter : *letters)
        loose.push_back(looseOf(letter));
    return loose;
}

const std::vector<std::string> &GameLetters::lettersUnder(char key) const
{
    static const std::vector<std::string> none;
    if (m_under.empty())
        return none;
    const auto byte = static_cast<unsigned char>(key);
    return byte >= 'A' && byte <= 'Z' ? m_under[256 + (byte - 'A')] : m_under[byte];
}

std::uint64_t GameLetters::keyLetters(const std::string &loose) const
{
    if (!m_known) {
        // Marks and case count for neither, so the loose letter's key letter is the letter's.
        const std::uint64_t bit = keyBit(loose);
        return bit ? bit : m_any;
    }
    const auto found = m_keyLetters.find(loose);
    return found == m_keyLetters.end() ? 0 : found->second;
}
