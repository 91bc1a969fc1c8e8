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

// Characters taken into the document at one turn of the event loop: some
// ten milliseconds' work.
constexpr qsizetype kFillLength = 1024 * 1024;

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
    m_lineEnd = -1;
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
        + (std::upper_bound(m_pairsShown.begin(), m_pairsShown.end(), position)
            - m_pairsShown.begin());
}

qsizetype ResultsBox::paragraphEnd(qsizetype since)
{
    // The next line break is looked for again only once passed: an answer
    // has none, and looking from every paragraph to the end would be
    // quadratic.
    if (m_lineEnd < since) {
        m_lineEnd = m_results.indexOf(u'\n', since);
        if (m_lineEnd < 0)
            m_lineEnd = m_results.size();
    }
    if (m_lineEnd - since <= kParagraphLength)
        return m_lineEnd;
    const qsizetype blank = m_results.indexOf(u' ', since + kParagraphLength);
    return blank < 0 || blank > m_lineEnd ? m_lineEnd : blank;
}

void ResultsBox::fill()
{
    QString piece;
    while (m_filled < m_results.size() && piece.size() < kFillLength) {
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
