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

// What a factory gives: no checker, one whose every question fails, or one that serves.
enum Gives { None, Failing, Serving };

struct LanguageRow {
    const char *name;
    std::map<std::string, std::string> variables;
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
            // A stem stands for both files of a dictionary, else the one file is written.
            const bool stem = !entry.endsWith(".aff");
            std::ofstream(top.filePath(stem ? entry + ".aff" : entry).toStdString());
            if (stem)
                std::ofstream(top.filePath(entry + ".dic").toStdString());
        }
        const std::vector<std::filesystem::path> folders { top.filePath("0").toStdString(),
            top.filePath("1").toStdString() };
        const auto candidates = DictionaryLocator::candidates(row.language.toStdString(), folders);
        QStringList found;
        for (const auto &path : candidates)
            found.append(top.relativeFilePath(QString::fromStdString(path.string())));
        QCOMPARE(found, row.expected);
        // The engines load the first of them.
        QCOMPARE(DictionaryLocator::find(row.language.toStdString(), folders),
            candidates.empty() ? std::nullopt : std::optional(candidates.front()));
    }

    // Each engine over tiny dictionaries tried in turn: what it gives, which
    // dictionary it loaded, and a line for each one it passed over.
    void hostileDictionaries_data()
    {
        addRows<HostileRow>({
            { "good", { "good" }, Serving, Serving, "" },
            { "unknown encoding", { "unknown-encoding" }, None, Serving, "SET FOO-1" },
            { "FLAG bogus", { "flag-bogus" }, None, Failing, "FLAG bogus" },
            { "UTF-16", { "utf16" }, None, Failing, "SET UTF-16" },
            { "Hunspell's spelling of cp1251", { "hunspell-spellings" }, Serving, Serving, "" },
            { "two passed over", { "flag-bogus", "utf16", "good" }, Serving, Serving,
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
            // A line names the engine and the first dictionary, which the count shows is there.
            QVERIFY2(said.isEmpty()
                    || said.first().startsWith(engine + " refused "
                        + QString::fromStdString(bases.front().string()) + ".aff: " + row.refusal),
                qPrintable(said.value(0)));
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
        const QStringList all { "hello", "cat", noWord };
        addRows<SelfTestRow>({
            { "own word accepted, nonsense refused", "cat", { "hello", "cat" }, true, all },
            { "\"hello\" refused does not matter", "cat", { "cat" }, true, all },
            { "own word refused", "cat", {}, false, { "hello", "cat" } },
            { "accepts anything", "cat", { "cat", noWord }, false, all },
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
