#include "spelling/DictionaryLocator.h"
#include "spelling/SpellEngines.h"
#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/RecordingView.h"

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <map>

namespace {

using Environment = std::map<std::string, std::string>;

DictionaryLocator::EnvironmentLookup lookupIn(const Environment &environment)
{
    return [environment](const char *name) -> std::optional<std::string> {
        const auto it = environment.find(name);
        return it == environment.end() ? std::nullopt : std::optional(it->second);
    };
}

void writeDictionary(const QString &folder, const QString &stem)
{
    std::ofstream(QString(folder + '/' + stem + ".aff").toStdString()) << "SET UTF-8\n";
    std::ofstream(QString(folder + '/' + stem + ".dic").toStdString()) << "1\nword\n";
}

} // namespace

class TestSpellEngines : public QObject {
    Q_OBJECT

private slots:
    void language_data()
    {
        QTest::addColumn<QStringList>("variables"); // name=value pairs
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG with codeset") << QStringList { "LANG=en_GB.UTF-8" } << "en_GB";
        QTest::newRow("modifier") << QStringList { "LANG=de_DE@euro" } << "de_DE";
        QTest::newRow("LC_ALL wins")
            << QStringList { "LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=de_DE", "LANG=en_GB" } << "fr_FR";
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList { "LC_MESSAGES=de_DE.UTF-8", "LANG=en_GB" } << "de_DE";
        QTest::newRow("empty LC_ALL is skipped")
            << QStringList { "LC_ALL=", "LANG=nl_NL" } << "nl_NL";
        QTest::newRow("C means none") << QStringList { "LC_ALL=C", "LANG=en_GB" } << "";
        QTest::newRow("C.UTF-8 means none") << QStringList { "LANG=C.UTF-8" } << "";
        QTest::newRow("POSIX means none") << QStringList { "LANG=POSIX" } << "";
        QTest::newRow("nothing set") << QStringList {} << "";
    }
    void language()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, language);
        Environment environment;
        for (const QString &pair : variables)
            environment[pair.section('=', 0, 0).toStdString()] = pair.section('=', 1).toStdString();
        const auto found = DictionaryLocator::languageFromEnvironment(lookupIn(environment));
        QCOMPARE(QString::fromStdString(found.value_or("")), language);
    }

    void find_data()
    {
        QTest::addColumn<QStringList>("installed"); // folder index / stem
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the user's language") << QStringList { "0/en_US", "1/de_DE" } << "de_DE"
                                             << "1/de_DE";
        QTest::newRow("falls back to en_US") << QStringList { "0/en_US" } << "de_DE"
                                             << "0/en_US";
        QTest::newRow("no language") << QStringList { "1/en_US" } << ""
                                     << "1/en_US";
        QTest::newRow("first folder wins") << QStringList { "0/en_GB", "1/en_GB" } << "en_GB"
                                           << "0/en_GB";
        QTest::newRow("nothing installed") << QStringList {} << "en_GB"
                                           << "";
        QTest::newRow("a path is no language") << QStringList { "0/en_US" } << "../0/en_US"
                                               << "0/en_US";
    }
    void find()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString &entry : installed) {
            QDir(root.path()).mkpath(entry.section('/', 0, 0));
            writeDictionary(root.filePath(entry.section('/', 0, 0)), entry.section('/', 1));
        }
        const std::vector<std::filesystem::path> folders { root.filePath("0").toStdString(),
            root.filePath("1").toStdString() };
        const auto found = DictionaryLocator::find(
            language.isEmpty() ? std::nullopt : std::optional(language.toStdString()), folders);
        QCOMPARE(found ? QString::fromStdString(found->string()) : QString(),
            expected.isEmpty() ? QString() : root.filePath(expected));
    }

    void engines_data()
    {
        QTest::addColumn<QString>("progId");
        QTest::newRow("Nuspell") << QString::fromLatin1(SpellEngineFactory::kNuspellProgId);
        QTest::newRow("Hunspell") << QString::fromLatin1(SpellEngineFactory::kHunspellProgId);
    }
    void engines()
    {
        QFETCH(QString, progId);
        SpellEngineFactory factory;
        const auto checker = factory.create(progId.toStdString());
        QVERIFY2(checker, "the en_US dictionary (hunspell-en-us) must be installed");
        QCOMPARE(checker->checkSpelling("cat"), std::optional(true));
        QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
        QCOMPARE(checker->checkSpelling(std::string(1000, 'a')), std::optional(false));
    }

    void noDictionaryMeansNoChecker()
    {
        SpellEngineFactory factory([] { return std::nullopt; });
        QVERIFY(!factory.create(SpellEngineFactory::kNuspellProgId));
        QVERIFY(!factory.create(SpellEngineFactory::kHunspellProgId));
    }

    void tellsWhichDictionaryItLoaded_data()
    {
        QTest::addColumn<QString>("progId");
        QTest::newRow("Nuspell") << QString::fromLatin1(SpellEngineFactory::kNuspellProgId);
        QTest::newRow("Hunspell") << QString::fromLatin1(SpellEngineFactory::kHunspellProgId);
    }
    void tellsWhichDictionaryItLoaded()
    {
        QFETCH(QString, progId);
        QTemporaryDir root;
        writeDictionary(root.path(), QStringLiteral("xx"));
        std::optional<std::filesystem::path> where = root.filePath("xx").toStdString();
        SpellEngineFactory factory([&where] { return where; });
        QVERIFY(!factory.lastDictionary());
        QVERIFY(factory.create(progId.toStdString()));
        QCOMPARE(factory.lastDictionary(), where);
        const auto loaded = where;
        where = std::nullopt; // nothing is created, and the last one loaded stays
        QVERIFY(!factory.create(progId.toStdString()));
        QCOMPARE(factory.lastDictionary(), loaded);
    }

    void refusedAffixFileFallsBackToTheSecondEngine()
    {
        QTemporaryDir root;
        // Nuspell refuses an affix rule whose count is not a number; Hunspell shrugs it off.
        std::ofstream(root.filePath("xx.aff").toStdString()) << "SET UTF-8\nSFX A Y x\n";
        std::ofstream(root.filePath("xx.dic").toStdString()) << "1\nword\n";
        SpellEngineFactory factory([&] {
            return std::optional<std::filesystem::path>(root.filePath("xx").toStdString());
        });
        const bool nuspellRefuses = !factory.create(SpellEngineFactory::kNuspellProgId);
        const auto hunspell = factory.create(SpellEngineFactory::kHunspellProgId);
        QVERIFY(hunspell);
        QCOMPARE(hunspell->checkSpelling("word"), std::optional(true));
        if (!nuspellRefuses)
            QSKIP("this Nuspell accepts the affix file; the fallback is covered with fakes");
    }

    void searchWithTheRealDictionary()
    {
        CallLog log;
        RecordingView view(log);
        FakeMessageBox box;
        SpellEngineFactory factory;
        FakeTerminator terminator;
        WordSearch search(view, box, factory, terminator);
        search.f("tca");
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 2 words: cat, act"));
        search.f("CAT");
        // In capitals the dictionary also knows abbreviations.
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 3 words: CAT, ACT, ATC"));
    }
};

QTEST_GUILESS_MAIN(TestSpellEngines)
#include "tst_spellengines.moc"
