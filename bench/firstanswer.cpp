// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's first answer as a user meets it: the program's own wiring
// (the dictionary service with its probe helper and cache, the search, the
// window), the dictionary made ready from the moment the window shows, the
// letters typed and Enter pressed after a pause. It prints the time from
// Enter to the answer and the longest time the window's event loop went
// without a turn, before Enter and from Enter to the answer (the search runs
// on the window's thread and hands over to the event loop as it goes), with
// a cold cache and then with the cache the first round wrote. Every gap of a
// tenth of a second or more is printed with what the search last showed
// before it and first after it, which tells the phase it fell in; Escape or
// Exit may be pressed during the run, and the time it took to unwind printed.
#include "StallWatch.h"
#include "desktop/QtEventPump.h"
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/ResultsBox.h"
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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// The window as the search sees it, noting when the search turns from one
// kind of call to another (the phases of a run) and how often the bar moved.
class PhaseView final : public AnalysisView {
public:
    PhaseView(AnalysisView &window, const StallWatch &clock)
        : m_window(window)
        , m_clock(clock)
    {
    }

    struct Phase {
        double from = 0;
        const char *name = "";
    };

    void setProgressRange(float minimum, float maximum) override
    {
        note("progress range");
        m_window.setProgressRange(minimum, maximum);
    }
    void setProgressValue(float value) override
    {
        note("progress value");
        m_window.setProgressValue(value);
    }
    void setProgressCount(double done, double total) override
    {
        note("progress count");
        m_window.setProgressCount(done, total);
    }
    void setConfirmedCount(double confirmed, double named) override
    {
        note("confirmed count");
        m_window.setConfirmedCount(confirmed, named);
    }
    void setProgressVisible(bool visible) override
    {
        note("progress shown");
        m_window.setProgressVisible(visible);
    }
    void repaintProgress() override
    {
        note("progress painted");
        ++repaints;
        m_window.repaintProgress();
    }
    void setSearchingVisible(bool visible) override
    {
        note("searching shown");
        m_window.setSearchingVisible(visible);
    }
    void setResultsColor(RgbColor color) override
    {
        note("results colour");
        m_window.setResultsColor(color);
    }
    void setResultsText(const QString &text) override
    {
        note(text.isEmpty() ? "results cleared" : "results text");
        m_window.setResultsText(text);
        note("results text given");
    }
    [[nodiscard]] QString inputText() const override { return m_window.inputText(); }
    void setCancelVisible(bool visible) override
    {
        note(visible ? "cancel shown" : "cancel hidden");
        m_window.setCancelVisible(visible);
    }

    // The phase a moment is in, and those begun until a later one.
    [[nodiscard]] QString during(double from, double to) const
    {
        QString names = QStringLiteral("(start)");
        for (const Phase &phase : phases) {
            if (phase.from > to)
                break;
            if (phase.from <= from)
                names = QString::fromLatin1(phase.name);
            else
                names += QStringLiteral(", ") + QString::fromLatin1(phase.name);
        }
        return names;
    }

    std::vector<Phase> phases;
    int repaints = 0;

private:
    void note(const char *name)
    {
        if (phases.empty() || phases.back().name != name)
            phases.push_back({ m_clock.now(), name });
    }

    AnalysisView &m_window;
    const StallWatch &m_clock;
};

// What is pressed during the run, and when.
struct Interruption {
    enum class Key { None, Escape, Exit } key = Key::None;
    int afterMs = 0;
};

struct Round {
    double answerSeconds = 0; // from Enter to the results line
    double longestStallSeconds = 0; // without an event loop turn, show to Enter
    double longestHandOverSeconds = 0; // the same, Enter to the answer
    QString results;
    std::vector<StallWatch::Gap> gaps; // Enter to the answer, with their phases
    std::vector<QString> gapPhases; // the phases each gap saw
    int repaints = 0; // of the bar, Enter to the answer
    std::optional<double> unwoundSeconds; // from the key pressed to the run's end
};

Round firstAnswer(const std::filesystem::path &dictionary, const std::filesystem::path &cache,
    const QString &letters, int pauseMs, Interruption interruption)
{
    StderrMessageBox box;
    FlagTerminator terminator;
    QtEventPump events;
    const QDir here(QCoreApplication::applicationDirPath());
    DictionaryService dictionaries({ [dictionary] { return std::vector { dictionary }; },
        std::nullopt,
        QFile::encodeName(here.filePath(QStringLiteral("quorvel-probe"))).toStdString(), cache });
    frmMain window;
    StallWatch stalls;
    PhaseView phases(window, stalls);
    WordSearch search(phases, { box, dictionaries, terminator, events, &dictionaries }, {});
    connectAnalysis(window, search, terminator);
    window.show();
    // As the program does: the dictionary is made ready once the window is up.
    QTimer::singleShot(0, &window, [&dictionaries] { dictionaries.startInBackground(); });
    QTest::qWait(pauseMs);
    auto *input = window.findChild<QLineEdit *>();
    QTest::keyClicks(input, letters);
    Round round;
    round.longestStallSeconds = stalls.longestSeconds();
    stalls.restart();
    phases.phases.clear();
    phases.repaints = 0;
    QElapsedTimer answer;
    answer.start();
    QElapsedTimer pressed;
    if (interruption.key != Interruption::Key::None) {
        QTimer::singleShot(interruption.afterMs, &window, [&] {
            pressed.start();
            if (interruption.key == Interruption::Key::Escape)
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                window.findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
        });
    }
    // The run goes on inside the key's handler, turning the event loop.
    QTest::keyClick(input, Qt::Key_Return);
    round.answerSeconds = double(answer.nsecsElapsed()) / 1e9;
    if (pressed.isValid())
        round.unwoundSeconds = double(pressed.nsecsElapsed()) / 1e9;
    // The gap the run may end in is noted at the next turn.
    QTest::qWait(5);
    round.longestHandOverSeconds = stalls.longestSeconds();
    round.gaps = stalls.gaps();
    for (const StallWatch::Gap &gap : round.gaps)
        round.gapPhases.push_back(phases.during(gap.from, gap.from + gap.seconds));
    round.repaints = phases.repaints;
    round.results = window.findChild<ResultsBox *>()->results();
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
    const QCommandLineOption escapeOption(QStringLiteral("escape-after"),
        QStringLiteral("Press Escape this many milliseconds after Enter."), QStringLiteral("MS"));
    const QCommandLineOption exitOption(QStringLiteral("exit-after"),
        QStringLiteral("Click Exit this many milliseconds after Enter."), QStringLiteral("MS"));
    const QCommandLineOption warmOption(QStringLiteral("warm-only"),
        QStringLiteral("Time the warm round only (after one unmeasured)."));
    parser.addOptions(
        { dictionaryOption, lettersOption, pauseOption, escapeOption, exitOption, warmOption });
    parser.process(app);
    const std::filesystem::path dictionary
        = QFile::encodeName(parser.value(dictionaryOption)).toStdString();
    const QString letters = parser.value(lettersOption);
    const int pause = parser.value(pauseOption).toInt();
    Interruption interruption;
    if (parser.isSet(escapeOption))
        interruption = { Interruption::Key::Escape, parser.value(escapeOption).toInt() };
    else if (parser.isSet(exitOption))
        interruption = { Interruption::Key::Exit, parser.value(exitOption).toInt() };

    const QTemporaryDir cache;
    const std::filesystem::path folder = QFile::encodeName(cache.path()).toStdString();
    std::printf("%s, \"%s\" typed %d ms after the window shows\n", dictionary.c_str(),
        qPrintable(letters), pause);
    if (parser.isSet(warmOption)) {
        // The cache written by a round on three letters, which has no answer
        // worth the wait.
        (void)firstAnswer(dictionary, folder, QStringLiteral("abc"), pause, {});
    }
    for (const char *which : { "cold cache", "warm cache" }) {
        if (parser.isSet(warmOption) && which[0] == 'c')
            continue;
        const Round round = firstAnswer(dictionary, folder, letters, pause, interruption);
        // An answer of millions of words is shown by its start.
        QString shown = round.results.left(200);
        if (shown.size() < round.results.size())
            shown += QStringLiteral("... (%1 characters)").arg(round.results.size());
        std::printf("%-10s  answer %.3f s after Enter, longest stall %.3f s before it, longest "
                    "hand-over gap %.3f s after it, bar painted %d times: %s\n",
            which, round.answerSeconds, round.longestStallSeconds, round.longestHandOverSeconds,
            round.repaints, qPrintable(shown));
        for (std::size_t g = 0; g < round.gaps.size(); ++g) {
            std::printf("  gap %.3f s (%.3f s working) from %.3f s after Enter, in: %s\n",
                round.gaps[g].seconds, round.gaps[g].working, round.gaps[g].from,
                qPrintable(round.gapPhases[g]));
        }
        if (round.unwoundSeconds) {
            std::printf("  %s pressed %d ms after Enter: the run ended %.3f s later\n",
                interruption.key == Interruption::Key::Escape ? "Escape" : "Exit",
                interruption.afterMs, *round.unwoundSeconds);
        }
        std::fflush(stdout);
    }
    return 0;
}
