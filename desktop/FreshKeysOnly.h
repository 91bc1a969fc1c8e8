// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QKeyEvent;
class QWidget;

// When each key was last released, whoever it went to. The window system
// gives a held key's repeats as a release and a press of the same time;
// on a busy machine the window system cannot always tell them as repeats,
// and the release looks like the key's last one. Kept for the whole run,
// so that the release that asked a question is known when it is shown.
class KeyReleases final : public QObject {
public:
    KeyReleases();
    // Whether the press is the second half of such a pair.
    [[nodiscard]] bool repeats(int key, quint64 timestamp) const;
    // Notes a release that a filter installed later kept from this one.
    void note(const QKeyEvent &release);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<int, quint64> m_last;
};

// Lets a dialog answer only keys pressed while it is up. Enter held down
// where the dialog was asked for goes on repeating, and on a busy machine
// those repeats are still queued when the dialog appears: they must not press
// its default button, nor may the release of a key pressed before it opened
// answer it. Watches the whole application while the dialog lives.
class FreshKeysOnly final : public QObject {
public:
    FreshKeysOnly(QWidget &dialog, KeyReleases &releases);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_dialog;
    KeyReleases &m_releases;
    QSet<int> m_pressedHere;
};
