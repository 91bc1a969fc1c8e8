// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"
#include "search/Request.h"
#include "search/WordList.h"

#include <QString>
#include <chrono>
#include <concepts>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class AnalysisView;
class EventPump;
class IndexSource;
class LooseAlphabet;
class MessageBox;
class ProgramTerminator;

// Where a run's answers come from, in counter order: asked on the run's own
// thread, or by workers ahead of the run. next() waits at most the timeout
// and gives nothing when the answer is not there yet; otherwise the accepted
// word (valid until the next call) or nullptr for an arrangement that is no word.
template<typename Source>
concept AnswerSource = requires(Source source, std::chrono::steady_clock::duration timeout)
{
    {
        source.next(timeout)
        } -> std::same_as<std::optional<const std::string *>>;
};

// How a run paces itself and how many threads ask the checker.
struct SearchOptions {
    // How often a run lets the window handle its events. Every
    // arrangement would cost more than the question to the checker;
    // 5 ms keeps a click on Cancel well below what a user can notice.
    std::chrono::steady_clock::duration eventInterval = std::chrono::milliseconds(5);
    // Threads asking the checker; 0 means one per core, 1 asks on the
    // run's own thread, one question after another.
    unsigned threads = 0;
    // The fewest arrangements for which a run asks from worker threads
    // (9 letters); shorter runs ask on their own thread.
    double parallelFrom = 362880;
    // Try every arrangement even where the dictionary's word index could answer.
    bool exhaustive = false;
    // Which letters a request may hold.
    LetterRule letters = LetterRule::ByScript;
    // How the letters match the dictionary's; a loose request takes any
    // alphabet's letters, whatever letters says.
    Matching matching = Matching::AsTyped;
    // The language of the result line (the command-line tool's is English).
    ResultLanguage resultLanguage = ResultLanguage::Interface;
    // How long the work before a run (the index built or read, a long
    // compound searched) goes on before the window shows a busy bar and
    // Cancel; a quick answer keeps the window as still as it always was.
    std::chrono::steady_clock::duration busyAfter = std::chrono::milliseconds(250);
};

// How the last finished run was answered, for the tools and the tooltips.
struct RunReport {
    bool indexed = false; // by the word index, else by trying every arrangement
    std::string fallback; // why every arrangement was tried; empty: not asked to
    std::optional<std::filesystem::path> dictionary;
    std::string engine;
    std::chrono::steady_clock::duration time {};
    double questions = 0; // asked of the checker
    bool loose = false; // the letters were matched loosely
    std::size_t candidates = 0; // the word index named (0: none, or not asked)
    std::size_t settled = 0; // of those, taken by the dictionary's rules unasked
    std::size_t settledSpellings = 0; // spellings taken or refused by them unasked
};

// The analysis of the main window: the request that checks what was typed,
// the search run over every arrangement, and the cancel flag between them.
class WordSearch {
public:
    using Options = SearchOptions;

    struct Services {
        MessageBox &messageBox;
        SpellCheckerFactory &checkers;
        ProgramTerminator &terminator;
        // The window's events, let through while a run goes on.
        EventPump &events;
        // The dictionaries' word indexes; without them every run enumerates.
        IndexSource *indexes = nullptr;
    };

    WordSearch(AnalysisView &view, Services services, Options options = {});
    ~WordSearch();
    WordSearch(const WordSearch &) = delete;
    WordSearch &operator=(const WordSearch &) = delete;

    void startanalysis();
    // One run over the letters, which are already trimmed, valid and not empty.
    void f(const std::string &letters);
    void cmdCancel_Click()
    {
        m_bolCancel = true;
        ++m_cancelClicks;
    }

    // For the requests to come; a run going on keeps its own.
    void setMatching(Matching matching) { m_options.matching = matching; }
    [[nodiscard]] Matching matching() const { return m_options.matching; }

    [[nodiscard]] bool bolCancel() const { return m_bolCancel; }
    [[nodiscard]] bool isRunning() const { return m_running; }
    [[nodiscard]] const RunReport &lastRun() const { return m_report; }
    // The letter the last request was refused for, as not in the
    // dictionary's alphabet; nothing when it was not.
    [[nodiscard]] const std::optional<std::string> &outsideAlphabet() const
    {
        return m_outsideAlphabet;
    }
    // Told after each finished run, with how it was answered.
    void setRunFinished(std::function<void(const RunReport &)> told)
    {
        m_runFinished = std::move(told);
    }
    // Told as each run starts, with its dictionary and how it is answered.
    void setRunStarting(std::function<void(const RunReport &)> told)
    {
        m_runStarting = std::move(told);
    }

private:
    // A request that is ready to run: its letters, its checker and, when the
    // word index could answer, the words found.
    struct PreparedRun {
        std::string letters;
        std::unique_ptr<SpellChecker> checker;
        std::optional<WordList> found;
        RunReport report;
        double looseQuestions = 0; // the most a loose run asks; 0: not loose
        // Its letters' loose matching, kept by the run: a newer request
        // for another dictionary, made while this one runs, has its own.
        std::shared_ptr<const LooseAlphabet> loose = nullptr;
    };

    // The request in the letter box, checked, with its checker and, when the
    // index cannot answer, confirmed; nothing when the user was told why
    // not, said No, cancelled while the dictionary was made ready, or typed
    // a newer request meanwhile.
    [[nodiscard]] std::optional<PreparedRun> acceptedRequest();
    // Lets the window handle its events while the slow work goes on
    // elsewhere; false once the request is to stop (Cancel, a newer
    // request, the program's end).
    [[nodiscard]] bool keepGoing(unsigned request, unsigned cancelClicks);
    // Waits, handling events, for the checker to be ready to create.
    [[nodiscard]] bool checkerReady(unsigned request, unsigned cancelClicks);
    // Shows a request under way before its run (a busy bar and Cancel), or
    // takes it away; a run going on keeps its own bar.
    void showBusy(bool busy);
    // The words of a whole run through the word index; nothing when only
    // trying every arrangement can tell (why in the report), or when the
    // request is to stop (false in going).
    [[nodiscard]] std::optional<WordList> indexedWords(const std::string &letters,
        SpellChecker &checker, RunReport &report, const std::function<bool()> &going,
        bool &stopped);
    // Runs a prepared request; the words the index found are taken from it.
    void run(PreparedRun &prepared);
    // The loose matching of the letters (search/LooseSearch.h) for the
    // checker's dictionary, made once for each dictionary from the alphabet
    // its word index comes with, waited for (handling events) while the
    // index is built; nothing when going said to stop meanwhile.
    [[nodiscard]] std::shared_ptr<const LooseAlphabet> looseAlphabet(
        const SpellChecker &checker, const std::function<bool()> &going);
    // Prepares a loose run: how it is answered, and how long it may take;
    // false when going said to stop.
    [[nodiscard]] bool prepareLoose(PreparedRun &prepared, const std::function<bool()> &going);
    // The loop of a loose run; false when it ended without a result.
    bool runLoose(const PreparedRun &prepared, WordList &list, RunReport &report);
    // Shows the run's result, made in steps between the window's turns;
    // false when the run is to stop first (Cancel, a newer request, Exit).
    bool showResult(const WordList &list);
    // False, the user told, when a letter is not in the dictionary's
    // alphabet (or the wait for it was cut short).
    [[nodiscard]] bool inAlphabet(
        const std::string &letters, SpellChecker &checker, const std::function<bool()> &going);
    // Answers a prepared loose run from the word index where it can (its
    // words in prepared.found); false when going said to stop.
    bool looseFromIndex(PreparedRun &prepared, const std::function<bool()> &going);
    // The loop over every arrangement; false when it ended without a result.
    bool enumerate(AnswerSource auto &answers, std::size_t n, double total, WordList &list);

    AnalysisView &m_view;
    Services m_services;
    Options m_options;
    bool m_bolCancel = false;
    bool m_running = false;
    bool m_busy = false; // showing a request under way before its run
    unsigned m_requests = 0; // requests made, to tell a newer one
    unsigned m_cancelClicks = 0;
    std::optional<PreparedRun> m_pending; // waiting for the running search to unwind
    RunReport m_report;
    std::shared_ptr<const LooseAlphabet> m_looseAlphabet;
    std::optional<std::filesystem::path> m_looseDictionary; // the one m_looseAlphabet is of
    std::optional<std::string> m_outsideAlphabet;
    std::chrono::steady_clock::time_point m_lastEvents {};
    std::function<void(const RunReport &)> m_runFinished;
    std::function<void(const RunReport &)> m_runStarting;
};
