// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Messages.h"
#include "search/Oracle.h"
#include "search/WordSearch.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/SpellEngines.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedChecker.h"

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

void addEngineRows()
{
    QTest::addColumn<QString>("progId");
    QTest::newRow("Nuspell") << QString::fromLatin1(SpellEngineFactory::kNuspellProgId);
    QTest::newRow("Hunspell") << QString::fromLatin1(SpellEngineFactory::kHunspellProgId);
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

    void engines_data() { addEngineRows(); }
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
        SpellEngineFactory factory([] { return std::vector<std::filesystem::path>(); });
        QVERIFY(!factory.create(SpellEngineFactory::kNuspellProgId));
        QVERIFY(!factory.create(SpellEngineFactory::kHunspellProgId));
    }

    void tellsWhichDictionaryItLoaded_data() { addEngineRows(); }
    void tellsWhichDictionaryItLoaded()
    {
        QFETCH(QString, progId);
        QTemporaryDir root;
        writeDictionary(root.path(), QStringLiteral("xx"));
        std::optional<std::filesystem::path> where = root.filePath("xx").toStdString();
        SpellEngineFactory factory([&where] { return std::vector { *where }; });
        const auto checker = factory.create(progId.toStdString());
        QVERIFY(checker);
        QCOMPARE(checker->dictionary(), where);
        // A worker's checker reads the same dictionary, and so the same index.
        if (const auto clone = checker->cloneForThread())
            QCOMPARE(clone->dictionary(), where);
    }

    void candidatesInOrder_data()
    {
        QTest::addColumn<QStringList>("installed"); // folder index / stem
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("the language in each folder, then en_US")
            << QStringList { "0/en_US", "1/de_DE", "0/de_DE", "1/en_US" } << "de_DE"
            << QStringList { "0/de_DE", "1/de_DE", "0/en_US", "1/en_US" };
        QTest::newRow("en_US once when it is the language") << QStringList { "0/en_US",
            "1/en_US" } << "en_US" << QStringList { "0/en_US", "1/en_US" };
        QTest::newRow("only the .aff is no dictionary")
            << QStringList { "0/de_DE.aff", "1/de_DE" } << "de_DE" << QStringList { "1/de_DE" };
        QTest::newRow("nothing installed") << QStringList {} << "en_GB" << QStringList {};
        QTest::newRow("a path is no language")
            << QStringList { "0/en_US" } << "../0/en_US" << QStringList { "0/en_US" };
    }
    void candidatesInOrder()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        for (const QString &entry : installed) {
            const QString folder = entry.section('/', 0, 0);
            QDir(root.path()).mkpath(folder);
            const QString stem = entry.section('/', 1);
            if (stem.endsWith(".aff"))
                std::ofstream(root.filePath(entry).toStdString()) << "SET UTF-8\n";
            else
                writeDictionary(root.filePath(folder), stem);
        }
        const std::vector<std::filesystem::path> folders { root.filePath("0").toStdString(),
            root.filePath("1").toStdString() };
        QStringList found;
        for (const auto &path : DictionaryLocator::candidates(language.toStdString(), folders))
            found.append(QDir(root.path()).relativeFilePath(QString::fromStdString(path.string())));
        QCOMPARE(found, expected);
        // The engines load the first of them.
        const auto first = DictionaryLocator::find(language.toStdString(), folders);
        QCOMPARE(first ? QDir(root.path()).relativeFilePath(QString::fromStdString(first->string()))
                       : QString(),
            expected.value(0));
    }

    // Each tiny dictionary alone: which engine serves it, and what it is told.
    void hostileDictionaries_data()
    {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QString>("progId");
        QTest::addColumn<bool>("serves"); // accepts cat or act, refuses tca
        QTest::addColumn<QString>("told"); // in what the factory says, empty: nothing
        const QString nuspell = QString::fromLatin1(SpellEngineFactory::kNuspellProgId);
        const QString hunspell = QString::fromLatin1(SpellEngineFactory::kHunspellProgId);
        QTest::newRow("good, Nuspell") << "good" << nuspell << true << "";
        QTest::newRow("good, Hunspell") << "good" << hunspell << true << "";
        QTest::newRow("unknown encoding never reaches Nuspell")
            << "unknown-encoding" << nuspell << false << "Nuspell refused %1.aff: SET FOO-1";
        QTest::newRow("unknown encoding, Hunspell reads it")
            << "unknown-encoding" << hunspell << true << "";
        QTest::newRow("FLAG bogus, Nuspell")
            << "flag-bogus" << nuspell << false << "Nuspell refused %1.aff: FLAG bogus";
        QTest::newRow("FLAG bogus, Hunspell")
            << "flag-bogus" << hunspell << false << "Hunspell refused %1.aff: FLAG bogus";
        QTest::newRow("UTF-16, Nuspell")
            << "utf16" << nuspell << false << "Nuspell refused %1.aff: SET UTF-16";
        QTest::newRow("UTF-16, Hunspell")
            << "utf16" << hunspell << false << "Hunspell refused %1.aff: SET UTF-16";
        QTest::newRow("Hunspell's spelling of cp1251, Nuspell")
            << "hunspell-spellings" << nuspell << true << "";
    }
    void hostileDictionaries()
    {
        QFETCH(QString, dictionary);
        QFETCH(QString, progId);
        QFETCH(bool, serves);
        QFETCH(QString, told);
        const QString base = QStringLiteral(QUORVEL_TEST_DATA "/dictionaries/") + dictionary
            + QStringLiteral("/xx_XX");
        SpellEngineFactory factory(
            [&] { return std::vector<std::filesystem::path> { base.toStdString() }; });
        QStringList said;
        factory.setDiagnostics(
            [&](const std::string &line) { said.append(QString::fromStdString(line)); });
        const auto checker = factory.create(progId.toStdString());
        if (serves) {
            QVERIFY(checker);
            QCOMPARE(checker->checkSpelling("act"), std::optional(true));
            QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
            QCOMPARE(said, QStringList());
            return;
        }
        // Nuspell gives nothing; Hunspell a checker whose questions fail.
        QVERIFY(!checker || !checker->checkSpelling("hello"));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().startsWith(told.arg(base)), qPrintable(said.first()));
    }

    // A dictionary that fails is passed over for the next one that serves.
    void nextCandidateServes_data() { addEngineRows(); }
    void nextCandidateServes()
    {
        QFETCH(QString, progId);
        const std::string data = QUORVEL_TEST_DATA "/dictionaries/";
        SpellEngineFactory factory([&] {
            return std::vector<std::filesystem::path> { data + "flag-bogus/xx_XX",
                data + "utf16/xx_XX", data + "good/xx_XX" };
        });
        int told = 0;
        factory.setDiagnostics([&](const std::string &) { ++told; });
        const auto checker = factory.create(progId.toStdString());
        QVERIFY(checker);
        QCOMPARE(checker->checkSpelling("tac"), std::optional(true));
        QCOMPARE(told, 2);
    }

    // The search's self-test with the checker's own word: none of the
    // dictionaries serves, so the user gets the self-test's message.
    void noDictionaryServes()
    {
        const std::string data = QUORVEL_TEST_DATA "/dictionaries/";
        SpellEngineFactory factory([&] {
            return std::vector<std::filesystem::path> { data + "flag-bogus/xx_XX",
                data + "utf16/xx_XX" };
        });
        FakeMessageBox box;
        FakeTerminator terminator;
        QVERIFY(!acquireChecker(factory, box, terminator));
        QCOMPARE(box.shown().size(), 1);
        QCOMPARE(box.shown().first().text, QString::fromLatin1(Messages::kCheckerTooOld));
        QVERIFY(terminator.isEnding());
    }

    void selfTest_data()
    {
        QTest::addColumn<QString>("ownWord"); // empty: the checker names none
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QStringList>("asked");
        const QString noWord = QString::fromLatin1(kNoWordInAnyLanguage);
        QTest::newRow("own word accepted, nonsense refused")
            << "cat" << QStringList { "hello", "cat" } << true
            << QStringList { "hello", "cat", noWord };
        QTest::newRow("\"hello\" refused does not matter")
            << "cat" << QStringList { "cat" } << true << QStringList { "hello", "cat", noWord };
        QTest::newRow("own word refused")
            << "cat" << QStringList {} << false << QStringList { "hello", "cat" };
        QTest::newRow("accepts anything") << "cat" << QStringList { "cat", noWord } << false
                                          << QStringList { "hello", "cat", noWord };
        QTest::newRow("no own word: the question alone")
            << "" << QStringList { noWord } << true << QStringList { "hello" };
    }
    void selfTest()
    {
        QFETCH(QString, ownWord);
        QFETCH(QStringList, accepted);
        QFETCH(bool, passes);
        QFETCH(QStringList, asked);
        ScriptedCheckerFactory factory;
        factory.script->accepted = QSet<QString>(accepted.begin(), accepted.end());
        if (!ownWord.isEmpty())
            factory.script->ownWord = ownWord.toStdString();
        FakeMessageBox box;
        FakeTerminator terminator;
        const auto checker = acquireChecker(factory, box, terminator);
        QCOMPARE(static_cast<bool>(checker), passes);
        QCOMPARE(terminator.isEnding(), !passes);
        QCOMPARE(factory.script->asked, asked);
        if (!passes)
            QCOMPARE(box.shown().first().text, QString::fromLatin1(Messages::kCheckerTooOld));
    }

    void searchWithTheRealDictionary()
    {
        CallLog log;
        RecordingView view(log);
        FakeMessageBox box;
        SpellEngineFactory factory;
        FakeTerminator terminator;
        WordSearch search(view, { box, factory, terminator, view });
        search.f("tca");
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 2 words: cat, act"));
        search.f("CAT");
        // In capitals the dictionary also knows abbreviations.
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 3 words: CAT, ACT, ATC"));
    }
};

QTEST_GUILESS_MAIN(TestSpellEngines)
#include "tst_spellengines.moc"
