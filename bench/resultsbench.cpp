// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window with an answer of millions of words: hands the window, as the
// search does, a results line of N words and prints, for each thing a user
// then does (the answer shown, scrolled to its end, paged through, the window
// resized, everything selected and copied), the longest time its event loop
// went without a turn, and when the box had all of the answer.
#include "StallWatch.h"
#include "mainwindow/ResultsBox.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Words of the given length from a fixed pseudo-random stream, joined as the
// search writes its answer.
QString answerOf(qsizetype words, int letters)
{
    QString text = QStringLiteral("Done - Found %1 words: ").arg(words);
    text.reserve(text.size() + words * (letters + 2));
    quint32 state = 11;
    for (qsizetype word = 0; word < words; ++word) {
        if (word > 0)
            text += QLatin1String(", ");
        for (int letter = 0; letter < letters; ++letter) {
            state = state * 1664525U + 1013904223U;
            text += QChar(u'a' + char16_t((state >> 24) % 26));
        }
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ "words", "Words in the answer (default 2000000).", "n", "2000000" });
    parser.addOption({ "letters", "Letters in each word (default 24).", "n", "24" });
    parser.process(app);
    const QString text
        = answerOf(parser.value("words").toLongLong(), parser.value("letters").toInt());

    frmMain window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    auto *box = window.findChild<ResultsBox *>(QStringLiteral("txtResults"));
    StallWatch watch;
    const auto phase = [&watch, box](const char *name, const std::function<void()> &action) {
        QTest::qWait(100);
        watch.restart();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(0, action);
        QTest::qWait(300);
        // Until the box has all of the answer, however long that takes.
        (void)QTest::qWaitFor([box] { return box->filled(); }, 600'000);
        std::printf("%-28s longest stall %8.3f s, all in after %7.3f s\n", name,
            watch.longestSeconds(), double(wall.nsecsElapsed()) / 1e9);
        std::fflush(stdout);
    };
    std::printf("answer of %lld characters\n", static_cast<long long>(text.size()));
    phase("shown", [&] {
        AnalysisView &view = window;
        view.setResultsColor(kDarkGreen);
        view.setResultsText(text);
    });
    phase("scrolled to the end",
        [&] { box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum()); });
    phase("to the middle",
        [&] { box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum() / 2); });
    phase("page down", [&] { QTest::keyClick(box, Qt::Key_PageDown); });
    phase("resized wider", [&] { window.resize(window.width() + 200, window.height() + 100); });
    phase("resized back", [&] { window.resize(window.width() - 200, window.height() - 100); });
    // The window keeps the box's size; a new screen or text size changes it.
    phase("box widened", [&] { box->resize(box->width() + 150, box->height() + 50); });
    phase("box narrowed", [&] { box->resize(box->width() - 150, box->height() - 50); });
    phase("selected and copied", [&] {
        box->selectAll();
        box->copy();
    });
    const bool same = QGuiApplication::clipboard()->text() == text;
    std::printf("copied text %s the answer\n", same ? "is" : "is NOT");
    phase("cleared", [&] {
        AnalysisView &view = window;
        view.setResultsText(QString());
    });
    return same ? 0 : 1;
}
