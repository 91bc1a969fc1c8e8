// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "search/CheckerQuestions.h"
#include "spelling/LoadedDictionary.h"
#include "wordgames/GameRun.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/KeyWalk.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <algorithm>
#include <optional>
#include <set>

namespace {

// A way the engines join words (or add affixes), and what the search for
// candidates must find through it.
struct CompoundRow {
    const char *name;
    QByteArray aff;
    QByteArray dic;
    // Typed as a user would, accepted by an engine: the index must name it
    // from exactly its letters, and the games must find it in the first pool.
    QString word;
    // Letters and blanks, few enough to try every string of them: the games
    // find exactly the words that trying them finds.
    QStringList pools;
};

// A walk over the keys of a small index.
struct KeyRow {
    const char *name;
    const char *pool;
    std::uint8_t roles;
    std::size_t minLength;
    std::size_t maxLength;
    const char *required;
    QStringList keys;
};

// Letters most of which many parts could begin to use up, and the
// compounds of them, found within fewer steps than trying each split.
struct CutRow {
    const char *name;
    const char *aff;
    std::string dic;
    const char *letters;
    std::size_t maxSteps;
    QStringList words;
};

// Tiles as typed, and how many there are; none when they are refused.
struct PoolRow {
    const char *name;
    std::string typed;
    std::optional<std::size_t> tiles;
};

using WordSet = std::set<std::string>;

std::string lower(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string upper(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

QStringList listOf(const WordSet &words)
{
    QStringList list;
    for (const std::string &word : words)
        list.append(QString::fromStdString(word));
    return list;
}

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
        named.push_back(lower(std::string(forms[i])));
    const auto compounds = compoundCandidates(index, letters);
    named.insert(named.end(), compounds.words.begin(), compounds.words.end());
    return named;
}

// The words of some of the pool's letters by their definition: every
// string of them, of two letters on, each blank any letter, asked in lower
// case, capitalised and in capitals.
class Reference {
public:
    explicit Reference(SpellChecker &checker)
        : m_checker(checker)
    {
    }

    WordSet words(LetterPool pool)
    {
        std::string prefix;
        extend(pool, prefix);
        return m_found;
    }

private:
    void extend(LetterPool &pool, std::string &prefix)
    {
        for (char c = 'a'; c <= 'z'; ++c) {
            auto &count = pool.counts[static_cast<std::size_t>(c - 'a')];
            const bool blank = count == 0; // a letter there goes before a blank
            if (blank && pool.blanks == 0)
                continue;
            blank ? --pool.blanks : --count;
            prefix.push_back(c);
            if (prefix.size() >= 2
                && (testword(m_checker, prefix)
                    || testword(m_checker, upper(prefix.substr(0, 1)) + prefix.substr(1))
                    || testword(m_checker, upper(prefix))))
                m_found.insert(prefix);
            extend(pool, prefix);
            prefix.pop_back();
            blank ? ++pool.blanks : ++count;
        }
    }

    SpellChecker &m_checker;
    WordSet m_found;
};

constexpr char kFlag[] = "COMPOUNDFLAG X\nCOMPOUNDMIN 2\n";
constexpr char kTriple[] = "COMPOUNDFLAG X\nCOMPOUNDMIN 2\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n";

} // namespace

class TestCompounds : public QObject {
    Q_OBJECT

private slots:
    // Each row a word that Nuspell or Hunspell accepts through one of the
    // ways they join or convert words, read the way the engine that accepts
    // it reads the files, into either kind of index: every form kept, or
    // the stems whose forms within the letters (and blanks) are made when
    // asked.
    void candidates_data()
    {
        addRows<CompoundRow>({
            { "COMPOUNDFLAG, COMPOUNDMIN", kFlag, "3\nab/X\ncd/X\nef\n", "abcd",
                { "abcd", "cdab?", "abab" } },
            { "a compound of three", kFlag, "2\nab/X\ncd/X\n", "cdabcd", {} },
            { "COMPOUNDBEGIN, COMPOUNDMIDDLE, COMPOUNDEND",
                "COMPOUNDBEGIN B\nCOMPOUNDMIDDLE M\nCOMPOUNDEND E\nCOMPOUNDMIN 1\n",
                "3\nab/B\nc/M\nde/E\n", "abcde", { "abcde", "abde?" } },
            { "ONLYINCOMPOUND", "COMPOUNDFLAG X\nONLYINCOMPOUND O\nCOMPOUNDMIN 2\n",
                "2\nab/X\ncd/OX\n", "cdab", { "abcd?" } },
            { "ONLYINCOMPOUND in the middle", "COMPOUNDFLAG X\nONLYINCOMPOUND O\n",
                "3\nfoo/X\nbar/X\nens/OX\n", "fooensbar", {} },
            { "a prefix at the start", "COMPOUNDFLAG X\nPFX U Y 1\nPFX U 0 un .\n",
                "2\nfoo/XU\nbar/X\n", "unfoobar", {} },
            { "a suffix at the end", "COMPOUNDFLAG X\nSFX S Y 1\nSFX S 0 s .\n",
                "2\nfoo/X\nbar/XS\n", "foobars", {} },
            { "COMPOUNDPERMITFLAG: a suffix at the start",
                "COMPOUNDFLAG X\nCOMPOUNDPERMITFLAG P\nSFX S Y 1\nSFX S 0 s/P .\n",
                "2\nfoo/XS\nbar/X\n", "foosbar", {} },
            { "compound flags from an affix that adds nothing",
                "COMPOUNDBEGIN B\nCOMPOUNDEND E\nCOMPOUNDPERMITFLAG P\nSFX J Y 1\nSFX J 0 0/BP .\n",
                "2\nhaus/J\ntier/E\n", "haustier", {} },
            { "COMPOUNDRULE", "COMPOUNDMIN 1\nCOMPOUNDRULE 1\nCOMPOUNDRULE AB*\n", "2\nab/A\nc/B\n",
                "abcc", { "abcc?" } },
            { "SIMPLIFIEDTRIPLE", kTriple, "2\nabb/X\nbcd/X\n", "abbcd", { "abbcd", "abcd?" } },
            { "SIMPLIFIEDTRIPLE after a part of two letters (Nuspell)",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCHECKCOMPOUNDTRIPLE\nSIMPLIFIEDTRIPLE\n",
                "2\naa/X\nab/X\n", "aab", { "aab", "a?b" } },
            { "CHECKCOMPOUNDPATTERN with a replacement",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "2\nfooo/X\nbbar/X\n", "foozbar", { "foozbar" } },
            { "CHECKCOMPOUNDPATTERN with a replacement after the first part",
                "COMPOUNDFLAG X\nCHECKCOMPOUNDPATTERN 1\nCHECKCOMPOUNDPATTERN o b z\n",
                "3\nqux/X\nfooo/X\nbbar/X\n", "quxfoozbar", {} },
            { "COMPOUNDSYLLABLE: more words if short",
                "COMPOUNDFLAG X\nCOMPOUNDMIN 1\nCOMPOUNDWORDMAX 2\nCOMPOUNDSYLLABLE 6 aeiou\n",
                "3\nab/X\nod/X\nel/X\n", "abodel", {} },
            { "FORCEUCASE, typed with its capital", "COMPOUNDFLAG X\nFORCEUCASE U\n",
                "2\nfoo/X\nbar/XU\n", "Foobar", {} },
            { "a capital at the start of a part", kFlag, "2\nAb/X\ncd/X\n", "Abcd",
                { "abcd", "abc?" } },
            { "a suffix, and a blank for it", "SFX S Y 1\nSFX S 0 s .\n", "1\ncat/S\n", "cats",
                { "cats", "cat?" } },
            { "ICONV: letters typed for a ligature", "SET UTF-8\nICONV 1\nICONV ij \xc4\xb3\n",
                "1\n\xc4\xb3s\n", "ijs", {} },
            { "IGNORE: a soft hyphen in the word list", "SET UTF-8\nIGNORE \xc2\xad\n",
                "1\nca\xc2\xadt\n", "cat", {} },
            { "LANG tr_TR: I and dotless i", "SET UTF-8\nLANG tr_TR\n", "1\n\xc4\xb1s\xc4\xb1k\n",
                "ISIK", {} },
            { "CHECKSHARPS: SS for \xc3\x9f", "SET UTF-8\nCHECKSHARPS\n",
                "1\nStra\xc3\x9f"
                "e\n",
                "STRASSE", {} },
            { "capitals throughout, with an affix that needs the small letter",
                "SFX B Y 1\nSFX B a eta a\n", "1\nDYA/B\n", "DYETA", {} },
            { "capitals inside, with an affix that needs the small letter",
                "SFX B Y 1\nSFX B a eta a\n", "1\nDyA/B\n", "DYETA", {} },
            { "Turkish capitals throughout: I as dotless i",
                "SET UTF-8\nLANG tr_TR\nSFX B Y 1\nSFX B \xc4\xb1 a \xc4\xb1\n", "1\nKAPI/B\n",
                "KAPA", {} },
        });
    }
    void candidates()
    {
        QFETCH(CompoundRow, row);
        TempFolder folder;
        const QByteArray aff = row.aff.startsWith("SET") ? row.aff : "SET UTF-8\n" + row.aff;
        folder.write(QStringLiteral("xx.aff"), aff);
        folder.write(QStringLiteral("xx.dic"), row.dic);
        const std::filesystem::path base = folder.path(QStringLiteral("xx")).toStdString();
        const std::string word = row.word.toStdString();
        bool accepted = false;
        for (const Engine engine : { Engine::Nuspell, Engine::Hunspell }) {
            const auto loaded = LoadedDictionary::load(engine, base);
            if (!loaded)
                continue;
            const auto checker = loaded->checker();
            const bool accepts = checker->checkSpelling(word) == true;
            accepted = accepted || accepts;
            for (const IndexKind kind : { IndexKind::Forms, IndexKind::Stems }) {
                const WordIndexBuild build = buildWordIndex(
                    aff.toStdString(), row.dic.toStdString(), dialectOf(engine), {}, nullptr, kind);
                QVERIFY2(build.forms, build.refusal.c_str());
                const std::string where = std::string(engineName(engine))
                    + (kind == IndexKind::Stems ? ", stems" : ", forms");
                if (accepts) {
                    const auto named = namedBy(*build.forms, word);
                    QVERIFY2(std::ranges::find(named, lower(word)) != named.end(), where.c_str());
                }
                checkPools(row, *checker, *build.forms, accepts, where);
            }
        }
        QVERIFY2(accepted, "neither engine accepts the row's word");
    }

    // The keys within a pool that the filter lets through: each found
    // once, in the order of the tree, with no other.
    void keysWithin_data()
    {
        addRows<KeyRow>({
            { "letters", "dcba", 1, 2, 255, "", { "ab", "abc", "abcd" } },
            { "a blank for a missing letter", "ab?", 1, 1, 255, "", { "ab", "abc", "bb" } },
            { "a letter every key holds", "abcd?", 1, 1, 255, "c", { "abc", "abcd" } },
            { "the longest key", "abcd", 1, 1, 2, "", { "ab" } },
            { "roles", "dcba", 2, 1, 255, "", { "c" } },
        });
    }
    void keysWithin()
    {
        QFETCH(KeyRow, row);
        const WordIndex index = WordIndex::fromForms(
            { { "ab", 1 }, { "abc", 1 }, { "abcd", 1 }, { "bb", 1 }, { "c", 2 }, { "ddd", 1 } });
        const KeyFilter filter { std::get<LetterPool>(parsePool(row.pool)), row.roles,
            row.minLength, row.maxLength, countLetters(row.required) };
        QStringList found;
        bool lengthsRight = true;
        forEachKeyWithin(index, filter, [&](WordIndex::KeyId key, std::size_t length) {
            const std::string_view form = index.formsOf(key)[0];
            found.append(QString::fromLatin1(form));
            lengthsRight = lengthsRight && length == form.size();
            return true;
        });
        QCOMPARE(found, row.keys);
        QVERIFY(lengthsRight);
    }

    // The tiles typed: letters in either case and blanks, spaces between
    // them, up to the most a game has; anything else is refused.
    void pools_data()
    {
        addRows<PoolRow>({
            { "letters and blanks", "Ab ?a", 4 },
            { "the most tiles", std::string(63, 'a') + "?", 64 },
            { "spaces are no tiles", " " + std::string(64, 'z') + " ", 64 },
            { "a tile too many", std::string(64, 'a') + "?", std::nullopt },
            { "a digit", "ab1", std::nullopt },
            { "nothing", " ", std::nullopt },
        });
    }
    void pools()
    {
        QFETCH(PoolRow, row);
        const auto parsed = parsePool(row.typed);
        const auto *pool = std::get_if<LetterPool>(&parsed);
        QCOMPARE(pool ? std::optional(pool->size()) : std::nullopt, row.tiles);
        if (!pool)
            QVERIFY(!std::get<std::string>(parsed).empty());
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

    // A split whose letters left no parts can use up is left at once: the
    // search does not try every order of the parts before it finds that out.
    void cut_data()
    {
        std::string single = "15\n";
        for (char c = 'a'; c <= 'o'; ++c)
            single += std::string(1, c) + "/X\n";
        addRows<CutRow>({
            { "a letter no part holds", "COMPOUNDFLAG X\nCOMPOUNDMIN 1\n", single,
                "abcdefghijklmnoz", 2000, {} },
            { "a letter only a part of two holds", "COMPOUNDFLAG X\nCOMPOUNDMIN 1\n",
                "16\nyz/X\n" + single.substr(3), "abcdefghijklmnoz", 2000, {} },
        });
    }
    void cut()
    {
        QFETCH(CutRow, row);
        const WordIndexBuild build = buildWordIndex(row.aff, row.dic);
        QVERIFY(build.forms);
        const auto index = build.forms->within(row.letters).index;
        CompoundBudget budget;
        budget.maxSteps = row.maxSteps;
        const auto candidates = compoundCandidates(*index, row.letters, budget);
        QCOMPARE(QString::fromStdString(candidates.unfinished), QString());
        WordSet words(candidates.words.begin(), candidates.words.end());
        QCOMPARE(listOf(words), row.words);
    }

private:
    // The games, which search the same index for words of some of the
    // letters, find each word that trying every string finds, and no other.
    static void checkPools(const CompoundRow &row, SpellChecker &checker, const FormSource &forms,
        bool accepts, const std::string &where)
    {
        for (const QString &typed : row.pools) {
            GameQuery query;
            query.pool = std::get<LetterPool>(parsePool(typed.toStdString()));
            const FormsWithin within = forms.within(query.pool.reach());
            QVERIFY2(within.index, within.unfinished.c_str());
            const GameOutcome outcome = playGame(query, *within.index, checker);
            QVERIFY(outcome.unfinished.empty());
            WordSet found;
            for (const GameResult &result : outcome.results) {
                const std::string &word = result.words.front();
                QVERIFY2(testword(checker, word), word.c_str());
                found.insert(lower(word));
            }
            QCOMPARE(listOf(found), listOf(Reference(checker).words(query.pool)));
            if (accepts && typed == row.pools.first())
                QVERIFY2(found.contains(lower(row.word.toStdString())), where.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestCompounds)
#include "tst_compounds.moc"
