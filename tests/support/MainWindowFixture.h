// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/frmMain.h"
#include "platform/EventPump.h"
#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/ScriptedChecker.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

// The main window wired to a search with a scripted checker and fake boxes,
// shown and active.
namespace MainWindowFixture {

class QtPump final : public EventPump {
public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
    void waitForEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void wake() override
    {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    }
};

struct Fixture {
    FakeMessageBox box;
    ScriptedCheckerFactory checkers;
    FakeTerminator terminator;
    QtPump events;
    frmMain window;
    WordSearch search { window, { box, checkers, terminator, events },
        { std::chrono::nanoseconds(0) } };

    // The window opens on the screen named, else on the primary one.
    explicit Fixture(QScreen *screen = nullptr)
        : window(screen)
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
    int runs() const { return static_cast<int>(checkers.attempts.size()); }
    // Runs action between two arrangements of the run, as a real click comes.
    void duringRun(int arrangement, std::function<void()> action)
    {
        checkers.script->onAsk = [this, arrangement, action](const QString &) {
            if (checkers.script->asked.size() == arrangement)
                QMetaObject::invokeMethod(&window, action, Qt::QueuedConnection);
        };
    }

    void typeAndEnter(const QString &letters)
    {
        input()->setFocus();
        input()->clear();
        QTest::keyClicks(input(), letters);
        QTest::keyClick(input(), Qt::Key_Return);
    }
};

} // namespace MainWindowFixture
