// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

// Lets a dialog answer only keys pressed while it is up. Enter held down
// where the dialog was asked for goes on repeating, and on a busy machine
// those repeats are still queued when the dialog appears: they must not press
// its default button, nor may the release of a key pressed before it opened
// answer it. Watches the whole application while the dialog lives.
class FreshKeysOnly final : public QObject {
public:
    explicit FreshKeysOnly(QWidget &dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_dialog;
    QSet<int> m_pressedHere;
};
