// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixFile.h"
#include "hunspellfiles/AffixReader.h"

#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct FlagRow {
    const char *name;
    FlagType type;
    QByteArray raw; // an affix header's or a directive's flag field
    Flag flag;
};

struct FlagDirectiveRow {
    const char *name;
    QByteArray aff;
    Flag (*read)(const AffixFile &file);
    Flag flag;
};

struct RuleRow {
    const char *name;
    QByteArray aff;
    // Each element's flag as the file spells it, "*" after one that may
    // repeat, "?" after one that may be left out; none: the file is refused.
    QStringList elements;
};

Flag compoundFlag(const AffixFile &file)
{
    return file.compounds.anywhere;
}

Flag needAffixFlag(const AffixFile &file)
{
    return file.needAffix;
}

// Each element as its flag's number, "*" after one that may repeat, "?"
// after one that may be left out.
QStringList numbered(const std::vector<RuleElement> &rule)
{
    QStringList out;
    for (const RuleElement &element : rule)
        out.append(QString::number(element.flag)
            + (element.repeats         ? "*"
                    : element.optional ? "?"
                                       : ""));
    return out;
}

// The same for the elements as a row spells them, read as the file reads flags.
QStringList numbered(const AffixFile &file, const QStringList &elements)
{
    QStringList out;
    for (QString element : elements) {
        QString quantifier;
        if (element.endsWith(QLatin1Char('*')) || element.endsWith(QLatin1Char('?')))
            quantifier = element.back();
        element.chop(quantifier.size());
        out.append(QString::number(file.firstFlag(element.toStdString())) + quantifier);
    }
    return out;
}

} // namespace

class TestHunspellFiles : public QObject {
    Q_OBJECT

private slots:
    // The one flag an affix header or a directive names, in each flag type.
    void firstFlag_data()
    {
        addRows<FlagRow>({
            { "a character", FlagType::Char, "Ab", 'A' },
            { "long: two characters", FlagType::Long, "Ab", 0x4162 },
            { "long: a last character alone", FlagType::Long, "A", 'A' },
            { "a number, before a comma", FlagType::Number, "1001,2", 1001 },
            { "UTF-8: two bytes", FlagType::Utf8, "\xc3\xa9x", 0xE9 },
            { "UTF-8: three bytes", FlagType::Utf8, "\xe4\xb8\x80", 0x4E00 },
            // Both engines keep flags in 16 bits: a character beyond them
            // names no flag rather than one another character names too.
            { "UTF-8: past U+FFFF, no flag", FlagType::Utf8, "\xf0\x9f\x98\x80", 0 },
            { "UTF-8: past U+FFFF, then a letter", FlagType::Utf8, "\xf0\x9f\x98\x81x", 0 },
            { "UTF-8: a broken sequence", FlagType::Utf8, "\xe4\xb8", 0xFFFD },
        });
    }
    void firstFlag()
    {
        QFETCH(FlagRow, row);
        AffixFile file;
        file.flagType = row.type;
        QCOMPARE(file.firstFlag(row.raw.toStdString()), row.flag);
    }

    // A directive that names one flag, with its flag and without one.
    void flagDirectives_data()
    {
        addRows<FlagDirectiveRow>({
            { "COMPOUNDFLAG", "COMPOUNDFLAG X\n", compoundFlag, 'X' },
            { "a bare COMPOUNDFLAG names none", "COMPOUNDFLAG\n", compoundFlag, 0 },
            { "a bare COMPOUNDFLAG after one", "COMPOUNDFLAG X\nCOMPOUNDFLAG\n", compoundFlag,
                'X' },
            { "NEEDAFFIX", "NEEDAFFIX N\n", needAffixFlag, 'N' },
            { "a bare NEEDAFFIX names none", "NEEDAFFIX\n", needAffixFlag, 0 },
        });
    }
    void flagDirectives()
    {
        QFETCH(FlagDirectiveRow, row);
        for (const Dialect dialect : { Dialect::Nuspell, Dialect::Hunspell }) {
            const AffixFile file = parseAffixFile(row.aff.toStdString(), dialect);
            QVERIFY2(file.refusal.empty(), file.refusal.c_str());
            QCOMPARE(row.read(file), row.flag);
        }
    }

    // COMPOUNDRULE in each flag type; long and numeric flags stand in
    // parentheses. (A file that makes the reading loop shows as the test's
    // time running out.)
    void compoundRules_data()
    {
        addRows<RuleRow>({
            { "long flags: an empty group names none",
                "FLAG long\nCOMPOUNDRULE 1\nCOMPOUNDRULE ()(Aa)\n", { "Aa" } },
            { "long flags, with * and ?",
                "FLAG long\nCOMPOUNDRULE 1\nCOMPOUNDRULE (Aa)*(Bb)?(Cc)\n",
                { "Aa*", "Bb?", "Cc" } },
            { "numeric flags", "FLAG num\nCOMPOUNDRULE 1\nCOMPOUNDRULE (1001)(1002)*\n",
                { "1001", "1002*" } },
            { "characters", "COMPOUNDRULE 1\nCOMPOUNDRULE ab*c?\n", { "a", "b*", "c?" } },
            { "UTF-8 characters", "FLAG UTF-8\nCOMPOUNDRULE 1\nCOMPOUNDRULE \xc3\xa9*x\n",
                { "\xc3\xa9*", "x" } },
            { "long flags: a group left open", "FLAG long\nCOMPOUNDRULE 1\nCOMPOUNDRULE (Aa)(Bb\n",
                {} },
        });
    }
    void compoundRules()
    {
        QFETCH(RuleRow, row);
        const AffixFile file = parseAffixFile(row.aff.toStdString());
        QCOMPARE(file.refusal.empty(), !row.elements.isEmpty());
        if (row.elements.isEmpty())
            return;
        QCOMPARE(file.compounds.rules.size(), 1u);
        QCOMPARE(numbered(file.compounds.rules[0]), numbered(file, row.elements));
    }
};

QTEST_GUILESS_MAIN(TestHunspellFiles)
#include "tst_hunspellfiles.moc"
