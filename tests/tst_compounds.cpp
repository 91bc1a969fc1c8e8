// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "spelling/LoadedDictionary.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/KeyWalk.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <algorithm>

namespace {

struct CandidateRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    QString word; // as typed; an engine accepts it
};

// The strings of the word's letters the index names: its forms filed
// under them and the compounds its parts make.
std::vector<std::string> namedBy(const FormSource &source, const std::string &letters)
{
    std::vector<std::string> named;
    const FormsWithin within = source.within(letters);
    if (!within.index)
        return named;
    const WordIndex &index = *within.index;
    const auto forms = index.formsFor(WordIndex::keyOf(letters));
    for (std::size_t i = 0; i < forms.size(); ++i)
        named.emplace_back(forms[i]);
    for (std::string &word : named)
        std::ranges::transform(word, word.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto compounds = compoundCandidates(index, letters);
    named.insert(named.end(), compounds.words.begin(), compounds.words.end());
    return named;
}

constexpr char kFlag[] = "SET UTF-8\nCOMPOUNDFLAG X\n";

} // namespace

class TestCompounds : public QObject {
    Q_OBJECT

private slots:
    // Each row a word that Nuspell or Hunspell accepts through one of the
    // ways they join or convert words; the index must name it, read the way
    // the engine that accepts it reads the files.
    void candidatesHoldWhatTheEnginesAccept_data()
    {
        addRows<CandidateRow>({
            { "COMPOUNDFLAG", kFlag, "2\nfoo/X\nbar/X\n", "foobar" },
            { "a compound of three", kFlag, "2\nfoo/X\nbar/X\n", "barfoobar" },
            { "COMPOUNDBEGIN, COMPOUNDMIDDLE, COMPOUNDEND",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\n", "3\nfoo/B\nbar/M\nbaz/E\n",
                "foobarbaz" },
            { "ONLYINCOMPOUND", "COMPOUNDFLAG X\nONLYINCOMPOUND O\n", "3\nfoo/X\nbar/X\nens/OX\n",
                "fooensbar" },
            { "a prefix at the start", "COMPOUNDFLAG X\nPFX U Y 1\nPFX U 0 un .\n",
                "2\nfoo/XU\nbar/X\n", "unfoobar" },
            { "a suffix at the end", "COMPOUNDFLAG X\nSFX S Y 1\nSFX S 0 s .\n",
                "2\nfoo/X\nbar/XS\n", "foobars" },
            { "COMPOUNDPERMITFLAG: a suffix at the start",
                "COMPOUNDFLAG X\nCOMPOUNDPERMITFLAG P\nSFX S Y 1\nSFX S 0 s/P .\n",
                "2\nfoo/XS\nbar/X\n", "foosbar" },
            { "COMPOUNDFLAG from a suffix", "COMPOUNDFLAG X\nSFX A Y 1\nSFX A 0 s/X .\n",
                "2\nwork/A\nshop/X\n", "shopworks" },
            { "compound flags from an affix that adds nothing",
                "COMPOUNDBEGIN B\nCOMPOUNDEND E\nCOMPOUNDPERMITFLAG P\nSFX J Y 1\nSFX J 0 0/BP .\n",
                "2\nhaus/J\ntier/E\n", "haustier" },
            { "COMPOUNDRULE", "COMPOUNDMIN 1\nCOMPOUNDRULE 1\nCOMPOUNDRULE AB*\n",
                "2\none/A\ntwo/B\n", "onetwotwo" },
            { "COMPOUNDMIN", "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n", "2\nab/X\ncd/X\n", "abcd" },
            { "SIMPLIFIEDTRIPLE", "COMPOUNDFLAG X\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n",
                "2\nschiff/X\nfahrt/X\n", "schiffahrt" },
            { "CHECKCOMPOUNDPATTERN with a replacement",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "2\nfooo/X\nbbar/X\n", "foozbar" },
            { "COMPOUNDSYLLABLE: more words if short",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCOMPOUNDWORDMAX 2\nCOMPOUNDSYLLABLE 6 aeiou\n",
                "3\nab/X\nod/X\nel/X\n", "abodel" },
            { "FORCEUCASE, typed with its capital", "COMPOUNDFLAG X\nFORCEUCASE U\n",
                "2\nfoo/X\nbar/XU\n", "Foobar" },
            { "a capital at the start of a part", "COMPOUNDFLAG X\n", "2\nHaus/X\ntier/X\n",
                "Haustier" },
            { "ICONV: letters typed for a ligature", "SET UTF-8\nICONV 1\nICONV ij \xc4\xb3\n",
                "1\n\xc4\xb3s\n", "ijs" },
            { "IGNORE: a soft hyphen in the word list", "SET UTF-8\nIGNORE \xc2\xad\n",
                "1\nca\xc2\xadt\n", "cat" },
            { "LANG tr_TR: I and dotless i", "SET UTF-8\nLANG tr_TR\n", "1\n\xc4\xb1s\xc4\xb1k\n",
                "ISIK" },
            { "CHECKSHARPS: SS for \xc3\x9f", "SET UTF-8\nCHECKSHARPS\n",
                "1\nStra\xc3\x9f"
                "e\n",
                "STRASSE" },
            { "capitals throughout, with an affix that needs the small letter",
                "SFX B Y 1\nSFX B a eta a\n", "1\nDYA/B\n", "DYETA" },
            { "capitals inside, with an affix that needs the small letter",
                "SFX B Y 1\nSFX B a eta a\n", "1\nDyA/B\n", "DYETA" },
            { "Turkish capitals throughout: I as dotless i",
                "SET UTF-8\nLANG tr_TR\nSFX B Y 1\nSFX B \xc4\xb1 a \xc4\xb1\n", "1\nKAPI/B\n",
                "KAPA" },
        });
    }
    void candidatesHoldWhatTheEnginesAccept()
    {
        QFETCH(CandidateRow, row);
        TempFolder folder;
        const QByteArray aff = row.aff.startsWith("SET") ? row.aff : "SET UTF-8\n" + row.aff;
        folder.write(QStringLiteral("xx.aff"), aff);
        folder.write(QStringLiteral("xx.dic"), row.dic);
        const std::filesystem::path base = folder.path(QStringLiteral("xx")).toStdString();
        const std::string word = row.word.toStdString();
        bool accepted = false;
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, base);
            if (!loaded || loaded->checker()->checkSpelling(word) != true)
                continue;
            accepted = true;
            std::string lower = word;
            std::ranges::transform(
                lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build = buildWordIndex(
                    aff.toStdString(), row.dic.toStdString(), dialectOf(engine), {}, nullptr, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                const auto named = namedBy(*build.forms, word);
                QVERIFY2(std::ranges::find(named, lower) != named.end(),
                    (std::string(engineName(engine))
                        + (kind == IndexKind::Stems ? ", stems" : ", forms"))
                        .c_str());
            }
        }
        QVERIFY2(accepted, "neither engine accepts the row's word");
    }

    // The keys within some letters: each found once, with no key outside them.
    void keysWithin()
    {
        const WordIndex index = WordIndex::fromForms(
            { { "ab", 1 }, { "abc", 1 }, { "abcd", 1 }, { "bb", 1 }, { "c", 2 }, { "ddd", 1 } });
        QStringList found;
        forEachKeyWithin(index, countLetters("dcba"), 1, 2, [&](WordIndex::KeyId key, std::size_t) {
            found.append(QString::fromLatin1(index.formsOf(key)[0]));
            return true;
        });
        QCOMPARE(found, (QStringList { "ab", "abc", "abcd" }));
    }

    // A dictionary made to join into more compounds than any real one: the
    // search stops at its budget and says so, rather than take all the time
    // or memory there is.
    void budget()
    {
        std::string dic = "26\n";
        for (char c = 'a'; c <= 'z'; ++c)
            dic += std::string(1, c) + "/X\n";
        const WordIndexBuild build = buildWordIndex("COMPOUNDFLAG X\nCOMPOUNDMIN 1\n", dic);
        QVERIFY(build.forms);
        const auto index = build.forms->within("abcdefghij").index;
        CompoundBudget budget;
        budget.maxCandidates = 1000;
        const auto candidates = compoundCandidates(*index, "abcdefghij", budget);
        QVERIFY(!candidates.unfinished.empty());
        QVERIFY(candidates.words.empty());
        const auto small = compoundCandidates(*index, "abc", budget);
        QVERIFY(small.unfinished.empty());
        QCOMPARE(small.words.size(), 6u); // every order of three one-letter parts
    }
};

QTEST_GUILESS_MAIN(TestCompounds)
#include "tst_compounds.moc"
