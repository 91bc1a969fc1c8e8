// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/ProgressDisplay.h"
#include "mainwindow/frmMain.h"
#include "platform/EventPump.h"
#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/ScriptedChecker.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

class QtPump final : public EventPump {
public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
};

struct Fixture {
    FakeMessageBox box;
    ScriptedCheckerFactory checkers;
    FakeTerminator terminator;
    QtPump events;
    frmMain window;
    WordSearch search { window, { box, checkers, terminator, events },
        { std::chrono::nanoseconds(0) } };

    Fixture()
    {
        connectAnalysis(window, search, terminator);
        checkers.script->accepted = { "cat", "act", "tac" };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    template<typename T = QWidget> T *control(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QLineEdit *input() const { return control<QLineEdit>("txtInput"); }
    QPlainTextEdit *results() const { return control<QPlainTextEdit>("txtResults"); }
    QColor resultsColor() const { return results()->palette().color(QPalette::Text); }

    void typeAndEnter(const QString &letters)
    {
        input()->setFocus();
        input()->clear();
        QTest::keyClicks(input(), letters);
        QTest::keyClick(input(), Qt::Key_Return);
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void idleState()
    {
        Fixture fx;
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
        QVERIFY(fx.control("ProgressBar1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), fx.input());
        QVERIFY(fx.results()->isReadOnly());
        QVERIFY(fx.control<QLabel>("lblInput")->font().bold());
        QCOMPARE(fx.control<QLabel>("lblInput")->font().pointSizeF(), 9.75);
        QCOMPARE(fx.control<QPushButton>("cmdExit")->font().pointSizeF(), 12.0);
        QVERIFY(!fx.input()->font().bold());
        QCOMPARE(
            fx.window.centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(fx.input()->palette().color(QPalette::Base), QColor(255, 255, 128));
        QCOMPARE(fx.control("Frame1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!fx.control<QPushButton>("cmdGo")->autoDefault());
    }

    void tabOrder_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Tab") << Qt::Key_Tab
                             << QStringList { "cmdGo", "cmdHelp", "cmdExit", "txtResults",
                                    "Picture1", "txtInput" };
        QTest::newRow("Shift+Tab")
            << Qt::Key_Backtab
            << QStringList { "Picture1", "txtResults", "cmdExit", "cmdHelp", "cmdGo", "txtInput" };
    }
    void tabOrder()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, order);
        Fixture fx;
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            seen.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(seen, order); // the hidden cmdCancel is passed by
    }

    void analysisThroughTheWindow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QColor>("color");
        QTest::newRow("words found") << "cat"
                                     << "Done - Found 3 words: cat, act, tac" << QColor(0, 50, 0);
        QTest::newRow("no words") << "xyz"
                                  << "Done - No words found" << QColor(50, 0, 0);
    }
    void analysisThroughTheWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QColor, color);
        Fixture fx;
        bool cancelShownDuringRun = false;
        fx.checkers.script->onAsk
            = [&](const QString &) { cancelShownDuringRun = fx.control("cmdCancel")->isVisible(); };
        fx.typeAndEnter(typed);
        QCOMPARE(fx.results()->toPlainText(), result);
        QCOMPARE(fx.resultsColor(), color);
        QVERIFY(cancelShownDuringRun);
        QVERIFY(!fx.control("cmdCancel")->isVisible());
    }

    void whichKeysStartARequest_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("starts");
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Shift+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false;
    }
    void whichKeysStartARequest()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, starts);
        Fixture fx;
        fx.input()->setText("cat");
        QTest::keyPress(fx.input(), Qt::Key(key), modifiers);
        QVERIFY(fx.checkers.attempts.isEmpty()); // not on the press
        QTest::keyRelease(fx.input(), Qt::Key(key), modifiers);
        QCOMPARE(!fx.checkers.attempts.isEmpty(), starts);
    }

    void releaseWithoutPressOrAutoRepeatStartsNothing()
    {
        Fixture fx;
        fx.input()->setText("cat");
        // The Enter that closed a message box: only its release reaches the box.
        QTest::keyRelease(fx.input(), Qt::Key_Return);
        QVERIFY(fx.checkers.attempts.isEmpty());
        QTest::keyPress(fx.input(), Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(fx.input(), &repeat);
        QVERIFY(fx.checkers.attempts.isEmpty());
        QTest::keyRelease(fx.input(), Qt::Key_Return);
        QCOMPARE(fx.checkers.attempts.size(), 1);
    }

    void refusalKeepsThePreviousResult()
    {
        Fixture fx;
        fx.typeAndEnter("cat");
        fx.typeAndEnter("c at");
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(
            fx.results()->toPlainText(), QStringLiteral("Done - Found 3 words: cat, act, tac"));
    }

    void confirmationAnsweredNo()
    {
        Fixture fx;
        fx.typeAndEnter("cat");
        fx.box.queueAnswer(MessageAnswer::No);
        QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton); // still "cat": nothing asked
        fx.input()->setText("abcdefghi");
        fx.box.queueAnswer(MessageAnswer::No);
        QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(fx.box.shown().first().title, QStringLiteral("Please Confirm"));
        QCOMPARE(
            fx.results()->toPlainText(), QStringLiteral("Done - Found 3 words: cat, act, tac"));
        QVERIFY(!fx.control("cmdCancel")->isVisible());
    }

    void cancelMidRun()
    {
        Fixture fx;
        fx.checkers.script->onAsk = [&](const QString &) {
            // Queued, as a real click is: the run handles it between two arrangements.
            if (fx.checkers.script->asked.size() == 20)
                QMetaObject::invokeMethod(
                    &fx.window, [&] { QTest::mouseClick(fx.control("cmdCancel"), Qt::LeftButton); },
                    Qt::QueuedConnection);
        };
        fx.typeAndEnter("abcde");
        QCOMPARE(fx.checkers.script->asked.size(), 21);
        QCOMPARE(fx.results()->toPlainText(), QString());
        QCOMPARE(fx.control<ProgressDisplay>("ProgressBar1")->value(), 0.0f);
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
    }

    void exitMidRun_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "cmdExit";
        QTest::newRow("File > Exit") << "mnu_exit";
        QTest::newRow("close box") << "close";
    }
    void exitMidRun()
    {
        QFETCH(QString, how);
        Fixture fx;
        fx.checkers.script->onAsk = [&](const QString &) {
            if (fx.checkers.script->asked.size() != 20)
                return;
            QMetaObject::invokeMethod(
                &fx.window,
                [&] {
                    if (how == "cmdExit")
                        QTest::mouseClick(fx.control("cmdExit"), Qt::LeftButton);
                    else if (how == "mnu_exit")
                        fx.window.findChild<QAction *>("mnu_exit")->trigger();
                    else
                        fx.window.close();
                },
                Qt::QueuedConnection);
        };
        fx.typeAndEnter("abcde");
        QCOMPARE(fx.terminator.endCount(), 1);
        QCOMPARE(fx.checkers.script->asked.size(), 20);
        QCOMPARE(fx.results()->toPlainText(), QString());
        QCOMPARE(fx.checkers.script->alive, 0);
    }

    void exitWhenIdleEndsTheProgram()
    {
        Fixture fx;
        QTest::mouseClick(fx.control("cmdExit"), Qt::LeftButton);
        QCOMPARE(fx.terminator.endCount(), 1);
    }

    void helpButtonDoesNothing()
    {
        Fixture fx;
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        QTest::mouseClick(fx.control("cmdHelp"), Qt::LeftButton);
        QCOMPARE(help.count(), 0);
        QVERIFY(fx.box.shown().isEmpty());
        fx.window.findChild<QAction *>("mnu_qvhelp")->trigger();
        QCOMPARE(help.count(), 1);
    }

    void resizingMovesNothingButTheBanner()
    {
        Fixture fx;
        fx.window.resize(700, 700);
        QTRY_COMPARE(fx.window.centralWidget()->width(), 700);
        QCOMPARE(fx.control("Picture1")->geometry(), QRect(0, 0, 700, 62));
        QCOMPARE(fx.control("Frame1")->geometry(), QRect(19, 80, 385, 281));
        QCOMPARE(fx.control("cmdExit")->geometry(), QRect(344, 392, 57, 33));
    }

    void progressDisplayTouchesTheBarOnlyWhenItMoves()
    {
        ProgressDisplay bar;
        QSignalSpy changes(&bar, &QProgressBar::valueChanged);
        bar.setRange(0, 3628799.0f);
        for (int counter = 0; counter < 3628800; ++counter)
            bar.setValue(static_cast<float>(counter));
        QVERIFY(changes.count() <= 10000);
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setValue(0);
        QCOMPARE(bar.QProgressBar::value(), 0);
    }

    void progressDisplayOddRanges_data()
    {
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("full");
        QTest::newRow("one letter: 0 to 0, done") << 0.0f << 0.0f << true;
        QTest::newRow("past float: never full")
            << std::numeric_limits<float>::infinity() << 1e30f << false;
    }
    void progressDisplayOddRanges()
    {
        QFETCH(float, maximum);
        QFETCH(float, value);
        QFETCH(bool, full);
        ProgressDisplay bar;
        bar.setRange(0, maximum);
        bar.setValue(value);
        QCOMPARE(bar.QProgressBar::value() == bar.maximum(), full);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
