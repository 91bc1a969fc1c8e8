// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/Expander.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/SelfTestWords.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>

namespace {

// The roles of a form as the index holds it (0: not there).
std::uint8_t rolesOf(const WordIndex &index, const QString &word)
{
    const std::string form = word.toStdString();
    const auto forms = index.formsFor(WordIndex::keyOf(form));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i] == form)
            return forms.roles[i];
    }
    return 0;
}

// The same through a source of forms: what it gives for the word's letters.
std::uint8_t rolesOf(const FormSource &source, const QString &word)
{
    const FormsWithin within = source.within(word.toStdString());
    return within.index ? rolesOf(*within.index, word) : 0;
}

constexpr std::array kBothKinds { IndexKind::Forms, IndexKind::Stems };

struct BuildRow {
    const char *name;
    QByteArray aff; // without dic: the name of a dictionary in tests/data/wordindex
    QByteArray dic;
    QStringList present = {}; // none: the index is refused
    QStringList absent = {};
    Dialect dialect = Dialect::Nuspell;
};

struct LimitRow {
    const char *name;
    ReadLimits limits;
    bool formsKept; // keeping every form keeps to the limits
    bool stems; // an index of stems does
};

struct RoleRow {
    const char *name;
    QString form;
    std::uint8_t roles;
};

struct SelfTestRow {
    const char *name;
    QByteArray dic;
    QStringList words;
};

using namespace FormRole;

// Compounding flags on stems and on affixes: x begins, y is inside, z ends,
// c lets a suffix begin a compound, f forbids compounds, o only in them.
constexpr char kCompoundAff[] = "SET UTF-8\nCOMPOUNDBEGIN x\nCOMPOUNDMIDDLE y\nCOMPOUNDEND z\n"
                                "COMPOUNDPERMITFLAG c\nCOMPOUNDFORBIDFLAG f\nONLYINCOMPOUND o\n"
                                "NEEDAFFIX n\nCOMPOUNDRULE 1\nCOMPOUNDRULE ab\n"
                                "SFX S Y 1\nSFX S 0 s .\nSFX P Y 1\nSFX P 0 n/c .\n"
                                "SFX F Y 1\nSFX F 0 ing/f .\nPFX U Y 1\nPFX U 0 un .\n";
constexpr char kCompoundDic[] = "8\nhaus/xSU\ntier/yzS\narzt/z\nfuge/oxP\nbau/xF\nneed/nxS\n"
                                "ein/a\nzwei/bS\n";

} // namespace

class TestWordIndex : public QObject {
    Q_OBJECT

private slots:
    void build_data()
    {
        const QByteArray words = "3\ncat/X\ndog/Y\n1st/12\n";
        const QByteArray walkAff = "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n";
        addRows<BuildRow>({
            { "strip, conditions, prefixes, cross products, sharp s also spelt ss", "basic", {},
                { "carry", "carried", "play", "played", "tie", "ties", "uncarry", "uncarried",
                    "unplayed", "replay", "Strasse" },
                { "carryed", "plaied", "replayed" } },
            { "suffix after suffix or prefix, prefix after suffix or prefix", "continuation", {},
                { "helpful", "helpfully", "preview", "previewing", "doer", "overdoer", "rewind",
                    "unrewind" },
                { "helply", "viewing", "overdo", "unwind" } },
            { "flag aliases, an alias line read as flags", "alias", {},
                { "played", "unplay", "unplayed", "ties", "unties" }, { "untie", "tied" } },
            { "long flags", "long", {}, { "locks", "unlock", "unlocks" }, { "locked" } },
            { "numeric flags", "num", {}, { "walking", "walker" }, { "walked" } },
            { "UTF-8 flags", "utf8flags", {}, { "hund", "hunden" }, { "hunds" } },
            { "Latin-1 text", "latin1", {}, { "cafes", "Strasse" }, { "cafe" } },

            { "plain line", walkAff, "1\nwalk/S\n", { "walk", "walks" } },
            { "no count line", walkAff, "walk/S\n", { "walk", "walks" } },
            { "field after a blank", walkAff, "1\nwalk/S po:verb\n", { "walk", "walks" } },
            { "field after a tab", walkAff, "1\nwalk/S\tpo:verb\n", { "walk", "walks" } },
            { "a blank inside the word", walkAff, "1\na lot ph:alot\n", { "a" }, { "alot" } },
            { "an escaped slash", walkAff, "2\nand\\/or/S\nwalk\n", { "walk" },
                { "andor", "andors" } },
            { "leading blanks", walkAff, "1\n  walk/S\n", { "walk", "walks" } },
            { "CR LF line ends", walkAff, "1\r\nwalk\r\n", { "walk" } },
            { "byte order mark", walkAff, "\357\273\277walk/S\n", { "walk", "walks" } },

            { "plain affix file", "SET UTF-8\n", words, { "cat" } },
            { "compounds", kCompoundAff, kCompoundDic, { "haus", "tier", "arzt" } },
            { "break at letters", "BREAK 1\nBREAK ab\n", words },
            { "break at hyphens", "BREAK 3\nBREAK -\nBREAK ^-\nBREAK -$\n", words, { "cat" } },
            { "input conversion of letters into letters", "ICONV 1\nICONV ph f\n", words },
            { "input conversion of letters into digits", "ICONV 1\nICONV a 0\n", words },
            { "input conversion of letters into a ligature: its letters spell it",
                "SET UTF-8\nICONV 2\nICONV ij \xc4\xb3\nICONV IJ \xc4\xb2\n",
                "2\n\xc4\xb3s\n\xc4\xb2sland\n", { "ijs", "IJsland" } },
            { "input conversion of quotes", "ICONV 1\nICONV \xe2\x80\x99 '\n", words, { "cat" } },
            { "ignored characters are dropped from words", "SET UTF-8\nIGNORE \xc2\xad\n",
                "1\nca\xc2\xadt\n", { "cat" } },
            { "ignoring letters", "IGNORE a\n", words },
            { "Turkish", "LANG tr_TR\nSET UTF-8\n", "2\n\xc4\xb1s\xc4\xb1k\nkitap\n",
                { "isik", "kitap" } },
            { "prefixes and suffixes turned around", "COMPLEXPREFIXES\n", words },
            { "unknown directive", "FOOBAR 1\n", words, { "cat" } },
            { "unknown encoding", "SET NO-SUCH-CODE\n", words },
            { "unknown flag type: characters", "FLAG weird\nSFX X Y 1\nSFX X 0 s .\n", words,
                { "cats" } },
            { "a class of flag 0 (FLAG num)", "FLAG num\nSFX 0 Y 1\nSFX 0 0 s .\n",
                "1\ncat/0\n", { "cats" } },
            { "a keyword in small letters: Nuspell reads it",
                "flag long\nSFX Xx Y 1\nSFX Xx 0 s .\n", "1\ncat/Xx\n", { "cats" } },
            { "a keyword in small letters: Hunspell does not",
                "flag long\nSFX Xx Y 1\nSFX Xx 0 s .\n", "1\ncat/X\n", { "cats" }, {},
                Dialect::Hunspell },
            { "a table cut short: Hunspell reads no further",
                "REP 2\nREP a b\nSFX X Y 1\nSFX X 0 s .\n", "1\ncat/X\n", { "cat" }, { "cats" },
                Dialect::Hunspell },
            { "a table cut short: Nuspell reads on", "REP 2\nREP a b\nSFX X Y 1\nSFX X 0 s .\n",
                "1\ncat/X\n", { "cat", "cats" } },
            { "open condition", "SFX X Y 1\nSFX X 0 s [ab\n", words },
            { "line too long", "TRY " + QByteArray(9000, 'a') + "\n", words },

        });
    }
    void build()
    {
        QFETCH(BuildRow, row);
        // An index of stems makes the same forms as one that keeps them all.
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build = row.dic.isEmpty()
                ? buildWordIndexFromFiles(QUORVEL_TEST_DATA "/wordindex/" + row.aff.toStdString(),
                    row.dialect, {}, nullptr, kind)
                : buildWordIndex(row.aff.toStdString(), row.dic.toStdString(), row.dialect, {},
                    nullptr, kind);
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

    // A limit that keeping every form would pass makes an index of stems,
    // which keeps to it for the letters asked: those with few forms are
    // answered, those with too many are not.
    void limits_data()
    {
        addRows<LimitRow>({
            { "within the read limits", {}, true, true },
            { "forms of one stem", { .maxFormsPerStem = 3 }, false, true },
            { "stored forms", { .maxStoredForms = 11 }, false, true },
            { "affix rules tried", { .maxRuleTests = 8 }, false, true },
            { "rules", { .maxRules = 2 }, false, false },
            { "dictionary words", { .maxEntries = 2 }, false, false },
        });
    }
    void limits()
    {
        QFETCH(LimitRow, row);
        // Three stems with three suffixes each: 12 forms, 9 rules tried.
        const std::string aff = "SFX X Y 3\nSFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n";
        const std::string dic = "3\nwalk/X\ntalk/X\nbark/X\n";
        const WordIndexBuild forms = buildWordIndex(aff, dic, Dialect::Nuspell, row.limits, nullptr, IndexKind::Forms);
        QCOMPARE(forms.forms != nullptr, row.formsKept);
        const WordIndexBuild chosen = buildWordIndex(aff, dic, Dialect::Nuspell, row.limits);
        QCOMPARE(chosen.forms != nullptr, row.stems);
        if (!chosen.forms)
            return;
        QCOMPARE(chosen.forms->keepsForms(), row.formsKept);
        QVERIFY(rolesOf(*chosen.forms, QStringLiteral("walks")) & Word);
        const FormsWithin all = chosen.forms->within("walkedtalkingbarks");
        QCOMPARE(all.index != nullptr, row.formsKept);
        QCOMPARE(all.unfinished.empty(), row.formsKept);
    }

    // What each form may be: a word alone, a part at the start, inside or at
    // the end of a compound, a part of a COMPOUNDRULE.
    void roles_data()
    {
        addRows<RoleRow>({
            { "a stem that begins", "haus", Word | Begin },
            { "a prefix is fine at the start", "unhaus", Word | Begin },
            { "a suffix there needs COMPOUNDPERMITFLAG", "hauss", Word },
            { "a stem inside and at the end", "tier", Word | Middle | End },
            { "a suffix is fine at the end", "tiers", Word | Middle | End },
            { "only in compounds: no word alone; its suffix permits the start", "fugen", Begin },
            { "an affix that forbids compounds", "bauing", Word },
            { "a stem that needs an affix is no word alone", "need", 0 },
            { "... nor a part", "needs", Word },
            { "a rule part, bare", "ein", Word | Rule },
            { "a rule part with a suffix: only last", "zweis", Word | RuleLast },
        });
    }
    void roles()
    {
        QFETCH(RoleRow, row);
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build
                = buildWordIndex(kCompoundAff, kCompoundDic, Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms, build.refusal.c_str());
            QCOMPARE(int(rolesOf(*build.forms, row.form)), int(row.roles));
        }
    }

    void formsAreFiledByTheirLetters()
    {
        const WordIndex index = WordIndex::fromForms(
            { { "act", Word }, { "cat", Word }, { "tac", End }, { "dog", Word },
                { "Cat", Begin }, { "café", Word } });
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

    // An index read back from its block of memory is the same; a damaged
    // block is refused, whatever part of it is damaged, never read past.
    void imagesAreCheckedWhole()
    {
        const WordIndexBuild build = buildWordIndex(kCompoundAff, kCompoundDic);
        QVERIFY(build.forms && build.forms->keepsForms());
        const std::vector<std::uint64_t> &image = build.forms->image();
        const auto again = WordIndex::fromImage(image);
        QVERIFY(again);
        QCOMPARE(again->formCount(), build.forms->size());
        QCOMPARE(again->compounds().rules.size(), 1u);
        QCOMPARE(int(rolesOf(*again, QStringLiteral("fugen"))), int(Begin));
        for (std::size_t cut = 0; cut < image.size(); ++cut) {
            std::vector<std::uint64_t> shorter(image.begin(), image.begin() + long(cut));
            QVERIFY(!WordIndex::fromImage(shorter));
        }
        // Every word after the header changed in turn: refused, or still an index
        // whose forms are letters (a changed role or letter only the cache's
        // checksum can tell).
        for (std::size_t at = 8; at < image.size(); ++at) {
            std::vector<std::uint64_t> changed = image;
            changed[at] ^= 0x0101010101010101ull;
            std::string why;
            if (const auto read = WordIndex::fromImage(changed, &why))
                QVERIFY(read->formCount() == build.forms->size());
        }
        std::vector<std::uint64_t> otherVersion = image;
        ++otherVersion[1];
        QVERIFY(!WordIndex::fromImage(otherVersion));
    }

    // The words a self-test asks for: entries as the engines read them, none
    // that needs an affix, only ever in compounds, or is forbidden.
    void selfTestWords_data()
    {
        addRows<SelfTestRow>({
            { "fields after a blank", "2\na lot ph:alot\ncat\n", { "a lot", "cat" } },
            { "flags and escaped slashes", "2\nword/XY\none\\/two\n", { "word", "one/two" } },
            { "not those that need more", "4\nonly/O\nneeds/N\nbad/F\ncat\n", { "cat" } },
        });
    }
    void selfTestWords()
    {
        QFETCH(SelfTestRow, row);
        const auto words = ::selfTestWords(
            "ONLYINCOMPOUND O\nNEEDAFFIX N\nFORBIDDENWORD F\n", row.dic.constData(),
            Dialect::Nuspell);
        QStringList got;
        for (const SelfTestWord &word : words)
            got.append(QString::fromStdString(word.utf8));
        QCOMPARE(got, row.words);
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
