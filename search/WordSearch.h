#pragma once

#include "search/WordList.h"

#include <chrono>
#include <string>

class AnalysisView;
class MessageBox;
class ProgramTerminator;
class SpellCheckerFactory;

// The analysis of the main window: the request that checks what was typed,
// the search run over every arrangement, and the cancel flag between them.
class WordSearch {
public:
    struct Options {
        // How often a run lets the window handle its events. Every
        // arrangement would cost more than the question to the checker;
        // 5 ms keeps a click on Cancel well below what a user can notice.
        std::chrono::steady_clock::duration eventInterval = std::chrono::milliseconds(5);
        // Threads asking the checker; 0 means one per core, 1 asks on the
        // run's own thread, one question after another.
        unsigned threads = 0;
    };

    WordSearch(AnalysisView &view, MessageBox &box, SpellCheckerFactory &checkers,
        ProgramTerminator &terminator, Options options);
    WordSearch(AnalysisView &view, MessageBox &box, SpellCheckerFactory &checkers,
        ProgramTerminator &terminator)
        : WordSearch(view, box, checkers, terminator, Options())
    {
    }

    void startanalysis();
    // One run over the letters, which are already trimmed, valid and not empty.
    void f(const std::string &letters);
    void cmdCancel_Click() { m_bolCancel = true; }

    [[nodiscard]] bool bolCancel() const { return m_bolCancel; }
    [[nodiscard]] bool isRunning() const { return m_running; }

private:
    // One request; true when it ran a search (and so showed the Cancel button).
    bool runRequest();
    // The loop over every arrangement; false when it ended without a result.
    template<typename Answers>
    bool enumerate(Answers &answers, std::size_t n, double total, WordList &list);

    AnalysisView &m_view;
    MessageBox &m_box;
    SpellCheckerFactory &m_checkers;
    ProgramTerminator &m_terminator;
    Options m_options;
    bool m_bolCancel = false;
    bool m_running = false;
    bool m_restartPending = false;
};
