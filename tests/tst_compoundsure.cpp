// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Compounds of COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND parts that the
// dictionary's rules settle without the checker, and those they leave to it.
#include "candidates/CompoundSearch.h"
#include "search/Enumerator.h"
#include "search/IndexedConfirm.h"
#include "search/IndexedSearch.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/Rows.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cctype>

namespace {

// Lines added to the dictionary in tests/data/compoundsure, the letters as
// typed, and the compounds of exactly them (in small letters, sorted) that
// the search takes for certain.
struct SettledRow {
    const char *name;
    const char *aff;
    const char *dic;
    const char *typed;
    QStringList settled;
    bool capitalsKnown = true;
};

// Lines added to the dictionary, the letters as typed, the words of exactly
// them, and how many of their spellings the search takes or refuses
// without a question through an index of forms.
struct CapitalsRow {
    const char *name;
    const char *aff;
    const char *dic;
    const char *typed;
    QStringList words;
    std::size_t settled;
};

QByteArray dataFile(const char *name)
{
    QFile file(QStringLiteral(QUORVEL_TEST_DATA "/compoundsure/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The dictionary's entries and the row's, under one count.
QByteArray dicWith(const char *more)
{
    QList<QByteArray> lines = dataFile("parts.dic").split('\n');
    lines.removeFirst();
    lines.append(QByteArray(more).split('\n'));
    lines.removeAll(QByteArray());
    return QByteArray::number(lines.size()) + '\n' + lines.join('\n') + '\n';
}

} // namespace

class TestCompoundSure : public QObject {
    Q_OBJECT

private slots:
    void settled_data()
    {
        addRows<SettledRow>({
            // "Haus" begins a compound by an empty suffix that permits it
            // there; "boot" ends one as a bare stem.
            { "a first part as the dictionary spells it", "", "", "bootHaus", { "hausboot" } },
            // "tier" needs an affix: the empty one that puts it inside.
            { "parts inside by an empty suffix", "", "", "tierbootHaus",
                { "hausboottier", "haustierboot" } },
            { "a first part in small letters", "", "see/B", "bootsee", { "seeboot" } },
            // The capitalised first part is certain only where every
            // spelling asked holds the capital: "hausboot" is no word.
            { "capitals not known", "", "", "bootHaus", {}, false },
            { "a forbidden compound", "FORBIDDENWORD F", "Hausboot/F", "bootHaus", {} },
            // Hunspell stops looking for a first part at a forbidden one.
            { "a forbidden part that begins another", "FORBIDDENWORD F", "Ha/BF", "bootHaus", {} },
            // Hunspell takes a suffix inside a compound only where
            // COMPOUNDPERMITFLAG allows it: "boote" is in doubt in either
            // place, since the index keeps one certainty for its roles.
            { "a suffix not permitted inside", "", "", "bootetierHaus", {} },
            { "a case-keeping part", "KEEPCASE K", "segel/EK", "segelHaus", {} },
            { "the same part keeping no case", "", "segel/E", "segelHaus", { "haussegel" } },
            // An option the index does not follow part by part: nothing
            // is settled, here rightly, since "Hausboot" is refused.
            { "a boundary pattern", "CHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN s b", "",
                "bootHaus", {} },
        });
    }

    // Both engines, either kind of index: the compounds the search takes
    // for certain are the row's, and the program's search settles them
    // without a question; asked after all, the checker takes each.
    void settled()
    {
        QFETCH(SettledRow, row);
        const QByteArray aff = dataFile("parts.aff") + row.aff + '\n';
        QVERIFY(aff.startsWith("SET"));
        const WrittenDictionary dictionary(aff, dicWith(row.dic));
        const std::vector<std::string> typed = lettersOf(row.typed);
        std::string keys;
        for (const std::string &letter : typed)
            keys += static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
        for (const Engine engine : kEngines) {
            const auto checker = dictionary.checker(engine);
            QVERIFY(checker);
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build = dictionary.index(engine, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                const FormsWithin within = build.forms->within(keys);
                QVERIFY(within.index);
                const CompoundCandidates compounds = compoundCandidates(*within.index, keys, {},
                    row.capitalsKnown ? std::optional(typedCapitals(typed, keys)) : std::nullopt,
                    TypedLetters(typed, keys));
                QVERIFY(compounds.unfinished.empty());
                QStringList settled;
                for (std::size_t i = 0; i < compounds.words.size(); ++i) {
                    if (compounds.sure[i])
                        settled.append(QString::fromStdString(compounds.words[i]));
                }
                settled.sort();
                // An index of stems knows no list of the dictionary's
                // forbidden words: it settles none.
                const QStringList expected = kind == IndexKind::Forms ? row.settled : QStringList();
                QCOMPARE(settled, expected);
                if (!row.capitalsKnown)
                    continue;
                std::atomic<std::size_t> refused { 0 };
                IndexedProgress progress;
                progress.settledRefused = &refused;
                const IndexedAnswer answer = indexedSearch(row.typed, *build.forms, *checker,
                    kMaxArrangementsTried, {}, {}, 0, nullptr, progress);
                QVERIFY(answer.words);
                QCOMPARE(refused.load(), std::size_t(0));
                QCOMPARE(answer.settled, std::size_t(expected.size()));
            }
        }
    }

    void capitalsInside_data()
    {
        addRows<CapitalsRow>({
            // "hausHut": no form spells a capital H after another part
            // ("Haus" only begins a compound), so it is refused unasked;
            // "Haushut" is a sure compound.
            { "a capital no form has there", "", "hut/E", "hutHaus", { "Haushut" }, 2 },
            // Here "Hut" may end a compound: "HausHut" is asked, and taken.
            { "a capitalised part that follows another", "", "hut/E\nHut/E", "HutHaus",
                { "HausHut" }, 0 },
            // "Hut" that only begins one does not: "HausHut" is refused
            // unasked, and "HutHaus" ("Haus" only begins too).
            { "a capitalised part that only begins", "", "hut/E\nHut/B", "HutHaus", {}, 2 },
            // "taH" spells a capital inside: "HaustaH" is asked, and taken.
            { "a capital inside a form", "", "taH/E", "taHHaus", { "HaustaH" }, 0 },
            // "Hut" may end a compound, but "haus" does not begin one as
            // it is spelt in "hausHut": no forms so spelt make it up, and
            // it is refused unasked, beside the sure "Haushut".
            { "a capitalised part after one not spelt so", "", "hut/E\nHut/E", "hutHaus",
                { "Haushut" }, 2 },
            // "see" begins a compound as it is spelt: "seeHut" is asked.
            { "a capitalised part after one spelt so", "", "see/B\nHut/E", "seeHut", { "seeHut" },
                0 },
            // Inside a compound "Hut" stands in the middle role it has:
            // "seeHutboot" is asked, and taken.
            { "a capitalised part in the middle", "", "see/B\nHut/M", "seeHutboot",
                { "seeHutboot" }, 0 },
            // In capitals a word is looked up otherwise: nothing settled.
            { "capitals only", "", "hut/E", "HUTHAUS", { "HAUSHUT" }, 0 },
            // An option the index does not follow part by part.
            { "a boundary pattern", "CHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN s b", "hut/E",
                "hutHaus", { "Haushut" }, 0 },
        });
    }

    // A spelling with a capital after its first letter and a small one is
    // looked up as it is spelt: where no form of the dictionary puts the
    // capital there, both engines refuse it, and the search does without a
    // question. Asked after all, the checker answers as the search did.
    void capitalsInside()
    {
        QFETCH(CapitalsRow, row);
        const WrittenDictionary dictionary(
            dataFile("parts.aff") + row.aff + '\n', dicWith(row.dic));
        for (const Engine engine : kEngines) {
            const auto checker = dictionary.checker(engine);
            QVERIFY(checker);
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build = dictionary.index(engine, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                std::atomic<std::size_t> disagreements { 0 };
                IndexedProgress progress;
                progress.settledRefused = &disagreements;
                const IndexedAnswer answer = indexedSearch(row.typed, *build.forms, *checker,
                    kMaxArrangementsTried, {}, {}, 0, nullptr, progress);
                QVERIFY2(answer.words, answer.fallback.c_str());
                QStringList words;
                for (const std::string &word : *answer.words)
                    words.append(QString::fromStdString(word));
                words.sort();
                QCOMPARE(words, row.words);
                QCOMPARE(disagreements.load(), std::size_t(0));
                // An index of stems settles nothing.
                QCOMPARE(answer.settledSpellings, kind == IndexKind::Forms ? row.settled : 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCompoundSure)
#include "tst_compoundsure.moc"
