// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/WordIndex.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <algorithm>

namespace {

const QString kData = QStringLiteral(QUORVEL_TEST_DATA "/wordindex/");

bool holds(const WordIndex &index, const QString &word)
{
    const std::string form = word.toStdString();
    const auto forms = index.formsFor(WordIndex::keyOf(form));
    return std::ranges::find(forms, std::string_view(form)) != forms.end();
}

WordIndexBuild fromText(const QByteArray &aff, const QByteArray &dic, const ReadLimits &limits = {})
{
    return buildWordIndex(std::string_view(aff.constData(), static_cast<std::size_t>(aff.size())),
        std::string_view(dic.constData(), static_cast<std::size_t>(dic.size())), limits);
}

struct ExpansionRow {
    const char *name;
    QString dictionary; // in tests/data/wordindex
    QStringList present;
    QStringList absent;
};
struct RefusalRow {
    const char *name;
    QByteArray aff;
    bool trusted;
};
struct LimitRow {
    const char *name;
    std::size_t ReadLimits::*limit;
    std::size_t value; // one short of what the dictionary needs
};

} // namespace

class TestWordIndex : public QObject {
    Q_OBJECT

private slots:
    void expansion_data()
    {
        addRows<ExpansionRow>({
            { "strip and conditions", "basic",
                { "carry", "carried", "play", "played", "tie", "ties" }, { "carryed", "plaied" } },
            { "prefixes and cross products", "basic",
                { "uncarry", "uncarried", "unplayed", "replay" }, { "replayed" } },
            { "sharp s also spelt ss", "basic", { "strasse" }, {} },
            { "suffix after suffix", "continuation", { "helpful", "helpfully" }, { "helply" } },
            { "suffix that a prefix allows", "continuation", { "preview", "previewing" },
                { "viewing" } },
            { "prefix that a suffix allows", "continuation", { "doer", "overdoer" }, { "overdo" } },
            { "prefix after prefix", "continuation", { "rewind", "unrewind" }, { "unwind" } },
            { "flag aliases", "alias", { "played", "unplay", "unplayed", "ties", "unties" },
                { "untie", "tied" } },
            { "long flags", "long", { "locks", "unlock", "unlocks" }, { "locked" } },
            { "numeric flags", "num", { "walking", "walker" }, { "walked" } },
            { "UTF-8 flags", "utf8flags", { "hund", "hunden" }, { "hunds" } },
            { "Latin-1 text", "latin1", { "cafes", "strasse" }, { "cafe" } },
        });
    }
    void expansion()
    {
        QFETCH(ExpansionRow, row);
        const WordIndexBuild build
            = buildWordIndexFromFiles((kData + row.dictionary).toStdString());
        QVERIFY2(build.index, build.refusal.c_str());
        for (const QString &word : row.present)
            QVERIFY2(holds(*build.index, word), qPrintable(word));
        for (const QString &word : row.absent)
            QVERIFY2(!holds(*build.index, word), qPrintable(word));
    }

    void dictionaryLines_data()
    {
        addRows<QByteArray>("dic",
            { { "plain", "1\nwalk/S\n" }, { "no count line", "walk/S\n" },
                { "field after a blank", "1\nwalk/S po:verb\n" },
                { "field after a tab", "1\nwalk/S\tpo:verb\n" },
                { "leading blanks", "1\n  walk/S\n" }, { "CR LF line ends", "1\r\nwalk/S\r\n" },
                { "byte order mark",
                    "\xef\xbb\xbf"
                    "1\nwalk/S\n" } });
    }
    void dictionaryLines()
    {
        QFETCH(QByteArray, dic);
        const WordIndexBuild build = fromText("SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n", dic);
        QVERIFY(build.index);
        QVERIFY(holds(*build.index, QStringLiteral("walk")));
        QVERIFY(holds(*build.index, QStringLiteral("walks")));
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

    void refusal_data()
    {
        addRows<RefusalRow>({
            { "plain", "SET UTF-8\n", true },
            { "compound flag", "COMPOUNDFLAG X\n", false },
            { "compound begin", "COMPOUNDBEGIN X\n", false },
            { "compound middle", "COMPOUNDMIDDLE X\n", false },
            { "compound end", "COMPOUNDEND X\n", false },
            { "compound rule over letter words", "COMPOUNDRULE 1\nCOMPOUNDRULE X*Y\n", false },
            { "compound rule needing a digit word", "COMPOUNDRULE 1\nCOMPOUNDRULE X*1\n", true },
            { "compound rule with the digit word optional", "COMPOUNDRULE 1\nCOMPOUNDRULE X1?\n",
                false },
            { "break at letters", "BREAK 1\nBREAK ab\n", false },
            { "break at hyphens", "BREAK 3\nBREAK -\nBREAK ^-\nBREAK -$\n", true },
            { "input conversion of letters", "ICONV 1\nICONV ph f\n", false },
            { "input conversion of quotes", "ICONV 1\nICONV \xe2\x80\x99 '\n", true },
            { "ignored characters", "IGNORE \xc2\xad\n", false },
            { "Turkish", "LANG tr_TR\n", false },
            { "Azerbaijani", "LANG az_AZ\n", false },
            { "Crimean Tatar", "LANG crh\n", false },
            { "English", "LANG en_US\n", true },
            { "prefixes and suffixes turned around", "COMPLEXPREFIXES\n", false },
            { "unknown directive", "FOOBAR 1\n", false },
            { "unknown encoding", "SET NO-SUCH-CODE\n", false },
            { "unknown flag type", "FLAG weird\n", false },
            { "affix class short of rules", "SFX X Y 2\nSFX X 0 s .\n", false },
            { "open condition", "SFX X Y 1\nSFX X 0 s [ab\n", false },
            { "line too long", "TRY " + QByteArray(9000, 'a') + "\n", false },
        });
    }
    void refusal()
    {
        QFETCH(RefusalRow, row);
        const WordIndexBuild build = fromText(row.aff, "3\ncat/X\ndog/Y\n1st/12\n");
        QCOMPARE(build.index != nullptr, row.trusted);
        QCOMPARE(build.refusal.empty(), row.trusted);
    }

    void limits_data()
    {
        // Three stems with three suffixes each: 12 forms, 9 rules tried.
        addRows<LimitRow>({
            { "forms of one stem", &ReadLimits::maxFormsPerStem, 3 },
            { "forms in all", &ReadLimits::maxTotalForms, 11 },
            { "stored forms", &ReadLimits::maxStoredForms, 11 },
            { "rules", &ReadLimits::maxRules, 2 },
            { "dictionary words", &ReadLimits::maxEntries, 2 },
            { "affix rules tried", &ReadLimits::maxRuleTests, 8 },
        });
    }
    void limits()
    {
        QFETCH(LimitRow, row);
        const QByteArray aff = "SFX X Y 3\nSFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n";
        const QByteArray dic = "3\nwalk/X\ntalk/X\nbark/X\n";
        ReadLimits limits;
        QVERIFY(fromText(aff, dic, limits).index);
        limits.*row.limit = row.value;
        const WordIndexBuild build = fromText(aff, dic, limits);
        QVERIFY(!build.index);
        QVERIFY(!build.refusal.empty());
    }

    void refusesWhatIsNoRegularFile()
    {
        TempFolder dir;
        QVERIFY(QDir(dir.dir.path()).mkdir(QStringLiteral("x.aff")));
        QVERIFY(!dir.write("x.dic", "1\ncat\n").isEmpty());
        const std::filesystem::path base = dir.path("x").toStdString();
        QVERIFY(!buildWordIndexFromFiles(base).index);
        WordIndexCache cache;
        QVERIFY(!cache.get(base).index);
    }

    void cacheBuildsOncePerFileVersion()
    {
        TempFolder dir;
        dir.write("x.aff", "SET UTF-8\n");
        dir.write("x.dic", "1\ncat\n");
        const std::filesystem::path base = dir.path("x").toStdString();
        WordIndexCache cache;
        const auto first = cache.get(base).index;
        QVERIFY(first);
        QCOMPARE(cache.get(base).index, first);
        dir.write("x.dic", "2\ncat\ndog\n"); // another size
        const auto second = cache.get(base).index;
        QVERIFY(second && second != first);
        QVERIFY(holds(*second, QStringLiteral("dog")));
    }
};

QTEST_GUILESS_MAIN(TestWordIndex)
#include "tst_wordindex.moc"
