// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/PlayerList.h"

#include "hunspellfiles/AffixFile.h"
#include "letters/Letters.h"
#include "wordforms/FormRole.h"
#include "wordforms/LetterFold.h"

#include <QCoreApplication>

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

// A list brings no affix file: nothing is ignored or converted.
const LetterFold &plainFold()
{
    static const AffixFile none;
    static const LetterFold fold(none);
    return fold;
}

// The ways a word can be typed in key letters; none when a character of it
// is no letter.
std::vector<std::string> keySpellings(const std::string &word)
{
    std::vector<std::string> spellings;
    const std::u32string text = QString::fromStdString(word).toStdU32String();
    const bool letters = std::ranges::all_of(
        text, [](char32_t c) { return QChar::isLetter(c) || QChar::isMark(c); });
    if (!letters || !plainFold().spellings(text, spellings, kMaxSpellings))
        spellings.clear();
    std::erase(spellings, std::string());
    return spellings;
}

} // namespace

std::variant<PlayerList, std::string> PlayerList::parse(std::string_view bytes)
{
    PlayerList list;
    std::unordered_set<std::string> seen;
    std::size_t number = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        ++number;
        const auto refusal = [number](const char *text) {
            return QCoreApplication::translate("PlayerList", text).arg(number);
        };
        if (line.find('\0') != std::string_view::npos)
            return refusal(
                QT_TRANSLATE_NOOP("PlayerList", "line %1 has a NUL byte: this is no text file"))
                .toStdString();
        if (line.size() > kMaxLine)
            return refusal(QT_TRANSLATE_NOOP("PlayerList", "line %1 is longer than %2 bytes"))
                .arg(kMaxLine)
                .toStdString();
        if (!isUtf8(line))
            return refusal(QT_TRANSLATE_NOOP("PlayerList", "line %1 is not UTF-8 text"))
                .toStdString();
        const std::string_view word = trimmed(line);
        if (word.empty() || word.front() == '#')
            continue;
        // A word typed with its marks apart is the word typed with them on.
        std::string composed = normalised(word).value_or(std::string());
        if (keySpellings(composed).empty()) {
            ++list.skipped;
            continue;
        }
        if (seen.insert(composed).second)
            list.words.push_back(std::move(composed));
    }
    if (list.words.empty())
        return QCoreApplication::translate("PlayerList", "it holds no word").toStdString();
    return list;
}

WordIndex PlayerList::index() const
{
    std::vector<std::pair<std::string, std::uint8_t>> forms;
    forms.reserve(words.size());
    for (const std::string &word : words) {
        for (std::string &spelling : keySpellings(word))
            forms.emplace_back(std::move(spelling), FormRole::Word);
    }
    return WordIndex::fromForms(forms);
}

std::optional<Alphabet> PlayerList::alphabet(
    std::string_view language, const std::vector<std::string> &typed) const
{
    AlphabetBuilder builder(language);
    for (const std::string &word : words)
        (void)builder.addWord(word);
    // A typed letter no word of the list has is still a letter of the game.
    for (const std::string &letter : typed)
        (void)builder.addWord(letter);
    return builder.build();
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
