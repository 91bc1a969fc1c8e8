// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FreshKeysOnly.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyReleases::KeyReleases()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool KeyReleases::repeats(int key, quint64 timestamp) const
{
    const auto last = m_last.constFind(key);
    return last != m_last.cend() && *last == timestamp;
}

void KeyReleases::note(const QKeyEvent &release)
{
    m_last.insert(release.key(), release.timestamp());
}

bool KeyReleases::eventFilter(QObject *, QEvent *event)
{
    // A release goes from the focused control up to its window: it is noted
    // as it is handed to each, the same.
    if (event->type() == QEvent::KeyRelease)
        note(*static_cast<QKeyEvent *>(event));
    return false;
}

FreshKeysOnly::FreshKeysOnly(QWidget &dialog, KeyReleases &releases)
    : QObject(&dialog)
    , m_dialog(dialog)
    , m_releases(releases)
{
    // Keys reach the dialog's focused button before the dialog itself, and
    // either answers Enter: the application is watched for both.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
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
    if (event->type() == QEvent::KeyRelease)
        m_releases.note(*key);
    else if (!key->isAutoRepeat() && !m_releases.repeats(key->key(), key->timestamp()))
        m_pressedHere.insert(key->key());
    return !m_pressedHere.contains(key->key());
}
