// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameTool.h"

#include "cli/GameOutput.h"
#include "fileio/BoundedFile.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "platform/ProgramTerminator.h"
#include "search/AlphabetCheck.h"
#include "search/CheckerQuestions.h"
#include "search/IndexWait.h"
#include "search/LooseSearch.h"
#include "search/RunSummary.h"
#include "wordgames/PlayerList.h"
#include "wordindex/IndexSource.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <variant>

namespace {

// How long one look at an index being built waits, so that the progress
// line can say how long it still takes.
constexpr auto kWaitSlice = std::chrono::milliseconds(100);

// The forms within the letters, or why the word index cannot give them.
std::variant<std::shared_ptr<const WordIndex>, std::string> formsWithin(
    const IndexSource::Offer &offer, const GameQuery &query, const LetterPool &pool)
{
    if (!offer.index)
        return offer.refusal;
    // An index of stems makes the forms within the letters now, no longer
    // than a word of the game can be; one of forms has them all.
    const bool crossword = query.crossword && query.pattern;
    const std::size_t longest = crossword ? query.pattern->letters() : pool.size();
    FormsWithin forms = crossword ? offer.index->withinSquares(
                            query.pattern->givenPool(), longest, query.pattern->keySquares())
                                  : offer.index->withinPool(pool, longest);
    if (!forms.index)
        return std::move(forms.unfinished);
    return std::move(forms.index);
}

// The game's tiles as word-game players count them in the dictionary's
// alphabet: what each stands for, what a blank may be. The game stays
// with a to z where the alphabet is not known.
struct PoolTiles {
    std::unique_ptr<LooseAlphabet> alphabet;
    std::optional<LooseTiles> tiles;
    std::optional<ExitStatus> refused; // told on standard error
};

// The letters of the game over the alphabet, or the refusal told on errLine:
// a letter outside it (named, with the dictionary), too many different letters.
PoolTiles poolTiles(
    GameQuery &query, const Alphabet *alphabet, const std::string &language, const ToolIo &io)
{
    PoolTiles game;
    // A tile of several letters is one of the language's own set (Spanish CH).
    const auto set = TileSet::forLanguage(language);
    for (const std::string &tile : query.pool.tiles) {
        if (splitLetters(tile).value_or(std::vector<std::string> {}).size() < 2)
            continue;
        const bool known = set && std::ranges::any_of(set->tiles(), [&](const TileSet::Tile &own) {
            return own.letters == LetterCase(language).lower(tile);
        });
        if (!known) {
            io.errLine(QCoreApplication::translate("GameTool",
                "The tile [%1] is not one of the tile set of the language of the dictionary %2.")
                           .arg(QString::fromStdString(tile), QString::fromStdString(language))
                           .toStdString());
            game.refused = ExitStatus::Usage;
            return game;
        }
    }
    if (!alphabet || alphabet->empty())
        return game;
    const std::vector<std::string> &letters = alphabet->letters();
    // The pool's letters and those a word must hold, each letter of a tile apart.
    std::vector<std::string> typed = query.containsLetters;
    for (const std::string &tile : query.pool.tiles) {
        for (const std::string &letter : splitLetters(tile).value_or(std::vector { tile }))
            typed.push_back(letter);
    }
    std::string joined;
    for (const std::string &letter : typed)
        joined += letter;
    game.alphabet = std::make_unique<LooseAlphabet>(language, letters);
    // A letter is outside the alphabet when no letter of it counts as it
    // (a French e stands for é where the words have no plain e).
    if (needsAlphabetCheck(joined, language)) {
        for (const std::string &letter : typed) {
            const auto outside = letterOutside(letter, *alphabet, language);
            if (!outside
                || std::ranges::any_of(game.alphabet->variants(letter),
                    [&](const std::string &variant) { return alphabet->id(variant).has_value(); }))
                continue;
            io.errLine(
                outsideAlphabetText(*outside, QString::fromStdString(language)).toStdString());
            game.refused = ExitStatus::Usage;
            return game;
        }
    }
    auto tiles = LooseTiles::of(query.pool, *game.alphabet, letters, query.containsLetters);
    if (const auto *why = std::get_if<std::string>(&tiles)) {
        io.errLine(QCoreApplication::translate("GameOptions", "The letters are refused: %1.")
                       .arg(reasonText(*why))
                       .toStdString());
        game.refused = ExitStatus::Refused;
        return game;
    }
    game.tiles.emplace(std::get<LooseTiles>(std::move(tiles)));
    query.looseTiles = &*game.tiles;
    return game;
}

// Said after a game on the player's list.
constexpr char kListNote[] = QT_TRANSLATE_N_NOOP("GameTool",
    "the words of the list %1: %n word(s), %2 left out for characters that are no letters; "
    "the spelling checker was not asked");

// Why a word list's file was not read, in the interface's language: as a
// dictionary's file refused is told, but for its bound.
QString wordListRefusal(const FileRefusal &refusal)
{
    QString reason;
    switch (refusal.kind) {
    case FileRefusal::Kind::Missing:
        reason = QCoreApplication::translate("DictionaryCheck", "it does not exist");
        break;
    case FileRefusal::Kind::CannotOpen:
        reason = QCoreApplication::translate("DictionaryCheck", "it cannot be opened");
        break;
    case FileRefusal::Kind::NotRegular:
        return QCoreApplication::translate("DictionaryCheck", "it is not a regular file");
    case FileRefusal::Kind::TooLarge:
        return QCoreApplication::translate(
            "WordList", "it is larger than %1 MB, the most a word list may be")
            .arg(kMaxWordListBytes >> 20);
    case FileRefusal::Kind::ReadFailed:
        reason = QCoreApplication::translate("DictionaryCheck", "it cannot be read");
        break;
    case FileRefusal::Kind::Cancelled:
        return QCoreApplication::translate("DictionaryCheck", "its reading was cancelled");
    }
    if (refusal.error != 0)
        reason += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(refusal.error)));
    return reason;
}

// The tiles of the language for --scores, set in the query; false, and why
// on errLine, when the language has none.
bool withScores(
    const GameCommand &command, const std::string &language, GameQuery &query, const ToolIo &io)
{
    query.capitalNouns = capitalisesNouns(language);
    if (!command.scores)
        return true;
    query.scores = TileSet::forLanguage(language);
    if (query.scores)
        return true;
    QStringList languages;
    for (const std::string &code : TileSet::languages())
        languages.append(QString::fromStdString(code));
    io.errLine(QCoreApplication::translate("GameTool",
        "--scores: the language of the dictionary %1 has no tile set here; these have "
        "one: %2.")
                   .arg(QString::fromStdString(language), languages.join(u' '))
                   .toStdString());
    return false;
}

// The game on the player's own word list: no dictionary, no checker.
ExitStatus playOnWordList(const GameCommand &command, const ToolIo &io, const GameBudget &budget)
{
    const QString path = QString::fromStdString(command.wordlist->string());
    const auto refuse = [&](const QString &why) {
        io.errLine(QCoreApplication::translate("GameTool", "--wordlist %1: %2.")
                       .arg(path, why)
                       .toStdString());
        return ExitStatus::Usage;
    };
    const auto read = readBounded(*command.wordlist, { kMaxWordListBytes });
    if (const auto *refusal = std::get_if<FileRefusal>(&read))
        return refuse(wordListRefusal(*refusal));
    const auto parsed = PlayerList::parse(std::get<FileBytes>(read).bytes);
    if (const auto *why = std::get_if<std::string>(&parsed))
        return refuse(QString::fromStdString(*why));
    const auto &list = std::get<PlayerList>(parsed);
    GameQuery query = command.query;
    const std::string &language = command.listLanguage;
    // The list's letters are matched as the language's players count them;
    // a letter typed that no word of it has is one more of its alphabet.
    std::vector<std::string> typed = query.containsLetters;
    for (const std::string &tile : query.pool.tiles) {
        for (std::string &letter : splitLetters(tile).value_or(std::vector { tile }))
            typed.push_back(std::move(letter));
    }
    for (const NamedLetters *named : { &query.include, &query.exclude })
        typed.insert(typed.end(), named->typed.begin(), named->typed.end());
    std::optional<Alphabet> alphabet;
    for (;;) {
        alphabet = list.alphabet(language, typed);
        if (!alphabet)
            return refuse(QCoreApplication::translate(
                "WordList", "its words have too many different letters"));
        const auto outside
            = bindLetters(query, std::make_shared<const GameLetters>(*alphabet, language));
        if (!outside)
            break;
        // A letter of the pattern is one more of the alphabet; what it
        // cannot take is no letter.
        if (std::ranges::find(typed, *outside) != typed.end()) {
            io.errLine(
                outsideAlphabetText(*outside, QString::fromStdString(language)).toStdString());
            return ExitStatus::Usage;
        }
        typed.push_back(*outside);
    }
    const PoolTiles tiles
        = query.crossword ? PoolTiles {} : poolTiles(query, &*alphabet, language, io);
    if (tiles.refused)
        return *tiles.refused;
    if (!withScores(command, language, query, io))
        return ExitStatus::Usage;
    const WordIndex index = list.index();
    ListChecker checker(list);
    const GameOutcome outcome = playGame(query, index, checker, budget);
    io.out(formatResults(outcome.results, command.format));
    for (const std::string &line : gameNotes(query, outcome, CheckerAsked::No))
        io.errLine(line);
    io.errLine(QCoreApplication::translate("GameTool", kListNote, nullptr,
        static_cast<int>(std::min<std::size_t>(list.words.size(), INT_MAX)))
                   .arg(path)
                   .arg(static_cast<qulonglong>(list.skipped))
                   .toStdString());
    return outcome.unfinished.empty() ? ExitStatus::Success : ExitStatus::Unfinished;
}

} // namespace

ExitStatus runGameTool(const GameCommand &command, const ToolServices &services, const ToolIo &io,
    const GameBudget &gameBudget)
{
    if (command.wordlist)
        return playOnWordList(command, io, gameBudget);
    const GameQuery &query = command.query;
    const auto checker
        = acquireChecker(services.checkers, services.messageBox, services.terminator);
    if (!checker || services.terminator.isEnding())
        return ExitStatus::NoChecker;
    std::optional<ProgressLine> progress;
    if (io.terminal)
        progress.emplace(io.terminal, io.clock);
    const auto dictionary = checker->dictionary();
    IndexSource::Offer offer { nullptr,
        QT_TRANSLATE_NOOP("Reason", "the checker reads no dictionary file"), nullptr };
    if (dictionary) {
        offer = waitForIndex(services.indexes, *dictionary, kWaitSlice,
            [&progress, &services](std::chrono::steady_clock::duration left) {
                if (progress)
                    progress->waiting(
                        QT_TRANSLATE_NOOP("ProgressLine", "building the dictionary's word index"),
                        std::chrono::ceil<std::chrono::seconds>(left));
                return !services.terminator.isEnding();
            });
    }
    if (services.terminator.isEnding()) {
        if (progress)
            progress->clear();
        return ExitStatus::Interrupted;
    }
    GameQuery asked = query;
    asked.dictionaryForms = true;
    const std::string language = dictionary ? dictionary->filename().string() : std::string();
    if (progress)
        progress->clear(); // before a refusal is told
    if (dictionary) {
        // The letters typed as the dictionary's, a letter it lacks refused by name.
        const auto letters = offer.alphabet
            ? std::make_shared<const GameLetters>(*offer.alphabet, language)
            : std::make_shared<const GameLetters>(language);
        if (const auto outside = bindLetters(asked, letters)) {
            io.errLine(
                outsideAlphabetText(*outside, QString::fromStdString(language)).toStdString());
            return ExitStatus::Usage;
        }
    }
    // A crossword's pool is its pattern's, whose squares say what each letter may be.
    const PoolTiles tiles
        = asked.crossword ? PoolTiles {} : poolTiles(asked, offer.alphabet.get(), language, io);
    if (tiles.refused)
        return *tiles.refused;
    const auto forms = formsWithin(offer, asked, tiles.tiles ? tiles.tiles->walked() : asked.pool);
    if (const auto *indexRefusal = std::get_if<std::string>(&forms)) {
        if (progress)
            progress->clear();
        // The option given is named: a crossword asks with --pattern alone.
        const QString refusal = asked.crossword
            ? QCoreApplication::translate("GameTool",
                "--pattern needs the word index of the dictionary, which cannot serve it: %1")
            : QCoreApplication::translate("GameTool",
                "--some and --phrases need the word index of the dictionary, which cannot serve "
                "it: %1");
        io.errLine(refusal.arg(reasonText(*indexRefusal)).toStdString());
        if (dictionary)
            io.errLine(answeredByLine(*dictionary, checker->engineName()));
        return ExitStatus::IndexRefused;
    }
    GameBudget budget = gameBudget;
    budget.keepGoing = [&services, &gameBudget] {
        return !services.terminator.isEnding() && (!gameBudget.keepGoing || gameBudget.keepGoing());
    };
    if (progress)
        budget.progress = [&progress](std::size_t done, std::size_t total, const char *what) {
            progress->update(done, total, what);
        };
    if (command.scores && progress)
        progress->clear(); // before a refusal is told
    if (!withScores(command, dictionary->filename().string(), asked, io))
        return ExitStatus::Usage;
    const GameOutcome outcome
        = playGame(asked, *std::get<std::shared_ptr<const WordIndex>>(forms), *checker, budget);
    if (progress)
        progress->clear();
    // Ctrl-C: what was found is no answer, and nothing of it is printed.
    if (outcome.stopped || services.terminator.isEnding())
        return ExitStatus::Interrupted;
    io.out(formatResults(outcome.results, command.format));
    for (const std::string &line : gameNotes(query, outcome))
        io.errLine(line);
    io.errLine(answeredByLine(*dictionary, checker->engineName()));
    return outcome.unfinished.empty() ? ExitStatus::Success : ExitStatus::Unfinished;
}
