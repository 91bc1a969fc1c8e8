// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A word in capitals that has more letters than in small ones (ß as SS)
// fills more squares; one whose capitals are only written in more or fewer
// bytes (Turkish İ and I) fills as many.
#include "letters/LetterCase.h"
#include "wordgames/FormSpellings.h"

#include "tests/support/Rows.h"

#include <QTest>
#include <optional>
#include <string>

namespace {

struct CapitalsRow {
    const char *name;
    const char *language; // whose case mapping makes the capitals
    std::string spelling;
    std::optional<std::string> longer; // the capitals, where they have more letters
};

} // namespace

class TestLongerCapitals : public QObject {
    Q_OBJECT

private slots:
    void longerInCapitals_data()
    {
        addRows<CapitalsRow>({
            { "German ß is SS", "de_DE", "maß", "MASS" },
            { "German ß inside a word", "de_DE", "straße", "STRASSE" },
            { "German without ß", "de_DE", "bär", std::nullopt },
            { "A to Z only", "en_US", "cat", std::nullopt },
            // İ takes more bytes than i, and I fewer than ı: the same letters.
            { "Turkish i is İ", "tr_TR", "iyi", std::nullopt },
            { "Turkish ı is I", "tr_TR", "ışık", std::nullopt },
            { "Turkish both", "tr_TR", "kırmızı", std::nullopt },
            { "Dutch ĳ is one letter Ĳ", "nl", "ĳs", std::nullopt },
            { "Greek final sigma", "el_GR", "λόγος", std::nullopt },
        });
    }
    void longerInCapitals()
    {
        QFETCH(CapitalsRow, row);
        const LetterCase letters(row.language);
        QCOMPARE(::longerInCapitals(row.spelling, letters.upper(row.spelling)), row.longer);
    }
};

QTEST_GUILESS_MAIN(TestLongerCapitals)
#include "tst_longercapitals.moc"
