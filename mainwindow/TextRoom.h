// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The width a control needs to show its text whole, on one line, as its
// style draws it.
[[nodiscard]] int widthForText(const QLabel &label);
[[nodiscard]] int widthForText(const QPushButton &button);

// The steps' controls as the window lays them out: in each row a label on
// the left and, for the first three, a control on the right, all of those
// ending at one right edge.
struct StepRows {
    QGroupBox *frame;
    struct Row {
        QLabel *label;
        QWidget *right; // the letter box or a button; nothing in the last row
    };
    Row rows[4];
    QWidget *progress; // under the third row, as wide as the results box
    QWidget *results; // under the last row
    QPushButton *lowerLeft; // below the frame: Help ...
    QPushButton *lowerRight; // ... and Exit at the window's right edge
};

// Texts longer than the design's (a translation) must not be cut off: each
// button widens towards the window's middle, each label to its text's
// width; where a label then runs into the control right of it, everything
// right of the labels moves right, and the frame, the results and the
// progress bar widen, by as little as makes room for the longest. Gives by
// how much the window must widen; 0 for the designed texts.
[[nodiscard]] int makeRoomForTexts(const StepRows &steps);
