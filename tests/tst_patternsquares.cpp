// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidates/CompoundSearch.h"
#include "candidates/PatternSquares.h"
#include "tests/support/Rows.h"
#include "wordforms/FormRole.h"

#include <QTest>

namespace {

using namespace FormRole;

// A crossword's squares written as a pattern: "?" any key letter a to z,
// a letter itself.
std::vector<std::uint64_t> squaresOf(std::string_view pattern)
{
    std::vector<std::uint64_t> squares;
    for (const char c : pattern)
        squares.push_back(c == '?' ? (std::uint64_t(1) << 26) - 1 : std::uint64_t(1) << (c - 'a'));
    return squares;
}

LetterPool poolOf(std::string_view letters)
{
    return { countLetters(letters), 0 };
}

// The forms of the parts, in their order.
QStringList formsOf(const std::vector<compoundsearch::Part> &parts)
{
    QStringList forms;
    for (const auto &part : parts) {
        for (const auto &form : part.forms)
            forms.append(QString::fromStdString(form.text));
    }
    return forms;
}

struct OnRow {
    const char *name;
    const char *squares;
    const char *prefix;
    std::size_t credit;
    QStringList kept;
};

struct BoundRow {
    const char *name;
    const char *squares;
    const char *pool;
    std::size_t blanks;
    bool bound;
};

struct StateRow {
    const char *name;
    const char *prefix;
    const char *required;
    bool known; // false: the prefix has a byte that is no key letter
    std::size_t square;
    const char *lacking;
};

struct SearchRow {
    const char *name;
    const char *squares;
    const char *pool; // nothing: the squares' own
    const char *required;
    QStringList compounds;
};

// Begin parts and end parts: "ab" and "yz" begin, "cd" ends; "abcd" and
// "yzcd" are four letters, "ab" and "cd" also end and begin.
const std::vector<std::pair<std::string, std::uint8_t>> kParts { { "ab", Begin | End },
    { "yz", Begin }, { "cd", Begin | End }, { "ef", End } };

} // namespace

class TestPatternSquares : public QObject {
    Q_OBJECT

private slots:
    // The forms a part may be where it begins: its letters on squares that
    // may be them, within the squares left.
    void on_data()
    {
        addRows<OnRow>({
            { "from the first square", "?b??", "", 0, { "abc", "ab", "b-c" } },
            { "a fixed letter leaves forms out", "a???", "", 0, { "abc", "ab" } },
            { "from further on", "??c?", "xy", 0, { "cd" } },
            { "a credit begins on the prefix's last squares", "??cd", "xyc", 1, { "cd" } },
            // Where a form's hyphen stands is not known: it may still fit.
            { "no room past the last square", "????", "xyz", 0, { "b-c" } },
            { "a byte no key letter in the prefix leaves every part", "????", "x-", 0,
                { "abc", "cab", "ab", "ba", "cde", "cd", "b-c" } },
        });
    }
    void on()
    {
        QFETCH(OnRow, row);
        const std::vector<compoundsearch::Part> parts {
            { countLetters("abc"), { { "abc" }, { "cab" } } },
            { countLetters("ab"), { { "ab" }, { "ba" } } },
            { countLetters("cde"), { { "cde" } } },
            { countLetters("cd"), { { "cd" } } },
            { countLetters("bc"), { { "b-c" } } },
        };
        SquareParts squares(squaresOf(row.squares));
        QCOMPARE(formsOf(squares.on(parts, row.prefix, row.credit)), row.kept);
        // Asked again, the list kept.
        QCOMPARE(
            &squares.on(parts, row.prefix, row.credit), &squares.on(parts, row.prefix, row.credit));
    }

    void bound_data()
    {
        addRows<BoundRow>({
            { "the squares' own letters", "aab", "aab", 0, true },
            { "more letters than squares", "ab", "aabbc", 0, true },
            { "fewer of a letter than squares may be it", "aab", "ab", 0, false },
            { "blanks", "ab", "ab", 1, false },
            { "no squares", "", "ab", 0, false },
        });
    }
    void bound()
    {
        QFETCH(BoundRow, row);
        QCOMPARE(squaresBound(squaresOf(row.squares), { countLetters(row.pool), row.blanks }),
            row.bound);
    }

    void state_data()
    {
        addRows<StateRow>({
            { "the place after the prefix", "abc", "", true, 3, "" },
            { "the letters still lacking", "abc", "aaz", true, 3, "az" },
            { "a hyphen", "ab-", "", false, 0, "" },
        });
    }
    void state()
    {
        QFETCH(StateRow, row);
        const auto state = squaresState(row.prefix, countLetters(row.required));
        QCOMPARE(state.has_value(), row.known);
        if (!state)
            return;
        QCOMPARE(state->first, row.square);
        QCOMPARE(state->second, countLetters(row.lacking));
    }

    // The compounds of a crossword, where prefixes that got as far share
    // their state: each row one that a state shared wrongly would lose or
    // make.
    void search_data()
    {
        addRows<SearchRow>({
            { "every compound of the squares", "????", nullptr, "",
                { "abab", "abcd", "yzab", "yzcd", "cdab", "cdcd", "abef", "yzef", "cdef" } },
            { "a fixed letter", "??c?", nullptr, "", { "abcd", "yzcd", "cdcd" } },
            // "ab" first finds no compound with z; "yz" after it still does.
            { "a letter required", "????", nullptr, "z", { "yzab", "yzcd", "yzef" } },
            // The pool bounds the letters: "ab" may not follow "ab".
            { "letters fewer than the squares", "????", "abcdf", "", { "abcd", "cdab" } },
        });
    }
    void search()
    {
        QFETCH(SearchRow, row);
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 2;
        const WordIndex index = WordIndex::fromForms(kParts, settings);
        CompoundQuery query;
        query.squares = squaresOf(row.squares);
        // The squares' own pool: each letter as often as there are squares.
        query.pool = poolOf(row.pool ? std::string(row.pool) : std::string());
        for (std::size_t x = 0; x < 26 && !row.pool; ++x)
            query.pool.counts[x] = 4;
        query.required = countLetters(row.required);
        QStringList found;
        const auto end = searchCompounds(index, query, {},
            [&found](const std::string &word) { found.append(QString::fromStdString(word)); });
        QVERIFY(end.unfinished.empty());
        found.sort();
        QStringList wanted = row.compounds;
        wanted.sort();
        QCOMPARE(found, wanted);
    }
};

QTEST_GUILESS_MAIN(TestPatternSquares)
#include "tst_patternsquares.moc"
