// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordforms/FormRole.h"

#include "tests/support/IndexRoles.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>

namespace {

struct BuildRow {
    const char *name;
    const char *folder = nullptr; // a dictionary's files in tests/data/wordindex, or:
    QByteArray aff = {}; // the texts of its two files
    QByteArray dic = {};
    QStringList present = {}; // none: the index is refused
    QStringList absent = {};
    Dialect dialect = Dialect::Nuspell;
};

using namespace FormRole;

} // namespace

class TestWordIndex : public QObject {
    Q_OBJECT

private slots:
    void build_data()
    {
        const QByteArray words = "3\ncat/X\ndog/Y\n1st/12\n";
        const QByteArray walkAff = "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n";
        addRows<BuildRow>({
            { .name = "strip, conditions, prefixes, cross products, sharp s also spelt ss",
                .folder = "basic",
                .present = { "carry", "carried", "play", "played", "tie", "ties", "uncarry",
                    "uncarried", "unplayed", "replay", "Strasse" },
                .absent = { "carryed", "plaied", "replayed" } },
            { .name = "suffix after suffix or prefix, prefix after suffix or prefix",
                .folder = "continuation",
                .present = { "helpful", "helpfully", "preview", "previewing", "doer", "overdoer",
                    "rewind", "unrewind", "korabx", "korabyz", "xcd", "zykol", "dc" },
                .absent = { "helply", "viewing", "overdo", "unwind" } },
            { .name = "a prefix whose first letter the one after it strips, no suffix",
                .aff = "PFX V Y 1\nPFX V 0 xy/W .\nPFX W N 1\nPFX W x z .\n",
                .dic = "1\nkol/V\n",
                .present = { "xykol", "zykol" } },
            { .name = "flag aliases, an alias line read as flags",
                .folder = "alias",
                .present = { "played", "unplay", "unplayed", "ties", "unties" },
                .absent = { "untie", "tied" } },
            { .name = "long flags",
                .folder = "long",
                .present = { "locks", "unlock", "unlocks" },
                .absent = { "locked" } },
            { .name = "numeric flags",
                .folder = "num",
                .present = { "walking", "walker" },
                .absent = { "walked" } },
            { .name = "UTF-8 flags",
                .folder = "utf8flags",
                .present = { "hund", "hunden" },
                .absent = { "hunds" } },
            { .name = "Latin-1 text",
                .folder = "latin1",
                .present = { "cafes", "Strasse", "café", "Straße", "naïve" },
                .absent = { "cafées" } },

            // One spelling however many dotless i's: two ways each would be too many.
            { .name = "a Turkish word of seven dotless i's",
                .aff = "SET UTF-8\nLANG tr_TR\n",
                .dic
                = "1\nk\xc4\xb1r\xc4\xb1l\xc4\xb1ml\xc4\xb1l\xc4\xb1\xc4\x9f\xc4\xb1n\xc4\xb1\n",
                .present = { "kırılımlılığını" } },

            { .name = "plain line",
                .aff = walkAff,
                .dic = "1\nwalk/S\n",
                .present = { "walk", "walks" } },
            { .name = "no count line",
                .aff = walkAff,
                .dic = "walk/S\n",
                .present = { "walk", "walks" } },
            { .name = "field after a blank",
                .aff = walkAff,
                .dic = "1\nwalk/S po:verb\n",
                .present = { "walk", "walks" } },
            { .name = "field after a tab",
                .aff = walkAff,
                .dic = "1\nwalk/S\tpo:verb\n",
                .present = { "walk", "walks" } },
            { .name = "a blank inside the word",
                .aff = walkAff,
                .dic = "1\na lot ph:alot\n",
                .present = { "a" },
                .absent = { "alot" } },
            { .name = "an escaped slash",
                .aff = walkAff,
                .dic = "2\nand\\/or/S\nwalk\n",
                .present = { "walk" },
                .absent = { "andor", "andors" } },
            { .name = "leading blanks",
                .aff = walkAff,
                .dic = "1\n  walk/S\n",
                .present = { "walk", "walks" } },
            { .name = "CR LF line ends",
                .aff = walkAff,
                .dic = "1\r\nwalk\r\n",
                .present = { "walk" } },
            { .name = "byte order mark",
                .aff = walkAff,
                .dic = "\357\273\277walk/S\n",
                .present = { "walk", "walks" } },

            { .name = "plain affix file",
                .aff = "SET UTF-8\n",
                .dic = words,
                .present = { "cat" } },
            { .name = "compounds",
                .aff = kCompoundAff,
                .dic = kCompoundDic,
                .present = { "haus", "tier", "arzt" } },
            { .name = "break at letters", .aff = "BREAK 1\nBREAK ab\n", .dic = words },
            { .name = "break at hyphens",
                .aff = "BREAK 3\nBREAK -\nBREAK ^-\nBREAK -$\n",
                .dic = words,
                .present = { "cat" } },
            { .name = "input conversion of letters into letters",
                .aff = "ICONV 1\nICONV ph f\n",
                .dic = words },
            { .name = "input conversion of letters into digits",
                .aff = "ICONV 1\nICONV a 0\n",
                .dic = words },
            // A typed word of it is a number to the checker, and A to Z are
            // searched with a Latin dictionary whether its words have them or not.
            { .name = "input conversion into digits of a letter no word has",
                .aff = "ICONV 1\nICONV q 0\n",
                .dic = words },
            // Latin letters are refused with a Cyrillic dictionary, unless its words have them.
            { .name = "input conversion of Latin letters into digits, Cyrillic words",
                .aff = "SET UTF-8\nICONV 2\nICONV a 0\nICONV B 0\n",
                .dic = "2\n\xd0\xba\xd1\x96\xd1\x82\n\xd1\x82\xd1\x96\xd0\xba\n",
                .present = { "\xd0\xba\xd1\x96\xd1\x82" } },
            { .name = "input conversion into digits of a letter the Cyrillic words have",
                .aff = "SET UTF-8\nICONV 2\nICONV a 0\nICONV B 0\n",
                .dic = "3\n\xd0\xba\xd1\x96\xd1\x82\n\xd1\x82\xd1\x96\xd0\xba\nb\n" },
            { .name = "input conversion of letters into a ligature: its letters spell it",
                .aff = "SET UTF-8\nICONV 2\nICONV ij \xc4\xb3\nICONV IJ \xc4\xb2\n",
                .dic = "2\n\xc4\xb3s\n\xc4\xb2sland\n",
                .present = { "ijs", "IJsland" } },
            { .name = "input conversion of quotes",
                .aff = "ICONV 1\nICONV \xe2\x80\x99 '\n",
                .dic = words,
                .present = { "cat" } },
            { .name = "ignored characters are dropped from words",
                .aff = "SET UTF-8\nIGNORE \xc2\xad\n",
                .dic = "1\nca\xc2\xadt\n",
                .present = { "cat" } },
            { .name = "ignoring letters", .aff = "IGNORE a\n", .dic = words },
            { .name = "the long s and the st ligatures spelt with their letters",
                .aff = "SET UTF-8\n",
                .dic = "3\n\xc5\xbfun\n\xef\xac\x86op\nla\xef\xac\x85\n",
                .present = { "sun", "stop", "last" } },
            { .name = "Turkish",
                .aff = "LANG tr_TR\nSET UTF-8\n",
                .dic = "2\n\xc4\xb1s\xc4\xb1k\nkitap\n",
                .present = { "isik", "kitap" } },
            { .name = "prefixes and suffixes turned around",
                .aff = "COMPLEXPREFIXES\n",
                .dic = words },
            { .name = "unknown directive",
                .aff = "FOOBAR 1\n",
                .dic = words,
                .present = { "cat" } },
            { .name = "unknown encoding", .aff = "SET NO-SUCH-CODE\n", .dic = words },
            { .name = "unknown flag type: characters",
                .aff = "FLAG weird\nSFX X Y 1\nSFX X 0 s .\n",
                .dic = words,
                .present = { "cats" } },
            { .name = "a class of flag 0 (FLAG num)",
                .aff = "FLAG num\nSFX 0 Y 1\nSFX 0 0 s .\n",
                .dic = "1\ncat/0\n",
                .present = { "cats" } },
            { .name = "a keyword in small letters: Nuspell reads it",
                .aff = "flag long\nSFX Xx Y 1\nSFX Xx 0 s .\n",
                .dic = "1\ncat/Xx\n",
                .present = { "cats" } },
            { .name = "a keyword in small letters: Hunspell does not",
                .aff = "flag long\nSFX Xx Y 1\nSFX Xx 0 s .\n",
                .dic = "1\ncat/X\n",
                .present = { "cats" },
                .absent = {},
                .dialect = Dialect::Hunspell },
            { .name = "affix rules in small letters: Nuspell reads them",
                .aff = "sfx X Y 1\nsFx X 0 s .\n",
                .dic = "1\ncat/X\n",
                .present = { "cat", "cats" } },
            { .name = "affix rules in small letters: Hunspell does not",
                .aff = "sfx X Y 1\nsFx X 0 s .\n",
                .dic = "1\ncat/X\n",
                .present = { "cat" },
                .absent = { "cats" },
                .dialect = Dialect::Hunspell },
            { .name = "a table cut short: Hunspell reads no further",
                .aff = "REP 2\nREP a b\nSFX X Y 1\nSFX X 0 s .\n",
                .dic = "1\ncat/X\n",
                .present = { "cat" },
                .absent = { "cats" },
                .dialect = Dialect::Hunspell },
            // mn_MN has such a row; the classes after it were lost.
            { .name = "a row whose first word is not its block's: Hunspell reads it by its flag",
                .aff = "SFX X Y 2\nSFX X 0 s .\nSFT X 0 ing .\nSFX Y Y 1\nSFX Y 0 er .\n",
                .dic = "1\nwalk/XY\n",
                .present = { "walks", "walking", "walker" },
                .absent = {},
                .dialect = Dialect::Hunspell },
            { .name = "a table cut short: Nuspell reads on",
                .aff = "REP 2\nREP a b\nSFX X Y 1\nSFX X 0 s .\n",
                .dic = "1\ncat/X\n",
                .present = { "cat", "cats" } },
            { .name = "open condition", .aff = "SFX X Y 1\nSFX X 0 s [ab\n", .dic = words },
            { .name = "line too long", .aff = "TRY " + QByteArray(9000, 'a') + "\n", .dic = words },

        });
    }
    void build()
    {
        QFETCH(BuildRow, row);
        // An index of stems makes the same forms as one that keeps them all.
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build = row.folder
                ? buildWordIndexFromFiles(QUORVEL_TEST_DATA "/wordindex/" + std::string(row.folder),
                    row.dialect, {}, nullptr, kind)
                : buildWordIndex(
                    row.aff.toStdString(), row.dic.toStdString(), row.dialect, {}, nullptr, kind);
            QVERIFY2((build.forms != nullptr) == !row.present.isEmpty(), build.refusal.c_str());
            QCOMPARE(build.refusal.empty(), !row.present.isEmpty());
            if (!build.forms)
                continue;
            QCOMPARE(build.forms->keepsForms(), kind == IndexKind::Forms);
            for (const QString &word : row.present)
                QVERIFY2(rolesOf(*build.forms, word) & Word, qPrintable(word));
            for (const QString &word : row.absent)
                QVERIFY2(!rolesOf(*build.forms, word), qPrintable(word));
        }
    }

    void formsAreFiledByTheirLetters()
    {
        const WordIndex index = WordIndex::fromForms({ { "act", Word }, { "cat", Word },
            { "tac", End }, { "dog", Word }, { "Cat", Begin }, { "café", Word } });
        QCOMPARE(index.formCount(), 5u); // "café" is no form of letters
        const auto forms = index.formsFor(WordIndex::keyOf("TCa"));
        QCOMPARE(forms.size(), 4u);
        // Spellings of one word stay together, the dictionary's capitals kept,
        // in the order the dictionary gave them.
        QCOMPARE((std::vector<std::string_view> { forms[0], forms[1], forms[2], forms[3] }),
            (std::vector<std::string_view> { "act", "cat", "Cat", "tac" }));
        QCOMPARE(int(forms.roles[2]), int(Begin));
        QCOMPARE(int(index.rolesBelow(WordIndex::root())), int(Word | Begin | End));
        QCOMPARE(index.formsFor(WordIndex::keyOf("god")).size(), 1u);
        QCOMPARE(index.formsFor(WordIndex::keyOf("cats")).size(), 0u);
        QCOMPARE(index.formsFor("").size(), 0u);
    }

    // Files that are not there, or not regular files, are refused.
    void filesThatAreNoFiles()
    {
        TempFolder dir;
        QVERIFY(QDir(dir.dir.path()).mkdir(QStringLiteral("x.aff")));
        QVERIFY(!dir.write("x.dic", "1\ncat\n").isEmpty());
        const WordIndexBuild folder = buildWordIndexFromFiles(dir.path("x").toStdString());
        QVERIFY(!folder.forms);
        QVERIFY(folder.refusal.find("not a regular file") != std::string::npos);
        QVERIFY(!buildWordIndexFromFiles(dir.path("none").toStdString()).forms);
    }
};

QTEST_GUILESS_MAIN(TestWordIndex)
#include "tst_wordindex.moc"
