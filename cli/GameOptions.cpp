// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"

#include "letters/Alphabet.h"
#include "letters/Letters.h"
#include "search/RunSummary.h"

#include <algorithm>

namespace {

constexpr std::size_t kDefaultPhraseWords = 2;

CommandRefusal usage(const QString &message)
{
    return { ExitStatus::Usage, message };
}

// A whole number from low to high, or nothing.
std::optional<std::size_t> number(const QString &text, std::size_t low, std::size_t high)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return static_cast<std::size_t>(value);
}

bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::ranges::all_of(text, [](QChar c) { return c.isDigit(); });
}

} // namespace

GameOptions::GameOptions()
    : m_some(QStringLiteral("some"),
        tr("List the words made of some of the letters, each used at most as often as given; "
           "\"?\" is a blank for any letter."))
    , m_phrases(QStringLiteral("phrases"),
          tr("List the phrases of up to N words (1 to %1; %2 when N is left out) that use all "
             "the letters and blanks.")
              .arg(WordPattern::kMaxWords)
              .arg(kDefaultPhraseWords),
          QStringLiteral("N"))
    , m_minLength(QStringLiteral("min-length"),
          tr("In a game: leave out the words of fewer than N letters (default 2); in a phrase, "
             "each of its words."),
          QStringLiteral("N"), QStringLiteral("2"))
    , m_pattern(QStringLiteral("pattern"),
          tr("Only words that fit P, one character per letter: \"?\" any letter, a letter "
             "itself, [abc] one of these, [^abc] none of these, a space between words. Without "
             "--some or --phrases, and without letters: every word of the dictionary that fits."),
          QStringLiteral("P"))
    , m_contains(QStringLiteral("contains"),
          tr("With --some or --phrases: only words (phrases with a word) that hold the letters "
             "of W."),
          QStringLiteral("W"))
    , m_limit(QStringLiteral("limit"),
          tr("In a game: print no more than N results, and say on standard error when some "
             "were left out (default: every word, the first %1 phrases).")
              .arg(kDefaultPhraseLimit),
          QStringLiteral("N"))
    , m_json(QStringLiteral("json"),
          tr("In a game: print the results as one JSON array instead of a line each; per "
             "result its \"words\", its number of \"letters\", in each word the positions of "
             "the letters \"blanks\" stand for, and with --scores its \"score\"."))
    , m_exclude(QStringLiteral("exclude"),
          tr("In a game: leave out the words with any of these letters."),
          QStringLiteral("LETTERS"))
    , m_include(QStringLiteral("include"),
          tr("With --some or --pattern: keep only the words with all of these letters."),
          QStringLiteral("LETTERS"))
    , m_containsWord(QStringLiteral("contains-word"),
          tr("With --phrases: only the phrases one of whose words is W."), QStringLiteral("W"))
    , m_noAbbreviations(QStringLiteral("no-abbreviations"),
          tr("In a game: leave out the words spelt all in capitals (abbreviations)."))
    , m_noNames(QStringLiteral("no-names"),
          tr("In a game: leave out the words the dictionary spells only with a capital (names). "
             "In German, where every noun has a capital, only those spelt all in capitals."))
    , m_noCompounds(QStringLiteral("no-compounds"),
          tr("In a game: only the words the dictionary lists, with their affixes; none that its "
             "rules for compounds make."))
    , m_scores(QStringLiteral("scores"),
          tr("In a game: print each word's value with the tiles of the dictionary's language, a "
             "blank worth 0."))
    , m_sort(QStringLiteral("sort"),
          tr("With --some or --pattern: the order of the words, score (highest first), length "
             "(longest first, the default) or alpha (alphabetical, as the dictionary's language "
             "sorts)."),
          QStringLiteral("ORDER"))
    , m_wordlist(QStringLiteral("wordlist"),
          tr("In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) "
             "instead of the dictionary's, matched as the games match the letters of the "
             "dictionary's language; the spelling checker is not asked."),
          QStringLiteral("FILE"))
{
}

void GameOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({ m_some, m_phrases, m_minLength, m_pattern, m_contains, m_limit, m_json,
        m_exclude, m_include, m_containsWord, m_noAbbreviations, m_noNames, m_noCompounds, m_scores,
        m_sort, m_wordlist });
}

bool GameOptions::asked(const QCommandLineParser &parser) const
{
    return parser.isSet(m_some) || parser.isSet(m_phrases) || parser.isSet(m_pattern);
}

bool GameOptions::inLines(const QCommandLineParser &parser) const
{
    return asked(parser) && !parser.isSet(m_json);
}

bool GameOptions::inJson(const QCommandLineParser &parser) const
{
    return asked(parser) && parser.isSet(m_json);
}

bool GameOptions::crossword(const QCommandLineParser &parser) const
{
    return parser.isSet(m_pattern) && !parser.isSet(m_some) && !parser.isSet(m_phrases);
}

std::optional<QString> GameOptions::gameOnlyOption(const QCommandLineParser &parser) const
{
    for (const QCommandLineOption *option :
        { &m_minLength, &m_contains, &m_limit, &m_json, &m_exclude, &m_include, &m_containsWord,
            &m_noAbbreviations, &m_noNames, &m_noCompounds, &m_scores, &m_sort, &m_wordlist }) {
        if (parser.isSet(*option))
            return QStringLiteral("--") + option->names().constFirst();
    }
    return std::nullopt;
}

QStringList GameOptions::withPhraseDefault(QStringList arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (arguments[i] == QLatin1String("--phrases")
            && (i + 1 == arguments.size() || !isNumber(arguments[i + 1])))
            arguments[i] = QStringLiteral("--phrases=%1").arg(kDefaultPhraseWords);
    }
    return arguments;
}

std::variant<LetterPool, CommandRefusal> GameOptions::lettersOf(
    const QCommandLineParser &parser, const QCommandLineOption &option, bool anyAlphabet) const
{
    const QString word = parser.value(option);
    auto letters = parsePool(word.toStdString());
    const auto *pool = std::get_if<LetterPool>(&letters);
    const bool az = std::ranges::all_of(
        word, [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
    if (anyAlphabet && pool && pool->blanks == 0 && !word.contains(u' '))
        return *pool;
    if (!pool || pool->blanks != 0 || !az)
        return usage(
            tr("%1 takes letters A to Z.").arg(QStringLiteral("--") + option.names().constFirst()));
    return *pool;
}

std::variant<GameCommand, CommandRefusal> GameOptions::read(
    const QCommandLineParser &parser, const QString &letters) const
{
    GameCommand command;
    GameQuery &query = command.query;
    if (parser.isSet(m_some) && parser.isSet(m_phrases))
        return usage(tr("--some and --phrases cannot be given together."));
    const bool crossword = this->crossword(parser);
    std::optional<WordPattern> pattern;
    const QString text = parser.value(m_pattern);
    if (parser.isSet(m_pattern)) {
        auto parsed = WordPattern::parse(text.toStdString());
        if (const auto *why = std::get_if<std::string>(&parsed))
            return usage(tr("--pattern \"%1\": %2.").arg(text, QString::fromStdString(*why)));
        pattern = std::get<WordPattern>(std::move(parsed));
    }
    // The crossword's tiles are the pattern's: each square's letters.
    query.crossword = crossword;
    if (crossword) {
        query.pool = pattern->pool();
    } else {
        auto pool = parsePool(letters.toStdString());
        if (const auto *why = std::get_if<std::string>(&pool))
            return CommandRefusal { ExitStatus::Refused,
                tr("The letters are refused: %1.").arg(reasonText(*why)) };
        query.pool = std::get<LetterPool>(pool);
    }
    if (parser.isSet(m_phrases)) {
        query.mode = GameMode::Phrases;
        const auto words = number(parser.value(m_phrases), 1, WordPattern::kMaxWords);
        if (!words)
            return usage(
                tr("--phrases takes a number of words from 1 to %1.").arg(WordPattern::kMaxWords));
        query.maxWords = *words;
        query.limit = kDefaultPhraseLimit;
    }
    const auto minLength = number(parser.value(m_minLength), 1, LetterPool::kMaxTiles);
    if (!minLength)
        return usage(
            tr("--min-length takes a number of letters from 1 to %1.").arg(LetterPool::kMaxTiles));
    query.minLength = *minLength;
    if (parser.isSet(m_limit)) {
        const auto limit = number(parser.value(m_limit), 1, SIZE_MAX);
        if (!limit)
            return usage(tr("--limit takes a number of results from 1 on."));
        query.limit = *limit;
    }
    if (parser.isSet(m_json))
        command.format = GameFormat::Json;
    query.abbreviations = !parser.isSet(m_noAbbreviations);
    query.names = !parser.isSet(m_noNames);
    query.compounds = !parser.isSet(m_noCompounds);
    query.tiles = !crossword;
    command.scores = parser.isSet(m_scores);
    if (parser.isSet(m_wordlist))
        command.wordlist = std::filesystem::path(parser.value(m_wordlist).toStdString());
    if (parser.isSet(m_sort)) {
        const QString order = parser.value(m_sort);
        if (query.mode == GameMode::Phrases)
            return usage(tr("%1 and %2 cannot be given together.")
                             .arg(QStringLiteral("--sort"), QStringLiteral("--phrases")));
        if (order == QLatin1String("score"))
            query.sort = GameSort::Score;
        else if (order == QLatin1String("alpha"))
            query.sort = GameSort::Alpha;
        else if (order != QLatin1String("length"))
            return usage(tr("--sort takes score, length or alpha."));
        if (query.sort == GameSort::Score && !command.scores)
            return usage(tr("--sort score needs --scores."));
    }
    if (parser.isSet(m_contains) && parser.isSet(m_containsWord))
        return usage(tr("%1 and %2 cannot be given together.")
                         .arg(QStringLiteral("--contains"), QStringLiteral("--contains-word")));
    for (const QCommandLineOption *option : { &m_contains, &m_containsWord }) {
        if (!parser.isSet(*option))
            continue;
        auto held = lettersOf(parser, *option, true);
        if (auto *refusal = std::get_if<CommandRefusal>(&held))
            return std::move(*refusal);
        const LetterPool &letters = std::get<LetterPool>(held);
        if (shortfall(query.pool.counts, letters.counts) > query.pool.blanks)
            return usage(tr("%1 %2: the letters given do not hold its letters.")
                             .arg(QStringLiteral("--") + option->names().constFirst(),
                                 parser.value(*option)));
        query.contains = letters.counts;
        // Counted as the game's tiles are, loosely, once the alphabet is known.
        query.containsLetters.clear();
        for (const std::string &tile : letters.tiles) {
            for (const std::string &letter : splitLetters(tile).value_or(std::vector { tile }))
                query.containsLetters.push_back(letter);
        }
    }
    if (parser.isSet(m_containsWord)) {
        if (query.mode != GameMode::Phrases)
            return usage(tr("%1 needs --phrases.").arg(QStringLiteral("--contains-word")));
        query.containsWord = parser.value(m_containsWord)
                                 .normalized(QString::NormalizationForm_C)
                                 .toLower()
                                 .toStdString();
    }
    for (const auto &[option, named] :
        { std::pair(&m_include, &query.include), std::pair(&m_exclude, &query.exclude) }) {
        if (!parser.isSet(*option))
            continue;
        const auto typed
            = splitLetters(normalised(parser.value(*option).toStdString()).value_or(""));
        if (!typed || typed->empty() || !std::ranges::all_of(*typed, isAlphabetic))
            return usage(tr("%1 takes letters of the dictionary's alphabet.")
                             .arg(QStringLiteral("--") + option->names().constFirst()));
        named->typed = *typed;
    }

    if (parser.isSet(m_include) && query.mode == GameMode::Phrases)
        return usage(tr("%1 and %2 cannot be given together.")
                         .arg(QStringLiteral("--include"), QStringLiteral("--phrases")));
    // Loosely in no language in particular, until the dictionary's letters
    // are known: every letter is one.
    const auto bound = [&command] {
        (void)bindLetters(command.query, std::make_shared<const GameLetters>(std::string_view()));
        return std::move(command);
    };
    if (!pattern)
        return bound();
    const auto &parsed = *pattern;
    const auto places = parsed.words().size();
    const auto shortest = std::ranges::min(parsed.words(), {}, &WordPattern::Place::size).size();
    if (query.mode == GameMode::Some && places > 1)
        return usage(tr("--pattern \"%1\" has spaces between words: it fits phrases (--phrases), "
                        "not words.")
                         .arg(text));
    if (query.mode == GameMode::Phrases && places > query.maxWords)
        return usage(tr("--pattern \"%1\" has %2 words, more than --phrases %3.")
                         .arg(text)
                         .arg(places)
                         .arg(query.maxWords));
    if (shortest < query.minLength)
        return usage(tr("--pattern \"%1\" has a word of %2 letters, shorter than --min-length %3.")
                         .arg(text)
                         .arg(shortest)
                         .arg(query.minLength));
    // A crossword's words have the pattern's length: no shorter one is looked for.
    if (crossword)
        query.minLength = parsed.letters();
    const bool some = query.mode == GameMode::Some;
    if (!crossword
        && (some ? parsed.letters() > query.pool.size() : parsed.letters() != query.pool.size()))
        return usage(tr("--pattern \"%1\" has %2 letters, but %3 letters and blanks were given.")
                         .arg(text)
                         .arg(parsed.letters())
                         .arg(query.pool.size()));
    query.pattern = std::move(pattern);
    return bound();
}
