// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SearchCommand.h"

#include "spelling/DictionaryLocator.h"

namespace {

CommandRefusal usage(const QString &message)
{
    return { ExitStatus::Usage, message };
}

} // namespace

SearchCommandLine::SearchCommandLine()
    : m_threads(QStringLiteral("threads"),
        tr("Ask the spelling checker from N threads (1: one question after another; default: "
           "one per core)."),
        QStringLiteral("N"))
    , m_list(QStringLiteral("list-dictionaries"),
          tr("List the dictionaries found, and which one the locale picks."))
    , m_stdin(QStringLiteral("stdin"),
          tr("Answer one query per line of standard input, the dictionary loaded once, each "
             "as soon as it is read (the letters are not given as an argument)."))
    , m_loose(QStringLiteral("loose"),
          tr("Match the letters loosely, as word-game players count them: case does not matter, "
             "nor a mark the dictionary's language has no letter of its own for (in French "
             "\"ete\" finds \"été\"; in Spanish \"n\" never stands for \"ñ\"). The word games "
             "(--some, --phrases, --pattern) always match so; with them it changes nothing."))
{
    m_parser.setApplicationDescription(
        tr("Lists every word made of all the given letters, as the Quorvel window does; with "
           "--some or --phrases, the words made of some of them or the phrases made of all of "
           "them."));
    m_common.addTo(m_parser);
    m_parser.addOptions({ m_threads, m_list, m_stdin, m_loose });
    m_games.addTo(m_parser);
    m_parser.addPositionalArgument(QStringLiteral("letters"),
        tr("The jumbled letters (of any alphabet, in either case); with --some or --phrases "
           "matched loosely, \"?\" is a blank tile and [ch] a tile of several letters."));
}

std::variant<SearchCommand, CommandRefusal> SearchCommandLine::read(const QStringList &arguments,
    const std::vector<std::filesystem::path> &folders,
    const std::optional<std::string> &userLanguage)
{
    if (!m_parser.parse(GameOptions::withPhraseDefault(arguments)))
        return usage(m_parser.errorText());
    // --help-all is offered with --help; without a window there are no
    // options of Qt's own to add, and letters are not asked for.
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all")))
        m_parser.showHelp(0);
    if (m_parser.isSet(QStringLiteral("version")))
        m_parser.showVersion();

    SearchCommand command;
    command.dictionary.language = userLanguage;
    if (m_parser.isSet(m_list)) {
        command.listDictionaries = true;
        return command;
    }
    const bool game = m_games.asked(m_parser);
    if (const auto option = m_games.gameOnlyOption(m_parser); option && !game)
        return usage(tr("%1 needs --some or --phrases.").arg(*option));
    command.search.exhaustive = m_common.exhaustive(m_parser);
    if (game && (m_parser.isSet(m_threads) || command.search.exhaustive))
        return usage(tr("--threads and --exhaustive belong to the search for words of all the "
                        "letters, not to --some or --phrases."));
    if (m_parser.isSet(m_threads)) {
        bool ok = false;
        const uint threads = m_parser.value(m_threads).toUInt(&ok);
        if (!ok || threads < 1 || threads > kMaxThreads)
            return usage(tr("--threads takes a number from 1 to %1").arg(kMaxThreads));
        command.search.threads = threads;
    }
    const QStringList positional = m_parser.positionalArguments();
    command.readLines = m_parser.isSet(m_stdin);
    const bool crossword = m_games.crossword(m_parser);
    if (crossword && (command.readLines || !positional.isEmpty()))
        return usage(tr("--pattern without --some or --phrases lists the dictionary's words "
                        "that fit it, and takes no letters."));
    if (command.readLines && !positional.isEmpty())
        return usage(tr("With --stdin the letters come from standard input, not as an argument."));
    if (!command.readLines && !crossword && positional.size() != 1)
        return usage(tr("Give the letters as one argument."));
    // The word games read their letters as tiles, blanks and [ch] among them.
    if (!game)
        command.search.letters = LetterRule::AnyLetter;
    if (m_parser.isSet(m_loose))
        command.search.matching = Matching::Loose;
    auto named = m_common.dictionary(m_parser, folders);
    if (auto *refusal = std::get_if<CommandRefusal>(&named))
        return std::move(*refusal);
    if (auto &pick = std::get<std::optional<DictionaryPick>>(named))
        command.dictionary = std::move(*pick);
    else
        command.dictionary.candidates = DictionaryLocator::candidates(userLanguage, folders);
    command.noCache = m_common.noCache(m_parser);
    if (command.readLines)
        return command;
    return withLetters(std::move(command), crossword ? QString() : positional.constFirst());
}

std::variant<SearchCommand, CommandRefusal> SearchCommandLine::withLetters(
    SearchCommand command, const QString &letters) const
{
    command.letters = letters;
    // The command line comes as bytes; what is not UTF-8 reaches us as
    // replacement characters, which nobody types as letters.
    if (command.letters.contains(QChar::ReplacementCharacter))
        return usage(tr("The letters given are not UTF-8 text."));
    if (m_games.asked(m_parser)) {
        auto read = m_games.read(m_parser, command.letters);
        if (auto *refusal = std::get_if<CommandRefusal>(&read))
            return std::move(*refusal);
        command.game = std::get<GameCommand>(std::move(read));
        // The tiles of a word list's words are those of the dictionary's language.
        command.game->listLanguage
            = command.dictionary.language.value_or(command.dictionary.candidates.empty()
                    ? std::string()
                    : command.dictionary.candidates.front().filename().string());
    }
    return command;
}
