// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ProgressDisplay.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <limits>

using MainWindowFixture::Fixture;

namespace {

struct RunRow {
    const char *name;
    QString letters;
    bool cancel; // with Enter on "cancel analysis", after the second arrangement
    QString result;
    QColor color;
    qsizetype asked; // the checker's test word, then arrangements
};
struct EnterRow {
    const char *name;
    const char *target;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void idleStateAndTabOrder()
    {
        Fixture fx;
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
        QVERIFY(fx.control("ProgressBar1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), fx.input());
        QVERIFY(fx.results()->isReadOnly());
        QStringList seen;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen.append(QApplication::focusWidget()->objectName());
        }
        // The hidden cmdCancel is passed by.
        QCOMPARE(seen,
            (QStringList { "cmdGo", "cmdHelp", "cmdExit", "txtResults", "Picture1", "txtInput" }));
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        fx.window.findChild<QAction *>("mnu_qvhelp")->trigger();
        QCOMPARE(help.count(), 1);
    }

    void runStartedOnAnalyze_data()
    {
        addRows<RunRow>({
            { "words found", "cat", false, "Done - Found 3 words: cat, act, tac", QColor(0, 50, 0),
                7 },
            { "no words", "abcde", false, "Done - No words found", QColor(50, 0, 0), 121 },
            { "cancelled from the keyboard", "abcde", true, "", Qt::black, 3 },
        });
    }
    void runStartedOnAnalyze()
    {
        QFETCH(RunRow, row);
        Fixture fx;
        bool cancelShown = false;
        fx.duringRun(2, [&] {
            auto *cancel = fx.control("cmdCancel");
            cancelShown = cancel->isVisible();
            if (row.cancel) {
                cancel->setFocus();
                QTest::keyClick(cancel, Qt::Key_Return);
            }
        });
        // Started from the keyboard on Analyze, where the focus then stays.
        fx.input()->setText(row.letters);
        fx.control("cmdGo")->setFocus();
        QTest::keyClick(fx.control("cmdGo"), Qt::Key_Space);
        QVERIFY(cancelShown);
        QCOMPARE(fx.results()->toPlainText(), row.result);
        QCOMPARE(fx.results()->palette().color(QPalette::Text), row.color);
        QCOMPARE(fx.checkers.script->asked.size(), row.asked);
        QCOMPARE(fx.control<ProgressDisplay>("ProgressBar1")->value() == 0.0f, row.cancel);
        // Back at rest, typing goes to the letter box again.
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
        QCOMPARE(QApplication::focusWidget(), fx.input());
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
        Fixture fx;
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        QWidget *target = fx.control(row.target);
        const auto send = [&](QEvent::Type type, bool autoRepeat = false) {
            QKeyEvent event(type, row.key, row.modifiers, QString(), autoRepeat);
            QApplication::sendEvent(target, &event);
        };
        const auto requests
            = [&] { return fx.box.shown().size() + help.count() + fx.terminator.endCount(); };
        // "c at" is refused with a box; the Enter that dismisses it is pressed
        // there, and only its release reaches the window.
        fx.box.onShow = [&](const MessageRequest &) {
            if (fx.box.shown().size() == 1)
                send(QEvent::KeyRelease);
        };
        fx.input()->setText("c at");
        target->setFocus();
        for (Qt::Key other : { Qt::Key_A, Qt::Key_Escape })
            QTest::keyClick(target, other);
        send(QEvent::KeyPress);
        if (auto *button = qobject_cast<QPushButton *>(target))
            QVERIFY(button->isDown());
        for (int i = 0; i < 5; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
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
        Fixture fx;
        fx.duringRun(20, [&] {
            fx.input()->setText("abcdefghi");
            fx.box.queueAnswer(MessageAnswer::No);
            QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(fx.box.shown().size(), 1);
            QCOMPARE(fx.box.shown().first().buttons, MessageButtons::YesNo);
            QVERIFY(fx.control("cmdCancel")->isVisible());
        });
        fx.typeAndEnter("abcde");
        // Every arrangement of the first run; the second request made its
        // checker (which asked its test word) and asked nothing more.
        QCOMPARE(fx.checkers.script->asked.size(), 2 + 120);
        QCOMPARE(fx.runs(), 2);
        QCOMPARE(fx.results()->toPlainText(), QStringLiteral("Done - No words found"));
        QVERIFY(!fx.control("cmdCancel")->isVisible());
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
        Fixture fx;
        fx.duringRun(20, [&] {
            if (how == "cmdExit")
                QTest::mouseClick(fx.control("cmdExit"), Qt::LeftButton);
            else if (how == "mnu_exit")
                fx.window.findChild<QAction *>("mnu_exit")->trigger();
            else
                fx.window.close();
        });
        fx.typeAndEnter("abcde");
        QCOMPARE(fx.terminator.endCount(), 1);
        QCOMPARE(fx.checkers.script->asked.size(), 20);
        QCOMPARE(fx.results()->toPlainText(), QString());
        QCOMPARE(fx.checkers.script->alive, 0);
    }

    void resizingMovesNothingButTheBanner()
    {
        Fixture fx;
        QWidget *banner = fx.control("Picture1");
        QHash<QWidget *, QRect> before;
        for (QWidget *widget : fx.window.centralWidget()->findChildren<QWidget *>())
            before.insert(widget, widget->geometry());
        const QSize size = banner->size();
        fx.window.resize(fx.window.width() + 200, fx.window.height() + 150);
        QTRY_COMPARE(banner->size(), size + QSize(200, 0));
        before.remove(banner);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(it.key()->geometry() == it.value(), qPrintable(it.key()->objectName()));
    }

    void progressDisplay()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ProgressDisplay bar;
        QSignalSpy changes(&bar, &QProgressBar::valueChanged);
        bar.setRange(0, 3628799.0f);
        for (int counter = 0; counter < 3628800; ++counter)
            bar.setValue(static_cast<float>(counter));
        QVERIFY(changes.count() <= 10000); // the bar is touched only when it moves
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setRange(0, 3628799.0f); // a new run shows its text at once
        bar.setValue(1234566.0f);
        QCOMPARE(bar.runText(), QStringLiteral("1,234,567 of 3,628,800"));
        QCOMPARE(bar.toolTip(), bar.runText());
        QCOMPARE(bar.accessibleDescription(), bar.runText());
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
        bar.setRange(0, 999.0f);
        bar.setValue(0);
        QTest::qSleep(1100);
        bar.setValue(99.0f); // a tenth done after a second: about ten more
        QVERIFY2(bar.runText().startsWith(QStringLiteral("100 of 1,000, about 1")),
            qPrintable(bar.runText()));
        QVERIFY(bar.toolTip().contains("left"));
        bar.endRun();
        QVERIFY(bar.toolTip().isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
