// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/LooseMatching.h"
#include "search/RunSummary.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>

using Program = MainWindowFixture::Fixture;

namespace {

// What the user chose before, if anything.
enum class Stored { Nothing, Off, On };

struct StartRow {
    const char *name;
    const char *dictionary; // the one the checker answers from
    Stored stored;
    bool loading; // the dictionary is made ready after the window is wired
    bool loose; // the entry is checked and the search matches loosely
};

} // namespace

class TestLooseMatching : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The user's own settings are never touched.
        QCoreApplication::setOrganizationName(QStringLiteral("QuorvelTests"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.dir.path());
    }
    void init() { QSettings().clear(); }

    void startsAsChosenOrByScript_data()
    {
        addRows<StartRow>({
            { "Latin, not chosen", "de_DE", Stored::Nothing, false, false },
            { "Greek, not chosen", "el_GR", Stored::Nothing, false, true },
            { "Russian, made ready later", "ru_RU", Stored::Nothing, true, true },
            { "Latin, made ready later", "fr_FR", Stored::Nothing, true, false },
            { "Greek, chosen off", "el_GR", Stored::Off, false, false },
            { "Greek, chosen off, made ready later", "el_GR", Stored::Off, true, false },
            { "Latin, chosen on", "de_DE", Stored::On, false, true },
            { "Hebrew, not chosen", "he_IL", Stored::Nothing, false, true },
            { "Arabic, made ready later", "ar", Stored::Nothing, true, true },
        });
    }
    void startsAsChosenOrByScript()
    {
        QFETCH(StartRow, row);
        if (row.stored != Stored::Nothing)
            QSettings().setValue(kLooseMatchingKey, row.stored == Stored::On);
        Program program;
        program.checkers.dictionaryPath = std::filesystem::path("/dictionaries") / row.dictionary;
        program.checkers.loading = row.loading;
        connectLooseMatching(program.window, program.search, program.checkers);
        QCoreApplication::processEvents();
        if (row.loading) {
            QVERIFY(!entry(program)->isChecked());
            program.checkers.becomeReady();
        }
        QCoreApplication::processEvents();
        QCOMPARE(entry(program)->isChecked(), row.loose);
        QCOMPARE(program.window.looseMatching(), row.loose);
        QCOMPARE(program.search.matching(), row.loose ? Matching::Loose : Matching::AsTyped);
        // Nothing is written until the user chooses.
        QCOMPARE(QSettings().contains(kLooseMatchingKey), row.stored != Stored::Nothing);
    }

    // The entry sits in a menu of its own, checkable; the user's choice
    // switches the search and is kept for the next start.
    void choiceIsKept()
    {
        {
            Program program;
            program.checkers.dictionaryPath = "/dictionaries/el_GR";
            connectLooseMatching(program.window, program.search, program.checkers);
            QCoreApplication::processEvents();
            QAction *loose = entry(program);
            QVERIFY(loose->isCheckable());
            QVERIFY(loose->isChecked());
            QVERIFY(menuOf(program, loose) != nullptr);
            loose->trigger();
            QCOMPARE(program.search.matching(), Matching::AsTyped);
            QCOMPARE(QSettings().value(kLooseMatchingKey).toBool(), false);
        }
        // The next start, with the same Greek dictionary: the user's Off stays.
        {
            Program program;
            program.checkers.dictionaryPath = "/dictionaries/el_GR";
            connectLooseMatching(program.window, program.search, program.checkers);
            QCoreApplication::processEvents();
            QVERIFY(!entry(program)->isChecked());
            entry(program)->trigger();
            QCOMPARE(program.search.matching(), Matching::Loose);
            QCOMPARE(QSettings().value(kLooseMatchingKey).toBool(), true);
        }
    }

    // A loose run from the window: any case finds the word, and its
    // tooltip says the letters were matched loosely.
    void looseRunFromTheWindow()
    {
        Program program;
        connectRunNotes(program.window, program.search, std::nullopt);
        connectLooseMatching(program.window, program.search, program.checkers);
        program.checkers.script->accepted = { "Cat" };
        entry(program)->trigger();
        program.input()->setText(QStringLiteral("TAC"));
        program.window.analysisRequested();
        QVERIFY(program.results()->toPlainText().endsWith(QLatin1String(": Cat")));
        RunReport loose;
        loose.loose = true;
        const QString note = runSummary(loose);
        QCOMPARE(
            program.results()->toolTip().contains(note.section(QLatin1Char('\n'), 0, 0)), true);
        QVERIFY(note != runSummary(RunReport()));
        // As typed, the same letters find nothing.
        entry(program)->trigger();
        program.window.analysisRequested();
        QVERIFY(!program.results()->toPlainText().contains(QLatin1String("Cat")));
    }

    // Letters of a right-to-left script read from the right in the letter
    // box, as the user typed them, though the window is laid out left to
    // right: the first letter typed (the start of the text) is at the
    // right edge. The text's first letter decides, as in a browser's box.
    void rightToLeftLetters_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<bool>("fromTheRight");
        QTest::newRow("Hebrew") << QStringLiteral("םולש") << true;
        QTest::newRow("Arabic") << QStringLiteral("ملاس") << true;
        QTest::newRow("Hebrew first, then Latin") << QStringLiteral("שab") << true;
        QTest::newRow("Latin") << QStringLiteral("tac") << false;
        QTest::newRow("Latin first, then Hebrew") << QStringLiteral("abש") << false;
    }
    void rightToLeftLetters()
    {
        QFETCH(QString, letters);
        QFETCH(bool, fromTheRight);
        Program program;
        connectLooseMatching(program.window, program.search, program.checkers);
        QLineEdit *box = program.input();
        box->setText(letters);
        box->setCursorPosition(0);
        (void)box->grab(); // the box places its text as it paints it
        const QRect start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(start.center().x() > box->width() / 2, fromTheRight);
        // What was typed is what is searched, in the order typed.
        QCOMPARE(program.window.inputText(), letters);
    }

private:
    static QAction *entry(const Program &program)
    {
        return program.window.findChild<QAction *>(QStringLiteral("mnu_loose"));
    }
    static QMenu *menuOf(const Program &program, QAction *action)
    {
        for (QAction *top : program.window.menuBar()->actions()) {
            if (top->menu() && top->menu()->actions().contains(action))
                return top->menu();
        }
        return nullptr;
    }

    TempFolder m_settings;
};

QTEST_MAIN(TestLooseMatching)
#include "tst_loosematching.moc"
