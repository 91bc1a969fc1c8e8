// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/SelfTestWords.h"
#include "search/WordSearch.h"
#include "spelling/CacheFile.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/DictionaryService.h"
#include "spelling/EngineProbe.h"
#include "spelling/SelfTest.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/ProbedService.h"
#include "tests/support/RecordingView.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <fstream>
#include <future>
#include <map>
#include <sys/stat.h>
#include <thread>

namespace {

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
    QString answers; // "folder engine", or empty when none serves
    QString firstRefusal; // said of the first one passed over
};
struct ProbeRow {
    const char *name;
    const char *helper; // a shell script's body
    bool usable;
    QString why;
    bool settled = true;
};
struct SelfTestRow {
    const char *name;
    std::vector<std::string> ownWords;
    QSet<QString> accepted;
    QSet<QString> failing;
    bool passes;
    std::optional<std::string> ownNonsense = std::nullopt;
};
struct LatinRow {
    const char *name;
    QStringList dictionaries;
    QString answers; // the folder of the dictionary chosen
    QSet<QString> words; // the words of Latin and other letters asked
    QSet<QString> accepted;
};
struct NonsenseRow {
    const char *name;
    std::vector<SelfTestWord> words;
    std::optional<std::string> utf8; // nothing: no nonsense of its own letters
    std::string raw;
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
        TempFolder root;
        const QDir top(root.dir.path());
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
        QStringList found;
        for (const auto &path : DictionaryLocator::candidates(row.language.toStdString(), folders))
            found.append(top.relativeFilePath(QString::fromStdString(path.string())));
        QCOMPARE(found, row.expected);
    }

    // Tiny dictionaries tried in turn, each with Nuspell and then Hunspell:
    // which one answers, with which engine, and a line for each passed over.
    void hostileDictionaries_data()
    {
        addRows<HostileRow>({
            { "good", { "good" }, "good Nuspell", "" },
            { "an encoding Nuspell dies on: Hunspell", { "unknown-encoding" },
                "unknown-encoding Hunspell", "Nuspell refused" },
            { "Nuspell dies in the helper: Hunspell", { "dies-in-nuspell" },
                "dies-in-nuspell Hunspell", "Nuspell refused" },
            { "answers that mean nothing", { "flag-bogus" }, "", "Nuspell refused" },
            { "UTF-16", { "utf16" }, "", "Nuspell and Hunspell refused" },
            { "Hunspell's spelling of cp1251", { "hunspell-spellings" },
                "hunspell-spellings Nuspell", "" },
            { "accepts any string of letters: the next one", { "accepts-anything", "good" },
                "good Nuspell", "Nuspell refused" },
            { "two passed over", { "flag-bogus", "utf16", "good" }, "good Nuspell",
                "Nuspell refused" },
            { "no dictionary at all", {}, "", "" },
        });
    }
    void hostileDictionaries()
    {
        QFETCH(HostileRow, row);
        std::vector<std::filesystem::path> bases;
        for (const QString &folder : row.dictionaries)
            bases.push_back(dictionary(folder));
        Service fx(bases);
        const auto checker = fx.service.checker(DictionaryService::Checker::Chosen);
        QCOMPARE(checker != nullptr, !row.answers.isEmpty());
        QVERIFY2(fx.said.isEmpty() == row.firstRefusal.isEmpty(), qPrintable(fx.said.join('\n')));
        if (!fx.said.isEmpty())
            QVERIFY2(fx.said.first().startsWith(row.firstRefusal + " "
                         + QString::fromStdString(bases.front().string()) + ".aff: "),
                qPrintable(fx.said.first()));
        // Dictionaries there but none serving: a checker whose every question fails.
        const auto second = fx.service.checker(DictionaryService::Checker::FailingStandIn);
        QCOMPARE(second != nullptr, !row.answers.isEmpty() ? false : !bases.empty());
        if (second)
            QCOMPARE(second->checkSpelling("act"), std::nullopt);
        if (!checker)
            return;
        QCOMPARE(checker->checkSpelling("act"), std::optional(true));
        QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
        const auto choice = fx.service.choice();
        QCOMPARE(QString::fromStdString(choice->base.parent_path().filename().string()) + " "
                + engineName(choice->engine),
            row.answers);
        QCOMPARE(choice->passedOver.size(), std::size_t(fx.said.size()));
        QCOMPARE(checker->engineName(), std::string(engineName(choice->engine)));
        // A worker's checker reads the same dictionary, and so the same index.
        if (const auto clone = checker->cloneForThread())
            QCOMPARE(clone->dictionary(), checker->dictionary());
        QVERIFY(fx.service.indexFor(choice->base, std::chrono::seconds(60)).index);
    }

    // What the helper's end says of the dictionary.
    void helpersEnd_data()
    {
        addRows<ProbeRow>({
            { .name = "usable", .helper = "echo usable", .usable = true, .why = "" },
            { .name = "refused, and why",
                .helper = "printf 'refused\\tno good\\n'",
                .usable = false,
                .why = "no good" },
            { .name = "says nothing it should",
                .helper = "echo what",
                .usable = false,
                .why = "it fails loading it" },
            { .name = "dies",
                .helper = "kill -SEGV $$",
                .usable = false,
                .why = "it dies loading it (signal 11)" },
            { .name = "out of processor time",
                .helper = "kill -XCPU $$",
                .usable = false,
                .why = "it takes more processor time than any dictionary should to load" },
            // The clock says as much of a busy machine as of the dictionary:
            // tried again next time.
            { .name = "past the deadline",
                .helper = "sleep 30",
                .usable = false,
                .why = "it takes longer than any dictionary should to load",
                .settled = false },
        });
    }
    void helpersEnd()
    {
        QFETCH(ProbeRow, row);
        TempFolder folder;
        const QString helper
            = folder.write(QStringLiteral("helper"), QByteArray("#!/bin/sh\n") + row.helper + "\n");
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const EngineProbe probe(helper.toStdString(), std::chrono::milliseconds(500));
        const auto verdict = probe.probe(Engine::Nuspell, dictionary("good"));
        QCOMPARE(verdict.usable, row.usable);
        QCOMPARE(QString::fromStdString(verdict.why), row.why);
        QCOMPARE(verdict.settled, row.settled);
        // A helper not there is no verdict to keep.
        const auto missing = EngineProbe(folder.path("none").toStdString())
                                 .probe(Engine::Nuspell, dictionary("good"));
        QVERIFY(!missing.usable && !missing.settled);
    }

    void selfTest_data()
    {
        const QString noWord = QString::fromLatin1(kNoWordInAnyLanguage);
        addRows<SelfTestRow>({
            { "one of its own words accepted", { "a lot", "cat" }, { "cat" }, {}, true },
            { "none of them", { "cat", "dog" }, { "hello" }, {}, false },
            { "accepts anything", { "cat" }, { "cat", noWord }, {}, false },
            { "a question fails", { "cat" }, { "cat" }, { "hello" }, false },
            { "no own words: nonsense refused", {}, {}, {}, true },
            { "any Latin string, its own letters judged", { "кіт" }, { "кіт", noWord }, {}, true,
                "ккккккк" },
            { "any Latin string and its own nonsense", { "кіт" }, { "кіт", noWord, "ккккккк" }, {},
                false, "ккккккк" },
        });
    }
    void selfTest()
    {
        QFETCH(SelfTestRow, row);
        ScriptedChecker checker(std::make_shared<CheckerScript>(row.accepted, row.failing));
        QCOMPARE(!failedSelfTest(checker, row.ownWords, row.ownNonsense).has_value(), row.passes);
    }

    // A dictionary that takes every string of Latin letters serves for its
    // own alphabet, when it judges that, and says no to every Latin word.
    void latinForAnything_data()
    {
        addRows<LatinRow>({
            { "its own letters judged: chosen", { "latin-anything", "good" }, "latin-anything",
                { "кіт", "тік", "ітк", "act", "qzxvkqj", "ACT" }, { "кіт", "тік" } },
            { "everything accepted: passed over", { "accepts-anything", "good" }, "good",
                { "act", "qzxvkqj" }, { "act" } },
        });
    }
    void latinForAnything()
    {
        QFETCH(LatinRow, row);
        std::vector<std::filesystem::path> bases;
        for (const QString &folder : row.dictionaries)
            bases.push_back(dictionary(folder));
        Service fx(bases);
        const auto checker = fx.service.checker(DictionaryService::Checker::Chosen);
        QVERIFY(checker);
        QCOMPARE(
            QString::fromStdString(fx.service.choice()->base.parent_path().filename().string()),
            row.answers);
        // A worker thread's checker answers the same.
        const auto clone = checker->cloneForThread();
        for (const QString &word : row.words) {
            const std::optional<bool> expected = row.accepted.contains(word);
            QCOMPARE(checker->checkSpelling(word.toStdString()), expected);
            if (clone)
                QCOMPARE(clone->checkSpelling(word.toStdString()), expected);
        }
    }

    // Hunspell's worker threads load the dictionary again: they keep the no.
    void workersRefuseLatinWordsToo_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::newRow("Nuspell") << Engine::Nuspell;
        QTest::newRow("Hunspell") << Engine::Hunspell;
    }
    void workersRefuseLatinWordsToo()
    {
        QFETCH(Engine, engine);
        const auto loaded = LoadedDictionary::load(engine, dictionary("latin-anything"));
        QVERIFY(loaded);
        loaded->refuseLatinWords();
        const auto clone = loaded->checker()->cloneForThread();
        QVERIFY(clone);
        QCOMPARE(clone->checkSpelling("act"), std::optional(false));
        QCOMPARE(clone->checkSpelling("кіт"), std::optional(true));
    }

    void nonsenseInOwnLetters_data()
    {
        addRows<NonsenseRow>({
            { "Cyrillic in UTF-8", { { "кіт", "кіт" } }, "ккккккк", "ккккккк" },
            { "the first letter not Latin", { { "a-bé", "a-bé" }, { "xλy", "xλy" } }, "λλλλλλλ",
                "λλλλλλλ" },
            { "an 8-bit encoding: its byte", { { "\xEA\xB3\xF2", "кіт" } }, "ккккккк",
                std::string(7, '\xEA') },
            { "Latin only: none", { { "cat", "cat" }, { "été", "été" } }, std::nullopt, "" },
            { "an encoding of more bytes a letter: none", { { "\x82\xA0\x82", "кі" } },
                std::nullopt, "" },
        });
    }
    void nonsenseInOwnLetters()
    {
        QFETCH(NonsenseRow, row);
        const auto nonsense = ::nonsenseInOwnLetters(row.words);
        QCOMPARE(nonsense.has_value(), row.utf8.has_value());
        if (!nonsense)
            return;
        QCOMPARE(nonsense->utf8, *row.utf8);
        QCOMPARE(nonsense->raw, row.raw);
    }

    // The one test on the installed en_US dictionary: each engine's answers,
    // and a search through its index.
    void realDictionary()
    {
        const std::filesystem::path enUS = "/usr/share/hunspell/en_US";
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, enUS);
            QVERIFY2(loaded, "the en_US dictionary (hunspell-en-us) must be installed");
            const auto checker = loaded->checker();
            QCOMPARE(checker->checkSpelling("cat"), std::optional(true));
            QCOMPARE(checker->checkSpelling("tca"), std::optional(false));
            QCOMPARE(checker->checkSpelling(std::string(1000, 'a')), std::optional(false));
        }
        Service fx({ enUS });
        CallLog log;
        RecordingView view(log);
        FakeMessageBox box;
        FakeTerminator terminator;
        WordSearch search(view, { box, fx.service, terminator, view, &fx.service });
        // While its index is still being built, three letters do not wait
        // for it: their six arrangements are tried at once.
        search.f("tca");
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 2 words: cat, act"));
        QVERIFY2(!search.lastRun().indexed && !search.lastRun().fallback.empty(),
            search.lastRun().fallback.c_str());
        QVERIFY(fx.service.indexFor(enUS, std::chrono::seconds(60)).index);
        search.f("tca");
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 2 words: cat, act"));
        QVERIFY(search.lastRun().indexed);
        search.f("CAT");
        // In capitals the dictionary also knows abbreviations.
        QCOMPARE(view.resultsText, QStringLiteral("Done - Found 3 words: CAT, ACT, ATC"));
        QVERIFY(search.lastRun().indexed);
        QCOMPARE(search.lastRun().engine, std::string("Nuspell"));
    }
};

QTEST_GUILESS_MAIN(TestSpellEngines)
#include "tst_spellengines.moc"
