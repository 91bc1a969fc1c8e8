// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the word index holds of each form: the roles it may have in a
// compound, the read limits it keeps to, and the same again once read back
// from its block of memory.
#include "wordforms/FormRole.h"

#include "tests/support/IndexRoles.h"
#include "tests/support/Rows.h"

#include <QTest>

namespace {

struct LimitRow {
    const char *name;
    ReadLimits limits;
    bool formsKept; // keeping every form keeps to the limits
    bool stems; // an index of stems does
};

struct RoleRow {
    const char *name;
    QString form;
    std::uint8_t roles;
};

using namespace FormRole;

} // namespace

class TestIndexRoles : public QObject {
    Q_OBJECT

private slots:
    // A limit that keeping every form would pass makes an index of stems,
    // which keeps to it for the letters asked: those with few forms are
    // answered, those with too many are not.
    void limits_data()
    {
        addRows<LimitRow>({
            { "within the read limits", {}, true, true },
            { "forms of one stem", { .maxFormsPerStem = 3 }, false, true },
            { "stored forms", { .maxStoredForms = 11 }, false, true },
            { "affix rules tried", { .maxRuleTests = 8 }, false, true },
            { "rules", { .maxRules = 2 }, false, false },
            { "dictionary words", { .maxEntries = 2 }, false, false },
        });
    }
    void limits()
    {
        QFETCH(LimitRow, row);
        // Three stems with three suffixes each: 12 forms, 9 rules tried.
        const std::string aff = "SFX X Y 3\nSFX X 0 s .\nSFX X 0 ed .\nSFX X 0 ing .\n";
        const std::string dic = "3\nwalk/X\ntalk/X\nbark/X\n";
        const WordIndexBuild forms
            = buildWordIndex(aff, dic, Dialect::Nuspell, row.limits, nullptr, IndexKind::Forms);
        QCOMPARE(forms.forms != nullptr, row.formsKept);
        const WordIndexBuild chosen = buildWordIndex(aff, dic, Dialect::Nuspell, row.limits);
        QCOMPARE(chosen.forms != nullptr, row.stems);
        if (!chosen.forms)
            return;
        QCOMPARE(chosen.forms->keepsForms(), row.formsKept);
        QVERIFY(rolesOf(*chosen.forms, QStringLiteral("walks")) & Word);
        const FormsWithin all = chosen.forms->within("walkedtalkingbarks");
        QCOMPARE(all.index != nullptr, row.formsKept);
        QCOMPARE(all.unfinished.empty(), row.formsKept);
    }

    // What each form may be: a word alone, a part at the start, inside or at
    // the end of a compound, a part of a COMPOUNDRULE.
    void roles_data()
    {
        addRows<RoleRow>({
            { "a stem that begins", "haus", Word | Begin },
            { "a prefix is fine at the start", "unhaus", Word | Begin },
            { "a suffix there needs COMPOUNDPERMITFLAG", "hauss", Word },
            { "a stem inside and at the end", "tier", Word | Middle | End },
            { "a suffix is fine at the end", "tiers", Word | Middle | End },
            { "only in compounds: no word alone; its suffix permits the start", "fugen", Begin },
            { "an affix that forbids compounds", "bauing", Word },
            { "a stem that needs an affix is no word alone", "need", 0 },
            { "... nor a part", "needs", Word },
            { "a rule part, bare", "ein", Word | Rule },
            { "a rule part with a suffix: only last", "zweis", Word | RuleLast },
        });
    }
    void roles()
    {
        QFETCH(RoleRow, row);
        for (const IndexKind kind : kBothKinds) {
            const WordIndexBuild build
                = buildWordIndex(kCompoundAff, kCompoundDic, Dialect::Nuspell, {}, nullptr, kind);
            QVERIFY2(build.forms, build.refusal.c_str());
            QCOMPARE(int(rolesOf(*build.forms, row.form)), int(row.roles));
        }
    }

    // An index read back from its block of memory is the same; a damaged
    // block is refused, whatever part of it is damaged, never read past.
    void imagesAreCheckedWhole()
    {
        const WordIndexBuild build = buildWordIndex(kCompoundAff, kCompoundDic);
        QVERIFY(build.forms && build.forms->keepsForms());
        const std::vector<std::uint64_t> &image = build.forms->image();
        const auto again = WordIndex::fromImage(image);
        QVERIFY(again);
        QCOMPARE(again->formCount(), build.forms->size());
        QCOMPARE(again->compounds().rules.size(), 1u);
        QCOMPARE(int(rolesOf(*again, QStringLiteral("fugen"))), int(Begin));
        for (std::size_t cut = 0; cut < image.size(); ++cut) {
            std::vector<std::uint64_t> shorter(image.begin(), image.begin() + long(cut));
            QVERIFY(!WordIndex::fromImage(shorter));
        }
        // Every word after the header changed in turn: refused, or still an index
        // whose forms are letters (a changed role or letter only the cache's
        // checksum can tell).
        for (std::size_t at = 8; at < image.size(); ++at) {
            std::vector<std::uint64_t> changed = image;
            changed[at] ^= 0x0101010101010101ull;
            std::string why;
            if (const auto read = WordIndex::fromImage(changed, &why))
                QVERIFY(read->formCount() == build.forms->size());
        }
        std::vector<std::uint64_t> otherVersion = image;
        ++otherVersion[1];
        QVERIFY(!WordIndex::fromImage(otherVersion));
    }
};

QTEST_GUILESS_MAIN(TestIndexRoles)
#include "tst_indexroles.moc"
