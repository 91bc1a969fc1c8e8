// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window during a long run that the word index answers: every
// arrangement of eight letters is a word, so the words found are many and
// take a while to put in order and write out. Escape, cancel analysis and
// Exit end the run where they are pressed, from its very start (before the
// busy bar and Cancel show) to the ordering of the words and the writing of
// the answer's line, which turn the event loop.
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/ResultsBox.h"
#include "mainwindow/frmMain.h"
#include "platform/EventPump.h"
#include "search/WordSearch.h"
#include "tests/support/FakeIndexSource.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/Rows.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"
#include "wordindex/FormSource.h"
#include "wordindex/WordIndex.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

const std::string kLetters = "abcdefgh";
constexpr long kWords = 40320; // 8!: every arrangement of kLetters

struct AnyWordScript {
    std::optional<std::filesystem::path> dictionary { "tests/xx_XX" };
    long asked = 0;
    int alive = 0;
};

// Takes every string for a word, from the dictionary the stand-in index serves.
class AnyWordChecker final : public CountedChecker<AnyWordScript> {
public:
    using Script = AnyWordScript;
    using CountedChecker::CountedChecker;

    std::optional<bool> checkSpelling(std::string_view) override
    {
        ++m_script->asked;
        return true;
    }
    std::optional<std::filesystem::path> dictionary() const override
    {
        return m_script->dictionary;
    }
    std::string engineName() const override { return "Any"; }
};

// The window's events, each pass counted and first given to the test.
class CountingPump final : public EventPump {
public:
    void processPendingEvents() override
    {
        ++passes;
        if (onPass)
            onPass();
        QCoreApplication::processEvents();
    }
    int passes = 0;
    std::function<void()> onPass;
};

std::shared_ptr<const FormSource> everyArrangement()
{
    std::string form = kLetters;
    std::vector<std::pair<std::string, std::uint8_t>> forms;
    do
        forms.emplace_back(form, FormRole::Word);
    while (std::ranges::next_permutation(form).found);
    return std::make_shared<const KeptForms>(WordIndex::fromForms(forms));
}

enum class Press { Nothing, Escape, Cancel, Exit };
enum class When { AtOnce, WhileOrdering, WhileWritten };

struct PressRow {
    const char *name;
    Press press;
    When when;
    std::chrono::milliseconds busyAfter;
};

} // namespace

class TestWindowRuns : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_index = everyArrangement(); }

    void pressedDuringTheRun_data()
    {
        using std::chrono::hours;
        using std::chrono::milliseconds;
        addRows<PressRow>({
            { "nothing pressed: every word found", Press::Nothing, When::AtOnce, hours(1) },
            { "Escape at once, no busy bar yet", Press::Escape, When::AtOnce, hours(1) },
            { "Escape while the words are ordered", Press::Escape, When::WhileOrdering,
                milliseconds(0) },
            { "cancel analysis while the words are ordered", Press::Cancel, When::WhileOrdering,
                milliseconds(0) },
            { "Exit while the words are ordered", Press::Exit, When::WhileOrdering,
                milliseconds(0) },
            { "Escape while the answer's line is written", Press::Escape, When::WhileWritten,
                milliseconds(0) },
        });
    }
    void pressedDuringTheRun()
    {
        QFETCH(PressRow, row);
        FakeMessageBox box;
        ScriptedFactory<AnyWordChecker> checkers;
        FakeTerminator terminator;
        CountingPump events;
        FakeIndexSource indexes;
        indexes.index = m_index;
        frmMain window;
        SearchOptions options;
        options.eventInterval = std::chrono::nanoseconds(0);
        options.threads = 1;
        options.busyAfter = row.busyAfter;
        WordSearch search(window, { box, checkers, terminator, events, &indexes }, options);
        connectAnalysis(window, search, terminator);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *input = window.findChild<QLineEdit *>(QStringLiteral("txtInput"));
        auto *results = window.findChild<ResultsBox *>(QStringLiteral("txtResults"));

        // Every word is asked about before they are put in order, which is
        // done before the run writes and shows its result (isRunning()).
        int pressedAt = 0;
        int passesSinceAllAsked = 0;
        events.onPass = [&] {
            if (pressedAt > 0 || row.press == Press::Nothing)
                return;
            if (row.when == When::WhileWritten && !search.isRunning())
                return;
            if (row.when == When::WhileOrdering) {
                if (checkers.script->asked < kWords || search.isRunning()
                    || ++passesSinceAllAsked < 2)
                    return;
            }
            pressedAt = events.passes;
            if (row.press == Press::Escape)
                QTest::keyClick(input, Qt::Key_Escape);
            else
                window
                    .findChild<QPushButton *>(row.press == Press::Cancel ? "cmdCancel" : "cmdExit")
                    ->click();
        };
        input->setText(QString::fromStdString(kLetters));
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Return);
        QVERIFY(!search.isRunning());
        if (row.press == Press::Nothing) {
            QCOMPARE(static_cast<long>(results->results().count(QStringLiteral(", "))) + 1, kWords);
            return;
        }
        QVERIFY2(pressedAt > 0, "never pressed: the event loop did not turn then");
        QCOMPARE(results->results(), QString());
        // It ends at the turn it was pressed in, or at the next.
        QVERIFY2(events.passes - pressedAt <= 1, qPrintable(QString::number(events.passes)));
        QCOMPARE(terminator.isEnding(), row.press == Press::Exit);
        if (row.press == Press::Exit)
            return;
        QVERIFY(window.findChild<QPushButton *>("cmdCancel")->isHidden());
        // Nothing is under way: the bar the search drew while it confirmed
        // the candidates, or the run's, is empty again.
        QCOMPARE(window.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->value(), 0);
    }

private:
    std::shared_ptr<const FormSource> m_index;
};

QTEST_MAIN(TestWindowRuns)
#include "tst_windowruns.moc"
