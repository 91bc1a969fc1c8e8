// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ResultsBox.h"

#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

namespace {

// A paragraph this long lays out in a few milliseconds and fills a box's
// view many times over, so a box lays out at most a handful at once.
constexpr qsizetype kParagraphLength = 16 * 1024;

// Characters and paragraphs taken into the document at one turn of the
// event loop: some ten milliseconds' work each. A paragraph costs as much
// as a few hundred characters, and a text of short lines has many.
constexpr qsizetype kFillLength = 1024 * 1024;
constexpr int kFillParagraphs = 1024;

} // namespace

ResultsBox::ResultsBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    // Nobody edits the box; an undo history would keep a copy of each answer.
    setUndoRedoEnabled(false);
    m_filling.setInterval(0);
    m_filling.setSingleShot(true);
    connect(&m_filling, &QTimer::timeout, this, &ResultsBox::fill);
}

void ResultsBox::setResults(const QString &text)
{
    m_filling.stop();
    m_results = text;
    m_filled = 0;
    m_feedAt = -1;
    m_returnAt = -1;
    // A carriage return and a line feed make one paragraph break, one
    // position in the box for two characters of the answer. No answer has
    // them, but a text that has is copied as it is too.
    m_pairsShown.clear();
    // (Looked for by the carriage return alone, which is found at the speed
    // of memory, where a search for both characters takes a tenth of a second
    // through tens of megabytes.)
    for (qsizetype at = text.indexOf(u'\r'); at >= 0; at = text.indexOf(u'\r', at + 1)) {
        if (at + 1 < text.size() && text.at(at + 1) == u'\n')
            m_pairsShown.push_back(at - qsizetype(m_pairsShown.size()));
    }
    clear();
    fill();
}

qsizetype ResultsBox::inResults(qsizetype position) const
{
    return position
        + (std::lower_bound(m_pairsShown.begin(), m_pairsShown.end(), position)
            - m_pairsShown.begin());
}

qsizetype ResultsBox::nextOf(char16_t c, qsizetype since, qsizetype &cached) const
{
    // Looked for again only once passed: an answer has no line breaks, and
    // looking from every paragraph to the end would be quadratic.
    if (cached < since) {
        cached = m_results.indexOf(QChar(c), since);
        if (cached < 0)
            cached = m_results.size();
    }
    return cached;
}

qsizetype ResultsBox::paragraphEnd(qsizetype since)
{
    // A line ends at a line feed or a carriage return; one before a line
    // feed ends it with it.
    qsizetype lineEnd = std::min(nextOf(u'\n', since, m_feedAt), nextOf(u'\r', since, m_returnAt));
    if (lineEnd + 1 < m_results.size() && m_results.at(lineEnd) == u'\r'
        && m_results.at(lineEnd + 1) == u'\n')
        ++lineEnd;
    if (lineEnd - since <= kParagraphLength)
        return lineEnd;
    const qsizetype blank = m_results.indexOf(u' ', since + kParagraphLength);
    return blank < 0 || blank > lineEnd ? lineEnd : blank;
}

void ResultsBox::fill()
{
    QString piece;
    for (int paragraphs = 0;
         m_filled < m_results.size() && piece.size() < kFillLength && paragraphs < kFillParagraphs;
         ++paragraphs) {
        const qsizetype end = paragraphEnd(m_filled);
        piece += QStringView(m_results).mid(m_filled, end - m_filled);
        if (end < m_results.size())
            piece += u'\n';
        m_filled = std::min(end + 1, m_results.size());
    }
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(piece);
    if (m_filled < m_results.size())
        m_filling.start();
}

QMimeData *ResultsBox::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    const qsizetype from = inResults(selection.selectionStart());
    // A selection to the end, made while the box still takes the answer
    // in, is to the answer's end.
    const qsizetype to = selection.selectionEnd() == document()->characterCount() - 1
        ? m_results.size()
        : inResults(selection.selectionEnd());
    auto *data = new QMimeData;
    data->setText(m_results.mid(from, to - from));
    return data;
}
