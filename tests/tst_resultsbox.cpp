// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ResultsBox.h"
#include "mainwindow/frmMain.h"
#include "tests/support/Rows.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace {

// The longest the window may go without a turn of its event loop while it
// shows an answer. Not a speed goal (quorvel-resultsbench measures that): a
// bound far past any pause on a loaded machine or under sanitizers, which
// only a box that takes the answer or lays it out in one go passes (an
// answer set at once stood 48 s, a page laid out whole 10 s). That the
// answer is taken in pieces is counted in turns, not timed.
constexpr std::chrono::milliseconds kLongestStall(2000);
// The answer's characters the box may take between two turns, at most (it
// takes a megabyte at a time).
constexpr qsizetype kMostBetweenTurns = 4 * 1024 * 1024;

// Notes the longest gap between two turns of the event loop, as a timer
// that is due at every turn sees it.
class StallWatch {
public:
    StallWatch()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, std::chrono::nanoseconds(m_sinceTurn.nsecsElapsed()));
            m_sinceTurn.start();
            ++m_turns;
        });
        m_sinceTurn.start();
        m_timer.start();
    }
    [[nodiscard]] std::chrono::nanoseconds longest() const { return m_longest; }
    [[nodiscard]] qsizetype turns() const { return m_turns; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTurn;
    std::chrono::nanoseconds m_longest {};
    qsizetype m_turns = 0;
};

struct AnswerRow {
    const char *name;
    int words;
    int letters; // in each word
    int line; // words in a line, ending with lineEnd; 0: all on one line
    const char *lineEnd;
};

// An answer as the search writes it, of words from a fixed pseudo-random
// stream.
QString answerOf(const AnswerRow &row)
{
    QString text = QStringLiteral("Done - Found %1 words: ").arg(row.words);
    text.reserve(text.size() + qsizetype(row.words) * (row.letters + 2));
    quint32 state = 7;
    for (int word = 0; word < row.words; ++word) {
        if (word > 0)
            text += row.line > 0 && word % row.line == 0 ? QLatin1String(row.lineEnd)
                                                         : QLatin1String(", ");
        for (int letter = 0; letter < row.letters; ++letter) {
            state = state * 1664525U + 1013904223U;
            text += QChar(u'a' + char16_t((state >> 24) % 26));
        }
    }
    return text;
}

// The text as one line: a box may show blanks as paragraph breaks, and a
// document makes one of a carriage return and a line feed, or of either.
QString asOneLine(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(u'\n', u' ')
        .replace(u'\r', u' ');
}

QString copied(ResultsBox &box, qsizetype from, qsizetype to)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(int(from));
    cursor.setPosition(int(to), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    box.copy();
    return QGuiApplication::clipboard()->text();
}

} // namespace

class TestResultsBox : public QObject {
    Q_OBJECT

private slots:
    void answerShownWhole_data()
    {
        addRows<AnswerRow>({
            { "three words", 3, 3, 0, "" },
            { "a million words of 24 letters", 1'000'000, 24, 0, "" },
            { "lines longer and shorter than the box lays out at once", 100'000, 20, 900, "\n" },
            { "lines ending in carriage returns", 100'000, 12, 1, "\r\n" },
            { "lines ending in carriage returns alone", 100'000, 12, 1, "\r" },
        });
    }

    // Shown through the window's view as a run shows it, paged to the end
    // and back: the event loop turns all the while, and the box shows the
    // answer, gives it as it is, and copies what is selected of it as it is.
    void answerShownWhole()
    {
        QFETCH(AnswerRow, row);
        const QString answer = answerOf(row);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.findChild<ResultsBox *>(QStringLiteral("txtResults"));
        QVERIFY(box);
        box->setFocus();

        StallWatch watch;
        QTimer::singleShot(0, &window, [&window, &answer] {
            AnalysisView &view = window;
            view.setResultsText(answer);
        });
        QTest::qWait(10);
        QTRY_VERIFY_WITH_TIMEOUT(box->filled(), 120'000);
        QVERIFY2(watch.turns() >= answer.size() / kMostBetweenTurns,
            qPrintable(QStringLiteral("%1 turns while %2 characters were taken")
                           .arg(watch.turns())
                           .arg(answer.size())));
        QTimer::singleShot(
            0, box, [box] { QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier); });
        QTest::qWait(50);
        QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_PageUp); });
        QTest::qWait(50);
        QVERIFY2(watch.longest() < kLongestStall,
            qPrintable(
                QStringLiteral("the event loop stood still for %1 ms")
                    .arg(std::chrono::duration<double, std::milli>(watch.longest()).count())));

        QCOMPARE(box->results(), answer);
        // A screen reader hears a short answer whole, a long one's start.
        const QString heard = box->accessibleDescription();
        QCOMPARE(heard == answer, row.words <= 3);
        if (heard != answer) {
            QVERIFY(heard.endsWith(QChar(0x2026)));
            QVERIFY(answer.startsWith(heard.chopped(1)));
            QVERIFY(heard.size() * 1000 < answer.size());
        }
        QVERIFY(asOneLine(box->document()->toPlainText()) == asOneLine(answer));
        box->selectAll();
        box->copy();
        QVERIFY(QGuiApplication::clipboard()->text() == answer);
        // A stretch across the middle, over paragraph breaks where there
        // are any: copied as the box shows it, in the answer's characters.
        const QString shown = box->document()->toPlainText();
        const qsizetype from = shown.size() / 3;
        const qsizetype to = shown.size() - from;
        const QString part = copied(*box, from, to);
        QVERIFY(asOneLine(part) == asOneLine(shown).mid(from, to - from));
        QVERIFY(answer.contains(part));
    }

    // A new answer given while the box still takes in a long one replaces it.
    void newAnswerReplacesOneBeingTakenIn()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.findChild<ResultsBox *>(QStringLiteral("txtResults"));
        AnalysisView &view = window;
        view.setResultsText(answerOf({ "long", 500'000, 10, 0, "" }));
        QVERIFY(!box->filled());
        const QString next = answerOf({ "short", 2, 4, 0, "" });
        view.setResultsText(next);
        QTest::qWait(100);
        QVERIFY(box->filled());
        QCOMPARE(box->results(), next);
        QCOMPARE(box->document()->toPlainText(), next);
    }

    // Everything selected and copied before the box has all of a long
    // answer is all of it.
    void allCopiedWhileTakenIn()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.findChild<ResultsBox *>(QStringLiteral("txtResults"));
        const QString answer = answerOf({ "long", 500'000, 10, 0, "" });
        AnalysisView &view = window;
        view.setResultsText(answer);
        QVERIFY(!box->filled());
        box->selectAll();
        box->copy();
        QVERIFY(QGuiApplication::clipboard()->text() == answer);
    }
};

QTEST_MAIN(TestResultsBox)
#include "tst_resultsbox.moc"
