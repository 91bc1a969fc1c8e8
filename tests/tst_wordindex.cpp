// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/WordIndex.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <algorithm>

namespace {

bool holds(const WordIndex &index, const QString &word)
{
    const std::string form = word.toStdString();
    const auto forms = index.formsFor(WordIndex::keyOf(form));
    return std::ranges::find(forms, std::string_view(form)) != forms.end();
}

struct BuildRow {
    const char *name;
    QByteArray aff; // without dic: the name of a dictionary in tests/data/wordindex
    QByteArray dic;
    QStringList present = {}; // none: the index is refused
    QStringList absent = {};
    ReadLimits limits = {};
};

} // namespace

class TestWordIndex : public QObject {
    Q_OBJECT

private slots:
    void build_data()
    {
        const QByteArray words = "3\ncat/X\ndog/Y\n1st/12\n";
        const QByteArray walkAff = "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n";
        // Three stems with three suffixes each: 12 forms, 9 rules tried.
        const QByteArray aff3 = "SFX X Y 3\nSFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n";
        const QByteArray dic3 = "3\nwalk/X\ntalk/X\nbark/X\n";
        addRows<BuildRow>({
            { "strip, conditions, prefixes, cross products, sharp s also spelt ss", "basic", {},
                { "carry", "carried", "play", "played", "tie", "ties", "uncarry", "uncarried",
                    "unplayed", "replay", "strasse" },
                { "carryed", "plaied", "replayed" } },
            { "suffix after suffix or prefix, prefix after suffix or prefix", "continuation", {},
                { "helpful", "helpfully", "preview", "previewing", "doer", "overdoer", "rewind",
                    "unrewind" },
                { "helply", "viewing", "overdo", "unwind" } },
            { "flag aliases", "alias", {}, { "played", "unplay", "unplayed", "ties", "unties" },
                { "untie", "tied" } },
            { "long flags", "long", {}, { "locks", "unlock", "unlocks" }, { "locked" } },
            { "numeric flags", "num", {}, { "walking", "walker" }, { "walked" } },
            { "UTF-8 flags", "utf8flags", {}, { "hund", "hunden" }, { "hunds" } },
            { "Latin-1 text", "latin1", {}, { "cafes", "strasse" }, { "cafe" } },

            { "plain line", walkAff, "1\nwalk/S\n", { "walk", "walks" } },
            { "no count line", walkAff, "walk/S\n", { "walk", "walks" } },
            { "field after a blank", walkAff, "1\nwalk/S po:verb\n", { "walk", "walks" } },
            { "field after a tab", walkAff, "1\nwalk/S\tpo:verb\n", { "walk", "walks" } },
            { "leading blanks", walkAff, "1\n  walk/S\n", { "walk", "walks" } },
            { "CR LF line ends", walkAff, "1\r\nwalk\r\n", { "walk" } },
            { "byte order mark", walkAff, "\357\273\277walk/S\n", { "walk", "walks" } },

            { "plain affix file", "SET UTF-8\n", words, { "cat" } },
            { "compound flag", "COMPOUNDFLAG X\n", words },
            { "compound begin", "COMPOUNDBEGIN X\n", words },
            { "compound middle", "COMPOUNDMIDDLE X\n", words },
            { "compound end", "COMPOUNDEND X\n", words },
            { "compound rule over letter words", "COMPOUNDRULE 1\nCOMPOUNDRULE X*Y\n", words },
            { "compound rule needing a digit word", "COMPOUNDRULE 1\nCOMPOUNDRULE X*1\n", words,
                { "cat" } },
            { "compound rule with the digit word optional", "COMPOUNDRULE 1\nCOMPOUNDRULE X1?\n",
                words },
            { "break at letters", "BREAK 1\nBREAK ab\n", words },
            { "break at hyphens", "BREAK 3\nBREAK -\nBREAK ^-\nBREAK -$\n", words, { "cat" } },
            { "input conversion of letters", "ICONV 1\nICONV ph f\n", words },
            { "input conversion of quotes", "ICONV 1\nICONV \xe2\x80\x99 '\n", words, { "cat" } },
            { "ignored characters", "IGNORE \xc2\xad\n", words },
            { "Turkish", "LANG tr_TR\n", words },
            { "Azerbaijani", "LANG az_AZ\n", words },
            { "Crimean Tatar", "LANG crh\n", words },
            { "English", "LANG en_US\n", words, { "cat" } },
            { "prefixes and suffixes turned around", "COMPLEXPREFIXES\n", words },
            { "unknown directive", "FOOBAR 1\n", words },
            { "unknown encoding", "SET NO-SUCH-CODE\n", words },
            { "unknown flag type", "FLAG weird\n", words },
            { "affix class short of rules", "SFX X Y 2\nSFX X 0 s .\n", words },
            { "open condition", "SFX X Y 1\nSFX X 0 s [ab\n", words },
            { "line too long", "TRY " + QByteArray(9000, 'a') + "\n", words },

            { "within the read limits", aff3, dic3, { "walks", "talked", "barking" } },
            { "forms of one stem", aff3, dic3, {}, {}, { .maxFormsPerStem = 3 } },
            { "forms in all", aff3, dic3, {}, {}, { .maxTotalForms = 11 } },
            { "stored forms", aff3, dic3, {}, {}, { .maxStoredForms = 11 } },
            { "rules", aff3, dic3, {}, {}, { .maxRules = 2 } },
            { "dictionary words", aff3, dic3, {}, {}, { .maxEntries = 2 } },
            { "affix rules tried", aff3, dic3, {}, {}, { .maxRuleTests = 8 } },
        });
    }
    void build()
    {
        QFETCH(BuildRow, row);
        const WordIndexBuild build = row.dic.isEmpty()
            ? buildWordIndexFromFiles(QUORVEL_TEST_DATA "/wordindex/" + row.aff.toStdString())
            : buildWordIndex(row.aff.toStdString(), row.dic.toStdString(), row.limits);
        QVERIFY2((build.index != nullptr) == !row.present.isEmpty(), build.refusal.c_str());
        QCOMPARE(build.refusal.empty(), !row.present.isEmpty());
        for (const QString &word : row.present)
            QVERIFY2(holds(*build.index, word), qPrintable(word));
        for (const QString &word : row.absent)
            QVERIFY2(!holds(*build.index, word), qPrintable(word));
    }

    void formsAreFiledByTheirLetters()
    {
        const WordIndex index = WordIndex::fromForms({ "act", "cat", "tac", "dog", "Cat", "café" });
        QCOMPARE(index.formCount(), 4u); // "Cat" and "café" are no lower-case a-z forms
        const auto forms = index.formsFor(WordIndex::keyOf("TCa"));
        QCOMPARE(std::vector<std::string_view>(forms.begin(), forms.end()),
            (std::vector<std::string_view> { "act", "cat", "tac" }));
        QVERIFY(index.formsFor(WordIndex::keyOf("god")).size() == 1);
        QVERIFY(index.formsFor(WordIndex::keyOf("cats")).empty());
        QVERIFY(index.formsFor("").empty());
    }

    // A folder where the .aff belongs is refused; the cache then builds each
    // version of the files once.
    void filesAndTheCache()
    {
        TempFolder dir;
        QVERIFY(QDir(dir.dir.path()).mkdir(QStringLiteral("x.aff")));
        QVERIFY(!dir.write("x.dic", "1\ncat\n").isEmpty());
        const std::filesystem::path base = dir.path("x").toStdString();
        QVERIFY(!buildWordIndexFromFiles(base).index);
        WordIndexCache cache;
        QVERIFY(!cache.get(base).index);
        QVERIFY(QDir(dir.dir.path()).rmdir(QStringLiteral("x.aff")));
        QVERIFY(!dir.write("x.aff", "SET UTF-8\n").isEmpty());
        const auto first = cache.get(base).index;
        QVERIFY(first);
        QCOMPARE(cache.get(base).index, first);
        dir.write("x.dic", "2\ncat/S\ndog\n"); // another size
        const auto second = cache.get(base).index;
        QVERIFY(second && second != first);
        QVERIFY(holds(*second, QStringLiteral("dog")));
        dir.write("x.aff", "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n"); // the affix file counts too
        QVERIFY(holds(*cache.get(base).index, QStringLiteral("cats")));
    }
};

QTEST_GUILESS_MAIN(TestWordIndex)
#include "tst_wordindex.moc"
