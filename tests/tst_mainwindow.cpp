// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"
#include "tests/support/MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <limits>

using MainWindowFixture::Fixture;

namespace {

void sendKey(QWidget *target, QEvent::Type type, Qt::Key key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

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
        QVERIFY(!fx.control<QPushButton>("cmdGo")->autoDefault());
    }

    void tabOrder()
    {
        const QStringList order { "cmdGo", "cmdHelp", "cmdExit", "txtResults", "Picture1",
            "txtInput" };
        Fixture fx;
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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

    void focusBackInTheLetterBox_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("run finished") << false;
        QTest::newRow("run cancelled from the keyboard") << true;
    }
    void focusBackInTheLetterBox()
    {
        QFETCH(bool, cancel);
        Fixture fx;
        if (cancel)
            fx.duringRun(20, [&] {
                auto *button = fx.control<QPushButton>("cmdCancel");
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            });
        // Started from the keyboard on Analyze, where the focus then stays.
        fx.input()->setText("abcde");
        fx.control("cmdGo")->setFocus();
        QTest::keyClick(fx.control("cmdGo"), Qt::Key_Space);
        QCOMPARE(fx.runs(), 1);
        QCOMPARE(fx.results()->toPlainText().isEmpty(), cancel);
        QCOMPARE(fx.checkers.script->asked.size(), cancel ? 21 : 121);
        QCOMPARE(fx.control<ProgressDisplay>("ProgressBar1")->value() == 0.0f, cancel);
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
        QCOMPARE(QApplication::focusWidget(), fx.input());
        QTest::keyClicks(QApplication::focusWidget(), "x");
        QCOMPARE(fx.input()->text(), QStringLiteral("abcdex"));
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

    void enterWithoutItsPressStartsNothing_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void enterWithoutItsPressStartsNothing()
    {
        QFETCH(Qt::Key, key);
        Fixture fx;
        // "c at" is refused; the Enter that dismisses the box is pressed
        // there, and only its release reaches the letter box.
        fx.box.onShow = [&](const MessageRequest &) {
            fx.box.onShow = nullptr;
            sendKey(fx.input(), QEvent::KeyRelease, key);
        };
        fx.input()->setText("c at");
        sendKey(fx.input(), QEvent::KeyPress, key);
        sendKey(fx.input(), QEvent::KeyRelease, key);
        QCOMPARE(fx.box.shown().size(), 1);
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Analyze") << "cmdGo" << Qt::Key_Return;
        QTest::newRow("Analyze, keypad") << "cmdGo" << Qt::Key_Enter;
        QTest::newRow("Help") << "cmdHelp" << Qt::Key_Return;
        QTest::newRow("Exit") << "cmdExit" << Qt::Key_Return;
        QTest::newRow("cancel analysis") << "cmdCancel" << Qt::Key_Return;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(Qt::Key, key);
        Fixture fx;
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        auto *button = fx.control<QPushButton>(name.toLatin1());
        const auto press = [&] {
            button->setFocus();
            QTest::keyPress(button, key);
            QVERIFY(button->isDown());
            QTest::keyRelease(button, key);
        };
        fx.input()->setText("abcde");
        if (name == "cmdCancel")
            fx.duringRun(20, press);
        else
            press();
        if (name == "cmdGo")
            QCOMPARE(fx.runs(), 1);
        if (name == "cmdHelp") {
            fx.window.findChild<QAction *>("mnu_qvhelp")->trigger();
            QCOMPARE(help.count(), 2);
        }
        if (name == "cmdExit")
            QCOMPARE(fx.terminator.endCount(), 1);
        if (name == "cmdCancel") {
            QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(fx.checkers.script->asked.size(), 21);
        }
    }

    void heldEnterStartsOneAnalysis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("in the letter box") << "txtInput";
        QTest::newRow("on Analyze") << "cmdGo";
    }
    void heldEnterStartsOneAnalysis()
    {
        QFETCH(QString, name);
        Fixture fx;
        fx.input()->setText("cat");
        QWidget *target = fx.control(name.toLatin1());
        target->setFocus();
        sendKey(target, QEvent::KeyPress, Qt::Key_Return);
        for (int i = 0; i < 5; ++i) {
            sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
            sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
        }
        QCOMPARE(fx.runs(), 0); // nothing while it is held
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return);
        QCOMPARE(fx.runs(), 1);
        // Repeats alone, with no press of their own, start nothing either.
        sendKey(target, QEvent::KeyPress, Qt::Key_Return);
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return);
        QCOMPARE(fx.runs(), 2);
        sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
        QCOMPARE(fx.runs(), 2);
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

    void confirmationAnsweredNo_data()
    {
        QTest::addColumn<bool>("duringRun");
        QTest::newRow("after a run") << false;
        QTest::newRow("during a run") << true;
    }
    void confirmationAnsweredNo()
    {
        QFETCH(bool, duringRun);
        Fixture fx;
        const auto askAgain = [&] {
            fx.input()->setText("abcdefghi");
            fx.box.queueAnswer(MessageAnswer::No);
            QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(fx.box.shown().size(), 1);
            QCOMPARE(fx.box.shown().first().buttons, MessageButtons::YesNo);
            // No leaves the running analysis going, untouched.
            QCOMPARE(fx.control("cmdCancel")->isVisible(), duringRun);
        };
        if (duringRun)
            fx.duringRun(20, askAgain);
        fx.typeAndEnter("abcde");
        if (!duringRun)
            askAgain();
        // Every arrangement of the first run; the second request made its
        // checker (which asked its test word) and asked nothing more.
        QCOMPARE(fx.checkers.script->asked.size(), 2 + 120);
        QCOMPARE(fx.runs(), 2);
        QCOMPARE(fx.results()->toPlainText(), QStringLiteral("Done - No words found"));
        QVERIFY(!fx.control("cmdCancel")->isVisible());
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

    void resizingMovesNothingButTheBanner()
    {
        Fixture fx;
        const auto controls = [&fx] {
            QList<QWidget *> found = fx.window.centralWidget()->findChildren<QWidget *>(
                QString(), Qt::FindDirectChildrenOnly);
            found += fx.control("Frame1")->findChildren<QWidget *>(
                QString(), Qt::FindDirectChildrenOnly);
            return found;
        };
        QMap<QString, QRect> before;
        for (QWidget *widget : controls())
            before.insert(widget->objectName(), widget->geometry());
        const QSize banner = fx.control("Picture1")->size();
        fx.window.resize(fx.window.width() + 200, fx.window.height() + 150);
        QTRY_COMPARE(fx.control("Picture1")->width(), banner.width() + 200);
        QCOMPARE(fx.control("Picture1")->height(), banner.height());
        for (QWidget *widget : controls()) {
            if (widget->objectName() != "Picture1")
                QCOMPARE(widget->geometry(), before.value(widget->objectName()));
        }
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
