// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"
#include "search/LooseSearch.h"
#include "tests/support/GameLexicon.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "tests/support/ThreadSafeChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/GameRun.h"
#include "wordgames/PhraseSearch.h"
#include "wordgames/WordHunt.h"
#include "wordindex/IndexBuilder.h"

#include <QTest>

namespace {

using namespace FormRole;
using namespace GameLexicon;

// A command line of the games, and the lines they print.
struct GameRow {
    const char *name;
    QStringList options;
    QString letters;
    QStringList lines; // each result, the words of a phrase between spaces
    bool limited = false; // a limit left some out
    bool capitalNouns = false; // the language writes its nouns with a capital
};

struct NounsRow {
    const char *name;
    const char *language;
    bool capitalised;
};

const QStringList kFiveLetters { "angel", "angle", "Galen", "glean", "lean", "ale", "gal", "gel",
    "lag", "leg", "nag", "an" };
// The same with a blank beside an a: aa and ab too.
const QStringList kBlankBesideA { "angel", "angle", "Galen", "glean", "lean", "ale", "gal", "gel",
    "lag", "leg", "nag", "aa", "ab", "an" };

} // namespace

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

    // A blank is one letter, ß too; but ß in capitals is two (SS), which
    // one blank cannot make: a word the checker takes only in capitals
    // ("ASSE" for a form spelt aße) is no answer to a, e and a blank. The
    // same bytes in capitals as in small letters say nothing of that.
    void blankAsSharpS()
    {
        const WordIndexBuild build = buildWordIndex("SET UTF-8\n", "1\naße\n");
        QVERIFY(build.forms && build.alphabet);
        const std::vector<std::string> &letters = build.alphabet->letters();
        const auto script = std::make_shared<CheckerScript>(QSet<QString> { "ASSE" });
        ScriptedChecker checker(script);
        GameQuery query = queryFor({ "--some" }, "ae?");
        const LooseAlphabet alphabet("de_DE", letters);
        auto tiles = LooseTiles::of(query.pool, alphabet, letters, {});
        QVERIFY(std::holds_alternative<LooseTiles>(tiles));
        query.looseTiles = &std::get<LooseTiles>(tiles);
        const FormsWithin forms
            = build.forms->withinUpTo(query.looseTiles->walked().reach(), query.pool.size());
        QVERIFY(forms.index);
        const GameOutcome outcome = playGame(query, *forms.index, checker);
        QVERIFY2(
            script->asked.contains(QStringLiteral("aße")), qPrintable(script->asked.join(u' ')));
        QCOMPARE(linesOf(outcome), QStringList());
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
