// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/WordList.h"

#include "search/Messages.h"

#include <algorithm>

namespace {

// Words written between two questions to keepGoing: a millisecond or so.
constexpr std::size_t kWordsPerTurn = 4096;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalIgnoringCase(const std::string &a, const std::string &b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return upper(x) == upper(y); });
}

} // namespace

void addword(const std::string &word, WordList &list)
{
    const bool found = std::ranges::any_of(
        list, [&word](const std::string &slot) { return equalIgnoringCase(slot, word); });
    if (!found)
        list.push_back(word);
}

SearchResult resultFor(const WordList &list, ResultLanguage language)
{
    return *resultFor(list, language, {});
}

std::optional<SearchResult> resultFor(
    const WordList &list, ResultLanguage language, const std::function<bool()> &keepGoing)
{
    const auto message = [language](const char *source, qsizetype n = -1) {
        return language == ResultLanguage::English
            ? QString::fromLatin1(source).replace(QLatin1String("%n"), QString::number(n))
            : Messages::text(source, n);
    };
    if (list.empty())
        return SearchResult { message(Messages::kNoWordsFound), kDarkRed };
    QString text = message(Messages::kFound, static_cast<qsizetype>(list.size()));
    // Made once: a UTF-8 word has no more UTF-16 units than bytes.
    qsizetype length = text.size();
    for (const std::string &word : list)
        length += static_cast<qsizetype>(word.size()) + 2;
    text.reserve(length);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += QLatin1String(", ");
        text += QString::fromStdString(list[i]);
        if (i % kWordsPerTurn == kWordsPerTurn - 1 && keepGoing && !keepGoing())
            return std::nullopt;
    }
    return SearchResult { text, kDarkGreen };
}
