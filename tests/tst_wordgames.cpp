// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"
#include "cli/GameOutput.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "tests/support/ThreadSafeChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/GameRun.h"
#include "wordgames/PhraseSearch.h"
#include "wordgames/TileSet.h"

#include <QFile>
#include <QTest>

namespace {

using namespace FormRole;

// A command line of the games, and the lines they print.
struct GameRow {
    const char *name;
    QStringList options;
    QString letters;
    QStringList lines; // each result, the words of a phrase between spaces
    bool limited = false; // a limit left some out
    bool capitalNouns = false; // the language writes its nouns with a capital
};

// What the tests' tile set makes a word worth, blanks at these positions.
struct ScoreRow {
    const char *name;
    const char *word;
    std::vector<std::size_t> blanks;
    unsigned score;
};

// A table of tiles that is wrong, and what its refusal names.
struct TableRow {
    const char *name;
    const char *table;
    const char *named;
};

struct NounsRow {
    const char *name;
    const char *language;
    bool capitalised;
};

// A lexicon whose index holds a word the checker refuses in every case
// (gnale), one it takes only in capitals (Strasse, as "STRASSE" for
// "Straße"), one it lists in two spellings, the capitalised one first, and
// two parts that join into compounds the checker takes in every case.
const std::vector<std::pair<std::string, std::uint8_t>> kForms { { "angel", Word },
    { "angle", Word }, { "glean", Word }, { "Galen", Word }, { "lean", Word }, { "gel", Word },
    { "leg", Word }, { "an", Word }, { "a", Word }, { "nag", Word }, { "gal", Word },
    { "lag", Word }, { "ale", Word }, { "gnale", Word }, { "dirt", Word }, { "dirty", Word },
    { "room", Word }, { "roomy", Word }, { "moor", Word }, { "Polish", Word }, { "polish", Word },
    { "Paris", Word }, { "Strasse", Word }, { "ab", Word }, { "aba", Word }, { "baa", Word },
    { "aa", Word }, { "bb", Word }, { "nb", Begin }, { "book", Word | Begin | End },
    { "case", Word | Begin | End }, { "USS", Word } };

QSet<QString> acceptedWords()
{
    QSet<QString> accepted;
    for (const auto &[form, roles] : kForms)
        accepted.insert(QString::fromStdString(form));
    accepted -= QSet<QString> { "gnale", "Strasse", "nb" };
    accepted.insert(QStringLiteral("STRASSE"));
    for (const QString &compound : { QStringLiteral("bookcase"), QStringLiteral("casebook") })
        accepted += { compound, compound.left(1).toUpper() + compound.mid(1), compound.toUpper() };
    return accepted;
}

const QStringList kFiveLetters { "angel", "angle", "Galen", "glean", "lean", "ale", "gal", "gel",
    "lag", "leg", "nag", "an" };
// The same with a blank beside an a: aa and ab too.
const QStringList kBlankBesideA { "angel", "angle", "Galen", "glean", "lean", "ale", "gal", "gel",
    "lag", "leg", "nag", "aa", "ab", "an" };

} // namespace

// The tests' own tile set (tests/data/wordgames/tiles.txt).
TileSet testTiles()
{
    QFile file(QStringLiteral(QUORVEL_TEST_DATA "/wordgames/tiles.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no tiles.txt");
    const QByteArray text = file.readAll();
    auto sets = TileSet::parse(std::string_view(text.constData(), text.size()));
    if (const auto *why = std::get_if<std::string>(&sets))
        qFatal("%s", why->c_str());
    return std::get<std::vector<TileSet>>(sets).front();
}

class TestWordGames : public QObject {
    Q_OBJECT

    // The query the command line asks for, as quorvel-search reads it.
    static GameQuery queryFor(const QStringList &options, const QString &letters)
    {
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        if (!parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + options)))
            qFatal("%s", qPrintable(parser.errorText()));
        auto read = games.read(parser, letters);
        if (const auto *refusal = std::get_if<CommandRefusal>(&read))
            qFatal("%s", qPrintable(refusal->message));
        return std::get<GameCommand>(read).query;
    }

    // A line a result, the words of a phrase between spaces.
    static QStringList linesOf(const GameOutcome &outcome)
    {
        QStringList lines;
        for (const GameResult &result : outcome.results) {
            QStringList words;
            for (const std::string &word : result.words)
                words.append(QString::fromStdString(word));
            lines.append(words.join(u' '));
        }
        return lines;
    }

private slots:
    void play_data()
    {
        addRows<GameRow>({
            // Words of some of the letters: longest first, then alphabetical
            // whatever their case; "a" is shorter than two letters, gnale
            // the checker refuses.
            { "some of the letters", { "--some" }, "lgnae", kFiveLetters },
            { "letters in capitals", { "--some" }, "LGNAE", kFiveLetters },
            { "--min-length 4", { "--some", "--min-length", "4" }, "lgnae",
                { "angel", "angle", "Galen", "glean", "lean" } },
            { "--min-length 1", { "--some", "--min-length", "1" }, "lgnae",
                kFiveLetters + QStringList { "a" } },
            // A blank in place of each letter in turn: every word still
            // needs at most the one letter the blank stands for, and
            // beside an a the blank is a second a, or a b.
            { "a blank first", { "--some" }, "?ngel", kFiveLetters },
            { "a blank second", { "--some" }, "a?gel", kBlankBesideA },
            { "a blank third", { "--some" }, "an?el", kBlankBesideA },
            { "a blank fourth", { "--some" }, "ang?l", kBlankBesideA },
            { "a blank last", { "--some" }, "ange?", kBlankBesideA },
            { "two blanks", { "--some" }, "??", { "aa", "ab", "an", "bb" } },
            { "a letter as often as given", { "--some" }, "aab", { "aba", "baa", "aa", "ab" } },
            { "--pattern", { "--some", "--pattern", "g????" }, "lgnae?", { "Galen", "glean" } },
            { "--contains", { "--some", "--contains", "GL" }, "lgnae",
                { "angel", "angle", "Galen", "glean", "gal", "gel", "lag", "leg" } },
            { "--contains, --pattern and --min-length",
                { "--some", "--contains", "e", "--pattern", "??e", "--min-length", "3" }, "lgnae",
                { "ale" } },
            { "--limit", { "--some", "--limit", "3" }, "lgnae", { "angel", "angle", "Galen" },
                true },
            { "--limit above the count", { "--some", "--limit", "12" }, "lgnae", kFiveLetters },
            // The spelling printed: lower case where the dictionary has
            // several, its own capitals, else the case the checker takes.
            { "the lower-case spelling first", { "--some" }, "hsilop", { "polish" } },
            { "the dictionary's capitals", { "--some" }, "sirap", { "Paris" } },
            { "a case the index does not keep", { "--some" }, "ssaerts", { "STRASSE" } },
            { "compounds in lower case", { "--some", "--min-length", "5" }, "bookcase",
                { "bookcase", "casebook" } },
            // Phrases: fewer words first, then alphabetical; each once.
            { "phrases", { "--phrases" }, "dirtyroom",
                { "dirt roomy", "dirty moor", "dirty room" } },
            { "a word twice", { "--phrases" }, "abab", { "aa bb", "ab ab" } },
            { "one word only", { "--phrases", "1" }, "abab", {} },
            { "fewer words first", { "--phrases", "3", "--min-length", "1" }, "aabb",
                { "aa bb", "ab ab", "a a bb" } },
            { "a blank in a phrase", { "--phrases" }, "dirtyroo?",
                { "dirt roomy", "dirty moor", "dirty room" } },
            { "a phrase of one word", { "--phrases" }, "?irty", { "dirty" } },
            { "a pattern fits in some order", { "--phrases", "--pattern", "????? ????" },
                "dirtyroom", { "roomy dirt", "dirty moor", "dirty room" } },
            { "a pattern's letters", { "--phrases", "--pattern", "d???? ????" }, "dirtyroom",
                { "dirty moor", "dirty room" } },
            { "each place of a pattern filled once", { "--phrases", "--pattern", "a?? b??" },
                "aaaabb", { "aba baa" } },
            { "a phrase's letters in one word", { "--phrases", "--contains", "my" }, "dirtyroom",
                { "dirt roomy" } },
            { "a phrase limit", { "--phrases", "--limit", "2" }, "dirtyroom",
                { "dirt roomy", "dirty moor" }, true },
            // The crossword: a pattern alone, every word of the lexicon
            // that fits it; the letters fixed, a class, a class of none.
            { "a crossword", { "--pattern", "G????" }, "", { "Galen", "glean" } },
            { "a crossword of open squares", { "--pattern", "???" }, "",
                { "aba", "ale", "baa", "gal", "gel", "lag", "leg", "nag", "USS" } },
            { "a class", { "--pattern", "[gL]e?" }, "", { "gel", "leg" } },
            { "a class of none", { "--pattern", "[^gl]??" }, "",
                { "aba", "ale", "baa", "nag", "USS" } },
            { "a class in a game", { "--some", "--pattern", "?[ae]?" }, "lgnae",
                { "gal", "gel", "lag", "leg", "nag" } },
            { "a class of one letter is fixed", { "--pattern", "[a]??" }, "", { "aba", "ale" } },
            // The Wordle: letters left out, letters kept, and where not.
            { "--exclude", { "--some", "--exclude", "GN" }, "lgnae", { "ale" } },
            { "--include", { "--some", "--include", "ng" }, "lgnae",
                { "angel", "angle", "Galen", "glean", "nag" } },
            { "--include twice the letter", { "--some", "--include", "aa" }, "aab",
                { "aba", "baa", "aa" } },
            { "g somewhere but not first, no o",
                { "--pattern", "[^g]????", "--include", "g", "--exclude", "o" }, "",
                { "angel", "angle" } },
            { "--exclude in phrases", { "--phrases", "--exclude", "t" }, "abab",
                { "aa bb", "ab ab" } },
            { "--exclude of a phrase's letter", { "--phrases", "--exclude", "d" }, "dirtyroom",
                {} },
            // A phrase of a pattern reads in the pattern's order.
            { "a phrase in the pattern's order", { "--phrases", "--pattern", "???? ?????" },
                "dirtyroom", { "dirt roomy", "moor dirty", "room dirty" } },
            { "a phrase whose words fit either place", { "--phrases", "--pattern", "[ab]?? b??" },
                "aaaabb", { "aba baa", "baa baa" } },
            // A phrase with the word itself, not only its letters.
            { "--contains-word", { "--phrases", "--contains-word", "room" }, "dirtyroom",
                { "dirty room" } },
            { "--contains-word in capitals", { "--phrases", "--contains-word", "ROOMY" },
                "dirtyroom", { "dirt roomy" } },
            // Results people would play: no abbreviations, no names, no
            // compounds the rules make; in German only capitals are names.
            { "an abbreviation", { "--some" }, "ssu", { "USS" } },
            { "--no-abbreviations", { "--some", "--no-abbreviations" }, "ssu", {} },
            { "--no-abbreviations keeps a name", { "--some", "--no-abbreviations" }, "sirap",
                { "Paris" } },
            { "--no-names", { "--some", "--no-names" }, "lgnae",
                { "angel", "angle", "glean", "lean", "ale", "gal", "gel", "lag", "leg", "nag",
                    "an" } },
            { "--no-names keeps the lower-case spelling", { "--some", "--no-names" }, "hsilop",
                { "polish" } },
            { "--no-names and capitals", { "--some", "--no-names" }, "ssu", {} },
            { "--no-names in German keeps a noun", { "--some", "--no-names" }, "sirap", { "Paris" },
                false, true },
            { "--no-names in German leaves out capitals", { "--some", "--no-names" }, "ssu", {},
                false, true },
            { "--no-names in phrases", { "--phrases", "--no-names", "--min-length", "1" }, "gnalea",
                { "a angel", "a angle", "a glean", "ale nag" } },
            { "--no-compounds", { "--some", "--min-length", "5", "--no-compounds" }, "bookcase",
                {} },
            { "--no-compounds keeps the words listed", { "--some", "--no-compounds" }, "kobo",
                { "book" } },
            { "a phrase limit just reached", { "--phrases", "--limit", "3" }, "dirtyroom",
                { "dirt roomy", "dirty moor", "dirty room" } },
        });
    }
    void play()
    {
        QFETCH(GameRow, row);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        const WordIndex index = WordIndex::fromForms(kForms, settings);
        const auto script = std::make_shared<CheckerScript>(acceptedWords());
        ScriptedChecker checker(script);
        GameQuery query = queryFor(row.options, row.letters);
        query.capitalNouns = row.capitalNouns;
        const GameOutcome outcome = playGame(query, index, checker);
        QCOMPARE(linesOf(outcome), row.lines);
        QCOMPARE(outcome.limited, row.limited);
        QVERIFY(outcome.unfinished.empty());
        // The checker has the last word: each word printed was asked as printed.
        for (const GameResult &result : outcome.results) {
            for (const std::string &word : result.words)
                QVERIFY(script->asked.contains(QString::fromStdString(word)));
        }
    }

    // Scores, blanks marked and the orders of words, with the tests' tiles.
    void scores_data()
    {
        addRows<GameRow>({
            { "each word's value", { "--some", "--scores", "--min-length", "5" }, "lgnae",
                { "angel\t6", "angle\t6", "Galen\t6", "glean\t6" } },
            { "a blank worth 0, marked", { "--some", "--scores", "--min-length", "5" }, "?ngel",
                { "[a]ngel\t5", "[a]ngle\t5", "G[a]len\t5", "gle[a]n\t5" } },
            { "the last letter is the blank's", { "--some", "--scores", "--pattern", "a??" }, "ab?",
                { "ab[a]\t4" } },
            { "blanks marked without scores", { "--some", "--min-length", "3" }, "??", {} },
            { "two blanks", { "--some" }, "a??",
                { "a[b][a]", "a[l][e]", "[b]a[a]", "[g]a[l]", "[l]a[g]", "[n]a[g]", "a[a]", "a[b]",
                    "a[n]", "[b][b]" } },
            { "highest score first",
                { "--some", "--scores", "--sort", "score", "--min-length", "3" }, "bagle",
                { "gal\t4", "gel\t4", "lag\t4", "leg\t4", "ale\t3" } },
            { "longest first", { "--some", "--sort", "length", "--min-length", "3" }, "bagle",
                { "ale", "gal", "gel", "lag", "leg" } },
            { "alphabetical", { "--some", "--sort", "alpha" }, "lgnae",
                { "ale", "an", "angel", "angle", "gal", "Galen", "gel", "glean", "lag", "lean",
                    "leg", "nag" } },
            { "a phrase's blanks and score", { "--phrases", "--scores" }, "abab?",
                { "ab ab[a]\t8", "ab ba[a]\t8", "aba b[b]\t8", "baa b[b]\t8" } },
            { "a crossword has no blanks", { "--pattern", "gl???", "--scores" }, "",
                { "glean\t6" } },
        });
    }
    void scores()
    {
        QFETCH(GameRow, row);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        const WordIndex index = WordIndex::fromForms(kForms, settings);
        ScriptedChecker checker(std::make_shared<CheckerScript>(acceptedWords()));
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        QVERIFY(parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + row.options)));
        auto read = games.read(parser, row.letters);
        QVERIFY(std::holds_alternative<GameCommand>(read));
        GameCommand command = std::get<GameCommand>(read);
        if (command.scores)
            command.query.scores = testTiles();
        const GameOutcome outcome = playGame(command.query, index, checker);
        const QString printed
            = QString::fromUtf8(formatResults(outcome.results, GameFormat::Lines));
        QCOMPARE(printed.split(u'\n', Qt::SkipEmptyParts), row.lines);
    }

    // A word's value: a tile of two letters before its letters, none for a
    // letter the set has no tile for, any case.
    void tileScore_data()
    {
        addRows<ScoreRow>({
            { "letters", "bagel", {}, 8 },
            { "capitals", "BAGEL", {}, 8 },
            { "a blank", "bagel", { 0 }, 5 },
            { "two blanks", "bagel", { 0, 4 }, 4 },
            { "a tile of two letters", "ach", {}, 6 },
            { "a blank for a tile of two letters", "ach", { 2 }, 1 },
            { "its letters apart", "hac", {}, 7 },
            { "a letter with no tile", "ax", {}, 1 },
        });
    }
    void tileScore()
    {
        QFETCH(ScoreRow, row);
        QCOMPARE(testTiles().score(row.word, row.blanks), row.score);
    }

    // A table that is wrong is refused with the line that is wrong.
    void tileTables_data()
    {
        addRows<TableRow>({
            { "a tile before any section", "a 1 2\n", "line 1" },
            { "a value not a number", "[qq]\na x 2\n", "line 2" },
            { "no tiles of a letter", "[qq]\na 1 0\n", "line 2" },
            { "a value past the bound", "[qq]\na 1001 1\n", "line 2" },
            { "two fields", "[qq]\na 1\n", "line 2" },
            { "two letters not in []", "[qq]\nch 1 1\n", "line 2" },
            { "a capital", "[qq]\nA 1 1\n", "line 2" },
            { "a tile twice", "# twice\n[qq]\na 1 1\na 2 1\n", "line 4" },
            { "a section of no language", "[ ]\n", "line 1" },
        });
    }
    void tileTables()
    {
        QFETCH(TableRow, row);
        const auto parsed = TileSet::parse(row.table);
        const auto *why = std::get_if<std::string>(&parsed);
        QVERIFY(why);
        QVERIFY2(why->starts_with(std::string(row.named) + ":"), why->c_str());
    }

    // The program's own table: every language the players asked for has a
    // set, each with blanks and tiles; a language without one has none.
    void programTiles_data()
    {
        addRows<ScoreRow>({
            { "en_US", "quiz", {}, 22 },
            { "fr", "whisky", {}, 36 },
            { "de_DE", "Quiz", {}, 15 },
            { "es_ES", "chorro", {}, 15 }, // CH and RR are tiles of their own
            { "it_IT", "zucchero", {}, 27 },
            { "nl", "quiz", {}, 19 },
            { "pl_PL", "\u017c\u00f3\u0142w", {}, 14 }, // żółw
            { "pt_BR", "xadrez", {}, 21 },
            { "sv_SE", "kaffe", {}, 10 },
            { "nb_NO", "fjord", {}, 10 },
            { "da_DK", "hygge", {}, 15 },
            { "cs_CZ", "xylofon", {}, 21 },
            { "el_GR", "\u03c8\u03c5\u03c7\u03b7", {}, 21 }, // ψυχη
            { "ru_RU", "\u0449\u0443\u043a\u0430", {}, 15 }, // щука
            { "tr_TR", "\u00e7ay", {}, 8 },
        });
    }
    // The program's own table: every language the players asked for has a
    // set, and a word worked out by hand from the published set scores so.
    void programTiles()
    {
        QFETCH(ScoreRow, row);
        const auto tiles = TileSet::forLanguage(row.name);
        QVERIFY(tiles);
        QVERIFY(tiles->blanks() > 0);
        QCOMPARE(tiles->score(row.word, row.blanks), row.score);
        QVERIFY(!TileSet::forLanguage("hu_HU"));
    }

    void capitalNouns_data()
    {
        addRows<NounsRow>({
            { "German", "de_DE", true },
            { "German alone", "de", true },
            { "Swiss German", "de_CH", true },
            { "German by a hyphen", "de-AT", true },
            { "Luxembourgish", "lb_LU", true },
            { "a longer code that begins alike", "del", false },
            { "English", "en_US", false },
            { "Dutch", "nl", false },
        });
    }
    void capitalNouns()
    {
        QFETCH(NounsRow, row);
        QCOMPARE(capitalisesNouns(row.language), row.capitalised);
    }

    // A pool of many blanks over an index that joins any two parts: the
    // compounds pass the budget, and the game says so rather than go on.
    void budgetStops()
    {
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        for (char c = 'a'; c <= 'z'; ++c)
            forms.emplace_back(std::string(1, c), Begin | Middle | End);
        const WordIndex index = WordIndex::fromForms(forms, settings);
        ScriptedChecker checker(std::make_shared<CheckerScript>(QSet<QString> { "ab" }));
        GameBudget budget;
        budget.maxCandidates = 1000;
        const GameOutcome outcome
            = playGame(queryFor({ "--some" }, "????????"), index, checker, budget);
        QVERIFY(!outcome.unfinished.empty());
        // Small enough, the same index answers in full.
        QVERIFY(playGame(queryFor({ "--some" }, "a?"), index, checker, budget).unfinished.empty());
    }
    // Phrases past their budget stop the search, the first ones kept.
    void phraseBudget()
    {
        std::vector<FoundWord> words;
        for (const char *word : { "aa", "ab", "bb" })
            words.push_back({ word, countLetters(word) });
        PhraseBudget budget;
        budget.maxPhrases = 1;
        const Phrases phrases = findPhrases(
            words, { std::get<LetterPool>(parsePool("aabb")), 2, nullptr, {}, {}, {} }, budget);
        QCOMPARE(phrases.phrases, (std::vector<std::vector<std::uint32_t>> { { 0, 2 } }));
        QVERIFY(!phrases.unfinished.empty());
        QVERIFY(!phrases.more);
    }

    // Many candidates are judged by workers too, each with a checker of its
    // own; the words are the same as on one thread.
    void workersJudgeToo()
    {
        // Every multiset of one to four of twenty letters, a form each;
        // the checker takes every third.
        std::vector<std::pair<std::string, std::uint8_t>> forms;
        const auto script = std::make_shared<ThreadScript>();
        const std::string letters = "abcdefghijklmnopqrst";
        const std::function<void(std::string, std::size_t)> add
            = [&](std::string form, std::size_t from) {
                  if (!form.empty()) {
                      if (forms.size() % 3 == 0)
                          script->accepted.insert(form);
                      forms.emplace_back(form, Word);
                  }
                  for (std::size_t i = from; form.size() < 4 && i < letters.size(); ++i)
                      add(form + letters[i], i);
              };
        add({}, 0);
        QVERIFY(forms.size() > 8192);
        const WordIndex index = WordIndex::fromForms(forms);
        const GameQuery query
            = queryFor({ "--some", "--min-length", "1" }, "abcdefghijklmnopqrst????");
        ThreadSafeChecker checker(script);
        GameBudget budget;
        budget.threads = 1;
        const GameOutcome alone = playGame(query, index, checker, budget);
        QCOMPARE(script->askers.size(), std::size_t(1));
        script->askers.clear();
        budget.threads = 3;
        const GameOutcome together = playGame(query, index, checker, budget);
        QCOMPARE(script->askers.size(), std::size_t(3));
        QCOMPARE(together.results.size(), script->accepted.size());
        QCOMPARE(linesOf(together), linesOf(alone));
        QCOMPARE(together.questions, alone.questions);
    }
};

QTEST_GUILESS_MAIN(TestWordGames)
#include "tst_wordgames.moc"
