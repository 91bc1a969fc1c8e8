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
};

void send(QWidget *target, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers,
    bool autoRepeat)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
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
            { "Enter", Qt::Key_Return, {} },
            { "keypad Enter", Qt::Key_Enter, Qt::KeypadModifier },
            { "Escape", Qt::Key_Escape, {} },
        });
    }
    void keyHeldFromBeforeNeverAnswers()
    {
        QFETCH(HeldKeyRow, row);
        const auto box = QtMessageBox::build({ QStringLiteral("Go on?"),
            QStringLiteral("Please Confirm"), MessageButtons::YesNo, MessageIcon::None });
        box->show();
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QWidget *focus = box->focusWidget() ? box->focusWidget() : box.get();
        // Its repeats and its release, while the box is up.
        for (int i = 0; i < 3; ++i)
            send(focus, QEvent::KeyPress, row.key, row.modifiers, true);
        send(focus, QEvent::KeyRelease, row.key, row.modifiers, false);
        QCoreApplication::processEvents();
        QVERIFY(box->isVisible());
        QCOMPARE(box->clickedButton(), nullptr);
        // Pressed again, now the box is up, Enter takes the default button.
        send(focus, QEvent::KeyPress, Qt::Key_Return, {}, false);
        QCOMPARE(box->clickedButton(), box->button(QMessageBox::Yes));
        QVERIFY(!box->isVisible());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
