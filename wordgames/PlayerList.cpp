// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/PlayerList.h"

#include "wordforms/AsciiLetters.h"
#include "wordforms/FormRole.h"

#include <QString>
#include <algorithm>

namespace {

bool isUtf8(std::string_view text)
{
    // QString replaces what is not UTF-8; a replacement character written
    // in the file itself is no letter either.
    return !QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                .contains(QChar::ReplacementCharacter);
}

std::string_view trimmed(std::string_view line)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::variant<PlayerList, std::string> PlayerList::parse(std::string_view bytes)
{
    PlayerList list;
    std::unordered_set<std::string_view> seen;
    std::size_t number = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        ++number;
        const std::string where = "line " + std::to_string(number);
        if (line.find('\0') != std::string_view::npos)
            return where + " has a NUL byte: this is no text file";
        if (line.size() > kMaxLine)
            return where + " is longer than " + std::to_string(kMaxLine) + " bytes";
        if (!isUtf8(line))
            return where + " is not UTF-8 text";
        const std::string_view word = trimmed(line);
        if (word.empty() || word.front() == '#')
            continue;
        if (!std::ranges::all_of(word, isAsciiLetter)) {
            ++list.skipped;
            continue;
        }
        if (seen.insert(word).second)
            list.words.emplace_back(word);
    }
    if (list.words.empty())
        return std::string("it holds no word of the letters A to Z");
    return list;
}

WordIndex PlayerList::index() const
{
    std::vector<std::pair<std::string, std::uint8_t>> forms;
    forms.reserve(words.size());
    for (const std::string &word : words)
        forms.emplace_back(word, FormRole::Word);
    return WordIndex::fromForms(forms);
}

ListChecker::ListChecker(const PlayerList &list)
    : m_words(std::make_shared<const std::unordered_set<std::string>>(
        list.words.begin(), list.words.end()))
{
}

std::optional<bool> ListChecker::checkSpelling(std::string_view word)
{
    return m_words->contains(std::string(word));
}

std::unique_ptr<SpellChecker> ListChecker::cloneForThread()
{
    return std::make_unique<ListChecker>(*this);
}
