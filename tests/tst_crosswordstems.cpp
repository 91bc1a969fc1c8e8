// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixReader.h"
#include "tests/support/Rows.h"
#include "wordgames/WordPattern.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/StemIndexSquares.h"

#include <QTest>
#include <fstream>
#include <sstream>

namespace {

// A crossword's forms from an index of stems of tests/data/wordgames/stems:
// those it must make and those of stems it must not expand.
struct SquaresRow {
    const char *name;
    const char *dictionary;
    const char *pattern;
    QStringList made;
    QStringList notMade;
};

// Whether a stem of tests/data/wordgames/stems/twice, with its flags, may
// fill a word of so many open squares: its forms are as long as the stem
// with what a prefix and two suffixes add beyond what they strip.
struct LengthRow {
    const char *name;
    const char *stem;
    const char *flags;
    std::size_t squares;
    bool fills;
};

// The key letters of the index's forms, each a key of the index.
QStringList formsOf(const WordIndex &index)
{
    QStringList forms;
    for (WordIndex::KeyId key = 0; key < index.keyCount(); ++key) {
        const auto of = index.formsOf(key);
        for (std::size_t i = 0; i < of.size(); ++i)
            forms.append(QString::fromStdString(std::string(of[i])));
    }
    return forms;
}

} // namespace

class TestCrosswordStems : public QObject {
    Q_OBJECT

private slots:
    // An index of stems makes a crossword's forms only from the stems whose
    // core can stand where the squares take its letters, after what the
    // stem or a prefix puts before it; every form that fits is still made.
    void squares_data()
    {
        addRows<SquaresRow>({
            { "a fixed letter in the middle", "en", "??l?", { "walk", "talk" },
                { "bark", "kawa" } },
            { "the core after a prefix, at the pattern's end", "en", "??walk", { "rewalk" },
                { "talk", "kawa" } },
            { "a prefix before a fixed letter", "en", "?e????", { "rewalk" }, { "talking" } },
            { "a prefix in place of the stem's start", "en", "u???", { "umok" },
                { "kawa", "talk" } },
            { "a stem without suffixes ends the word", "en", "???a", { "kawa" },
                { "talk", "bark" } },
            { "either word of two", "en", "k??? t???", { "kawa", "talk" }, { "walk", "bark" } },
            // A part of a compound may stand anywhere, and be shorter.
            { "parts of a compound", "compounds", "t???walk", { "talk", "walk" }, {} },
            { "a prefix and two suffixes", "twice", "?????????", { "rewalkers" }, {} },
            { "two suffixes", "twice", "???????", { "talkers", "rewalks" }, {} },
            { "a suffix that strips", "twice", "??????", { "babies" }, {} },
            // l'talkers, made within the letters alone, must fill no word.
            { "a prefix of no letter", "twice", "?????????", { "rewalkers" }, {} },
        });
    }
    void squares()
    {
        QFETCH(SquaresRow, row);
        const WordIndexBuild build = buildWordIndexFromFiles(
            QUORVEL_TEST_DATA "/wordgames/stems/" + std::string(row.dictionary), Dialect::Nuspell,
            {}, nullptr, IndexKind::Stems);
        QVERIFY2(build.forms && build.alphabet, build.refusal.c_str());
        QVERIFY(!build.forms->keepsForms());
        auto parsed = WordPattern::parse(row.pattern);
        QVERIFY(std::holds_alternative<WordPattern>(parsed));
        WordPattern &pattern = std::get<WordPattern>(parsed);
        QVERIFY(!pattern.bind(std::make_shared<const GameLetters>(*build.alphabet, "en_US")));
        const FormsWithin within = build.forms->withinSquares(
            pattern.givenPool(), pattern.letters(), pattern.keySquares());
        QVERIFY(within.index);
        const QStringList made = formsOf(*within.index);
        for (const QString &form : row.made)
            QVERIFY2(made.contains(form), qPrintable(form + " not made: " + made.join(' ')));
        for (const QString &form : row.notMade)
            QVERIFY2(!made.contains(form), qPrintable(form + " made"));
        // Every form made within the letters alone that fills a word is
        // made within the squares too.
        const FormsWithin all = build.forms->withinPool(pattern.givenPool(), pattern.letters());
        QVERIFY(all.index);
        for (const QString &form : formsOf(*all.index)) {
            if (pattern.placesOf(form.toStdString()) != 0)
                QVERIFY2(made.contains(form), qPrintable(form + " fills the pattern, not made"));
        }
    }

    // A stem is expanded for a crossword only where its longest form can
    // fill the word's squares.
    void longestForms_data()
    {
        addRows<LengthRow>({
            { "rewalkers: a prefix and two suffixes", "walk", "XP", 9, true },
            { "no form of walk has ten letters", "walk", "XP", 10, false },
            { "talkers: the second suffix adds its letter", "talk", "X", 7, true },
            { "talk takes no prefix", "talk", "X", 8, false },
            { "l' puts no letter in a square", "talk", "XL", 8, false },
            { "babies: the y stripped", "baby", "Z", 6, true },
            { "babies has no more letters than the y stripped leaves", "baby", "Z", 7, false },
        });
    }
    void longestForms()
    {
        QFETCH(LengthRow, row);
        std::ifstream file(QUORVEL_TEST_DATA "/wordgames/stems/twice.aff");
        std::stringstream text;
        text << file.rdbuf();
        const AffixFile affixes = parseAffixFile(text.str());
        QVERIFY2(affixes.refusal.empty(), affixes.refusal.c_str());
        const LetterFold fold(affixes);
        const StemSquares squares(affixes, fold);
        const std::string stem = row.stem;
        const SquarePlaces places { std::vector<std::uint64_t>(row.squares, ~std::uint64_t(0)) };
        QCOMPARE(squares.mayFill(std::u32string(stem.begin(), stem.end()),
                     affixes.parseFlags(row.flags), places),
            row.fills);
    }
};

QTEST_GUILESS_MAIN(TestCrosswordStems)
#include "tst_crosswordstems.moc"
