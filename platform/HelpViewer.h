// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Shows a compiled help file at its default topic in a window of its own and
// returns at once; a viewer that cannot show the file says so in its window.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void displayTopic(QWidget *caller, const QString &helpFile) = 0;
};
