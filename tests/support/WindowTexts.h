// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

// No text is cut: each caption stands whole inside its box (on one line, or
// for a label that wraps, in the lines its height holds), and no control
// drawn above a label hides any of its text.
inline void checkTextsWhole(const QWidget &window)
{
    for (auto *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue; // the banner
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        // A wrapping label's height for its width counts its margins too.
        const QSize text = label->wordWrap()
            ? QSize(box.width(),
                label->heightForWidth(label->width()) - (label->height() - box.height()))
            : QSize(Qt::mightBeRichText(label->text())
                    ? label->sizeHint().width() - (label->width() - box.width())
                    : metrics.horizontalAdvance(label->text()),
                metrics.height());
        QVERIFY2(text.width() <= box.width() && text.height() <= box.height(),
            qPrintable(label->objectName() + ": " + label->text()));
        const QRect drawn(
            label->geometry().topLeft() + box.topLeft(), QSize(text.width(), box.height()));
        const QObjectList siblings = label->parentWidget()->children();
        for (qsizetype above = siblings.indexOf(label) + 1; above < siblings.size(); ++above) {
            const auto *control = qobject_cast<QWidget *>(siblings[above]);
            QVERIFY2(!control || control->isHidden() || !control->geometry().intersects(drawn),
                qPrintable(label->objectName() + " under " + control->objectName()));
        }
    }
    for (auto *button : window.findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room
            = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        // As the button draws it: "&S" shows as an underlined S.
        const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
        QVERIFY2(
            text.width() <= room.width(), qPrintable(button->objectName() + ": " + button->text()));
    }
}

// Each step's controls inside the frame's border and below its caption, and
// the caption inside the frame.
inline void checkControlsInsideTheirFrame(const QWidget &window)
{
    const auto *frame = window.findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    const QFontMetrics caption(frame->font());
    QVERIFY(
        caption.horizontalAdvance(frame->title()) + caption.averageCharWidth() < frame->width());
    const QRect inside = frame->rect().adjusted(2, caption.height(), -2, -2);
    const auto controls = frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(controls.size() >= 9);
    for (const QWidget *control : controls)
        QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
}
