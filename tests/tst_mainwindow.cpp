// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"
#include "search/RunSummary.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <array>
#include <limits>

using Program = MainWindowFixture::Fixture;

namespace {

struct RunRow {
    const char *name;
    QString letters;
    QString result;
    QColor color;
};
struct CancelRow {
    const char *name;
    const char *control; // where the key is pressed, after the second arrangement
    Qt::Key key;
};
struct NoteRow {
    const char *name;
    std::optional<std::string> asked; // the locale's language
    bool noted; // the first run says that it has no dictionary
};
struct EnterRow {
    const char *name;
    const char *target;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// A run started from the keyboard on Analyze, where the focus then stays.
void startOnAnalyze(Program &program, const QString &letters)
{
    program.input()->setText(letters);
    program.control("cmdGo")->setFocus();
    QTest::keyClick(program.control("cmdGo"), Qt::Key_Space);
}

// Back at rest, typing goes to the letter box again.
void checkAtRest(const Program &program)
{
    QVERIFY(!program.control("cmdCancel")->isVisible());
    QVERIFY(program.control("lblSearching")->isVisible());
    QCOMPARE(QApplication::focusWidget(), program.input());
}

// Counts are written as the default locale writes them: set for one test,
// and put back after it.
struct EnglishCounts {
    QLocale before;
    EnglishCounts() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~EnglishCounts() { QLocale::setDefault(before); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void idleStateAndTabOrder()
    {
        Program program;
        QVERIFY(!program.control("cmdCancel")->isVisible());
        QVERIFY(program.control("lblSearching")->isVisible());
        QVERIFY(program.control("ProgressBar1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), program.input());
        QVERIFY(program.results()->isReadOnly());
        QSignalSpy help(&program.window, &frmMain::helpRequested);
        QStringList seen;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1); // help from anywhere
        }
        // The hidden cmdCancel is passed by.
        QCOMPARE(seen,
            (QStringList { "cmdGo", "cmdHelp", "cmdExit", "txtResults", "Picture1", "txtInput" }));
        program.window.findChild<QAction *>("mnu_qvhelp")->trigger();
        QCOMPARE(help.count(), 7);
        // At rest Escape cancels nothing, and the menu items have no keys
        // beside their access keys.
        QSignalSpy cancel(&program.window, &frmMain::cancelRequested);
        QTest::keyClick(program.input(), Qt::Key_Escape);
        QCOMPARE(cancel.count(), 0);
        for (const QAction *item : program.window.findChildren<QAction *>())
            QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
    }

    void runFinishes_data()
    {
        addRows<RunRow>(
            { { "words found", "cat", "Done - Found 3 words: cat, act, tac", QColor(0, 50, 0) },
                { "no words", "abcde", "Done - No words found", QColor(50, 0, 0) } });
    }
    void runFinishes()
    {
        QFETCH(RunRow, row);
        Program program;
        bool cancelShown = false;
        program.duringRun(2, [&] { cancelShown = program.control("cmdCancel")->isVisible(); });
        startOnAnalyze(program, row.letters);
        QVERIFY(cancelShown);
        QCOMPARE(program.results()->toPlainText(), row.result);
        QCOMPARE(program.results()->palette().color(QPalette::Text), row.color);
        checkAtRest(program);
    }

    // The tooltips name the dictionary, its path and engine, and how the run
    // was answered; the first run, while it goes and once it is done, also
    // says when the locale's language has no dictionary and another answered.
    void runNotesNameTheDictionary_data()
    {
        addRows<NoteRow>({ { "another language", "ja_JP", true },
            { "the same language elsewhere", "en_GB", false },
            { "a locale without a language", std::nullopt, false } });
    }
    void runNotesNameTheDictionary()
    {
        QFETCH(NoteRow, row);
        Program program;
        program.checkers.script->dictionary = "/dictionaries/en_US";
        connectRunNotes(program.window, program.search, row.asked);
        QString labelDuringRun;
        program.duringRun(2, [&] { labelDuringRun = program.control("lblSearching")->toolTip(); });
        startOnAnalyze(program, "cat");
        const QString first = program.results()->toolTip();
        for (const char *part : { "en_US", "/dictionaries/en_US", "Scripted" })
            QVERIFY2(first.contains(QLatin1String(part)), qPrintable(first));
        const QString asked = QString::fromStdString(row.asked.value_or("none"));
        QCOMPARE(first.contains(asked), row.noted);
        QCOMPARE(labelDuringRun.contains(asked), row.noted);
        QCOMPARE(program.control("lblSearching")->toolTip().contains(asked), row.noted);
        startOnAnalyze(program, "act");
        QCOMPARE(program.results()->toolTip().section(QLatin1Char('\n'), 0, 1),
            first.section(QLatin1Char('\n'), 0, 1));
        QVERIFY(!program.results()->toolTip().contains(asked));
        QVERIFY(program.control("lblSearching")->toolTip().isEmpty());
    }

    // How a run was answered: through the index, or every arrangement and why.
    void runSummaryTellsHow()
    {
        RunReport run;
        run.fallback = "the dictionary joins words by rules";
        const QString tried = runSummary(run);
        QVERIFY(tried.contains(QLatin1String("the dictionary joins words by rules")));
        run = RunReport();
        run.indexed = true;
        QVERIFY(runSummary(run) != tried && !runSummary(run).contains(QLatin1String("joins")));
        run.time = std::chrono::milliseconds(1250);
        QVERIFY(runSummary(run).contains(QLocale().toString(1.25, 'f', 2)));
    }

    void cancelKeysStopTheRun_data()
    {
        addRows<CancelRow>({ { "Enter on cancel analysis", "cmdCancel", Qt::Key_Return },
            { "Escape in the letter box", "txtInput", Qt::Key_Escape },
            { "Escape on Analyze", "cmdGo", Qt::Key_Escape },
            { "Escape on the results box", "txtResults", Qt::Key_Escape } });
    }
    void cancelKeysStopTheRun()
    {
        QFETCH(CancelRow, row);
        Program program;
        program.duringRun(2, [&] {
            QWidget *control = program.control(row.control);
            control->setFocus();
            QTest::keyClick(control, row.key);
        });
        startOnAnalyze(program, "abcde");
        QCOMPARE(program.results()->toPlainText(), QString());
        QCOMPARE(program.checkers.script->asked.size(), 3); // the test word, two arrangements
        QCOMPARE(program.control<ProgressDisplay>("ProgressBar1")->value(), 0.0f);
        checkAtRest(program);
    }

    void enterCountsOnlyWithItsOwnPress_data()
    {
        addRows<EnterRow>({
            { "letter box", "txtInput", Qt::Key_Return, {} },
            { "letter box, keypad", "txtInput", Qt::Key_Enter, {} },
            { "letter box, Shift", "txtInput", Qt::Key_Return, Qt::ShiftModifier },
            { "letter box, Ctrl", "txtInput", Qt::Key_Return, Qt::ControlModifier },
            { "Analyze", "cmdGo", Qt::Key_Return, {} },
            { "Analyze, keypad", "cmdGo", Qt::Key_Enter, {} },
            { "Help", "cmdHelp", Qt::Key_Return, {} },
            { "Exit", "cmdExit", Qt::Key_Return, {} },
        });
    }
    void enterCountsOnlyWithItsOwnPress()
    {
        QFETCH(EnterRow, row);
        Program program;
        QSignalSpy help(&program.window, &frmMain::helpRequested);
        QWidget *target = program.control(row.target);
        const auto send = [&](QEvent::Type type, bool autoRepeat = false) {
            QKeyEvent event(type, row.key, row.modifiers, QString(), autoRepeat);
            QApplication::sendEvent(target, &event);
        };
        const auto requests = [&] {
            return program.box.shown().size() + help.count() + program.terminator.endCount();
        };
        // "c at" is refused with a box; the Enter that dismisses it is pressed
        // there, and only its release reaches the window.
        program.box.onShow = [&](const MessageRequest &) {
            if (program.box.shown().size() == 1)
                send(QEvent::KeyRelease);
        };
        program.input()->setText("c at");
        target->setFocus();
        for (Qt::Key other : { Qt::Key_A, Qt::Key_Escape })
            QTest::keyClick(target, other);
        send(QEvent::KeyPress);
        if (auto *button = qobject_cast<QPushButton *>(target))
            QVERIFY(button->isDown());
        // Meanwhile the caret blinks: the control's other events leave the
        // press counted.
        QTimer blinker;
        blinker.start(std::chrono::hours(1));
        for (int i = 0; i < 5; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
            QTimerEvent blink(blinker.timerId());
            QApplication::sendEvent(target, &blink);
        }
        QCOMPARE(requests(), 0); // nothing while it is held
        send(QEvent::KeyRelease);
        QCOMPARE(requests(), 1);
        // A new press counts again; a key held down elsewhere, whose repeats
        // and release alone come here, does not.
        send(QEvent::KeyPress);
        send(QEvent::KeyRelease);
        QCOMPARE(requests(), 2);
        send(QEvent::KeyPress, true);
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
        send(QEvent::KeyRelease);
        QCOMPARE(requests(), 2);
    }

    void confirmationAnsweredNoDuringARun()
    {
        Program program;
        program.duringRun(20, [&] {
            program.input()->setText("abcdefghi");
            program.box.queueAnswer(MessageAnswer::No);
            QTest::mouseClick(program.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(program.box.shown().size(), 1);
            QCOMPARE(program.box.shown().first().buttons, MessageButtons::YesNo);
            QVERIFY(program.control("cmdCancel")->isVisible());
        });
        program.typeAndEnter("abcde");
        // Every arrangement of the first run; the second request made its
        // checker (which asked its test word) and asked nothing more.
        QCOMPARE(program.checkers.script->asked.size(), 2 + 120);
        QCOMPARE(program.runs(), 2);
        QCOMPARE(program.results()->toPlainText(), QStringLiteral("Done - No words found"));
        QVERIFY(!program.control("cmdCancel")->isVisible());
    }

    void exitMidRun_data()
    {
        addRows<QString>("how",
            { { "Exit button", "cmdExit" }, { "File > Exit", "mnu_exit" },
                { "close box", "close" } });
    }
    void exitMidRun()
    {
        QFETCH(QString, how);
        Program program;
        program.duringRun(20, [&] {
            if (how == "cmdExit")
                QTest::mouseClick(program.control("cmdExit"), Qt::LeftButton);
            else if (how == "mnu_exit")
                program.window.findChild<QAction *>("mnu_exit")->trigger();
            else
                program.window.close();
        });
        program.typeAndEnter("abcde");
        QCOMPARE(program.terminator.endCount(), 1);
        QCOMPARE(program.checkers.script->asked.size(), 20);
        QCOMPARE(program.results()->toPlainText(), QString());
        QCOMPARE(program.checkers.script->alive, 0);
    }

    void resizingMovesNothingButTheBanner()
    {
        Program program;
        QWidget *banner = program.control("Picture1");
        QHash<QWidget *, QRect> before;
        QWidget *client = program.window.findChild<QScrollArea *>()->widget();
        for (QWidget *widget : client->findChildren<QWidget *>())
            before.insert(widget, widget->geometry());
        const QSize size = banner->size();
        program.window.resize(program.window.width() + 200, program.window.height() + 150);
        QTRY_COMPARE(banner->size(), size + QSize(200, 0));
        before.remove(banner);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(it.key()->geometry() == it.value(), qPrintable(it.key()->objectName()));
        // The picture fills the grown strip: its end is tiles as its start
        // is, not the background nor a picture never drawn.
        auto *picture = qobject_cast<QLabel *>(banner);
        const QRect inside = picture->contentsRect();
        QCOMPARE(qRound(picture->pixmap().deviceIndependentSize().width()), inside.width());
        const QImage drawn = picture->grab().toImage();
        const auto band = [&drawn, &inside](int left) {
            const qreal ratio = drawn.devicePixelRatio();
            std::array<double, 3> sum {};
            int pixels = 0;
            for (int x = left; x < left + 10; ++x) {
                for (int y = inside.top(); y <= inside.bottom(); ++y) {
                    const QColor color = drawn.pixelColor(QPoint(x, y) * ratio);
                    sum[0] += color.red();
                    sum[1] += color.green();
                    sum[2] += color.blue();
                    ++pixels;
                }
            }
            return QColor(
                qRound(sum[0] / pixels), qRound(sum[1] / pixels), qRound(sum[2] / pixels));
        };
        const QColor start = band(inside.left()), end = band(inside.right() - 9);
        QVERIFY2(qAbs(start.red() - end.red()) + qAbs(start.green() - end.green())
                    + qAbs(start.blue() - end.blue())
                < 60,
            qPrintable(start.name() + QStringLiteral(" ") + end.name()));
    }

    void progressBarTouchedOnlyWhenItMoves()
    {
        EnglishCounts english;
        ProgressDisplay bar;
        QSignalSpy changes(&bar, &QProgressBar::valueChanged);
        bar.setRange(0, 3628799.0f);
        for (int counter = 0; counter < 3628800; ++counter)
            bar.setValue(static_cast<float>(counter));
        QVERIFY(changes.count() <= 10000); // the bar is touched only when it moves
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setValue(0);
        QCOMPARE(bar.QProgressBar::value(), 0);
        // One letter: 0 to 0 is done at once; past float the bar is never full.
        bar.setRange(0, 0.0f);
        bar.setValue(0);
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setRange(0, std::numeric_limits<float>::infinity());
        bar.setValue(1e30f);
        QVERIFY(bar.QProgressBar::value() < bar.maximum());
        // Float counts: 11! - 1 rounds to 11!, and the total stays 11!.
        bar.setRange(0, 39916799.0f);
        bar.setValue(39916799.0f);
        QCOMPARE(bar.runText(), QStringLiteral("39,916,800 of 39,916,800"));
    }

    void progressTextFollowsTheRun()
    {
        EnglishCounts english;
        qint64 now = 0;
        ProgressDisplay bar(nullptr, [&now] { return now; });
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        // Thirteen letters: the bar moves a step every 622,702 arrangements.
        bar.setRange(0, 6227020799.0f);
        bar.setValue(0);
        QCOMPARE(bar.toolTip(), QStringLiteral("1 of 6,227,020,800")); // at once
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), bar.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&bar, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        // A second later the bar has not moved; the tooltip on the screen
        // tells the count all the same, and the time left.
        now = 1000;
        bar.setValue(400000.0f);
        QCOMPARE(bar.QProgressBar::value(), 0);
        QTRY_VERIFY2(QToolTip::text().startsWith(u"400,001 of 6,227,020,800, about "),
            qPrintable(QToolTip::text()));
        QCOMPARE(bar.accessibleDescription(), QToolTip::text());
        bar.endRun();
        QTRY_VERIFY(!QToolTip::isVisible());
        QVERIFY(bar.toolTip().isEmpty());
        // A tenth done after a second: nine seconds more.
        bar.setRange(0, 999.0f);
        bar.setValue(0);
        now = 2000;
        bar.setValue(99.0f);
        QTRY_COMPARE(bar.toolTip(), QStringLiteral("100 of 1,000, about 9 second(s) left"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
