// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// A push button that Enter presses as Space does: down on the press, clicked
// on the release. Auto-repeated keys, which a held key sends, press nothing.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_enterDown = false;
};

// A frame with its caption set into the top border, the way the window was
// designed, whatever the widget style would do with a group box.
class StepFrame : public QGroupBox {
    Q_OBJECT

public:
    StepFrame(const QString &caption, const QColor &captionColor, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_captionColor;
};

// A picture in a sunken box that shows when it has the keyboard focus: the
// Tab key stops on it, so the user must see that it did.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
