// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FreshKeysOnly.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

FreshKeysOnly::FreshKeysOnly(QWidget &dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
    // Keys reach the dialog's focused button before the dialog itself, and
    // either answers Enter: the application is watched for both.
    QCoreApplication::instance()->installEventFilter(this);
}

bool FreshKeysOnly::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != &m_dialog && !m_dialog.isAncestorOf(widget)))
        return false;
    // Whatever comes of a key, its repeats and its release, counts once the
    // dialog has seen the key go down.
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        m_pressedHere.insert(key->key());
    return !m_pressedHere.contains(key->key());
}
