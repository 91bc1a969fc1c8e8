// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordindex/WordIndex.h"

#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <algorithm>
#include <functional>

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

} // namespace

class TestWordIndex : public QObject {
    Q_OBJECT

private slots:
    void expansion_data()
    {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("strip and conditions")
            << "basic" << QStringList { "carry", "carried", "play", "played", "tie", "ties" }
            << QStringList { "carryed", "plaied" };
        QTest::newRow("prefixes and cross products")
            << "basic" << QStringList { "uncarry", "uncarried", "unplayed", "replay" }
            << QStringList { "replayed" };
        QTest::newRow("sharp s also spelt ss")
            << "basic" << QStringList { "strasse" } << QStringList {};
        QTest::newRow("suffix after suffix")
            << "continuation" << QStringList { "helpful", "helpfully" } << QStringList { "helply" };
        QTest::newRow("suffix that a prefix allows")
            << "continuation" << QStringList { "preview", "previewing" }
            << QStringList { "viewing" };
        QTest::newRow("prefix that a suffix allows")
            << "continuation" << QStringList { "doer", "overdoer" } << QStringList { "overdo" };
        QTest::newRow("prefix after prefix")
            << "continuation" << QStringList { "rewind", "unrewind" } << QStringList { "unwind" };
        QTest::newRow("flag aliases")
            << "alias" << QStringList { "played", "unplay", "unplayed", "ties", "unties" }
            << QStringList { "untie", "tied" };
        QTest::newRow("long flags")
            << "long" << QStringList { "locks", "unlock", "unlocks" } << QStringList { "locked" };
        QTest::newRow("numeric flags")
            << "num" << QStringList { "walking", "walker" } << QStringList { "walked" };
        QTest::newRow("UTF-8 flags")
            << "utf8flags" << QStringList { "hund", "hunden" } << QStringList { "hunds" };
        QTest::newRow("Latin-1 text")
            << "latin1" << QStringList { "cafes", "strasse" } << QStringList { "cafe" };
    }
    void expansion()
    {
        QFETCH(QString, dictionary);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const WordIndexBuild build = buildWordIndexFromFiles((kData + dictionary).toStdString());
        QVERIFY2(build.index, build.refusal.c_str());
        for (const QString &word : present)
            QVERIFY2(holds(*build.index, word), qPrintable(word));
        for (const QString &word : absent)
            QVERIFY2(!holds(*build.index, word), qPrintable(word));
    }

    void dictionaryLines_data()
    {
        QTest::addColumn<QByteArray>("dic");
        QTest::newRow("plain") << QByteArray("1\nwalk/S\n");
        QTest::newRow("no count line") << QByteArray("walk/S\n");
        QTest::newRow("field after a blank") << QByteArray("1\nwalk/S po:verb\n");
        QTest::newRow("field after a tab") << QByteArray("1\nwalk/S\tpo:verb\n");
        QTest::newRow("leading blanks") << QByteArray("1\n  walk/S\n");
        QTest::newRow("CR LF line ends") << QByteArray("1\r\nwalk/S\r\n");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf"
                                                       "1\nwalk/S\n");
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
        QTest::addColumn<QByteArray>("aff");
        QTest::addColumn<QByteArray>("dic");
        QTest::addColumn<bool>("trusted");
        const QByteArray words = "3\ncat/X\ndog/Y\n1st/12\n";
        QTest::newRow("plain") << QByteArray("SET UTF-8\n") << words << true;
        QTest::newRow("compound flag") << QByteArray("COMPOUNDFLAG X\n") << words << false;
        QTest::newRow("compound begin") << QByteArray("COMPOUNDBEGIN X\n") << words << false;
        QTest::newRow("compound middle") << QByteArray("COMPOUNDMIDDLE X\n") << words << false;
        QTest::newRow("compound end") << QByteArray("COMPOUNDEND X\n") << words << false;
        QTest::newRow("compound rule over letter words")
            << QByteArray("COMPOUNDRULE 1\nCOMPOUNDRULE X*Y\n") << words << false;
        QTest::newRow("compound rule needing a digit word")
            << QByteArray("COMPOUNDRULE 1\nCOMPOUNDRULE X*1\n") << words << true;
        QTest::newRow("compound rule with the digit word optional")
            << QByteArray("COMPOUNDRULE 1\nCOMPOUNDRULE X1?\n") << words << false;
        QTest::newRow("break at letters") << QByteArray("BREAK 1\nBREAK ab\n") << words << false;
        QTest::newRow("break at hyphens")
            << QByteArray("BREAK 3\nBREAK -\nBREAK ^-\nBREAK -$\n") << words << true;
        QTest::newRow("input conversion of letters")
            << QByteArray("ICONV 1\nICONV ph f\n") << words << false;
        QTest::newRow("input conversion of quotes")
            << QByteArray("ICONV 1\nICONV \xe2\x80\x99 '\n") << words << true;
        QTest::newRow("ignored characters") << QByteArray("IGNORE \xc2\xad\n") << words << false;
        QTest::newRow("Turkish") << QByteArray("LANG tr_TR\n") << words << false;
        QTest::newRow("Azerbaijani") << QByteArray("LANG az_AZ\n") << words << false;
        QTest::newRow("Crimean Tatar") << QByteArray("LANG crh\n") << words << false;
        QTest::newRow("English") << QByteArray("LANG en_US\n") << words << true;
        QTest::newRow("prefixes and suffixes turned around")
            << QByteArray("COMPLEXPREFIXES\n") << words << false;
        QTest::newRow("unknown directive") << QByteArray("FOOBAR 1\n") << words << false;
        QTest::newRow("unknown encoding") << QByteArray("SET NO-SUCH-CODE\n") << words << false;
        QTest::newRow("unknown flag type") << QByteArray("FLAG weird\n") << words << false;
        QTest::newRow("affix class short of rules")
            << QByteArray("SFX X Y 2\nSFX X 0 s .\n") << words << false;
        QTest::newRow("open condition")
            << QByteArray("SFX X Y 1\nSFX X 0 s [ab\n") << words << false;
        QTest::newRow("line too long")
            << QByteArray("TRY " + QByteArray(9000, 'a') + "\n") << words << false;
    }
    void refusal()
    {
        QFETCH(QByteArray, aff);
        QFETCH(QByteArray, dic);
        QFETCH(bool, trusted);
        const WordIndexBuild build = fromText(aff, dic);
        QCOMPARE(build.index != nullptr, trusted);
        QCOMPARE(build.refusal.empty(), trusted);
    }

    void limits_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("forms of one stem") << 0;
        QTest::newRow("forms in all") << 1;
        QTest::newRow("stored forms") << 2;
        QTest::newRow("rules") << 3;
        QTest::newRow("dictionary words") << 4;
        QTest::newRow("affix rules tried") << 5;
    }
    void limits()
    {
        QFETCH(int, which);
        const QByteArray aff = "SFX X Y 3\nSFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n";
        const QByteArray dic = "3\nwalk/X\ntalk/X\nbark/X\n"; // 12 forms
        ReadLimits limits;
        QVERIFY(fromText(aff, dic, limits).index);
        const std::function<void(ReadLimits &)> tighten[] = {
            [](ReadLimits &l) { l.maxFormsPerStem = 3; },
            [](ReadLimits &l) { l.maxTotalForms = 11; },
            [](ReadLimits &l) { l.maxStoredForms = 11; }, [](ReadLimits &l) { l.maxRules = 2; },
            [](ReadLimits &l) { l.maxEntries = 2; },
            [](ReadLimits &l) { l.maxRuleTests = 8; }, // 3 stems, 3 rules each
        };
        tighten[which](limits);
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
