// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Rows.h"
#include "wordforms/FormRole.h"
#include "wordindex/IndexBuilder.h"

#include <QTest>

namespace {

// The forms within some letters an index of stems makes from
// tests/data/stemforms/chains, which it must make as the index that keeps
// every form has them, with the same roles.
struct WithinRow {
    const char *name;
    const char *letters;
    QStringList made; // some of them, so that a row never passes on nothing
};

// Whether each letter of the form is one of the letters, as often.
bool fits(std::string_view form, std::string letters)
{
    for (const char c : form) {
        const auto at = letters.find(c);
        if (at == std::string::npos)
            return false;
        letters.erase(at, 1);
    }
    return true;
}

// Each form of the index within the letters, with its roles, sorted (an
// index that keeps every form offers them all: the search walks its keys).
QStringList formsOf(const WordIndex &index, const char *letters)
{
    QStringList forms;
    for (WordIndex::KeyId key = 0; key < index.keyCount(); ++key) {
        const auto of = index.formsOf(key);
        for (std::size_t i = 0; i < of.size(); ++i)
            if (fits(of[i], letters)) {
                forms.append(QStringLiteral("%1:%2")
                                 .arg(QString::fromStdString(std::string(of[i])))
                                 .arg(of.roles[i]));
            }
    }
    forms.sort();
    return forms;
}

QStringList within(IndexKind kind, const char *letters)
{
    const WordIndexBuild build = buildWordIndexFromFiles(
        QUORVEL_TEST_DATA "/stemforms/chains", Dialect::Nuspell, {}, nullptr, kind);
    if (!build.forms || build.forms->keepsForms() != (kind == IndexKind::Forms))
        return { QStringLiteral("no index of this kind: %1").arg(build.refusal.c_str()) };
    const FormsWithin found = build.forms->within(letters);
    return found.index ? formsOf(*found.index, letters)
                       : QStringList { QString::fromStdString(found.unfinished) };
}

} // namespace

class TestStemForms : public QObject {
    Q_OBJECT

private slots:
    // The search for the forms within the letters tries only the affix rules
    // whose letters fit them, and files a stem under the letters no affix
    // strips: neither may lose a form.
    void within_data()
    {
        const auto word = [](const char *form) {
            return QStringLiteral("%1:%2").arg(QLatin1String(form)).arg(FormRole::Word);
        };
        addRows<WithinRow>({
            // Its first suffix adds a y that the second strips: the letters
            // need no y for the form, though the first suffix's letters have one.
            { "a second suffix strips what the first adds", "catxz",
                { word("cat"), word("catxz") } },
            { "a suffix any stem takes, a prefix filed under the stem's start", "uncats",
                { word("cats"), word("uncat"), word("uncats") } },
            { "a suffix filed under the stem's end, a prefix any stem takes", "recitiesy",
                { word("cities"), word("recity"), word("recities") } },
            // The prefix strips the k that every other form of kind keeps.
            { "a prefix named by the second suffix strips the stem's start", "gindedly",
                { word("gindedly") } },
            { "many stems within the letters", "unbatcatsrexzy",
                { word("unbats"), word("recatxy"), word("batxz") } },
        });
    }
    void within()
    {
        QFETCH(WithinRow, row);
        const QStringList stems = ::within(IndexKind::Stems, row.letters);
        QCOMPARE(stems, ::within(IndexKind::Forms, row.letters));
        for (const QString &form : row.made)
            QVERIFY2(stems.contains(form), qPrintable(form + " not made: " + stems.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestStemForms)
#include "tst_stemforms.moc"
