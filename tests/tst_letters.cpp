// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "letters/Alphabet.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "letters/LooseLetters.h"
#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct SplitRow {
    const char *name;
    std::string text;
    std::vector<std::string> letters;
};
struct CaseRow {
    const char *name;
    const char *language;
    std::string (LetterCase::*map)(std::string_view) const;
    std::string text;
    std::string expected;
};
struct LooseRow {
    const char *name;
    const char *language;
    std::string typed;
    std::string spelt;
    bool same;
};
struct CapitalRow {
    const char *name;
    const char *language;
    std::string letter;
    std::string capital;
};
struct AlphabetRow {
    const char *name;
    const char *language;
    std::vector<std::string> words;
    std::vector<std::string> in;
    std::vector<std::string> out;
    const char *script;
};

using LanguageScript = std::pair<QString, QString>; // a dictionary's name, its script

QByteArray shown(const std::vector<std::string> &letters)
{
    QByteArray out;
    for (const std::string &letter : letters)
        out += QByteArray::fromStdString(letter) + '|';
    return out;
}

} // namespace

class TestLetters : public QObject {
    Q_OBJECT

private slots:
    void split_data()
    {
        addRows<SplitRow>({
            { "precomposed é", "été", { "é", "t", "é" } },
            { "combining accent typed separately", "e\u0301te\u0301", { "é", "t", "é" } },
            { "two marks in either order", "a\u0323\u0302", { "\u1EAD" } },
            { "Bengali vowel signs stay with their consonant", "বাংলা", { "বাং", "লা" } },
            { "Devanagari vowel sign", "किताब", { "कि", "ता", "ब" } },
            { "Hebrew final letter", "שלום", { "ש", "ל", "ו", "ם" } },
            { "Greek", "λόγος", { "λ", "ό", "γ", "ο", "ς" } },
            { "a lone mark is a letter of its own", "\u0301a", { "\u0301", "a" } },
            { "empty", "", {} },
        });
    }
    void split()
    {
        QFETCH(SplitRow, row);
        const auto letters = splitLetters(row.text);
        QVERIFY(letters);
        QCOMPARE(shown(*letters), shown(row.letters));
    }

    void notUtf8_data()
    {
        addRows<std::string>("bytes",
            {
                { "a lead byte alone", "ab\xC3" },
                { "a stray continuation byte",
                    "\x80"
                    "a" },
                { "an overlong slash", "\xC0\xAF" },
                { "an encoded surrogate", "\xED\xA0\x80" },
                { "beyond U+10FFFF", "\xF4\x90\x80\x80" },
            });
    }
    void notUtf8()
    {
        QFETCH(std::string, bytes);
        QVERIFY(!isValidUtf8(bytes));
        QVERIFY(!splitLetters(bytes));
        QVERIFY(!normalised(bytes));
    }

    void caseMapping_data()
    {
        addRows<CaseRow>({
            { "Turkish I is small ı", "tr_TR", &LetterCase::lower, "IŞIK", "ışık" },
            { "Turkish i is capital İ", "tr_TR", &LetterCase::upper, "iyi", "İYİ" },
            { "English I is small i", "en_US", &LetterCase::lower, "IN", "in" },
            { "German ß in upper case", "de_DE", &LetterCase::upper, "straße", "STRASSE" },
            { "German capital ẞ", "de_DE", &LetterCase::lower, "STRAẞE", "straße" },
            { "Greek final sigma", "el_GR", &LetterCase::lower, "ΛΟΓΟΣ ΣΟΣ", "λογος σος" },
            { "Greek sigmas fold as one", "el_GR", &LetterCase::folded, "λόγος", "λόγοσ" },
            { "Turkish folding keeps ı", "tr", &LetterCase::folded, "Iİ", "ıi" },
            { "Dutch IJ in a title", "nl", &LetterCase::title, "ijsselmeer", "IJsselmeer" },
        });
    }
    void caseMapping()
    {
        QFETCH(CaseRow, row);
        const LetterCase letterCase(row.language);
        QCOMPARE(QString::fromStdString((letterCase.*row.map)(row.text)),
            QString::fromStdString(row.expected));
    }

    void loose_data()
    {
        addRows<LooseRow>({
            { "French é is e", "fr", "e", "é", true },
            { "French ç is c", "fr_FR", "c", "ç", true },
            { "French capitals", "fr", "E", "é", true },
            { "Spanish ñ must not match n", "es_ES", "n", "ñ", false },
            { "Spanish á is a", "es_ES", "a", "á", true },
            { "Spanish Ñ is ñ", "es_ES", "Ñ", "ñ", true },
            { "German ä is not a", "de_DE", "a", "ä", false },
            { "German é is e", "de_DE", "e", "é", true },
            { "German ẞ is ß", "de_DE", "ẞ", "ß", true },
            { "Swedish å is not a", "sv_SE", "a", "å", false },
            { "Polish ą is not a", "pl_PL", "a", "ą", false },
            { "Czech č is not c", "cs_CZ", "c", "č", false },
            { "Czech á is not a", "cs_CZ", "a", "á", false },
            { "Portuguese ç is not c", "pt_BR", "c", "ç", false },
            { "Portuguese ã is a", "pt_BR", "a", "ã", true },
            { "Turkish dotless I", "tr_TR", "I", "ı", true },
            { "Turkish I is not i", "tr_TR", "I", "i", false },
            { "Turkish dotted İ", "tr_TR", "İ", "i", true },
            { "English I is i", "en_US", "I", "i", true },
            { "Dutch dotless ı is i", "nl_NL", "i", "ı", true },
            { "Danish dotless ı is i", "da_DK", "I", "ı", true },
            { "Danish å is not a", "da_DK", "a", "å", false },
            { "Greek final sigma", "el_GR", "σ", "ς", true },
            { "Greek capital sigma", "el_GR", "Σ", "ς", true },
            { "Greek accent", "el_GR", "ο", "ό", true },
            { "Russian ё is е", "ru_RU", "е", "ё", true },
            { "Russian й is not и", "ru_RU", "и", "й", false },
            { "Hebrew final mem is mem", "he_IL", "מ", "ם", true },
            { "Hebrew final mem is not final nun", "he_IL", "ן", "ם", false },
            { "Estonian õ by collation is not o", "et_EE", "o", "õ", false },
            { "Estonian é by collation is e", "et_EE", "e", "é", true },
            { "Bengali vowel sign counts", "bn_BD", "ক", "কি", false },
        });
    }
    void loose()
    {
        QFETCH(LooseRow, row);
        const LooseLetters loose(row.language);
        QCOMPARE(loose.key(row.typed) == loose.key(row.spelt), row.same);
    }

    // A tile is one letter in either case: the capital a letter stands for
    // when matched loosely is one letter.
    void looseCapital_data()
    {
        addRows<CapitalRow>({
            { "German ß has ẞ, not SS", "de_DE", "ß", "ẞ" },
            { "German ä", "de_DE", "ä", "Ä" },
            { "Turkish i is İ", "tr_TR", "i", "İ" },
            { "Greek final sigma", "el_GR", "ς", "Σ" },
            { "Greek ά keeps its accent", "el_GR", "ά", "Ά" },
            { "no capital of one letter", "af_ZA", "ŉ", "ŉ" },
        });
    }
    void looseCapital()
    {
        QFETCH(CapitalRow, row);
        const LooseLetters loose(row.language);
        QCOMPARE(
            QString::fromStdString(loose.capital(row.letter)), QString::fromStdString(row.capital));
    }

    void alphabet_data()
    {
        addRows<AlphabetRow>({
            { "Czech", "cs_CZ", { "Příliš", "žluťoučký", "kůň" }, { "ř", "p", "ů", "ň", "š" },
                { "P", "r", "w" }, "Latin" },
            { "Turkish dotless I in plain letters", "tr_TR", { "KIZ", "İyi" }, { "ı", "i", "z" },
                { "I", "İ" }, "Latin" },
            { "Turkish dotless I beside other letters", "tr_TR", { "IŞIK" }, { "ı", "ş" },
                { "i", "I" }, "Latin" },
            { "Greek keeps final sigma apart", "el_GR", { "Λόγος" }, { "λ", "ό", "ς" },
                { "σ", "Λ" }, "Greek" },
            { "Russian", "ru", { "Ёж" }, { "ё", "ж" }, { "е", "Ё" }, "Cyrillic" },
            { "a Bengali cluster kept whole", "bn", { "বাংলা" }, { "বাং", "লা" }, { "ব", "ং" },
                "Bengali" },
            { "a vowel sign with no consonant is no letter", "bn", { "\u09BFক" }, { "ক" },
                { "\u09BF" }, "Bengali" },
            { "apostrophes and hyphens are no letters", "en", { "o'clock", "x-ray" }, { "o", "y" },
                { "'", "-" }, "Latin" },
            { "a letter outside the alphabet", "el_GR", { "αβγ" }, { "α" }, { "ж", "a" }, "Greek" },
        });
    }
    void alphabet()
    {
        QFETCH(AlphabetRow, row);
        AlphabetBuilder builder(row.language);
        for (const std::string &word : row.words)
            QVERIFY(builder.addWord(word));
        const auto alphabet = builder.build();
        QVERIFY(alphabet);
        for (const std::string &letter : row.in) {
            const auto id = alphabet->id(letter);
            QVERIFY2(id, letter.c_str());
            QCOMPARE(alphabet->letter(*id), letter);
        }
        for (const std::string &letter : row.out)
            QVERIFY2(!alphabet->id(letter), letter.c_str());
        QCOMPARE(alphabet->script(), std::string(row.script));
        // Through the cache and back, the same letters under the same numbers.
        QCOMPARE(Alphabet::fromSerialised(alphabet->serialised()), alphabet);
    }

    void scriptOfLanguage_data()
    {
        addRows<LanguageScript>("names",
            {
                { "Greek", { "el_GR", "Greek" } },
                { "Russian", { "ru_RU", "Cyrillic" } },
                { "Serbian in its likely script", { "sr", "Cyrillic" } },
                { "Serbian in Latin letters", { "sr_Latn_RS", "Latin" } },
                { "German with a variant", { "de_DE_frami", "Latin" } },
                { "Hebrew", { "he_IL", "Hebrew" } },
                { "Bengali", { "bn_BD", "Bengali" } },
                { "no language", { "qq_QQ", "" } },
            });
    }
    void scriptOfLanguage()
    {
        QFETCH(LanguageScript, names);
        QCOMPARE(
            QString::fromStdString(::scriptOfLanguage(names.first.toStdString())), names.second);
    }

    void refusedLetterIsNamed()
    {
        QCOMPARE(describeLetter("ж"), std::string("ж (U+0436 CYRILLIC SMALL LETTER ZHE)"));
        QCOMPARE(describeLetter("e\u0301"),
            std::string("e\u0301 (U+0065 LATIN SMALL LETTER E + U+0301 COMBINING ACUTE ACCENT)"));
    }

    // What the checker ignores goes to the cache with the letters, and
    // makes another alphabet.
    void ignoredCharactersKept()
    {
        auto alphabet = Alphabet::of({ "а", "і" });
        const auto plain = alphabet;
        alphabet->setIgnored("\u0301\u0640");
        QVERIFY(alphabet != plain);
        QCOMPARE(Alphabet::fromSerialised(alphabet->serialised()), alphabet);
        QCOMPARE(Alphabet::fromSerialised(plain->serialised()), plain);
    }

    // Letters the dictionary converts go to the cache too, with or without
    // ignored characters before them, and make another alphabet.
    void convertedLettersKept()
    {
        for (const char *ignored : { "", "\u0640" }) {
            auto alphabet = Alphabet::of({ "\u0644", "\u0627", "\uFEFB", "\u0133" });
            alphabet->setIgnored(ignored);
            const auto plain = alphabet;
            alphabet->setConverted({ "\uFEFB" });
            QVERIFY(alphabet != plain);
            QVERIFY(alphabet->isConverted("\uFEFB"));
            QVERIFY(!alphabet->isConverted("\u0133"));
            const auto read = Alphabet::fromSerialised(alphabet->serialised());
            QCOMPARE(read, alphabet);
            QVERIFY(read->isConverted("\uFEFB"));
        }
    }

    void serialisedBytesAreChecked_data()
    {
        const std::string good = Alphabet::of({ "a", "b" })->serialised();
        auto ignoring = Alphabet::of({ "a", "b" });
        ignoring->setIgnored("\u0301");
        const std::string withIgnored = ignoring->serialised();
        addRows<std::string>("bytes",
            {
                { "ignored characters cut short", withIgnored.substr(0, withIgnored.size() - 1) },
                { "ignored characters not UTF-8", good + std::string("\x01\0\xC3", 3) },
                { "no ignored characters after their count", good + std::string("\0\0", 2) },
                { "a converted letter not of the alphabet",
                    good + std::string("\0\0\x02\0c\n", 6) },
                { "a converted letter without its end", good + std::string("\0\0\x01\0a", 5) },
                { "converted letters, and more", good + std::string("\0\0\x02\0a\nx", 7) },
                { "a converted letter twice", good + std::string("\0\0\x04\0a\na\n", 8) },
                { "cut short", good.substr(0, good.size() - 1) },
                { "a byte too many", good + "x" },
                { "too many letters", std::string("\xFF\xFF\xFF\x7F", 4) },
                { "out of order",
                    std::string("\x02\0\0\0\x01"
                                "b\x01"
                                "a",
                        9) },
                { "twice",
                    std::string("\x02\0\0\0\x01"
                                "a\x01"
                                "a",
                        9) },
                { "empty letter", std::string("\x01\0\0\0\x00", 5) },
                { "not UTF-8", std::string("\x01\0\0\0\x01\xC3", 6) },
                { "nothing", "" },
            });
    }
    void serialisedBytesAreChecked()
    {
        QFETCH(std::string, bytes);
        QVERIFY(!Alphabet::fromSerialised(bytes));
    }
};

QTEST_APPLESS_MAIN(TestLetters)
#include "tst_letters.moc"
