// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues and what they make of the program: every text translated
// with its placeholders and keys kept; under LANGUAGE=de the window, its
// boxes and their buttons in German; under LANG=C every text the English
// source.
#include "desktop/QtMessageBox.h"
#include "search/Messages.h"
#include "search/Request.h"
#include "tests/support/Catalogue.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"
#include "translations/Language.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

using Program = MainWindowFixture::Fixture;

namespace {

const QString kFolder = QStringLiteral(QUORVEL_TRANSLATIONS);

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(L?\\d+|n)"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

qsizetype accelerators(const QString &text)
{
    return QString(text).remove(QLatin1String("&&")).count(u'&');
}

QStringList catalogues()
{
    return QDir(QStringLiteral(QUORVEL_TS_FOLDER))
        .entryList({ QStringLiteral("quorvel_*.ts") }, QDir::Files);
}

// The language CTest's locale variables give: German, or English for the C
// locale and for a language with no catalogue (Hebrew, written right to left).
QString expected()
{
    return qEnvironmentVariable("QUORVEL_EXPECTED_LANGUAGE");
}

bool german()
{
    return expected() == QLatin1String("de");
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString language
            = InterfaceLanguage::preferred(QLocale::system().uiLanguages(), { kFolder });
        QCOMPARE(language, expected());
        InterfaceLanguage::install(language, { kFolder });
    }

    // An English interface under a right-to-left locale stays left to
    // right, and the letter box takes letters as ever.
    void leftToRightInEnglish()
    {
        if (german())
            QSKIP("for English");
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        Program program;
        QTest::keyClicks(program.input(), QStringLiteral("tca"));
        QCOMPARE(program.input()->text(), QStringLiteral("tca"));
        QCOMPARE(program.input()->cursorPosition(), 3);
        QCOMPARE(program.window.layoutDirection(), Qt::LeftToRight);
        program.search.startanalysis();
        QVERIFY(program.results()->toPlainText().startsWith(QLatin1String("Done - Found ")));
    }

    // English shows the source texts with their plural forms: one for 1,
    // one for any other count.
    void englishPluralForms()
    {
        if (german())
            QSKIP("for English");
        const auto messages = readCatalogue(QStringLiteral(QUORVEL_TS_FOLDER "/quorvel_en.ts"));
        QVERIFY(!messages.isEmpty());
        for (const CatalogueMessage &message : messages) {
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            QCOMPARE(QCoreApplication::translate(context, source, nullptr, 1),
                QString(message.translations.value(0))
                    .replace(QStringLiteral("%n"), QStringLiteral("1")));
            QCOMPARE(QCoreApplication::translate(context, source, nullptr, 2),
                QString(message.translations.value(1))
                    .replace(QStringLiteral("%n"), QStringLiteral("2")));
        }
    }

    void everyTextTranslatedWhole_data()
    {
        QTest::addColumn<QString>("catalogue");
        const QStringList files = catalogues();
        QVERIFY(files.size() >= 10);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void everyTextTranslatedWhole()
    {
        QFETCH(QString, catalogue);
        const auto messages = readCatalogue(QStringLiteral(QUORVEL_TS_FOLDER "/") + catalogue);
        QVERIFY(!messages.isEmpty());
        for (const CatalogueMessage &message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(
                message.type.isEmpty(), qPrintable(message.type + QStringLiteral(" ") + where));
            QVERIFY2(!message.translations.isEmpty(), qPrintable(where));
            for (const QString &translation : message.translations) {
                QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(placeholders(translation) == placeholders(message.source),
                    qPrintable(where + QStringLiteral(" -> ") + translation));
                QVERIFY2(accelerators(translation) == accelerators(message.source),
                    qPrintable(where + QStringLiteral(" -> ") + translation));
                // The same spaces at the ends: texts are joined to others.
                QVERIFY2(translation.endsWith(u' ') == message.source.endsWith(u' '),
                    qPrintable(where + QStringLiteral(" -> ") + translation));
            }
        }
    }

    void windowInTheLanguage()
    {
        const Program program;
        const QMenuBar *bar = program.window.menuBar();
        QList<QAction *> entries = bar->actions();
        for (const QAction *title : bar->actions())
            entries << title->menu()->actions();
        QCOMPARE(entries.size(), 7);
        for (const QAction *entry : entries)
            checkLanguage(entry->text(), "frmMain");
        for (const QLabel *label : program.window.findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                checkLanguage(label->text(), "frmMain");
        }
    }

    void boxesInTheLanguage_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("text");
        // What the user typed, and the box it gives (in English).
        QTest::newRow("nothing") << QString() << QString::fromLatin1(Messages::kNoLetters);
        QTest::newRow("nine letters") << QStringLiteral("abcdefghi")
                                      << QString::fromLatin1(Messages::kConfirm)
                                             .replace(QLatin1String("%n"), QLatin1String("9"));
    }

    void boxesInTheLanguage()
    {
        QFETCH(QString, letters);
        QFETCH(QString, text);
        Program program;
        program.box.queueAnswer(MessageAnswer::No);
        program.input()->setText(letters);
        program.search.startanalysis();
        QCOMPARE(program.box.shown().size(), 1);
        const MessageRequest &shown = program.box.shown().constFirst();
        if (german()) {
            QVERIFY2(shown.text != text, qPrintable(shown.text));
            QVERIFY(shown.text.startsWith(QLatin1String("Sie haben ")));
        } else {
            QCOMPARE(shown.text, text);
        }
        QCOMPARE(shown.text.contains(QLatin1String("9")), !letters.isEmpty());
        // The box the desktop opens for it: Qt's buttons, in the same language.
        QtMessageBox messages;
        const auto box = messages.build(shown);
        for (QAbstractButton *button : box->buttons()) {
            const QString english = box->standardButton(button) == QMessageBox::Ok
                ? QStringLiteral("OK")
                : box->standardButton(button) == QMessageBox::Yes ? QStringLiteral("&Yes")
                                                                  : QStringLiteral("&No");
            QCOMPARE(button->text(),
                german() ? QCoreApplication::translate("QPlatformTheme", qPrintable(english))
                         : english);
            if (german() && english != QLatin1String("OK"))
                QVERIFY2(button->text() != english, qPrintable(button->text()));
        }
    }

private:
    // Translated under LANGUAGE=de (its catalogue has the text), the source
    // itself under LANG=C.
    static void checkLanguage(const QString &shown, const char *context)
    {
        bool fromCatalogue = false;
        for (const CatalogueMessage &message :
            readCatalogue(QStringLiteral(QUORVEL_TS_FOLDER "/quorvel_de.ts"))) {
            if (message.context != QLatin1String(context))
                continue;
            if (shown == (german() ? message.translations.value(0) : message.source))
                fromCatalogue = true;
        }
        QVERIFY2(fromCatalogue, qPrintable(shown));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
