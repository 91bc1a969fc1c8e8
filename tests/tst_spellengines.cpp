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

// What a factory gives: no checker, one whose every question fails, or one that serves.
enum Gives { None, Failing, Serving };

struct LanguageRow {
    const char *name;
    Environment variables;
    QString language;
};
struct CandidatesRow {
    const char *name;
    QStringList installed; // folder index / stem, or a lone .aff
    QString language;
    QStringList expected;
};
struct HostileRow {
    const char *name;
    QStringList dictionaries; // in tests/data/dictionaries, tried in turn
    Gives nuspell;
    Gives hunspell; // accepts act, refuses tca when it serves
    QString refusal; // of the first, when it is passed over
};
struct SelfTestRow {
    const char *name;
    std::optional<std::string> ownWord;
    QSet<QString> accepted;
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
            { "LANG with codeset", { { "LANG", "en_GB.UTF-8" } }, "en_GB" },
            { "modifier", { { "LANG", "de_DE@euro" } }, "de_DE" },
            { "LC_ALL wins",
                { { "LC_ALL", "fr_FR.UTF-8" }, { "LC_MESSAGES", "de_DE" }, { "LANG", "en_GB" } },
                "fr_FR" },
            { "LC_MESSAGES before LANG", { { "LC_MESSAGES", "de_DE.UTF-8" }, { "LANG", "en_GB" } },
                "de_DE" },
            { "empty LC_ALL is skipped", { { "LC_ALL", "" }, { "LANG", "nl_NL" } }, "nl_NL" },
            { "C means none", { { "LC_ALL", "C" }, { "LANG", "en_GB" } }, "" },
            { "C.UTF-8 means none", { { "LANG", "C.UTF-8" } }, "" },
            { "POSIX means none", { { "LANG", "POSIX" } }, "" },
            { "nothing set", {}, "" },
        });
    }
    void language()
    {
        QFETCH(LanguageRow, row);
        const auto found = DictionaryLocator::languageFromEnvironment(
            [&](const char *name) -> std::optional<std::string> {
                const auto it = row.variables.find(name);
                return it == row.variables.end() ? std::nullopt : std::optional(it->second);
            });
        QCOMPARE(QString::fromStdString(found.value_or("")), row.language);
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
        const QDir top(root.path());
        for (const QString &entry : row.installed) {
            top.mkpath(entry.section('/', 0, 0));
            const bool affAlone = entry.endsWith(".aff");
            std::ofstream(top.filePath(affAlone ? entry : entry + ".aff").toStdString());
            if (!affAlone)
                std::ofstream(top.filePath(entry + ".dic").toStdString());
        }
        const std::vector<std::filesystem::path> folders { top.filePath("0").toStdString(),
            top.filePath("1").toStdString() };
        const auto relative = [&](const std::filesystem::path &path) {
            return top.relativeFilePath(QString::fromStdString(path.string()));
        };
        QStringList found;
        for (const auto &path : DictionaryLocator::candidates(row.language.toStdString(), folders))
            found.append(relative(path));
        QCOMPARE(found, row.expected);
        // The engines load the first of them.
        const auto first = DictionaryLocator::find(row.language.toStdString(), folders);
        QCOMPARE(first ? relative(*first) : QString(), row.expected.value(0));
    }

    // Each engine over tiny dictionaries tried in turn: what it gives, which
    // dictionary it loaded, and a line for each one it passed over.
    void hostileDictionaries_data()
    {
        addRows<HostileRow>({
            { "good", { "good" }, Serving, Serving, "" },
            { "unknown encoding never reaches Nuspell; Hunspell reads it", { "unknown-encoding" },
                None, Serving, "SET FOO-1" },
            { "FLAG bogus", { "flag-bogus" }, None, Failing, "FLAG bogus" },
            { "UTF-16", { "utf16" }, None, Failing, "SET UTF-16" },
            { "Hunspell's spelling of cp1251", { "hunspell-spellings" }, Serving, Serving, "" },
            { "two passed over for the next", { "flag-bogus", "utf16", "good" }, Serving, Serving,
                "FLAG bogus" },
            { "no dictionary at all", {}, None, None, "" },
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
        const std::tuple<std::string_view, QString, Gives> engines[] {
            { SpellEngineFactory::kNuspellProgId, "Nuspell", row.nuspell },
            { SpellEngineFactory::kHunspellProgId, "Hunspell", row.hunspell }
        };
        for (const auto &[progId, engine, gives] : engines) {
            said.clear();
            const auto checker = factory.create(progId);
            const bool serves = gives == Serving;
            QCOMPARE(said.size(), row.dictionaries.size() - (serves ? 1 : 0));
            if (!said.isEmpty()) {
                const QString first = QString::fromStdString(bases.front().string());
                const QString told = engine + " refused " + first + ".aff: " + row.refusal;
                QVERIFY2(said.first().startsWith(told), qPrintable(said.first()));
            }
            QCOMPARE(checker != nullptr, gives != None);
            if (!checker)
                continue;
            QCOMPARE(checker->checkSpelling("act"), serves ? std::optional(true) : std::nullopt);
            QCOMPARE(checker->checkSpelling("tca"), serves ? std::optional(false) : std::nullopt);
            QCOMPARE(checker->dictionary(), serves ? std::optional(bases.back()) : std::nullopt);
            // A worker's checker reads the same dictionary, and so the same index.
            if (const auto clone = checker->cloneForThread())
                QCOMPARE(clone->dictionary(), checker->dictionary());
        }
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
            { "no own word: the question alone", {}, { noWord }, true, { "hello" } },
        });
    }
    void selfTest()
    {
        QFETCH(SelfTestRow, row);
        ScriptedCheckerFactory factory;
        factory.script->accepted = row.accepted;
        factory.script->ownWord = row.ownWord;
        FakeMessageBox box;
        FakeTerminator terminator;
        const auto checker = acquireChecker(factory, box, terminator);
        QCOMPARE(static_cast<bool>(checker), row.passes);
        QCOMPARE(terminator.isEnding(), !row.passes);
        QCOMPARE(factory.script->asked, row.asked);
        if (!row.passes)
            QCOMPARE(box.shown().first().text, QString::fromLatin1(Messages::kCheckerTooOld));
    }

    // The one test on the installed en_US dictionary: each engine's answers,
    // and a search through it.
    void realDictionary()
    {
        SpellEngineFactory factory;
        for (const auto progId :
            { SpellEngineFactory::kNuspellProgId, SpellEngineFactory::kHunspellProgId }) {
            const auto checker = factory.create(progId);
            QVERIFY2(checker, "the en_US dictionary (hunspell-en-us) must be installed");
            QCOMPARE(checker->checkSpelling("cat"), std::optional(true));
            QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
            QCOMPARE(checker->checkSpelling(std::string(1000, 'a')), std::optional(false));
        }
        CallLog log;
        RecordingView view(log);
        FakeMessageBox box;
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
