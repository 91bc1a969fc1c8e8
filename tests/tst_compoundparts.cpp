// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// Compounds whose parts a state of the search may not pick out of the list
// its parent state was given, or whose letters left the cover of parts must
// still find coverable: each word must be named.
struct PartsRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    std::string letters; // in small letters
    std::vector<std::string> words; // compounds of all the letters that an engine accepts
};

} // namespace

class TestCompoundParts : public QObject {
    Q_OBJECT

private slots:
    void named_data()
    {
        addRows<PartsRow>({
            // The first part's list holds no middle part: "cd" must be
            // looked for among the parts of their own role.
            { "a middle part after a first one of another role",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\nCOMPOUNDMIN 2\n",
                "3\nab/B\ncd/M\nef/E\n", "abcdef", { "abcdef" } },
            // "yo" ends in the letters of the pattern, so its state is given
            // an o the word lacks; the z that stands for "o b" leaves the
            // last part a b that neither the word nor "yo"'s list has.
            { "a part after a replacement, of letters the state before lacked",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b "
                "z\n",
                "3\nx/X\nyo/X\nbw/X\n", "xyzw", { "xyzw" } },
            // Ten different letters: those left after the first part are
            // the ninth and tenth of the pool's, counted apart from the
            // first eight.
            { "letters left past the pool's eighth different letter",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n", "2\nabcdefgh/X\nij/X\n", "abcdefghij",
                { "abcdefghij" } },
        });
    }
    void named()
    {
        QFETCH(PartsRow, row);
        TempFolder folder;
        const QByteArray aff = "SET UTF-8\n" + row.aff;
        folder.write(QStringLiteral("xx.aff"), aff);
        folder.write(QStringLiteral("xx.dic"), row.dic);
        const std::filesystem::path base = folder.path(QStringLiteral("xx")).toStdString();
        std::vector<std::string> acceptedByAny;
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, base);
            QVERIFY(loaded);
            const auto checker = loaded->checker();
            const WordIndexBuild build
                = buildWordIndex(aff.toStdString(), row.dic.toStdString(), dialectOf(engine));
            QVERIFY2(build.forms, build.refusal.c_str());
            const FormsWithin within = build.forms->within(row.letters);
            QVERIFY(within.index);
            const CompoundCandidates named = compoundCandidates(*within.index, row.letters);
            QCOMPARE(QString::fromStdString(named.unfinished), QString());
            for (const std::string &word : row.words) {
                if (checker->checkSpelling(word) != true)
                    continue;
                acceptedByAny.push_back(word);
                QVERIFY2(std::ranges::find(named.words, word) != named.words.end(), word.c_str());
            }
        }
        // The row is true of some engine: each word is a compound it accepts.
        for (const std::string &word : row.words)
            QVERIFY2(std::ranges::find(acceptedByAny, word) != acceptedByAny.end(), word.c_str());
    }
};

QTEST_GUILESS_MAIN(TestCompoundParts)
#include "tst_compoundparts.moc"
