// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QTimer>
#include <vector>

// The read-only box a run's answer is shown in. An answer can be millions of
// words on one line, tens of megabytes: a text box lays a paragraph out
// whole, which for such a line takes seconds (and again at every change of
// its width), and takes in a text of that size in about half a second. So a
// long answer goes into the box's document in paragraphs of a bounded
// length, each starting where a blank stood, which the box lays out only as
// they come into view, and a megabyte or so at a time, the event loop
// turning in between. The blanks are one character each, as the paragraph
// breaks are, so a position in the box is a position in the answer (after as
// many characters more as carriage returns before a line feed, which a
// document shows as one break): what is selected and copied is the answer's
// own text.
class ResultsBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ResultsBox(QWidget *parent = nullptr);

    // Shows text in place of what was shown (the only way to change what the
    // box shows).
    void setResults(const QString &text);
    // The answer as given, whatever paragraphs the box shows it in, and
    // however much of it the box has taken in yet.
    [[nodiscard]] const QString &results() const { return m_results; }
    // Whether all of the answer is in the box's document.
    [[nodiscard]] bool filled() const { return m_filled == m_results.size(); }

protected:
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;

private:
    // Takes the next paragraphs of the answer into the document.
    void fill();
    // Where the paragraph beginning at since ends: at a line's end, else at
    // the first blank a paragraph's length on, else at the end.
    [[nodiscard]] qsizetype paragraphEnd(qsizetype since);
    // Where the next c at or after since is, or the end; cached keeps it.
    [[nodiscard]] qsizetype nextOf(char16_t c, qsizetype since, qsizetype &cached) const;

    // Where the answer's character is that is at position in the box: so
    // many places on as there are carriage returns before a line feed shown
    // before it.
    [[nodiscard]] qsizetype inResults(qsizetype position) const;

    QString m_results;
    // Where each carriage return before a line feed is shown, in order.
    std::vector<qsizetype> m_pairsShown;
    qsizetype m_filled = 0; // characters of the answer in the document
    // The next line feed and carriage return looked for, or the end.
    qsizetype m_feedAt = -1;
    qsizetype m_returnAt = -1;
    QTimer m_filling;
};
