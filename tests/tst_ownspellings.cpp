// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dictionary's own spellings that each form of the word index keeps, and
// the refusal of an image whose kept spellings are damaged.
#include "wordforms/KeyLetters.h"
#include "wordindex/IndexBuilder.h"
#include "wordindex/IndexLayout.h"

#include "tests/support/Rows.h"

#include <QTest>

namespace {

constexpr std::array kBothKinds { IndexKind::Forms, IndexKind::Stems };

struct OwnRow {
    const char *name;
    QString letters; // the form's letters as typed
    QStringList spellings; // its own spellings, in any order
    // Those of the forms an index of stems makes for a search, where they
    // differ: it keeps the own spellings of every form it makes.
    std::optional<QStringList> ofStems = std::nullopt;
};

// How an image's own spellings are damaged.
enum class OwnDamage {
    CutShort,
    NotUtf8,
    EmptySpelling,
    FormsOutOfOrder,
    FormPastLast,
    Conversions
};

struct DamageRow {
    const char *name;
    OwnDamage damage;
};

// Forms whose letters fold: two spellings of "cote", a capital with a mark,
// a mark written apart, ß, a Greek word, a Polish word with marked letters
// beside ł, and a letter the checker converts (ICONV).
constexpr char kOwnAff[]
    = "SET UTF-8\nICONV 2\nICONV \u017F s\nICONV \u2019 '\nSFX S Y 1\nSFX S 0 s .\n";
constexpr char kOwnDic[]
    = "8\nc\u00F4te/S\ncot\u00E9\ncote\n\u00C9cole\nbe\u0301be\u0301\nStra\u00DFe\n"
      "\u03BB\u03CC\u03B3\u03BF\u03C2\n\u017C\u00F3\u0142w\n";

} // namespace

class TestOwnSpellings : public QObject {
    Q_OBJECT

private slots:
    // Each form keeps the dictionary's own spellings of it (NFC, in its
    // case), in both kinds of index: an index of stems makes them with the forms.
    void ownSpellings_data()
    {
        addRows<OwnRow>({
            { "two spellings and the plain one under one key", "cote",
                { "cote", "c\u00F4te", "cot\u00E9" } },
            { "a suffix on a stem with a mark", "cotes", { "c\u00F4tes" } },
            { "a capital with a mark", "ecole", { "\u00C9cole" } },
            { "a mark written apart, kept composed", "bebe", { "b\u00E9b\u00E9" } },
            { "a letter the index keeps as two", "strasse", { "Stra\u00DFe" } },
            // Greek letters share key bytes: the searches spread them over a
            // kept index, which keeps none.
            { "letters filed beyond a to z", "\u03BB\u03BF\u03B3\u03BF\u03C3", {},
                QStringList { "\u03BB\u03CC\u03B3\u03BF\u03C2" } },
            // One such letter is enough, though the others are filed under a to z.
            { "one letter filed beyond a to z", "zo\u0142w", {},
                QStringList { "\u017C\u00F3\u0142w" } },
        });
    }
    void ownSpellings()
    {
        QFETCH(OwnRow, row);
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build
                = buildWordIndex(kOwnAff, kOwnDic, Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms, build.refusal.c_str());
            // One code point a letter in these rows.
            std::vector<std::string> letters;
            for (const QChar letter : row.letters)
                letters.push_back(QString(letter).toStdString());
            const auto keys = keyLettersOf(letters.data(), letters.size());
            QVERIFY(keys);
            const FormsWithin within = build.forms->within(*keys);
            QVERIFY(within.index);
            const auto forms = within.index->formsFor(WordIndex::keyOf(*keys));
            QSet<QString> spellings;
            std::vector<std::string> out;
            QVERIFY(forms.size() > 0);
            const QStringList &want
                = kind == IndexKind::Stems && row.ofStems ? *row.ofStems : row.spellings;
            for (std::size_t i = 0; i < forms.size(); ++i) {
                QCOMPARE(within.index->spellingsOf(forms, i, out), !want.isEmpty());
                for (const std::string &spelling : out)
                    spellings.insert(QString::fromStdString(spelling));
            }
            QCOMPARE(spellings, QSet<QString>(want.begin(), want.end()));
            // The conversion of one letter into one goes with the index.
            QCOMPARE(within.index->conversions(),
                (std::vector<std::pair<std::string, std::string>> { { "\u017F", "s" } }));
        }
    }

    // An image whose own spellings are damaged is refused.
    void damagedOwnSpellings_data()
    {
        addRows<DamageRow>({
            { "cut short", OwnDamage::CutShort },
            { "a byte that is no UTF-8", OwnDamage::NotUtf8 },
            { "an empty spelling", OwnDamage::EmptySpelling },
            { "forms out of order", OwnDamage::FormsOutOfOrder },
            { "a form past the last", OwnDamage::FormPastLast },
            { "a conversion without its letter", OwnDamage::Conversions },
        });
    }
    void damagedOwnSpellings()
    {
        QFETCH(DamageRow, row);
        const WordIndexBuild build
            = buildWordIndex(kOwnAff, kOwnDic, Dialect::Nuspell, {}, nullptr, IndexKind::Forms);
        QVERIFY(build.forms);
        std::vector<std::uint64_t> image = build.forms->image();
        QVERIFY(WordIndex::fromImage(image));
        const auto sections = IndexLayout::Sections::of(image);
        QVERIFY(sections && sections->counts.ownForms >= 2);
        auto *text = reinterpret_cast<char *>(image.data() + sections->ownText);
        const std::size_t own = sections->own;
        switch (row.damage) {
        case OwnDamage::CutShort:
            --image[9];
            break;
        case OwnDamage::NotUtf8:
            text[0] = '\xFF';
            break;
        case OwnDamage::EmptySpelling:
            text[0] = '\0';
            break;
        case OwnDamage::FormsOutOfOrder:
            std::swap(image[own], image[own + 1]);
            break;
        case OwnDamage::FormPastLast:
            image[own + sections->counts.ownForms - 1] = (std::uint64_t(build.forms->size()) << 32)
                | (image[own + sections->counts.ownForms - 1] & 0xFFFF'FFFFu);
            break;
        case OwnDamage::Conversions:
            reinterpret_cast<char *>(
                image.data() + sections->conversions)[sections->counts.conversionBytes - 1]
                = 's';
            break;
        }
        QVERIFY(!WordIndex::fromImage(image));
    }
};

QTEST_GUILESS_MAIN(TestOwnSpellings)
#include "tst_ownspellings.moc"
