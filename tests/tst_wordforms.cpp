// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunspellfiles/AffixReader.h"
#include "hunspellfiles/TextDecoder.h"
#include "wordforms/Expander.h"
#include "wordforms/FormRole.h"

#include "tests/support/Rows.h"

#include <QTest>
#include <map>

namespace {

struct RoleRow {
    const char *name;
    QByteArray aff;
    QByteArray stem; // the word list's entry: the stem, "/" and its flags
    QByteArray form;
    std::uint8_t roles; // 0: no such form
    // Where COMPOUNDBEGIN, COMPOUNDMIDDLE and COMPOUNDEND join the parts:
    // FormRole::Sure or FormRole::Doubt (tst_compoundsure tells the rest).
    std::uint8_t marks = 0;
};

class Collect final : public FormSink {
public:
    void form(std::u32string_view form, std::uint8_t roles, std::uint64_t) override
    {
        QString text;
        for (const char32_t c : form)
            text.append(QChar(static_cast<char16_t>(c)));
        m_roles[text] |= roles;
    }
    [[nodiscard]] std::uint8_t rolesOf(const QString &form) const
    {
        const auto found = m_roles.find(form);
        return found == m_roles.end() ? 0 : found->second;
    }

private:
    std::map<QString, std::uint8_t> m_roles;
};

using namespace FormRole;

} // namespace

class TestWordForms : public QObject {
    Q_OBJECT

private slots:
    // The roles a form has in compounds, where the flags that give them
    // come with an affix (its continuation) rather than with the stem.
    void rolesFromAffixes_data()
    {
        addRows<RoleRow>({
            { "COMPOUNDFLAG from a suffix: inside and at the end",
                "COMPOUNDFLAG X\nSFX A Y 1\nSFX A 0 s/X .\n", "work/A", "works",
                Word | Middle | End },
            { "... not on the bare stem", "COMPOUNDFLAG X\nSFX A Y 1\nSFX A 0 s/X .\n", "work/A",
                "work", Word },
            { "COMPOUNDFLAG from a prefix: at the start and inside",
                "COMPOUNDFLAG X\nPFX A Y 1\nPFX A 0 re/X .\n", "work/A", "rework",
                Word | Begin | Middle },
            { "COMPOUNDBEGIN from a suffix that permits it",
                "COMPOUNDBEGIN B\nCOMPOUNDPERMITFLAG P\nSFX A Y 1\nSFX A 0 s/BP .\n", "work/A",
                "works", Word | Begin, Sure },
            { "COMPOUNDBEGIN from a suffix that does not permit it",
                "COMPOUNDBEGIN B\nSFX A Y 1\nSFX A 0 s/B .\n", "work/A", "works", Word },
            { "COMPOUNDMIDDLE from a suffix", "COMPOUNDMIDDLE M\nSFX A Y 1\nSFX A 0 s/M .\n",
                "work/A", "works", Word | Middle, Doubt },
            { "COMPOUNDEND from a suffix", "COMPOUNDEND E\nSFX A Y 1\nSFX A 0 s/E .\n", "work/A",
                "works", Word | End, Sure },
            { "ONLYINCOMPOUND from a suffix: no word alone",
                "COMPOUNDFLAG X\nONLYINCOMPOUND O\nSFX A Y 1\nSFX A 0 s/O .\n", "work/AX", "works",
                Middle | End },
            { "COMPOUNDFORBIDFLAG from a suffix: no part",
                "COMPOUNDFLAG X\nCOMPOUNDFORBIDFLAG F\nSFX A Y 1\nSFX A 0 s/F .\n", "work/AX",
                "works", Word },
            { "... the bare stem still a part",
                "COMPOUNDFLAG X\nCOMPOUNDFORBIDFLAG F\nSFX A Y 1\nSFX A 0 s/F .\n", "work/AX",
                "work", Word | Begin | Middle | End },
        });
    }
    void rolesFromAffixes()
    {
        QFETCH(RoleRow, row);
        const AffixFile affixes = parseAffixFile(row.aff.toStdString());
        QVERIFY2(affixes.refusal.empty(), affixes.refusal.c_str());
        const QList<QByteArray> entry = row.stem.split('/');
        Expander expander(affixes, 1000, 100'000);
        Collect forms;
        std::u32string stem;
        decodeUtf8(entry[0].toStdString(), stem);
        QVERIFY(expander.expand(stem, affixes.parseFlags(entry.value(1).toStdString()), forms));
        const std::uint8_t roles = forms.rolesOf(QString::fromLatin1(row.form));
        QCOMPARE(int(roles & ~(Sure | Doubt)), int(row.roles));
        QCOMPARE(int(roles & (Sure | Doubt)), int(row.marks));
    }
};

QTEST_GUILESS_MAIN(TestWordForms)
#include "tst_wordforms.moc"
