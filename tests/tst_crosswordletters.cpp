// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOptions.h"
#include "letters/Alphabet.h"
#include "search/LooseSearch.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordgames/GameRun.h"
#include "wordgames/LooseTiles.h"
#include "wordindex/IndexBuilder.h"

#include <QTest>
#include <array>

namespace {

using namespace FormRole;

// The forms an index of stems makes for a pool, for words of at most
// longest letters: the letters given, and blanks for any others.
struct PoolRow {
    const char *name;
    const char *letters;
    std::size_t blanks;
    std::size_t longest;
    QStringList made;
    QStringList notMade;
};

// A crossword in a dictionary whose letters go beyond A to Z: the lines
// printed, or the letter refused.
struct LettersRow {
    const char *name;
    const char *language;
    QStringList options;
    QStringList lines;
    const char *refused = nullptr; // the letter named as outside the alphabet
    bool unfinished = false; // the search says it left words unasked
    std::size_t leftOut = 0; // and how many candidates
};

// The index keeps its forms in key letters (año as "ano", Tür as "tur"),
// the checker the dictionary's spellings; Spanish counts ñ as a letter of
// its own, German ü, and neither é.
const std::vector<std::pair<std::string, std::uint8_t>> kForms { { "ano", Word }, { "cana", Word },
    { "cafe", Word }, { "nino", Word }, { "haus", Word | Begin | End },
    { "Tur", Word | Begin | End }, { "ol", Word }, { "e", End }, { "McTur", Word },
    { "flan", Word }, { "eeeeeeeeeeeee", Word } };
// The checker reads the ligature ﬂ as f and l.
const QSet<QString> kAccepted { "año", "ano", "caña", "cana", "café", "niño", "Haus", "Tür",
    "Haustür", "Hause", "Öl", "McTür", "flan", "ﬂan" };

// A crossword in a dictionary whose index keeps the words' own spellings:
// the lines printed and every string the checker was asked.
struct OwnRow {
    const char *name;
    const char *pattern;
    QStringList lines;
    QStringList asked;
    const char *dictionary = "fr"; // in tests/data/wordgames/own
};

// What the checker takes of tests/data/wordgames/own/fr and de_DE: their
// words, compounds of their parts, and words in capitals where ß becomes SS.
const QSet<QString> kOwnAccepted { "côte", "coté", "cote", "École", "Straße", "STRASSE", "łza",
    "déréglementée", "crème", "tête", "Noël", "dômi", "dömi", "midö", "midömi", "eeeeee",
    "Straßenbahn", "STRASSENBAHN", "MASSAAL", "Maßaal" };

// Words from some tiles in tests/data/wordgames/own/<dictionary>: the lines printed.
struct TilesRow {
    const char *name;
    const char *dictionary;
    const char *letters;
    QStringList options;
    QStringList lines;
};

// The checker takes a compound of re and då, as it takes the words listed.
const QSet<QString> kTilesAccepted { "re", "då", "reda", "redå" };

constexpr std::array kBothKinds { IndexKind::Forms, IndexKind::Stems };

Alphabet alphabetOf(const char *language)
{
    std::vector<std::string> letters;
    for (char c = 'a'; c <= 'z'; ++c)
        letters.emplace_back(1, c);
    for (const char *more : { "é", std::string_view(language) == "es" ? "ñ" : "ü", "ö" })
        letters.emplace_back(more);
    if (std::string_view(language) == "fr")
        letters.emplace_back("ﬂ");
    return *Alphabet::of(letters);
}

} // namespace

class TestCrosswordLetters : public QObject {
    Q_OBJECT

    // The query the command line asks for, its letters bound to the dictionary's.
    static std::variant<GameQuery, std::string> queryFor(
        const QStringList &options, const char *language)
    {
        return queryFor(options, alphabetOf(language), language);
    }
    static std::variant<GameQuery, std::string> queryFor(const QStringList &options,
        const Alphabet &alphabet, const char *language, const QString &letters = {})
    {
        QCommandLineParser parser;
        const GameOptions games;
        games.addTo(parser);
        if (!parser.parse(QStringList { "tool" } + options))
            qFatal("%s", qPrintable(parser.errorText()));
        auto read = games.read(parser, letters);
        if (const auto *refusal = std::get_if<CommandRefusal>(&read))
            qFatal("%s", qPrintable(refusal->message));
        GameQuery query = std::get<GameCommand>(read).query;
        if (auto outside
            = bindLetters(query, std::make_shared<const GameLetters>(alphabet, language)))
            return std::move(*outside);
        return query;
    }

private slots:
    void crossword_data()
    {
        addRows<LettersRow>({
            // A letter fixed as typed, in either case: ñ is no n in Spanish,
            // é is e.
            { "ñ fixed", "es", { "--pattern", "?ñ?" }, { "año" } },
            { "Ñ fixed", "es", { "--pattern", "?Ñ?" }, { "año" } },
            { "n fixed", "es", { "--pattern", "?n?" }, { "ano" } },
            { "an accented fixed letter", "es", { "--pattern", "?afé" }, { "café" } },
            { "the letter without its mark", "es", { "--pattern", "?afe" }, { "café" } },
            { "an open square takes either", "es", { "--pattern", "ca?a" }, { "cana", "caña" } },
            // Classes and the letters named.
            { "a class of ñ", "es", { "--pattern", "ca[ñx]a" }, { "caña" } },
            { "a class of all but ñ", "es", { "--pattern", "ca[^ñ]a" }, { "cana" } },
            { "--exclude ñ", "es", { "--pattern", "ca?a", "--exclude", "ñ" }, { "cana" } },
            { "--exclude Ñ", "es", { "--pattern", "ca?a", "--exclude", "Ñ" }, { "cana" } },
            { "--include ñ", "es", { "--pattern", "???a", "--include", "ñ" }, { "caña" } },
            { "--include ñ and n", "es", { "--pattern", "???o", "--include", "ñn" }, { "niño" } },
            { "--include ñ twice", "es", { "--pattern", "???o", "--include", "ññ" }, {} },
            // A German crossword that only a compound fills, and a
            // capital with its mark.
            { "a compound", "de", { "--pattern", "????t?r" }, { "Haustür" } },
            { "a compound with the mark fixed", "de", { "--pattern", "h????ü?" }, { "Haustür" } },
            { "a compound of letters all fixed", "de", { "--pattern", "haustür" }, { "Haustür" } },
            { "no compound without the mark", "de", { "--pattern", "h????u?" }, {} },
            { "a compound's last part of one letter", "de", { "--pattern", "haus?" }, { "Hause" } },
            { "a spelling with a capital inside", "de", { "--pattern", "???ü?" }, { "McTür" } },
            { "a capital with its mark", "de", { "--pattern", "ö?" }, { "Öl" } },
            // A square holds a letter as the checker reads it: the ligature
            // ﬂ, f and l, fills two squares.
            { "a ligature typed", "fr", { "--pattern", "ﬂan" }, { "flan" } },
            { "a ligature typed among open squares", "fr", { "--pattern", "ﬂ??" }, { "flan" } },
            { "a ligature named is no letter of a square", "fr",
                { "--pattern", "???", "--include", "ﬂ" }, {}, "ﬂ" },
            // A form of more spellings than are asked (e or é in each of
            // 13 squares) is not passed over in silence.
            { "too many spellings", "es", { "--pattern", "?????????????" }, {}, nullptr, true, 1 },
            // A letter no letter of the alphabet counts as, by name.
            { "a letter of another alphabet", "es", { "--pattern", "ж??" }, {}, "ж" },
            { "in a class", "es", { "--pattern", "[aж]??" }, {}, "ж" },
            { "left out", "es", { "--pattern", "???", "--exclude", "ж" }, {}, "ж" },
            { "a letter the dictionary lacks", "de", { "--pattern", "?ß?" }, {}, "ß" },
        });
    }
    void crossword()
    {
        QFETCH(LettersRow, row);
        const auto query = queryFor(row.options, row.language);
        if (const auto *outside = std::get_if<std::string>(&query)) {
            QCOMPARE(QString::fromStdString(*outside), QString::fromUtf8(row.refused));
            return;
        }
        QVERIFY(!row.refused);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        const WordIndex index = WordIndex::fromForms(kForms, settings);
        const auto script = std::make_shared<CheckerScript>(kAccepted);
        ScriptedChecker checker(script);
        const GameOutcome outcome = playGame(std::get<GameQuery>(query), index, checker);
        QStringList lines;
        for (const GameResult &result : outcome.results)
            lines.append(QString::fromStdString(result.words.front()));
        lines.sort();
        QCOMPARE(lines, row.lines);
        QCOMPARE(!outcome.unfinished.empty(), row.unfinished);
        QCOMPARE(outcome.leftOut, row.leftOut);
    }

    // A form the index keeps its own spellings of is asked in those alone,
    // in the cases the checker may take them, and in capitals where a
    // letter becomes two; one it keeps none of (ł is filed beyond a to z)
    // is spread over the letters under its key letters, as is a compound
    // that spells a form's key letters.
    void ownSpellings_data()
    {
        addRows<OwnRow>({
            { "two own spellings and the plain one", "c?t?", { "cote", "coté", "côte" },
                { "cote", "coté", "côte" } },
            { "a capital with its mark", "?cole", { "École" }, { "École", "école" } },
            // Straße under the key letters "strasse" too: in capitals it fills seven squares.
            { "a letter that is two in capitals", "stras?e", { "STRASSE" },
                { "STRASSE", "strasse" } },
            // Five e in the alphabet: 15,625 spreads of its key letters.
            { "six e of many marks", "?????????????", { "déréglementée" }, { "déréglementée" } },
            { "a letter filed beyond a to z", "?za", { "łza" }, { "łza" } },
            // No form within the squares has a mark: a word of letters a to
            // z is still its own one spelling, not 15,625 spreads of its e.
            { "no form within with a mark", "eeeeee", { "eeeeee" }, { "eeeeee" } },
            // The compound domi is asked as its part dö spells it, not as
            // domi: do is no part.
            { "a compound of a form's key letters", "d?mi", { "dômi", "dömi" },
                { "dômi", "dömi" } },
            // A compound is asked only as its parts spell it: dö lends its ö,
            // but no o of the alphabet's others (ô), nor does dômi, a word
            // that is no part, its ô.
            { "a compound in its parts' letters", "mi??", { "midö" },
                { "MIMI", "Mimi", "midö", "mimi" } },
            { "a cut through a word that is no part", "mi????", { "midömi" },
                { "MIDÖDÖ", "MIMIDÖ", "MIMIMI", "Midödö", "Mimidö", "Mimimi", "midödö", "midömi",
                    "mimidö", "mimimi" } },
            // A part whose one spelling is shorter than its key letters
            // (Maß of "mass") lends the letters of its capitals, as the
            // checker takes the compound in capitals.
            { "a part two letters longer in capitals", "stras?enbahn", { "STRASSENBAHN" },
                { "STRASSENBAHN", "Strassenbahn", "strassenbahn" }, "de_DE" },
            { "a short part two letters longer in capitals", "mas?aal", { "MASSAAL" },
                { "MASSAAL", "Massaal", "massaal" }, "de_DE" },
            { "the part as spelt", "ma?aal", { "Maßaal" }, { "Maßaal", "maßaal" }, "de_DE" },
        });
    }
    void ownSpellings()
    {
        QFETCH(OwnRow, row);
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build = buildWordIndexFromFiles(
                QUORVEL_TEST_DATA "/wordgames/own/" + std::string(row.dictionary), Dialect::Nuspell,
                {}, nullptr, kind);
            QVERIFY2(build.forms && build.alphabet, build.refusal.c_str());
            const auto read
                = queryFor({ "--pattern", row.pattern }, *build.alphabet, row.dictionary);
            QVERIFY(std::holds_alternative<GameQuery>(read));
            // The command line plays a dictionary's index so.
            GameQuery query = std::get<GameQuery>(read);
            query.dictionaryForms = true;
            const FormsWithin within
                = build.forms->withinPool(query.pattern->givenPool(), query.pattern->letters());
            QVERIFY(within.index);
            const auto script = std::make_shared<CheckerScript>(kOwnAccepted);
            ScriptedChecker checker(script);
            const GameOutcome outcome = playGame(query, *within.index, checker);
            QStringList lines;
            for (const GameResult &result : outcome.results)
                lines.append(QString::fromStdString(result.words.front()));
            lines.sort();
            QCOMPARE(lines, row.lines);
            QVERIFY(outcome.unfinished.empty());
            QStringList asked = script->asked;
            asked.sort();
            QCOMPARE(asked, row.asked);
        }
    }

    // The tiles' spellings of a form the index keeps its own spellings of
    // are asked only where they are one: another the checker takes (the
    // blank as å) is a compound, left out without compounds.
    void tilesOwnSpellings_data()
    {
        addRows<TilesRow>({
            { "without compounds", "da_DK", "red?", { "--some", "--no-compounds" },
                { "d\u00E5", "re", "reda" } },
            { "with compounds", "da_DK", "red?", { "--some" },
                { "d\u00E5", "re", "reda", "red\u00E5" } },
            // In capitals ß is SS: seven tiles spell Straße so.
            { "a letter two in capitals", "fr", "strasse", { "--some", "--min-length", "7" },
                { "STRASSE" } },
        });
    }
    void tilesOwnSpellings()
    {
        QFETCH(TilesRow, row);
        for (const IndexKind kind : kBothKinds) {
            const std::string language = row.dictionary;
            const WordIndexBuild build
                = buildWordIndexFromFiles(QUORVEL_TEST_DATA "/wordgames/own/" + language,
                    Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms && build.alphabet, build.refusal.c_str());
            const auto read = queryFor(row.options, *build.alphabet, row.dictionary, row.letters);
            QVERIFY(std::holds_alternative<GameQuery>(read));
            auto query = std::get<GameQuery>(read);
            // The tiles over the alphabet, as the command line makes them.
            const LooseAlphabet loose(language, build.alphabet->letters());
            auto tiles = LooseTiles::of(query.pool, loose, build.alphabet->letters());
            QVERIFY(std::holds_alternative<LooseTiles>(tiles));
            query.looseTiles = &std::get<LooseTiles>(tiles);
            const FormsWithin within
                = build.forms->withinUpTo(query.pool.reach(), query.pool.size());
            QVERIFY(within.index);
            const auto script = std::make_shared<CheckerScript>(
                language == "da_DK" ? kTilesAccepted : kOwnAccepted);
            ScriptedChecker checker(script);
            const GameOutcome outcome = playGame(query, *within.index, checker);
            QStringList lines;
            for (const GameResult &result : outcome.results)
                lines.append(QString::fromStdString(result.words.front()));
            lines.sort();
            QCOMPARE(lines, row.lines);
        }
    }

    // An index of stems makes no form longer than a crossword's word, but
    // for the one letter a compound's boundary may drop (its slack here).
    // Only stems whose letters no affix strips fit the pool are expanded,
    // and only forms with no more letters beyond the pool's own than its
    // blanks, and the one a compound's boundary may drop, are made.
    void pool_data()
    {
        constexpr const char *kWalked = "aaaaddeegiiklnnsw";
        addRows<PoolRow>({
            { "four letters", kWalked, 0, 4, { "walk", "walks" }, { "walked", "walking" } },
            { "six letters", kWalked, 0, 6, { "walk", "walks", "walked", "walking" }, {} },
            { "any length", kWalked, 0, SIZE_MAX, { "walk", "walks", "walked", "walking" }, {} },
            { "two blanks", "wk", 2, 8, { "walk", "walks", "talk", "bark", "back" },
                { "walked", "talks", "rewalk", "barks", "backs" } },
            { "a blank for the letters of a prefix", "walk", 1, 8,
                { "walk", "rewalk", "walked", "talk" }, { "rewalks", "walking", "retalk" } },
            { "no blanks", "walks", 0, 8, { "walk", "walks" }, { "talk", "rewalk" } },
        });
    }
    void pool()
    {
        QFETCH(PoolRow, row);
        const WordIndexBuild build
            = buildWordIndex("SET UTF-8\nPFX P Y 1\nPFX P 0 re .\nSFX X Y 3\n"
                             "SFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n",
                "4\nwalk/XP\ntalk/XP\nbark/X\nb\u00E4ck/X\n", Dialect::Nuspell, {}, nullptr,
                IndexKind::Stems);
        QVERIFY(build.forms && !build.forms->keepsForms());
        const FormsWithin within = build.forms->withinPool(
            LetterPool(countLetters(row.letters), row.blanks), row.longest);
        QVERIFY(within.index);
        for (const QString &form : row.made)
            QVERIFY2(within.index->formsFor(WordIndex::keyOf(form.toStdString())).size() == 1,
                qPrintable(form));
        for (const QString &form : row.notMade)
            QVERIFY2(within.index->formsFor(WordIndex::keyOf(form.toStdString())).size() == 0,
                qPrintable(form));
    }
};

QTEST_GUILESS_MAIN(TestCrosswordLetters)
#include "tst_crosswordletters.moc"
