// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's first answer as a user meets it: the program's own wiring
// (the dictionary service with its probe helper and cache, the search, the
// window), the dictionary made ready from the moment the window shows, the
// letters typed and Enter pressed after a pause. It prints the time from
// Enter to the answer and the longest time the window's event loop went
// without a turn, before Enter and from Enter to the answer (the search runs
// on the window's thread and hands over to the event loop as it goes), with
// a cold cache and then with the cache the first round wrote.
#include "StallWatch.h"
#include "desktop/QtEventPump.h"
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/frmMain.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/HeadlessView.h"
#include "search/WordSearch.h"
#include "spelling/DictionaryService.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

struct Round {
    double answerSeconds = 0; // from Enter to the results line
    double longestStallSeconds = 0; // without an event loop turn, show to Enter
    double longestHandOverSeconds = 0; // the same, Enter to the answer
    QString results;
};

Round firstAnswer(const std::filesystem::path &dictionary, const std::filesystem::path &cache,
    const QString &letters, int pauseMs)
{
    StderrMessageBox box;
    FlagTerminator terminator;
    QtEventPump events;
    const QDir here(QCoreApplication::applicationDirPath());
    DictionaryService dictionaries({ [dictionary] { return std::vector { dictionary }; },
        std::nullopt,
        QFile::encodeName(here.filePath(QStringLiteral("quorvel-probe"))).toStdString(), cache });
    frmMain window;
    WordSearch search(window, { box, dictionaries, terminator, events, &dictionaries }, {});
    connectAnalysis(window, search, terminator);
    StallWatch stalls;
    window.show();
    // As the program does: the dictionary is made ready once the window is up.
    QTimer::singleShot(0, &window, [&dictionaries] { dictionaries.startInBackground(); });
    QTest::qWait(pauseMs);
    auto *input = window.findChild<QLineEdit *>();
    QTest::keyClicks(input, letters);
    Round round;
    round.longestStallSeconds = stalls.longestSeconds();
    stalls.restart();
    QElapsedTimer answer;
    answer.start();
    // The run goes on inside the key's handler, turning the event loop.
    QTest::keyClick(input, Qt::Key_Return);
    round.answerSeconds = double(answer.nsecsElapsed()) / 1e9;
    round.longestHandOverSeconds = stalls.longestSeconds();
    round.results = window.findChild<QPlainTextEdit *>()->toPlainText();
    dictionaries.finish(); // the cache is written for the next round
    return round;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the window's first answer."));
    parser.addHelpOption();
    const QCommandLineOption dictionaryOption(QStringLiteral("dictionary"),
        QStringLiteral("The dictionary, as its path without .aff/.dic."), QStringLiteral("BASE"),
        QStringLiteral("/usr/share/hunspell/en_US"));
    const QCommandLineOption lettersOption(QStringLiteral("letters"),
        QStringLiteral("The letters typed (a question on 9 or more is answered Yes)."),
        QStringLiteral("L"), QStringLiteral("painters"));
    const QCommandLineOption pauseOption(QStringLiteral("pause"),
        QStringLiteral("Milliseconds between the window showing and the letters typed."),
        QStringLiteral("MS"), QStringLiteral("300"));
    parser.addOptions({ dictionaryOption, lettersOption, pauseOption });
    parser.process(app);
    const std::filesystem::path dictionary
        = QFile::encodeName(parser.value(dictionaryOption)).toStdString();
    const QString letters = parser.value(lettersOption);
    const int pause = parser.value(pauseOption).toInt();

    const QTemporaryDir cache;
    const std::filesystem::path folder = QFile::encodeName(cache.path()).toStdString();
    std::printf("%s, \"%s\" typed %d ms after the window shows\n", dictionary.c_str(),
        qPrintable(letters), pause);
    for (const char *which : { "cold cache", "warm cache" }) {
        const Round round = firstAnswer(dictionary, folder, letters, pause);
        std::printf("%-10s  answer %.3f s after Enter, longest stall %.3f s before it, longest "
                    "hand-over gap %.3f s after it: %s\n",
            which, round.answerSeconds, round.longestStallSeconds, round.longestHandOverSeconds,
            qPrintable(round.results));
    }
    return 0;
}
