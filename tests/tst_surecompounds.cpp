// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "wordforms/FormRole.h"
#include "wordindex/KeyWalk.h"

#include "tests/support/EngineDictionary.h"
#include "tests/support/Rows.h"

#include <QTest>
#include <algorithm>

namespace {

// A dictionary, letters, and how many of the compounds of exactly them the
// search takes for certain: each of those both engines must accept, in
// small letters and capitalised.
struct SureRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    const char *letters;
    std::size_t sure;
};

constexpr char kFlag[] = "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n";

QByteArray withFlag(const char *more)
{
    return QByteArray(kFlag) + more;
}

} // namespace

class TestSureCompounds : public QObject {
    Q_OBJECT

private slots:
    void sure_data()
    {
        addRows<SureRow>({
            // hausboot, boothaus; bootboot is no string of these letters.
            { "bare stems", kFlag, "2\nhaus/X\nboot/X\n", "hausboot", 2 },
            // A stem joined three times: every order of the parts.
            { "three parts", kFlag, "3\nab/X\ncd/X\nef/X\n", "abcdef", 6 },
            { "a part only in compounds", withFlag("ONLYINCOMPOUND O\n"), "2\nhaus/XO\nboot/X\n",
                "hausboot", 2 },
            // A part with an affix is the engines' to judge.
            { "a suffixed part", withFlag("SFX A Y 1\nSFX A 0 e .\n"), "2\nhaus/XA\nboot/X\n",
                "hauseboot", 0 },
            { "a suffix compounds permit",
                withFlag("COMPOUNDPERMITFLAG P\nSFX A Y 1\nSFX A 0 e/P .\n"),
                "2\nhaus/XA\nboot/X\n", "hauseboot", 0 },
            // Every order of the parts has the one in doubt: none is
            // certain, whichever way the search came to the rest.
            { "one part in doubt", kFlag, "4\nab/X\ncd/X\nEf/X\ngh/X\n", "abcdefgh", 0 },
            // A part the dictionary writes with a capital is not the part
            // in small letters.
            { "a capitalised stem", kFlag, "2\nHaus/X\nboot/X\n", "hausboot", 0 },
            { "a marked letter", kFlag, "2\nhäus/X\nboot/X\n", "hausboot", 0 },
            // Options that refuse some such compounds: none is certain.
            { "a forbidden compound", withFlag("FORBIDDENWORD F\n"),
                "3\nhaus/X\nboot/X\nhausboot/F\n", "hausboot", 0 },
            { "a part twice", withFlag("CHECKCOMPOUNDDUP\n"), "1\nhaus/X\n", "haushaus", 0 },
            { "the same without the check", kFlag, "1\nhaus/X\n", "haushaus", 1 },
            // Three same letters at a boundary are refused: baaaab is in
            // doubt; baabaa, aabaab and aabbaa are certain.
            { "triple letters", withFlag("CHECKCOMPOUNDTRIPLE\n"), "2\nbaa/X\naab/X\n", "baaaab",
                3 },
            // The triple of the first part's last two letters: xaaay.
            { "a triple before the boundary", withFlag("CHECKCOMPOUNDTRIPLE\n"), "2\nxaa/X\nay/X\n",
                "xaaay", 1 },
            // The triple begun by the next part's two letters: xaaay.
            { "a triple after the boundary", withFlag("CHECKCOMPOUNDTRIPLE\n"), "2\nxa/X\naay/X\n",
                "xaaay", 1 },
            // Shortened triples only add words: the rest stay certain.
            { "simplified triples", withFlag("CHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n"),
                "2\nbaa/X\naab/X\n", "baaaab", 3 },
            // baaaab, baabaa, aabaab, aabbaa.
            { "triple letters unchecked", kFlag, "2\nbaa/X\naab/X\n", "baaaab", 4 },
        });
    }

    // A form's certainty is its own, not the tree's: the keys within some
    // letters, and their forms, are those of the same forms without it.
    void certaintyKeepsTheKeys()
    {
        using namespace FormRole;
        const auto keysOf = [](std::uint8_t sure) {
            const WordIndex index = WordIndex::fromForms({ { "ab", Begin | Middle | End | sure },
                { "abc", Begin | Middle | End | sure }, { "bcd", Word } });
            QStringList keys;
            forEachKeyWithin(index, { { countLetters("abcd"), 0 }, Word | Begin, 1, 9, {} },
                [&](WordIndex::KeyId key, std::size_t) {
                    const auto forms = index.formsOf(key);
                    for (std::size_t f = 0; f < forms.size(); ++f)
                        keys.append(QString::fromUtf8(forms[f].data(), forms[f].size()));
                    return true;
                });
            return keys;
        };
        QCOMPARE(keysOf(Sure), keysOf(0));
        QCOMPARE(keysOf(0), (QStringList { "ab", "abc", "bcd" }));
    }

    // Both engines, either kind of index: a compound the search takes for
    // certain is a word, and there are as many as the row says.
    void sure()
    {
        QFETCH(SureRow, row);
        const WrittenDictionary dictionary("SET UTF-8\n" + row.aff, row.dic);
        const std::string letters = row.letters;
        for (const Engine engine : kEngines) {
            const auto checker = dictionary.checker(engine);
            QVERIFY(checker);
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build = dictionary.index(engine, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                const FormsWithin within = build.forms->within(letters);
                QVERIFY(within.index);
                const CompoundCandidates compounds = compoundCandidates(*within.index, letters);
                QVERIFY(compounds.unfinished.empty());
                QCOMPARE(compounds.sure.size(), compounds.words.size());
                std::size_t sure = 0;
                for (std::size_t i = 0; i < compounds.words.size(); ++i) {
                    if (!compounds.sure[i])
                        continue;
                    ++sure;
                    std::string word = compounds.words[i];
                    const std::string where = std::string(engineName(engine)) + ": " + word;
                    QVERIFY2(checker->checkSpelling(word) == true, where.c_str());
                    word[0] = static_cast<char>(word[0] - 'a' + 'A');
                    QVERIFY2(checker->checkSpelling(word) == true, where.c_str());
                }
                QCOMPARE(sure, row.sure);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSureCompounds)
#include "tst_surecompounds.moc"
