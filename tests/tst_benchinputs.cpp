// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The long-input check proves the index on letters a user types: its inputs
// must be letters of the dictionary's own spellings (ü, ß), and its slow
// search must take a word of such letters in the typed capitals.
#include "bench/DifferentialInputs.h"
#include "bench/SlowSplits.h"
#include "tests/support/ScriptedChecker.h"
#include "wordindex/IndexBuilder.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::string_view kAff = "SET UTF-8\nCOMPOUNDFLAG X\n";
constexpr std::string_view kDic = "4\ngrün/X\nsüß/X\nÄrger/X\nfloß/X\n";

} // namespace

class TestBenchInputs : public QObject {
    Q_OBJECT

private slots:
    // Every input, of either index kind, is text of whole letters, and of the
    // letters its words are spelt with or a to z: never a byte of a letter
    // moved apart from the rest of it, never ü filed as u.
    void inputsAreTypedLetters()
    {
        for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
            const WordIndexBuild build
                = buildWordIndex(kAff, kDic, Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms, build.refusal.c_str());
            DifferentialInputs inputs(5, "/dictionaries/de_DE", build.forms.get(), 6, 12);
            const LetterCase letterCase("de_DE");
            QSet<QString> spelt;
            for (const std::string word : { "grün", "süß", "ärger", "floß" }) {
                for (const std::string &letter : lettersOf(word))
                    spelt.insert(QString::fromStdString(letter));
            }
            for (char c = 'a'; c <= 'z'; ++c)
                spelt.insert(QString(QChar(c)));
            bool umlaut = false;
            for (int i = 0; i < 200; ++i) {
                const std::string input = i % 2 ? inputs.next(false) : inputs.joined(2, 3);
                const QString text = QString::fromStdString(input);
                QVERIFY2(text.toStdString() == input && !text.contains(QChar::ReplacementCharacter),
                    input.c_str());
                for (const std::string &letter : longcheck::smallLetters(letterCase, input)) {
                    // A capital ß is SS, two letters of a to z.
                    QVERIFY2(spelt.contains(QString::fromStdString(letter)), input.c_str());
                    umlaut = umlaut || letter == "ü" || letter == "ß" || letter == "ä";
                }
            }
            QVERIFY2(umlaut, "no input had a letter beyond a to z");
        }
    }

    // The slow search's judge: the candidate must be exactly the typed
    // letters, and a typed capital beyond A to Z is tried at its places.
    void acceptedSpreadsEveryCapital_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("asked");
        // clang-format off
        QTest::newRow("Ä typed, at its place") << "ärgergrün" << "rÄgernügr" << true << "Ärgergrün";
        QTest::newRow("a typed for ä")         << "ärgergrün" << "rAgernügr" << false << "";
        QTest::newRow("a letter too many")     << "ärger"     << "rÄgerr"    << false << "";
        QTest::newRow("small letters")         << "grünsüß"   << "ßürgnsü"   << true << "grünsüß";
        // clang-format on
    }
    void acceptedSpreadsEveryCapital()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, asked);
        auto script = std::make_shared<CheckerScript>();
        script->accepted = { "Ärgergrün", "Ärger", "grünsüß" };
        ScriptedChecker checker(script);
        const LetterCase letterCase("de_DE");
        QCOMPARE(
            longcheck::accepted(checker, letterCase, candidate.toStdString(), typed.toStdString()),
            accepted);
        if (!asked.isEmpty())
            QVERIFY2(script->asked.contains(asked), qPrintable(script->asked.join(u' ')));
    }

    // The slow search's pieces are spelt as a user types them, where the
    // checker turns several typed letters into one of the dictionary's.
    void piecesSpeltAsTyped_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::addColumn<QString>("typed");
        // clang-format off
        QTest::newRow("ĳ typed as i and j")       << "lĳstĳs"  << "lijstijs";
        QTest::newRow("ﬀ typed as f and f stays")  << "staff"    << "staff";
        QTest::newRow("’ for ' stays")             << "auto's"   << "auto's";
        // clang-format on
    }
    void piecesSpeltAsTyped()
    {
        QFETCH(QString, spelling);
        QFETCH(QString, typed);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::filesystem::path base = folder.filePath(QStringLiteral("nl")).toStdString();
        std::ofstream(base.string() + ".aff")
            << "SET UTF-8\nICONV 3\nICONV ’ '\nICONV ij ĳ\nICONV ﬀ ff\n";
        const longcheck::AffCompounding aff = longcheck::readAff(base);
        QCOMPARE(QString::fromStdString(longcheck::asTyped(aff, spelling.toStdString())), typed);
    }

    // The slow search counts whole typed letters: a piece of ö alone uses a
    // letter (counting key bytes, it used none and the search never ended),
    // and a piece with a letter not typed is no piece.
    void slowSearchCountsLetters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("spellings");
        QTest::addColumn<QStringList>("found");
        // clang-format off
        QTest::newRow("ö alone is a letter") << "ööl" << QStringList { "ö", "öl" } << QStringList { "ölö", "ööl" };
        QTest::newRow("ü is not ö")          << "öl"  << QStringList { "ü", "l" }  << QStringList {};
        QTest::newRow("ĳ typed as one")      << "ĳsĳs" << QStringList { "ĳs" }     << QStringList { "ĳsĳs" };
        // clang-format on
    }
    void slowSearchCountsLetters()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, spellings);
        QFETCH(QStringList, found);
        const LetterCase letterCase("nl");
        const std::vector<std::string> letters
            = longcheck::smallLetters(letterCase, typed.toStdString());
        const longcheck::LetterSlots typedSlots(letters);
        std::vector<longcheck::Piece> pieces;
        for (const QString &spelling : spellings) {
            const std::vector<std::string> small
                = longcheck::smallLetters(letterCase, spelling.toStdString());
            const auto counts = typedSlots.count(small);
            if (counts)
                pieces.push_back(longcheck::Piece { spelling.toStdString(), small.size(), *counts,
                    0xff, longcheck::maskOf(*counts) });
        }
        longcheck::AffCompounding aff;
        aff.minPart = 1;
        const auto candidates = longcheck::SlowSearch(std::move(pieces), typedSlots, aff, 1000,
            std::chrono::steady_clock::now() + std::chrono::seconds(10))
                                    .run(*typedSlots.count(letters));
        QVERIFY(candidates);
        QStringList got;
        for (const std::string &candidate : *candidates)
            got.append(QString::fromStdString(candidate));
        QCOMPARE(got, found);
    }
};

QTEST_GUILESS_MAIN(TestBenchInputs)
#include "tst_benchinputs.moc"
