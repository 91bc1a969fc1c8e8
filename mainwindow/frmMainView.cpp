// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the search's view: what a run shows in it, and what the
// run reads from it.
#include "mainwindow/Controls.h"
#include "mainwindow/ProgressDisplay.h"
#include "mainwindow/ResultsBox.h"
#include "mainwindow/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

void frmMain::setProgressRange(float minimum, float maximum)
{
    ProgressBar1->setRange(minimum, maximum);
}

void frmMain::setProgressValue(float value)
{
    ProgressBar1->setValue(value);
}

void frmMain::setProgressVisible(bool visible)
{
    ProgressBar1->setVisible(visible);
}

void frmMain::repaintProgress()
{
    ProgressBar1->repaint();
}

void frmMain::setSearchingVisible(bool visible)
{
    lblSearching->setVisible(visible);
}

void frmMain::setResultsColor(RgbColor color)
{
    QPalette palette = txtResults->palette();
    palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
    txtResults->setPalette(palette);
}

namespace {

// A screen reader hears a description whole: of an answer of millions of
// words, its start, which tells how many were found, is what can be heard,
// and tens of megabytes would be handed to the accessibility bus.
constexpr qsizetype kHeardAtMost = 2000;

QString heard(const QString &text)
{
    if (text.size() <= kHeardAtMost)
        return text;
    const qsizetype blank = text.lastIndexOf(u' ', kHeardAtMost);
    return text.left(blank > 0 ? blank : kHeardAtMost) + QChar(0x2026);
}

} // namespace

void frmMain::setResultsText(const QString &text)
{
    txtResults->setResults(text);
    // A screen reader hears the result line as the box's new description
    // when a run ends; an empty box says what it is for.
    txtResults->setAccessibleDescription(
        text.isEmpty() ? tr("The words found appear here when an analysis ends") : heard(text));
}

namespace {

// As rich text a long note wraps, instead of running off a small screen;
// its lines stay as written.
QString wrappingTip(const QString &text)
{
    return text.isEmpty()
        ? text
        : QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace

void frmMain::setLooseMatching(bool loose)
{
    mnu_loose->setChecked(loose);
}

bool frmMain::looseMatching() const
{
    return mnu_loose->isChecked();
}

void frmMain::setRunNotes(const QString &results, const QString &progress)
{
    txtResults->setToolTip(wrappingTip(results));
    lblSearching->setToolTip(wrappingTip(progress));
}

QString frmMain::inputText() const
{
    return txtInput->text();
}

void frmMain::setCancelVisible(bool visible)
{
    if (!visible) {
        // The run is over: typing goes to the letter box again at once, not
        // wherever the hidden button would have passed the focus on to.
        txtInput->setFocus();
        ProgressBar1->endRun();
    }
    cmdCancel->setVisible(visible);
    m_escape->setEnabled(visible || m_requestsUnderWay > 0);
}
