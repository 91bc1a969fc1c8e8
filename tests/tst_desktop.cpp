// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The message box as the desktop shows it, never run modally here: it is
// shown on its own and given the keys a user's hand would give it.
#include "desktop/QtMessageBox.h"
#include "tests/support/Rows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

struct HeldKeyRow {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    // The repeats come as a release and a press of one time, not told as
    // repeats, as a busy window system gives them.
    bool pairs;
};

void send(QWidget *target, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers,
    quint64 timestamp, bool autoRepeat = false)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    // A key held down where the question was asked goes on repeating into
    // the box; only a key pressed while the box is up answers it.
    void keyHeldFromBeforeNeverAnswers_data()
    {
        addRows<HeldKeyRow>({
            { "Enter", Qt::Key_Return, {}, false },
            { "keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, false },
            { "Escape", Qt::Key_Escape, {}, false },
            { "Enter, repeats not told", Qt::Key_Return, {}, true },
            { "Escape, repeats not told", Qt::Key_Escape, {}, true },
        });
    }
    void keyHeldFromBeforeNeverAnswers()
    {
        QFETCH(HeldKeyRow, row);
        QtMessageBox messages;
        // The release that asked the question, in the letter box.
        QWidget letterBox;
        send(&letterBox, QEvent::KeyRelease, row.key, row.modifiers, 1000);
        const auto box = messages.build({ QStringLiteral("Go on?"),
            QStringLiteral("Please Confirm"), MessageButtons::YesNo, MessageIcon::None });
        box->show();
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QWidget *focus = box->focusWidget() ? box->focusWidget() : box.get();
        // Its repeats and its release, while the box is up.
        for (quint64 time = 1000; time < 1003; ++time) {
            if (row.pairs && time > 1000)
                send(focus, QEvent::KeyRelease, row.key, row.modifiers, time);
            send(focus, QEvent::KeyPress, row.key, row.modifiers, time, !row.pairs);
        }
        send(focus, QEvent::KeyRelease, row.key, row.modifiers, 1010);
        QCoreApplication::processEvents();
        QVERIFY(box->isVisible());
        QCOMPARE(box->clickedButton(), nullptr);
        // Pressed again, now the box is up, Enter takes the default button.
        send(focus, QEvent::KeyPress, Qt::Key_Return, {}, 2000);
        QCOMPARE(box->clickedButton(), box->button(QMessageBox::Yes));
        QVERIFY(!box->isVisible());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
