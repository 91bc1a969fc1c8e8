// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words a dictionary's self-test asks about, as the engines read its entries.
#include "hunspellfiles/SelfTestWords.h"

#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct SelfTestRow {
    const char *name;
    QByteArray dic;
    QStringList words;
    QByteArray encoding = {}; // SET's, when not the default (ISO8859-1)
};

} // namespace

class TestSelfTestWords : public QObject {
    Q_OBJECT

private slots:
    // The words a self-test asks for: entries as the engines read them, none
    // that needs an affix, only ever in compounds, or is forbidden.
    void selfTestWords_data()
    {
        addRows<SelfTestRow>({
            { "fields after a blank", "2\na lot ph:alot\ncat\n", { "a lot", "cat" } },
            { "flags and escaped slashes", "2\nword/XY\none\\/two\n", { "word", "one/two" } },
            { "not those that need more", "4\nonly/O\nneeds/N\nbad/F\ncat\n", { "cat" } },
            { "a letter of an 8-bit encoding, in UTF-8", "2\ncaf\xE9\ncat\n",
                { "caf\u00E9", "cat" } },
            // ED A0 80 decodes to a surrogate, which UTF-8 does not spell.
            { "not one with a character UTF-8 cannot spell", "2\nx\xED\xA0\x80\ncat\n", { "cat" },
                "UTF-8" },
        });
    }
    void selfTestWords()
    {
        QFETCH(SelfTestRow, row);
        QByteArray aff = "ONLYINCOMPOUND O\nNEEDAFFIX N\nFORBIDDENWORD F\n";
        if (!row.encoding.isEmpty())
            aff += "SET " + row.encoding + "\n";
        const auto words = ::selfTestWords(aff.constData(), row.dic.constData(), Dialect::Nuspell);
        QStringList got;
        for (const SelfTestWord &word : words)
            got.append(QString::fromStdString(word.utf8));
        QCOMPARE(got, row.words);
    }
};

QTEST_GUILESS_MAIN(TestSelfTestWords)
#include "tst_selftestwords.moc"
