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
#include "tests/support/Rows.h"
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

const QString kNuspell = QString::fromLatin1(SpellEngineFactory::kNuspellProgId);
const QString kHunspell = QString::fromLatin1(SpellEngineFactory::kHunspellProgId);

void addEngineRows()
{
    addRows<QString>("progId", { { "Nuspell", kNuspell }, { "Hunspell", kHunspell } });
}

struct LanguageRow {
    const char *name;
    QStringList variables; // name=value pairs
    QString language;
};
struct CandidatesRow {
    const char *name;
    QStringList installed; // folder index / stem
    QString language;
    QStringList expected;
};
struct HostileRow {
    const char *name;
    QStringList dictionaries; // in tests/data/dictionaries, tried in turn
    QString progId;
    bool serves; // accepts act, refuses tca
    QString told; // the first line the factory says of the first one, empty: nothing
    int lines = 0; // how many it says
};
struct SelfTestRow {
    const char *name;
    QString ownWord; // empty: the checker names none
    QStringList accepted;
    bool passes;
    QStringList asked;
};

} // namespace

class TestSpellEngines : public QObject {
    Q_OBJECT

private slots:
    void language_data()
    {
        addRows<LanguageRow>({
            { "LANG with codeset", { "LANG=en_GB.UTF-8" }, "en_GB" },
            { "modifier", { "LANG=de_DE@euro" }, "de_DE" },
            { "LC_ALL wins", { "LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=de_DE", "LANG=en_GB" }, "fr_FR" },
            { "LC_MESSAGES before LANG", { "LC_MESSAGES=de_DE.UTF-8", "LANG=en_GB" }, "de_DE" },
            { "empty LC_ALL is skipped", { "LC_ALL=", "LANG=nl_NL" }, "nl_NL" },
            { "C means none", { "LC_ALL=C", "LANG=en_GB" }, "" },
            { "C.UTF-8 means none", { "LANG=C.UTF-8" }, "" },
            { "POSIX means none", { "LANG=POSIX" }, "" },
            { "nothing set", {}, "" },
        });
    }
    void language()
    {
        QFETCH(LanguageRow, row);
        Environment environment;
        for (const QString &pair : row.variables)
            environment[pair.section('=', 0, 0).toStdString()] = pair.section('=', 1).toStdString();
        const auto found = DictionaryLocator::languageFromEnvironment(lookupIn(environment));
        QCOMPARE(QString::fromStdString(found.value_or("")), row.language);
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
        addRows<CandidatesRow>({
            { "the language in each folder, then en_US",
                { "0/en_US", "1/de_DE", "0/de_DE", "1/en_US" }, "de_DE",
                { "0/de_DE", "1/de_DE", "0/en_US", "1/en_US" } },
            { "en_US once when it is the language", { "0/en_US", "1/en_US" }, "en_US",
                { "0/en_US", "1/en_US" } },
            { "only the .aff is no dictionary", { "0/de_DE.aff", "1/de_DE" }, "de_DE",
                { "1/de_DE" } },
            { "nothing installed", {}, "en_GB", {} },
            { "a path is no language", { "0/en_US" }, "../0/en_US", { "0/en_US" } },
        });
    }
    void candidatesInOrder()
    {
        QFETCH(CandidatesRow, row);
        QTemporaryDir root;
        for (const QString &entry : row.installed) {
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
        for (const auto &path : DictionaryLocator::candidates(row.language.toStdString(), folders))
            found.append(QDir(root.path()).relativeFilePath(QString::fromStdString(path.string())));
        QCOMPARE(found, row.expected);
        // The engines load the first of them.
        const auto first = DictionaryLocator::find(row.language.toStdString(), folders);
        QCOMPARE(first ? QDir(root.path()).relativeFilePath(QString::fromStdString(first->string()))
                       : QString(),
            row.expected.value(0));
    }

    // Each tiny dictionary alone: which engine serves it, and what it is told.
    void hostileDictionaries_data()
    {
        const QStringList passedOver { "flag-bogus", "utf16", "good" };
        addRows<HostileRow>({
            { "good, Nuspell", { "good" }, kNuspell, true, "" },
            { "good, Hunspell", { "good" }, kHunspell, true, "" },
            { "unknown encoding never reaches Nuspell", { "unknown-encoding" }, kNuspell, false,
                "Nuspell refused %1.aff: SET FOO-1", 1 },
            { "unknown encoding, Hunspell reads it", { "unknown-encoding" }, kHunspell, true, "" },
            { "FLAG bogus, Nuspell", { "flag-bogus" }, kNuspell, false,
                "Nuspell refused %1.aff: FLAG bogus", 1 },
            { "FLAG bogus, Hunspell", { "flag-bogus" }, kHunspell, false,
                "Hunspell refused %1.aff: FLAG bogus", 1 },
            { "UTF-16, Nuspell", { "utf16" }, kNuspell, false, "Nuspell refused %1.aff: SET UTF-16",
                1 },
            { "UTF-16, Hunspell", { "utf16" }, kHunspell, false,
                "Hunspell refused %1.aff: SET UTF-16", 1 },
            { "Hunspell's spelling of cp1251, Nuspell", { "hunspell-spellings" }, kNuspell, true,
                "" },
            { "two passed over for the next, Nuspell", passedOver, kNuspell, true,
                "Nuspell refused %1.aff: FLAG bogus", 2 },
            { "two passed over for the next, Hunspell", passedOver, kHunspell, true,
                "Hunspell refused %1.aff: FLAG bogus", 2 },
        });
    }
    void hostileDictionaries()
    {
        QFETCH(HostileRow, row);
        std::vector<std::filesystem::path> bases;
        for (const QString &dictionary : row.dictionaries)
            bases.emplace_back(
                QUORVEL_TEST_DATA "/dictionaries/" + dictionary.toStdString() + "/xx_XX");
        SpellEngineFactory factory([&] { return bases; });
        QStringList said;
        factory.setDiagnostics(
            [&](const std::string &line) { said.append(QString::fromStdString(line)); });
        const auto checker = factory.create(row.progId.toStdString());
        QCOMPARE(said.size(), row.lines);
        if (row.lines > 0) {
            const QString first = QString::fromStdString(bases.front().string());
            QVERIFY2(said.first().startsWith(row.told.arg(first)), qPrintable(said.first()));
        }
        if (row.serves) {
            QVERIFY(checker);
            QCOMPARE(checker->checkSpelling("act"), std::optional(true));
            QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
        } else { // Nuspell gives nothing; Hunspell a checker whose questions fail.
            QVERIFY(!checker || !checker->checkSpelling("hello"));
        }
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
        const QString noWord = QString::fromLatin1(kNoWordInAnyLanguage);
        addRows<SelfTestRow>({
            { "own word accepted, nonsense refused", "cat", { "hello", "cat" }, true,
                { "hello", "cat", noWord } },
            { "\"hello\" refused does not matter", "cat", { "cat" }, true,
                { "hello", "cat", noWord } },
            { "own word refused", "cat", {}, false, { "hello", "cat" } },
            { "accepts anything", "cat", { "cat", noWord }, false, { "hello", "cat", noWord } },
            { "no own word: the question alone", "", { noWord }, true, { "hello" } },
        });
    }
    void selfTest()
    {
        QFETCH(SelfTestRow, row);
        ScriptedCheckerFactory factory;
        factory.script->accepted = QSet<QString>(row.accepted.begin(), row.accepted.end());
        if (!row.ownWord.isEmpty())
            factory.script->ownWord = row.ownWord.toStdString();
        FakeMessageBox box;
        FakeTerminator terminator;
        const auto checker = acquireChecker(factory, box, terminator);
        QCOMPARE(static_cast<bool>(checker), row.passes);
        QCOMPARE(terminator.isEnding(), !row.passes);
        QCOMPARE(factory.script->asked, row.asked);
        if (!row.passes)
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
